#pragma once
// What any reader of a data file must at least do, measured next to the
// selector's own work. Standard library only.
#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace vellimar::bench {

struct LinesRead {
    std::size_t lines = 0;
    std::size_t bytes = 0; // line contents, line ends not counted
};

// Every line of the file through std::ifstream and std::getline.
LinesRead read_lines(const std::filesystem::path& file);

// The whole file into memory with std::fread, in 64 KiB blocks; no lines.
std::size_t read_bytes(const std::filesystem::path& file);

// The text before the first comma of every line (std::getline), sorted
// with std::sort and deduplicated with std::unique.
std::vector<std::string> sorted_unique_makers(const std::filesystem::path& file);

} // namespace vellimar::bench
