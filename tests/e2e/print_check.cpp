// Prints on the real default printer as the screens do (the results page or
// a long text), writes the
// messages the user would see to standard output, and lays the same text out
// into COPY.pdf on the printer's paper, for the test to read back.
#include <QApplication>
#include <QPrinter>
#include <QPrinterInfo>
#include <cstdio>

#include "app/application.h"
#include "app/registry.h"
#include "core/results_page.h"
#include "screens/results_screen.h"
#include "ui/fakes.h"
#include "ui/platform.h"
#include "ui/printing.h"

using namespace vellimar;

namespace {

// Lays `text` out into `path` on the paper of the default printer, or A4.
bool copy_to_pdf(const QString& text, const QString& path) {
    QPrinter printer(QPrinter::HighResolution);
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (!info.isNull())
        printer.setPageSize(info.defaultPageSize());
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    return print_text_on(printer, text);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    setup_application(app);
    const QStringList args = QApplication::arguments().mid(1);
    if (args.size() != 2 || (args[0] != QLatin1String("results") && args[0] != QLatin1String("long"))) {
        std::fputs("usage: print_check results|long COPY.pdf\n", stderr);
        return 2;
    }

    // Only the message boxes are replaced; the printer is the real one.
    FakeDialogs dialogs;
    const Platform real = platform();
    swap_platform({&dialogs, real.printer, real.process});

    QString text;
    if (args[0] == QLatin1String("results")) {
        const ClassTexts models = {"Korr Personal 550I", "",         "Korr Webline 700I",     "Brisk 1000I",
                                   "PanoBrisk 1000I",    "QN 1000I", "BriskPro Corehall 10kI"};
        ResultsScreen& results = registry().results();
        results.showModels(models);
        results.showHeader(QStringLiteral("60 min./ 1 hour"), QStringLiteral(" 245"));
        text = QString::fromStdString(results_page_text(" 245", "60 min./ 1 hour", models));
        results.printResults();
    } else {
        for (int line = 1; line <= 150; ++line)
            text += QStringLiteral("Line %1 of a long product text\r\n").arg(line);
        for (int word = 1; word <= 60; ++word)
            text += QStringLiteral("word%1 ").arg(word);
        text += QStringLiteral("\r\nThe end\r\n");
        print_document(text);
    }

    for (const ShownMessage& message : dialogs.messages)
        std::printf("message: %s\n", message.text.toUtf8().constData());
    if (!copy_to_pdf(text, args.last())) {
        std::fputs("print_check: could not write the PDF copy\n", stderr);
        return 1;
    }
    registry().reset();
    swap_platform(real);
    return 0;
}
