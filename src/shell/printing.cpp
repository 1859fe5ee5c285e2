#include "shell/printing.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace vellimar {

bool DefaultPrinter::print(const QString& text) {
    QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return false;
    QPrinter printer(info, QPrinter::HighResolution);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    // A quarter inch from the left of the printable area, in device units.
    const int offset = printer.resolution() / 4;
    QRect area = painter.viewport().adjusted(offset, 0, 0, 0);
    painter.drawText(area, Qt::AlignLeft | Qt::AlignTop, text + QStringLiteral("\n"));
    return painter.end();
}

} // namespace vellimar
