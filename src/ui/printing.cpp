#include "ui/printing.h"

#include <QFontMetricsF>
#include <QLibrary>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextLayout>
#include <QtMath>
#include <cups/cups.h>

namespace vellimar {

namespace {

// A quarter inch, the offset the printout starts with.
constexpr int OffsetTwips = 360;

// Whether CUPS took the last job this thread sent. libcups is looked up only
// when something is printed: linked to the program, it and the score of
// libraries it needs were loaded at every start. Qt's print plugin has loaded
// it by now, so this is the same library and the same per-thread status.
bool cups_took_last_job() {
    using LastError = ipp_status_t (*)();
    static const auto last_error =
        reinterpret_cast<LastError>(QLibrary::resolve(QStringLiteral("cups"), 2, "cupsLastError"));
    // Without libcups the job did not go through CUPS: Qt's own answer stands.
    return !last_error || last_error() < IPP_STATUS_REDIRECTION_OTHER_SITE;
}

} // namespace

bool print_text_on(QPrinter& printer, const QString& text) {
    QPainter painter;
    if (!painter.begin(&printer))
        return false;

    const QFont font = painter.font();
    const int offset = printer.logicalDpiX() * OffsetTwips / 1440;
    const qreal line_width = qMax(1, printer.width() - offset);
    const qreal page_height = printer.height();

    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    option.setTabStopDistance(QFontMetricsF(font, &printer).horizontalAdvance(QLatin1Char(' ')) * 8);

    QStringList lines = with_line_feeds(text + QStringLiteral("\n")).split(QLatin1Char('\n'));
    lines.removeLast(); // what follows the final line end
    // Blank lines at the very end take no paper: they never start a page.
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
        lines.removeLast();

    bool paged = true;
    qreal y = 0;
    for (const QString& line_text : lines) {
        QTextLayout layout(line_text, font, &printer);
        layout.setTextOption(option);
        layout.setCacheEnabled(true);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLeadingIncluded(true);
            line.setLineWidth(line_width);
            line.setPosition(QPointF(0, 0));
        }
        layout.endLayout();
        for (int i = 0; i < layout.lineCount(); ++i) {
            QTextLine line = layout.lineAt(i);
            const qreal height = qCeil(line.height());
            if (y > 0 && y + height > page_height) {
                paged = paged && printer.newPage();
                y = 0;
            }
            line.draw(&painter, QPointF(offset, y));
            y += height;
        }
    }

    const bool finished = painter.end();
    const QPrinter::PrinterState state = printer.printerState();
    return paged && finished && state != QPrinter::Error && state != QPrinter::Aborted;
}

bool DefaultPrinter::print(const QString& text) {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return false;
    QPrinter printer(info, QPrinter::HighResolution);
    if (!printer.isValid())
        return false;
    printer.setDocName(ApplicationTitle);
    if (!print_text_on(printer, text))
        return false;
    // Qt hands the finished document to CUPS without looking at the answer;
    // a queue that refuses the job only shows in the last IPP status.
    return cups_took_last_job();
}

} // namespace vellimar
