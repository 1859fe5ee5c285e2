// The block-wise line reader, on a file and on the same bytes in memory,
// against the plainest reading of the line rules: the same lines with the
// same numbers, whatever the block size and the line ends.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
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

// CR LF, a lone CR and a lone LF each end a line; a UTF-8 byte-order mark
// at the start of the file, and then one at the start of a line, is dropped.
std::vector<std::string> plain_lines(std::string_view content) {
    if (content.substr(0, 3) == "\xEF\xBB\xBF")
        content.remove_prefix(3);
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t i = 0; i < content.size(); ++i) {
        if (content[i] != '\r' && content[i] != '\n') {
            line += content[i];
            continue;
        }
        if (content[i] == '\r' && i + 1 < content.size() && content[i + 1] == '\n')
            ++i;
        lines.push_back(line);
        line.clear();
    }
    if (!line.empty())
        lines.push_back(line);
    for (std::string& each : lines)
        if (each.compare(0, 3, "\xEF\xBB\xBF") == 0)
            each.erase(0, 3);
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The first byte chooses the block size, the rest is the file.
    if (size < 1)
        return 0;
    const std::size_t block = 1 + data[0] % 64;
    const std::string_view content(reinterpret_cast<const char*>(data) + 1, size - 1);
    // UTF-16 is decoded as it is read, so these lines are not the bytes'.
    if (content.substr(0, 2) == "\xFF\xFE" || content.substr(0, 2) == "\xFE\xFF")
        return 0;
    {
        std::FILE* file = std::fopen(scratch_path().c_str(), "wb");
        fuzz::require(file != nullptr, "the scratch file opens");
        fuzz::require(std::fwrite(content.data(), 1, content.size(), file) == content.size(),
                      "the file is written");
        std::fclose(file);
    }

    const std::vector<std::string> expected = plain_lines(content);
    for (const bool from_file : {true, false}) {
        LineReader reader(block);
        std::string error;
        if (from_file)
            fuzz::require(reader.open(scratch_path(), error), "the file reads");
        else
            reader.open_text(content, "memory");
        std::string_view line;
        std::size_t index = 0;
        while (reader.next(line)) {
            fuzz::require(index < expected.size(), "no more lines than the rules give");
            fuzz::require(reader.line_number() == index + 1, "lines are numbered in order");
            fuzz::require(line == expected[index], "the same lines");
            ++index;
        }
        fuzz::require(reader.error().empty(), "no error on a short file");
        fuzz::require(index == expected.size(), "no fewer lines than the rules give");
    }
    // Skipping to a line finds the next that holds the text, and its number.
    const std::string needle = "--";
    LineReader reader(block);
    reader.open_text(content, "memory");
    std::string_view line;
    // A line read first leaves line ends found ahead, which the skip passes.
    std::size_t index = reader.next(line) ? 1 : 0;
    while (index < expected.size() && expected[index].find(needle) == std::string::npos)
        ++index;
    const bool found = reader.skip_to_line_containing(needle);
    fuzz::require(found == (index < expected.size()), "a skip finds a line when there is one");
    if (found) {
        fuzz::require(reader.next(line) && line == expected[index] && reader.line_number() == index + 1,
                      "the skip stops at the first line holding the text, with its number");
    }
    return 0;
}
