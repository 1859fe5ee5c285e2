#pragma once
// A fresh folder for the files a test writes, removed with its content when
// the test ends; once entered, the working directory until then.
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

class Scratch {
  public:
    Scratch() : dir_(make()) {}
    ~Scratch() {
        if (!left_.empty())
            std::filesystem::current_path(left_);
        std::filesystem::remove_all(dir_);
    }
    std::string path(const std::string& name) const { return (dir_ / name).string(); }
    std::string write(const std::string& name, const std::string& bytes) const {
        std::ofstream(dir_ / name, std::ios::binary) << bytes;
        return path(name);
    }
    void enter() { left_ = std::filesystem::current_path(), std::filesystem::current_path(dir_); }

  private:
    static std::string make() {
        std::string pattern = (std::filesystem::temp_directory_path() / "vellimar-test-XXXXXX").string();
        return ::mkdtemp(pattern.data());
    }
    std::filesystem::path dir_, left_;
};
