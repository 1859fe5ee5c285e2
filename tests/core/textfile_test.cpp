#include "core/textfile.h"

#include <gtest/gtest.h>

#include "scratch.h"

using namespace vellimar;
using namespace std::string_literals;
using Lines = std::vector<std::string>;

namespace {
const std::string Longest(MaxLineLength, 'x');
const std::string Over(MaxLineLength + 1, 'x');
} // namespace

// Both readers give every line with its number, whatever the size of the
// blocks the file is read in, so line ends and byte-order marks straddle them.
TEST(Lines, EveryLineEndEndsALineAndBothReadersAgree) {
    // clang-format off
    const std::pair<std::string, Lines> cases[] = {
        {"a\r\nb\r\n", {"a", "b"}},     {"a\rb\r", {"a", "b"}},     {"a\nb\n", {"a", "b"}},     {"", {}},
        {"a\r\n\r\nb", {"a", "", "b"}}, {"a\n\rb", {"a", "", "b"}}, {"\r\n", {""}},
        {"ab\r\ncd\ref\ngh\r\r\n\n", {"ab", "cd", "ef", "gh", "", ""}}, {"\xEF\xBB\xBF", {}},
        {"\xEF\xBB\xBFmaker,model,1\r\n", {"maker,model,1"}}, {"t\0o\r\n\xFF\xFE"s, {"t\0o"s, "\xFF\xFE"}},
        {"\xEF\xBB\r\xEF\xBB\xBF", {"\xEF\xBB", "\xEF\xBB\xBF"}},
        {"first\r\n" + Longest + "\r\nlast", {"first", Longest, "last"}}};
    // clang-format on
    Scratch scratch;
    for (const auto& [content, expected] : cases) {
        SCOPED_TRACE(content.substr(0, 20));
        Lines lines;
        std::string_view line;
        LineCursor cursor(content);
        for (; cursor.next(line); lines.emplace_back(line))
            EXPECT_EQ(cursor.line_number(), lines.size() + 1);
        EXPECT_EQ(lines, expected);
        for (std::size_t block : {1, 2, 3, 5, 1 << 18}) {
            LineReader reader(block);
            std::string error;
            ASSERT_TRUE(reader.open(scratch.write("lines.txt", content), error)) << error;
            for (lines.clear(); reader.next(line); lines.emplace_back(line))
                EXPECT_EQ(reader.line_number(), lines.size() + 1);
            EXPECT_EQ(lines, expected) << block;
            EXPECT_EQ(reader.error(), "");
        }
    }
}

// A folder, a device, a missing file, one that fails to read and a line
// longer than any data file has are refused, naming the file, both ways.
TEST(Lines, FilesThatCannotBeUsedAreRefusedByName) {
    Scratch scratch;
    std::filesystem::create_directory(scratch.path("folder.txt"));
    const std::string too_long = " cannot be used: line ";
    const std::pair<std::string, std::string> cases[] = {
        {scratch.path("missing.txt"), " could not be opened: No such file or directory."},
        {scratch.path("folder.txt"), " could not be read: it is a folder, not a file."},
        {"/dev/null", " could not be read: it is not an ordinary file."},
        {"/proc/self/mem", " could not be read: Input/output error."},
        {scratch.write("a", "\xEF\xBB\xBF" + Longest + "\r\n" + Longest), ""},
        {scratch.write("b", Longest + "\r" + Longest + "\n" + Longest + "\r\n"), ""},
        {scratch.write("c", "a\r\n" + Over + "\r\nb"), too_long + "2 is longer than 65536 bytes."},
        {scratch.write("d", "a\rb\r" + Over + "\nc"), too_long + "3 is longer than 65536 bytes."},
        {scratch.write("e", "\xEF\xBB\xBF" + Over), too_long + "1 is longer than 65536 bytes."}};
    for (const auto& [path, reason] : cases) {
        const std::string expected = reason.empty() ? "" : "The data file \"" + path + "\"" + reason;
        std::string content, error;
        EXPECT_EQ(read_data_file(path, content, error), reason.empty()) << path;
        EXPECT_EQ(error, expected);
        // The file's bytes, or nothing.
        std::ifstream file(reason.empty() ? path : "/dev/null", std::ios::binary);
        EXPECT_EQ(content, std::string(std::istreambuf_iterator<char>(file), {})) << path;

        LineReader reader(4096);
        std::string_view line;
        if (reader.open(path, error)) {
            while (reader.next(line)) {
            }
            error = reader.error();
        }
        EXPECT_EQ(error, expected);
        EXPECT_FALSE(reader.next(line));
    }
}

TEST(Lines, Utf8IsKeptAndAnythingElseIsReadAsWindows1252) {
    const std::string valid = "K\xC3\xB6nig \xC2\x80\xDF\xBF\xE0\xA0\x80\xED\x9F\xBF\xEF\xBF\xBF"
                              "\xF0\x90\x80\x80\xF4\x8F\xBF\xBF";
    // clang-format off
    const std::pair<std::string, std::string> cases[] = {
        {valid, valid},
        {"K\xF6nig \x80 5\xFF", "K\xC3\xB6nig \xE2\x82\xAC 5\xC3\xBF"},
        {"\x93q\x94\x81\x9F", "\xE2\x80\x9Cq\xE2\x80\x9D\xC2\x81\xC5\xB8"},
        // Overlong forms, a surrogate, beyond U+10FFFF, bad leads and continuations, cut off.
        {"\xC1\xBF", "\xC3\x81\xC2\xBF"},
        {"\xE0\x9F\xBF", "\xC3\xA0\xC5\xB8\xC2\xBF"},
        {"\xF0\x8F\xBF\xBF", "\xC3\xB0\xC2\x8F\xC2\xBF\xC2\xBF"},
        {"\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xE2\x82\xAC"},
        {"\xF4\x90\x80\x80", "\xC3\xB4\xC2\x90\xE2\x82\xAC\xE2\x82\xAC"},
        {"\xF5\x80", "\xC3\xB5\xE2\x82\xAC"},          {"\xC3(\xC3\xC0", "\xC3\x83(\xC3\x83\xC3\x80"},
        {"a\xE2\x82", "a\xC3\xA2\xE2\x80\x9A"}};
    // clang-format on
    for (const auto& [raw, decoded] : cases) {
        std::string scratch;
        EXPECT_EQ(decode_line(raw), decoded) << raw;
        EXPECT_EQ(decoded_view(raw, scratch), decoded) << raw;
    }
    // Quoted in a message, a text is cut at a character boundary, and says so.
    // clang-format off
    const std::tuple<std::string, std::size_t, std::string> excerpts[] = {
        {"short", 5, "short"},              {"abcdef", 4, "abcd..."},   {"abc\xC3\xA9z", 4, "abc..."},
        {"abc\xC3\xA9z", 5, "abc\xC3\xA9..."}, {"\xA9\xA9\xA9", 2, "..."},
        {"M\xFCller GmbH", 6, "M\xC3\xBCller..."}};
    // clang-format on
    for (const auto& [raw, longest, shown] : excerpts)
        EXPECT_EQ(excerpt(raw, longest), shown) << raw;
}
