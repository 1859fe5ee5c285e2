#include "app/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <cstdio>
#include <string_view>

#include "core/textfile.h"

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

QStringList commandLineArguments(int argc, char** argv) {
    QStringList arguments;
    for (int a = 0; a < argc; ++a) {
        const std::string_view bytes(argv[a]);
        QString argument;
        for (std::size_t i = 0; i < bytes.size();) {
            std::size_t length = 1;
            while (length < 4 && !valid_utf8(bytes.substr(i, length)))
                ++length;
            if (valid_utf8(bytes.substr(i, length))) {
                argument += QString::fromUtf8(bytes.data() + i, static_cast<qsizetype>(length));
                i += length;
            } else {
                argument += QChar(static_cast<char16_t>(0xDC00 + static_cast<unsigned char>(bytes[i++])));
            }
        }
        arguments << argument;
    }
    return arguments;
}

std::string argumentBytes(const QString& argument) {
    std::string bytes;
    qsizetype start = 0;
    for (qsizetype i = 0; i < argument.size(); ++i) {
        const char16_t unit = argument.at(i).unicode();
        if (unit >= 0xDC80 && unit <= 0xDCFF && (i == 0 || !argument.at(i - 1).isHighSurrogate())) {
            bytes += argument.mid(start, i - start).toUtf8().toStdString();
            bytes += static_cast<char>(unit - 0xDC00);
            start = i + 1;
        }
    }
    return bytes + argument.mid(start).toUtf8().toStdString();
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
