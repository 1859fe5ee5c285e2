// The block-wise file reader against the in-memory line walker: the same
// lines with the same numbers, whatever the block size and the line ends.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/textfile.h"
#include "fuzz_check.h"

using namespace vellimar;

namespace {

// In the working directory, which the runner removes afterwards.
const std::string& scratch_path() {
    static const std::string path = "line_reader_fuzz_" + std::to_string(::getpid()) + ".txt";
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The first byte chooses the block size, the rest is the file.
    if (size < 1)
        return 0;
    const std::size_t block = 1 + data[0] % 64;
    const std::string_view content(reinterpret_cast<const char*>(data) + 1, size - 1);
    {
        std::FILE* file = std::fopen(scratch_path().c_str(), "wb");
        fuzz::require(file != nullptr, "the scratch file opens");
        fuzz::require(std::fwrite(content.data(), 1, content.size(), file) == content.size(),
                      "the file is written");
        std::fclose(file);
    }

    std::vector<std::pair<std::size_t, std::string>> expected;
    LineCursor cursor(content);
    std::string_view line;
    while (cursor.next(line))
        expected.emplace_back(cursor.line_number(), std::string(line));

    LineReader reader(block);
    std::string error;
    fuzz::require(reader.open(scratch_path(), error), "the file reads");
    std::size_t index = 0;
    while (reader.next(line)) {
        fuzz::require(index < expected.size(), "no more lines than in memory");
        fuzz::require(reader.line_number() == expected[index].first, "the same line numbers");
        fuzz::require(line == expected[index].second, "the same lines");
        ++index;
    }
    fuzz::require(reader.error().empty(), "no error on a short file");
    fuzz::require(index == expected.size(), "no fewer lines than in memory");
    return 0;
}
