// Prints through the real default printer, the way the screens do, and
// writes the messages the user would see to standard output, one per line.
// Beside it, the same text is laid out into a PDF file on the default
// printer's paper, so that a test can read back what was printed.
//
// Usage: print_check results|viewer MODEL|long  COPY.pdf
//   results  the results page of a 245 VA, one hour suggestion
//   viewer   the product information of MODEL, from the working directory's
//            prod230.txt, printed with "Print This Document"
//   long     a text of many pages with lines wider than the page
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRadioButton>
#include <cstdio>

#include "app/application.h"
#include "app/registry.h"
#include "core/results_page.h"
#include "screens/info_viewer.h"
#include "screens/load_list_screen.h"
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

int usage() {
    std::fputs("usage: print_check results|viewer MODEL|long COPY.pdf\n", stderr);
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    setup_application(app);
    const QStringList args = QApplication::arguments().mid(1);
    if (args.size() < 2)
        return usage();

    // Only the message boxes are replaced; the printer is the real one.
    FakeDialogs dialogs;
    const Platform real = platform();
    swap_platform({&dialogs, real.printer, real.process});

    QString text;
    const QString mode = args[0];
    if (mode == QLatin1String("results") && args.size() == 2) {
        const ClassTexts models = {"Korr Personal 550I", "",         "Korr Webline 700I",     "Brisk 1000I",
                                   "PanoBrisk 1000I",    "QN 1000I", "BriskPro Corehall 10kI"};
        ResultsScreen& results = registry().results();
        results.showModels(models);
        results.showHeader(QStringLiteral("60 min./ 1 hour"), QStringLiteral(" 245"));
        text = QString::fromStdString(results_page_text(" 245", "60 min./ 1 hour", models));
        results.printResults();
    } else if (mode == QLatin1String("viewer") && args.size() == 3) {
        registry().loadList().volts230Option->setChecked(true);
        InfoViewer& viewer = registry().infoViewer();
        viewer.show();
        viewer.setModelText(args[1]);
        viewer.showInfo();
        text = viewer.infoText->toPlainText();
        viewer.printDocument();
    } else if (mode == QLatin1String("long") && args.size() == 2) {
        for (int line = 1; line <= 150; ++line)
            text += QStringLiteral("Line %1 of a long product text\r\n").arg(line);
        for (int word = 1; word <= 60; ++word)
            text += QStringLiteral("word%1 ").arg(word);
        text += QStringLiteral("\r\nThe end\r\n");
        print_document(text);
    } else {
        return usage();
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
