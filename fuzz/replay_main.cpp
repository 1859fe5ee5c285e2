// Replays saved inputs through a fuzz target's LLVMFuzzerTestOneInput in an
// ordinary build, without libFuzzer: each file named, and each file in a
// folder named. A broken rule aborts, which fails the run. The targets' scratch
// files go to a temporary folder, removed at the end.
// Usage: TARGET_replay FILE_OR_FOLDER...
#include <stdlib.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace fs = std::filesystem;

int main(int argc, char** argv) {
    std::vector<fs::path> inputs;
    for (int i = 1; i < argc; ++i) {
        std::error_code error;
        if (fs::is_directory(argv[i], error)) {
            std::vector<fs::path> folder;
            for (const auto& entry : fs::directory_iterator(argv[i]))
                if (entry.is_regular_file())
                    folder.push_back(fs::absolute(entry.path()));
            std::sort(folder.begin(), folder.end());
            inputs.insert(inputs.end(), folder.begin(), folder.end());
        } else if (fs::is_regular_file(argv[i], error)) {
            inputs.push_back(fs::absolute(argv[i]));
        } else {
            std::fprintf(stderr, "%s: no such file or folder\n", argv[i]);
            return 2;
        }
    }
    std::string scratch = (fs::temp_directory_path() / "fuzz-replay-XXXXXX").string();
    if (::mkdtemp(scratch.data()) == nullptr) {
        std::perror("mkdtemp");
        return 2;
    }
    fs::current_path(scratch);
    int status = 0;
    for (const fs::path& input : inputs) {
        std::ifstream file(input, std::ios::binary);
        if (!file) {
            std::fprintf(stderr, "%s: cannot be read\n", input.c_str());
            status = 2;
            break;
        }
        const std::vector<char> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
        std::printf("replaying %s (%zu bytes)\n", input.c_str(), bytes.size());
        std::fflush(stdout);
        // libFuzzer never passes a null pointer, even for an empty input.
        static const std::uint8_t empty = 0;
        LLVMFuzzerTestOneInput(bytes.empty() ? &empty : reinterpret_cast<const std::uint8_t*>(bytes.data()),
                               bytes.size());
    }
    fs::current_path(fs::temp_directory_path());
    fs::remove_all(scratch);
    if (status == 0)
        std::printf("%zu input(s) replayed\n", inputs.size());
    return status;
}
