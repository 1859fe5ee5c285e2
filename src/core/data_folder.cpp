#include "core/data_folder.h"

#include <filesystem>
#include <system_error>

#include "core/textfile.h"

namespace vellimar {

namespace {

bool holds_runtime_table(const std::string& folder) {
    std::error_code failure;
    for (const char* name : {"120.txt", "230.txt"})
        if (std::filesystem::is_regular_file(std::filesystem::path(folder) / name, failure))
            return true;
    return false;
}

std::string shown(const std::string& folder) {
    if (folder != ".")
        return path_in_message(folder);
    std::error_code failure;
    const std::string here = std::filesystem::current_path(failure).string();
    return here.empty() ? "the working directory" : path_in_message(here) + " (the working directory)";
}

std::string as_prefix(const std::string& folder) {
    return folder == "." ? std::string() : folder;
}

} // namespace

DataFolderChoice choose_data_folder(const std::vector<std::string>& candidates) {
    DataFolderChoice choice;
    for (const std::string& candidate : candidates) {
        choice.searched.push_back(candidate);
        if (holds_runtime_table(candidate)) {
            choice.folder = as_prefix(candidate);
            choice.found = true;
            return choice;
        }
    }
    if (!candidates.empty())
        choice.folder = as_prefix(candidates.front());
    return choice;
}

std::string missing_data_message(const DataFolderChoice& choice) {
    if (choice.found)
        return {};
    std::string text = "No runtime table (120.txt or 230.txt) was found in any of these folders:\n";
    for (const std::string& folder : choice.searched)
        text += "    " + shown(folder) + "\n";
    text += "The data files are looked for in " + shown(choice.folder.empty() ? "." : choice.folder) + ".";
    return text;
}

std::string data_file(const std::string& folder, std::string_view name) {
    if (folder.empty())
        return std::string(name);
    return (std::filesystem::path(folder) / name).string();
}

} // namespace vellimar
