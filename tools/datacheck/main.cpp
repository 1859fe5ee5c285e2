// vellimar-datacheck [DIR]: checks the selector's data files in DIR (by
// default the folder the selector would read them from) and reports every
// problem found.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include "app/command_line.h"
#include "core/data_folder.h"
#include "core/textfile.h"
#include "datacheck/datacheck.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Checks the Vellimar UPS Selector's data files in DIR with the selector's own readers\n"
        "and prints each problem as file:line: message. Without DIR it checks the folder the\n"
        "selector would read them from (see vellimar-ups-selector --help).\n\n"
        "Exit status: 0 when there is no error (warnings allowed), 1 when there is,\n"
        "2 when DIR is not a folder or the command line is wrong."));
    const QCommandLineOption listFiles(
        QStringLiteral("list-files"),
        QStringLiteral("Lists the data files the selector reads, one a line: its name and its kind\n"
                       "(product-information, runtime-table or equipment-list), and exits."));
    parser.addOption(listFiles);
    parser.addPositionalArgument(QStringLiteral("DIR"), QStringLiteral("The folder of the data files."),
                                 QStringLiteral("[DIR]"));
    if (const auto status =
            vellimar::handleCommandLine(parser, vellimar::commandLineArguments(argc, argv), 1))
        return *status;
    if (parser.isSet(listFiles)) {
        for (const vellimar::datacheck::DataFile& file : vellimar::datacheck::data_files())
            std::printf("%s %s\n", file.name.c_str(), file.kind);
        return 0;
    }

    std::string folder;
    if (parser.positionalArguments().isEmpty()) {
        const vellimar::DataFolderChoice choice =
            vellimar::choose_data_folder(vellimar::data_folder_candidates());
        if (!choice.found)
            std::fprintf(stderr, "vellimar-datacheck: %s\n", vellimar::missing_data_message(choice).c_str());
        folder = choice.folder.empty() ? "." : choice.folder;
    } else {
        folder = vellimar::argumentBytes(parser.positionalArguments().front());
    }
    std::error_code failure;
    if (!std::filesystem::is_directory(folder, failure)) {
        std::fprintf(stderr, "vellimar-datacheck: \"%s\" is not a folder.\n",
                     vellimar::path_in_message(folder).c_str());
        return 2;
    }

    std::size_t errors = 0;
    std::size_t warnings = 0;
    // Each finding is printed as it is found, so that none is held.
    vellimar::datacheck::check_data_folder(folder, [&](vellimar::datacheck::Finding&& finding) {
        std::printf("%s\n", vellimar::datacheck::format_finding(finding).c_str());
        ++(finding.warning ? warnings : errors);
    });
    std::fprintf(stderr, "vellimar-datacheck: %zu error%s, %zu warning%s in \"%s\".\n", errors,
                 errors == 1 ? "" : "s", warnings, warnings == 1 ? "" : "s",
                 vellimar::path_in_message(folder).c_str());
    return errors > 0 ? 1 : 0;
}
