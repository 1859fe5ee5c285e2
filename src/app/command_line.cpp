#include "app/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <cstdio>

namespace vellimar {

std::optional<int> handleCommandLine(QCommandLineParser& parser, const QStringList& arguments,
                                     int mostPositional) {
    // Not addHelpOption(): its --help-all lists Qt's own options, which these
    // programs do not take from the command line.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays this help and exits."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Displays the version and exits."));
    parser.addOption(help);
    parser.addOption(version);
    const QByteArray program = QFileInfo(arguments.value(0)).fileName().toLocal8Bit();
    // The usage names the program as it is installed, not the path it was
    // started by, so the help reads the same everywhere (and in the manual).
    const auto usage = [&] {
        return parser.helpText()
            .replace(QRegularExpression(QStringLiteral("^Usage: \\S+")),
                     QStringLiteral("Usage: ") + QString::fromLocal8Bit(program))
            .toLocal8Bit();
    };
    bool understood = parser.parse(arguments);
    QString error = parser.errorText();
    if (understood && !parser.isSet(help) && parser.positionalArguments().size() > mostPositional) {
        understood = false;
        error = QStringLiteral("Unexpected argument '%1'.")
                    .arg(parser.positionalArguments().value(mostPositional));
    }
    if (!understood) {
        std::fprintf(stderr, "%s: %s\n\n%s", program.constData(), qPrintable(error), usage().constData());
        return 2;
    }
    if (parser.isSet(help)) {
        std::fputs(usage().constData(), stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        std::printf("%s %s\n", program.constData(), VELLIMAR_VERSION);
        return 0;
    }
    return std::nullopt;
}

std::vector<std::string> data_folder_candidates() {
    QStringList folders{QStringLiteral(".")};
    for (const QString& location : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        folders << QDir::cleanPath(location + QStringLiteral("/vellimar-ups-selector"));
    folders << QDir::cleanPath(QCoreApplication::applicationDirPath() +
                               QStringLiteral("/" VELLIMAR_DATA_FROM_PROGRAM));
    folders.removeDuplicates();
    std::vector<std::string> candidates;
    for (const QString& folder : folders)
        candidates.push_back(QFile::encodeName(folder).toStdString());
    return candidates;
}

} // namespace vellimar
