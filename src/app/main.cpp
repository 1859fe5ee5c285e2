#include <QApplication>
#include <QCommandLineParser>

#include "app/application.h"
#include "app/command_line.h"
#include "app/registry.h"
#include "core/count_words.h"
#include "core/ups_classes.h"

int main(int argc, char* argv[]) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral(
            "Vellimar UPS Selector: a sizing wizard that proposes an uninterruptible power supply\n"
            "of each of %1 classes for a list of equipment, a mains voltage and a runtime.\n\n")
            .arg(QString::fromStdString(vellimar::count_in_words(vellimar::UpsClassCount))) +
        QStringLiteral("The data files are read from the working directory when it holds a runtime table\n"
                       "(120.txt or 230.txt), else from the first vellimar-ups-selector folder of\n"
                       "$XDG_DATA_HOME and $XDG_DATA_DIRS that holds one, else from the data folder of the\n"
                       "prefix the program is installed in (share/vellimar-ups-selector)."));
    const QCommandLineOption dataDir(QStringLiteral("data-dir"),
                                     QStringLiteral("Read the data files from <dir>, and from nowhere else."),
                                     QStringLiteral("dir"));
    parser.addOption(dataDir);
    const QStringList arguments = vellimar::commandLineArguments(argc, argv);
    if (const auto status = vellimar::handleCommandLine(parser, arguments, 0))
        return *status;

    QApplication app(argc, argv);
    vellimar::setupApplication(app);
    vellimar::SelectorRun run;
    vellimar::startSelector(run.screens);
    vellimar::useDataFolder(parser.value(dataDir));
    return app.exec();
}
