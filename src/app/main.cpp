#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QGuiApplication>

#include "app/application.h"
#include "app/command_line.h"
#include "app/registry.h"
#include "app/suggest_command.h"
#include "core/count_words.h"
#include "core/ups_classes.h"

#include <climits>
#include <cstdio>
#include <memory>

int main(int argc, char* argv[]) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral(
            "Vellimar UPS Selector: a sizing wizard that proposes an uninterruptible power supply\n"
            "of each of %1 classes for a list of equipment, a mains voltage and a runtime.\n\n")
            .arg(QString::fromStdString(vellimar::count_in_words(vellimar::UpsClassCount))) +
        QStringLiteral(
            "The data files are read from the working directory when it holds a runtime table\n"
            "(120.txt or 230.txt), else from the first vellimar-ups-selector folder of\n"
            "$XDG_DATA_HOME and $XDG_DATA_DIRS that holds one, else from the data folder of the\n"
            "prefix the program is installed in (share/vellimar-ups-selector).\n\n"
            "A load list file (.upsload, CSV) named on the command line is opened on the load\n"
            "list. On the load list, Delete removes the current item, Ctrl+S saves the list and\n"
            "Ctrl+O opens one (also in the list's context menu); on the results, Ctrl+Shift+S saves\n"
            "the page \"Print Results\" prints as a PDF file.\n\n"
            "With --suggest the selector sizes without a window and prints, for the load of\n"
            "--va or of each load list file (one per site), the model proposed for each class:\n"
            "  vellimar-ups-selector --suggest --volts 230 --runtime 60 site1.upsload site2.upsload\n"
            "--volts and --runtime, where given, take the place of the load list's own.\n"
            "Exit status: 0 every site sized, 1 a site could not be sized (the message says why),\n"
            "2 a command line that cannot be carried out."));
    const QCommandLineOption dataDir(QStringLiteral("data-dir"),
                                     QStringLiteral("Read the data files from <dir>, and from nowhere else."),
                                     QStringLiteral("dir"));
    parser.addOption(dataDir);
    const QCommandLineOption suggest(
        QStringLiteral("suggest"),
        QStringLiteral("Size the load without a window, print the results and exit."));
    const QCommandLineOption volts(QStringLiteral("volts"), QStringLiteral("With --suggest: 120 or 230."),
                                   QStringLiteral("volts"));
    const QCommandLineOption runtime(
        QStringLiteral("runtime"),
        QStringLiteral("With --suggest: the runtime, 15, 30, 60, 120, 240 or 480 minutes."),
        QStringLiteral("minutes"));
    const QCommandLineOption va(
        QStringLiteral("va"),
        QStringLiteral("With --suggest: size one load of <va> instead of load list files."),
        QStringLiteral("va"));
    const QCommandLineOption format(
        QStringLiteral("format"),
        QStringLiteral("With --suggest: text (the default), csv or json; csv and json "
                       "give one record per site and class."),
        QStringLiteral("format"));
    const QCommandLineOption pdf(
        QStringLiteral("pdf"),
        QStringLiteral("With --suggest and one site: also write the page \"Print Results\" "
                       "prints to the PDF file <file>."),
        QStringLiteral("file"));
    parser.addOptions({suggest, volts, runtime, va, format, pdf});
    parser.addPositionalArgument(
        QStringLiteral("[LOADFILE...]"),
        QStringLiteral("A load list to open; with --suggest, the load lists to size."));
    const QStringList arguments = vellimar::commandLineArguments(argc, argv);
    const bool sizing = arguments.contains(QStringLiteral("--suggest"));
    if (const auto status = vellimar::handleCommandLine(parser, arguments, sizing ? INT_MAX : 1))
        return *status;
    if (sizing) {
        // Decided before any window system is touched: sizing needs no
        // display, and a PDF page is laid out on the offscreen platform.
        std::unique_ptr<QCoreApplication> core;
        if (parser.isSet(pdf)) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
            core = std::make_unique<QGuiApplication>(argc, argv);
        } else {
            core = std::make_unique<QCoreApplication>(argc, argv);
        }
        std::vector<vellimar::SiteSizing> sized;
        const int status = vellimar::suggestFromCommandLine(
            {parser.value(volts), parser.value(runtime), parser.value(va), parser.isSet(va),
             parser.value(format), parser.positionalArguments(), parser.value(dataDir), parser.isSet(pdf)},
            sized);
        return status == 0 && parser.isSet(pdf) ? vellimar::writeResultsPdf(parser.value(pdf), sized.front())
                                                : status;
    }
    for (const QCommandLineOption& option : {volts, runtime, va, format, pdf})
        if (parser.isSet(option)) {
            std::fprintf(stderr, "vellimar-ups-selector: --%s needs --suggest.\n",
                         qPrintable(option.names().first()));
            return 2;
        }

    QApplication app(argc, argv);
    vellimar::setupApplication(app);
    vellimar::SelectorRun run;
    vellimar::startSelector(run.screens);
    vellimar::useDataFolder(run.state, parser.value(dataDir));
    if (!parser.positionalArguments().isEmpty())
        vellimar::startWithList(run.screens, vellimar::argumentBytes(parser.positionalArguments().first()));
    return app.exec();
}
