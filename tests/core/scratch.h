#pragma once
// What tests write: a fresh folder for their files, removed with them when the test ends (the working
// directory, should the test enter it, is given back), and runtime table records.
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

struct Scratch {
    std::filesystem::path dir = make(), left = std::filesystem::current_path();
    ~Scratch() { std::filesystem::current_path(left), std::filesystem::remove_all(dir); }
    std::string path(const std::string& name) const { return (dir / name).string(); }
    std::string write(const std::string& name, const std::string& bytes) const {
        std::ofstream(dir / name, std::ios::binary) << bytes;
        return path(name);
    }
    static std::string make() {
        std::string pattern = (std::filesystem::temp_directory_path() / "vellimar-test-XXXXXX").string();
        return ::mkdtemp(pattern.data());
    }
};

// A runtime table record: the band, then the hint and the six runtimes, each its name and `tag`.
inline std::string record(const std::string& band, const std::string& tag = "x") {
    std::string text = band + "\tfree " + tag;
    for (const char* runtime : {"15 ", "30 ", "60 ", "120 ", "240 ", "480 "})
        text += "\t" + (runtime + tag);
    return text + "\r\n";
}
