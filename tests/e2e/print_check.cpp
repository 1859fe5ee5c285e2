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

#include "loadlist/form1.h"
#include "results/form5.h"
#include "results/printout.h"
#include "shell/application.h"
#include "shell/fakes.h"
#include "shell/platform.h"
#include "shell/printing.h"
#include "shell/screens.h"

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
        const QStringList models = {"Korr Personal 550I", "",         "Korr Webline 700I",     "Brisk 1000I",
                                    "PanoBrisk 1000I",    "QN 1000I", "BriskPro Corehall 10kI"};
        text = results_page(QStringLiteral(" 245"), QStringLiteral("60 min./ 1 hour"), models);
        print_results(QStringLiteral(" 245"), QStringLiteral("60 min./ 1 hour"), models);
    } else if (mode == QLatin1String("viewer") && args.size() == 3) {
        screens::form1().Option2->setChecked(true);
        Form5& viewer = screens::form5();
        viewer.show();
        viewer.Label2->setText(args[1]);
        viewer.showinfo();
        text = viewer.Text1->toPlainText();
        viewer.Command1_Click();
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
    swap_platform(real);
    return 0;
}
