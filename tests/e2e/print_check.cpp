// Prints on the real default printer as the screens do (the results page, or a long text from the
// information viewer), writes the messages the user would see to standard output once the job is done,
// and lays the printed text out into COPY.pdf on the printer's paper, for the test to read back. With
// "quit" it prints the results page and a second later quits as "Quit Selector" does.
#include <QApplication>
#include <QDeadlineTimer>
#include <QPdfWriter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTimer>
#include <cstdio>

#include "app/application.h"
#include "app/registry.h"
#include "fakes.h"
#include "screens/info_viewer.h"
#include "screens/results_screen.h"
#include "ui/layout.h"
#include "ui/platform.h"
#include "ui/printing.h"

using namespace vellimar;

// Passes each job on to the real printer and keeps its text.
struct KeepingPrinter : Printer {
    bool print(const QString& text, const QString& title) override {
        printed = text;
        return real.print(text, title);
    }
    DefaultPrinter real;
    QString printed;
};

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    setupApplication(app);
    const QStringList args = QApplication::arguments().mid(1);
    if (args.size() != 2)
        return 2; // print_check results|long|quit COPY.pdf

    // Only the message boxes are replaced; the printer is the real one.
    FakeDialogs dialogs;
    KeepingPrinter printer;
    Process* const process = platform().process;
    const PlatformInUse keptJobs({&dialogs, &printer, process});
    SelectorRun run;

    if (args[0] != QLatin1String("long")) {
        run.state.setLastSuggestion({" 245",
                                     "60 min./ 1 hour",
                                     {"Korr Personal 550I", "", "Korr Webline 700I", "Brisk 1000I",
                                      "PanoBrisk 1000I", "QN 1000I", "BriskPro Corehall 10kI"}});
        ResultsScreen& results = run.screens.results();
        results.showModels();
        results.showHeader();
        results.printResults();
        if (args[0] == QLatin1String("quit"))
            QTimer::singleShot(1000, [process] { process->end(); });
    } else {
        QString text;
        for (int line = 1; line <= 150; ++line)
            text += QStringLiteral("Line %1 of a long product text\r\n").arg(line);
        for (int word = 1; word <= 60; ++word)
            text += QStringLiteral("word%1 ").arg(word);
        InfoViewer& viewer = run.screens.infoViewer();
        viewer.setModelText(QStringLiteral("Brisk 1000I"));
        control<QPlainTextEdit>(&viewer, "Text1")->setPlainText(text + QStringLiteral("\r\nThe end\r\n"));
        viewer.printDocument();
    }
    for (QDeadlineTimer deadline(30000); dialogs.messages.isEmpty() && !deadline.hasExpired();)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents); // the job ends in an event

    for (const ShownMessage& message : dialogs.messages)
        std::printf("message: %s\n", message.text.toUtf8().constData());
    QPdfWriter copy(args.last());
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (!info.isNull())
        copy.setPageLayout(QPrinter(info, QPrinter::HighResolution).pageLayout());
    if (!printTextOn(copy, printer.printed)) {
        std::fputs("print_check: could not write the PDF copy\n", stderr);
        return 1;
    }
    run.screens.reset();
    return 0;
}
