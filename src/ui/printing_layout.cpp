#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextLayout>
#include <QtMath>

#include "ui/printing.h"

namespace vellimar {

namespace {

// A quarter inch, the offset the printout starts with.
constexpr int OffsetTwips = 360;

} // namespace

bool printTextOn(QPagedPaintDevice& device, const QString& text, const std::function<bool()>& keepGoing) {
    QPainter painter;
    if (!painter.begin(&device))
        return false;

    const QFont font = painter.font();
    const int offset = device.logicalDpiX() * OffsetTwips / 1440;
    const qreal lineWidth = qMax(1, device.width() - offset);
    const qreal pageHeight = device.height();

    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    option.setTabStopDistance(QFontMetricsF(font, &device).horizontalAdvance(QLatin1Char(' ')) * 8);

    QStringList lines = withLineFeeds(text + QStringLiteral("\n")).split(QLatin1Char('\n'));
    lines.removeLast(); // what follows the final line end
    // Blank lines at the very end take no paper: they never start a page.
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
        lines.removeLast();

    // Asked at every line laid out or drawn, so that a very long text stops
    // soon after it is no longer wanted.
    bool going = true;
    const auto goOn = [&] { return going = going && (!keepGoing || keepGoing()); };
    int pages = 1;
    qreal y = 0;
    for (const QString& lineText : lines) {
        QTextLayout layout(lineText, font, &device);
        layout.setTextOption(option);
        layout.setCacheEnabled(true);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid() && goOn(); line = layout.createLine()) {
            line.setLeadingIncluded(true);
            line.setLineWidth(lineWidth);
            line.setPosition(QPointF(0, 0));
        }
        layout.endLayout();
        for (int i = 0; i < layout.lineCount() && goOn(); ++i) {
            QTextLine line = layout.lineAt(i);
            const qreal height = qCeil(line.height());
            if (y > 0 && y + height > pageHeight) {
                going = ++pages <= MaxPrintedPages && device.newPage();
                y = 0;
            }
            if (going)
                line.draw(&painter, QPointF(offset, y));
            y += height;
        }
        if (!going)
            break;
    }
    return painter.end() && going;
}

} // namespace vellimar
