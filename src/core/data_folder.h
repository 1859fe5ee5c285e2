#pragma once
// Where the data files are read from. The folder is chosen once at start-up
// and kept by the run's state; every data file is opened through data_file().
#include <string>
#include <string_view>
#include <vector>

namespace vellimar {

struct DataFolderChoice {
    std::string folder; // "" for the working directory, whose files go by their bare names
    bool found = false; // whether `folder` holds a runtime table
    std::vector<std::string> searched;
};

// The first of `candidates` that holds a runtime table ("." is the working
// directory). Where none does, the first candidate, not found, so that the
// screens go on and name each file they miss.
DataFolderChoice choose_data_folder(const std::vector<std::string>& candidates);

// The start-up message for a choice that found nothing, naming the folders
// searched; empty when the data was found.
std::string missing_data_message(const DataFolderChoice& choice);

// The path of the data file `name` in `folder` ("" for the working
// directory, where the file goes by its bare name).
std::string data_file(const std::string& folder, std::string_view name);

} // namespace vellimar
