#include "bench/floors.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <memory>
#include <stdexcept>

namespace vellimar::bench {

namespace {

std::ifstream open_for_reading(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + file.string());
    return in;
}

} // namespace

LinesRead read_lines(const std::filesystem::path& file) {
    std::ifstream in = open_for_reading(file);
    LinesRead read;
    std::string line;
    while (std::getline(in, line)) {
        ++read.lines;
        read.bytes += line.size();
    }
    return read;
}

std::size_t read_bytes(const std::filesystem::path& file) {
    struct Closer {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };
    std::unique_ptr<std::FILE, Closer> in(std::fopen(file.c_str(), "rb"));
    if (!in)
        throw std::runtime_error("cannot read " + file.string());
    std::string content;
    content.reserve(std::filesystem::file_size(file));
    char buffer[1 << 16];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, in.get())) > 0)
        content.append(buffer, got);
    return content.size();
}

std::vector<std::string> sorted_unique_makers(const std::filesystem::path& file) {
    std::ifstream in = open_for_reading(file);
    std::vector<std::string> makers;
    std::string line;
    while (std::getline(in, line))
        makers.push_back(line.substr(0, line.find(',')));
    std::sort(makers.begin(), makers.end());
    makers.erase(std::unique(makers.begin(), makers.end()), makers.end());
    return makers;
}

} // namespace vellimar::bench
