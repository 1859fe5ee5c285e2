// vellimar-datacheck [DIR]: checks the selector's eight data files in DIR
// (the current directory by default) and reports every problem found.
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include "datacheck/datacheck.h"

int main(int argc, char** argv) {
    if (argc > 2 || (argc == 2 && (std::string(argv[1]) == "-h" || std::string(argv[1]) == "--help"))) {
        std::fprintf(stderr, "Usage: vellimar-datacheck [DIR]\n"
                             "Checks the Vellimar UPS Selector's data files in DIR (default: the current\n"
                             "directory) and reports each problem as file:line: message.\n"
                             "Exit status: 0 when there is no error (warnings allowed), 1 when there is,\n"
                             "2 when DIR is not a folder.\n");
        return 2;
    }
    const std::string folder = argc == 2 ? argv[1] : ".";
    std::error_code failure;
    if (!std::filesystem::is_directory(folder, failure)) {
        std::fprintf(stderr, "vellimar-datacheck: \"%s\" is not a folder.\n", folder.c_str());
        return 2;
    }

    std::size_t errors = 0;
    std::size_t warnings = 0;
    for (const auto& finding : vellimar::datacheck::check_data_folder(folder)) {
        std::printf("%s\n", vellimar::datacheck::format_finding(finding).c_str());
        ++(finding.warning ? warnings : errors);
    }
    std::fprintf(stderr, "vellimar-datacheck: %zu error%s, %zu warning%s in \"%s\".\n", errors,
                 errors == 1 ? "" : "s", warnings, warnings == 1 ? "" : "s", folder.c_str());
    return errors > 0 ? 1 : 0;
}
