#include "core/textfile.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>
#include <utility>
#include <vector>

using namespace vellimar;

namespace {

std::vector<std::string> lines_of(std::string_view content) {
    std::vector<std::string> lines;
    LineCursor cursor(content);
    std::string_view line;
    while (cursor.next(line))
        lines.emplace_back(line);
    return lines;
}

using Lines = std::vector<std::string>;
using NumberedLines = std::vector<std::pair<std::size_t, std::string>>;

NumberedLines numbered_lines_of(std::string_view content) {
    NumberedLines lines;
    LineCursor cursor(content);
    std::string_view line;
    while (cursor.next(line))
        lines.emplace_back(cursor.line_number(), line);
    return lines;
}

class DataFile : public ::testing::Test {
  protected:
    std::string write(const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }
    // The lines LineReader gives for `bytes` written to a file.
    NumberedLines read_back(const std::string& bytes, std::size_t block = LineReader::DefaultBlock) {
        LineReader reader(block);
        std::string error;
        EXPECT_TRUE(reader.open(write(bytes), error)) << error;
        NumberedLines lines;
        std::string_view line;
        while (reader.next(line))
            lines.emplace_back(reader.line_number(), line);
        EXPECT_EQ(reader.error(), "");
        return lines;
    }
    void TearDown() override { std::filesystem::remove(path); }

    std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("textfile_test_" + std::to_string(::getpid()) + ".txt");
};

std::string repeated(const std::string& text, std::size_t times) {
    std::string out;
    out.reserve(text.size() * times);
    for (std::size_t i = 0; i < times; ++i)
        out += text;
    return out;
}

} // namespace

TEST(LineCursor, EveryKindOfLineEndEndsALine) {
    EXPECT_EQ(lines_of("a\r\nb\r\n"), (Lines{"a", "b"}));
    EXPECT_EQ(lines_of("a\nb\n"), (Lines{"a", "b"}));
    EXPECT_EQ(lines_of("a\rb\r"), (Lines{"a", "b"}));
    EXPECT_EQ(lines_of("a\r\n\r\nb"), (Lines{"a", "", "b"}));
    EXPECT_EQ(lines_of("a\n\rb"), (Lines{"a", "", "b"}));
    EXPECT_EQ(lines_of("last line without end"), (Lines{"last line without end"}));
    EXPECT_EQ(lines_of(""), Lines{});
    EXPECT_EQ(lines_of("\r\n"), Lines{""});
}

TEST(LineCursor, CountsLinesAndKeepsAnyBytes) {
    std::string content("one\r\nt\0o\r\n\xff\xfe\r\n", 14);
    LineCursor cursor(content);
    std::string_view line;
    ASSERT_TRUE(cursor.next(line));
    EXPECT_EQ(cursor.line_number(), 1u);
    ASSERT_TRUE(cursor.next(line));
    EXPECT_EQ(line, std::string_view("t\0o", 3));
    ASSERT_TRUE(cursor.next(line));
    EXPECT_EQ(line, "\xff\xfe");
    EXPECT_EQ(cursor.line_number(), 3u);
    EXPECT_TRUE(cursor.at_end());
    EXPECT_FALSE(cursor.next(line));
}

TEST(LineCursor, ByteOrderMarkIsNotPartOfTheFirstLine) {
    EXPECT_EQ(lines_of("\xEF\xBB\xBF"
                       "Maker,Model,250\r\n"),
              Lines{"Maker,Model,250"});
}

TEST(LineCursor, SkipsToTheLineHoldingATextAndKeepsCountingLines) {
    // "b" ends with LF and the CR after it ends an empty line.
    LineCursor cursor("\xEF\xBB\xBF"
                      "a\r\nb\n\rc --x-- d\r\ne --x--\nf");
    std::string_view line;
    ASSERT_TRUE(cursor.skip_to_line_containing("--x--"));
    ASSERT_TRUE(cursor.next(line));
    EXPECT_EQ(line, "c --x-- d");
    EXPECT_EQ(cursor.line_number(), 4u);
    // The search goes on after the line given, not inside it.
    ASSERT_TRUE(cursor.skip_to_line_containing("--x--"));
    ASSERT_TRUE(cursor.next(line));
    EXPECT_EQ(line, "e --x--");
    ASSERT_TRUE(cursor.next(line));
    EXPECT_EQ(cursor.line_number(), 6u);
    EXPECT_FALSE(cursor.skip_to_line_containing("--x--"));
    EXPECT_FALSE(cursor.next(line));

    // On the very first line, and with nothing to skip.
    LineCursor first("--x--\r\nnext");
    ASSERT_TRUE(first.skip_to_line_containing("--x--"));
    ASSERT_TRUE(first.next(line));
    EXPECT_EQ(line, "--x--");
    EXPECT_EQ(first.line_number(), 1u);
    ASSERT_TRUE(first.next(line));
    EXPECT_EQ(first.line_number(), 2u);
}

TEST_F(DataFile, LineReaderGivesTheLinesOfLineCursorWhereverBlocksEnd) {
    // Shifting by up to a period puts a CR of a CR LF, and in the second
    // content a lone CR, on the last byte of a block of any size.
    for (const auto& [body, period] :
         {std::pair(repeated("ab\r\n", 300000), 4), std::pair(repeated("ab\rcd\n", 150000), 7)}) {
        for (int shift = 0; shift < period; ++shift) {
            SCOPED_TRACE(shift);
            const std::string content = std::string(static_cast<std::size_t>(shift), 'p') + body;
            EXPECT_EQ(read_back(content), numbered_lines_of(content));
        }
    }
    // The longest line allowed; a byte-order mark; a CR ending the file.
    for (const std::string& content : {"first\r\n" + std::string(MaxLineLength, 'x') + "\r\nlast",
                                       std::string("\xEF\xBB\xBFmaker,model,1\r\n"), std::string("a\r"),
                                       std::string("a\rb\r"), std::string(""), std::string("\r\n")}) {
        SCOPED_TRACE(content.substr(0, 20));
        EXPECT_EQ(read_back(content), numbered_lines_of(content));
    }
}

TEST_F(DataFile, LineReaderWithTinyBlocksStillSkipsAByteOrderMarkAndSplitsEveryLineEnd) {
    for (std::size_t block : {1, 2, 3, 5}) {
        SCOPED_TRACE(block);
        for (const std::string& content : {std::string("\xEF\xBB\xBF\0\n\0"), std::string("\xEF\xBB\xBF"),
                                           std::string("ab\r\ncd\ref\ngh\r\r\n\n")})
            EXPECT_EQ(read_back(content, block), numbered_lines_of(content));
    }
}

TEST_F(DataFile, LineReaderRefusesALineLongerThanAnyDataFileHas) {
    for (const std::string& tail : {std::string("\r\nlast"), std::string()}) {
        LineReader reader;
        std::string error;
        ASSERT_TRUE(reader.open(write("first\r\n" + std::string(MaxLineLength + 1, 'x') + tail), error));
        std::string_view line;
        ASSERT_TRUE(reader.next(line));
        EXPECT_FALSE(reader.next(line));
        EXPECT_EQ(reader.error(), "The data file \"" + path.string() +
                                      "\" cannot be used: line 2 is longer than " +
                                      std::to_string(MaxLineLength) + " bytes.");
    }
}

TEST_F(DataFile, LineReaderSaysWhichFileCannotBeRead) {
    LineReader reader;
    std::string error;
    EXPECT_FALSE(reader.open(path.string(), error));
    EXPECT_NE(error.find("\"" + path.string() + "\" could not be opened"), std::string::npos) << error;
    std::string_view line;
    EXPECT_FALSE(reader.next(line));

    const std::filesystem::path folder = path.string() + ".d";
    std::filesystem::create_directory(folder);
    EXPECT_FALSE(reader.open(folder.string(), error));
    EXPECT_NE(error.find("it is a folder"), std::string::npos) << error;
    std::filesystem::remove(folder);
}

TEST(DecodeLine, KeepsUtf8AndReadsOtherBytesAsWindows1252) {
    EXPECT_EQ(decode_line("plain"), "plain");
    EXPECT_EQ(decode_line("K\xC3\xB6nig"), "K\xC3\xB6nig");
    EXPECT_EQ(decode_line("K\xF6nig"), "K\xC3\xB6nig");
    EXPECT_EQ(decode_line("\x80 5"), "\xE2\x82\xAC 5");
    EXPECT_EQ(decode_line("\x93quoted\x94"), "\xE2\x80\x9Cquoted\xE2\x80\x9D");
    // Overlong forms and surrogates are not UTF-8.
    EXPECT_EQ(decode_line("\xC0\xAF"), "\xC3\x80\xC2\xAF");
    EXPECT_EQ(decode_line("\xED\xA0\x80"), "\xC3\xAD\xC2\xA0\xE2\x82\xAC");
    // A sequence cut off at the end of the line.
    EXPECT_EQ(decode_line("a\xE2\x82"), "a\xC3\xA2\xE2\x80\x9A");
}

TEST(ReadDataFile, ReadsBytesOrSaysWhichFileFailed) {
    auto dir = std::filesystem::temp_directory_path() / "vellimar-textfile-test";
    std::filesystem::create_directories(dir / "folder.txt");
    std::string path = (dir / "data.txt").string();
    {
        std::ofstream out(path, std::ios::binary);
        out << std::string("x\0y\r\n", 5);
    }
    std::string content, error;
    EXPECT_TRUE(read_data_file(path, content, error));
    EXPECT_EQ(content, std::string("x\0y\r\n", 5));

    EXPECT_FALSE(read_data_file((dir / "missing.txt").string(), content, error));
    EXPECT_NE(error.find("missing.txt"), std::string::npos);
    EXPECT_NE(error.find("No such file"), std::string::npos);
    EXPECT_TRUE(content.empty());

    EXPECT_FALSE(read_data_file((dir / "folder.txt").string(), content, error));
    EXPECT_NE(error.find("folder.txt"), std::string::npos);
    EXPECT_NE(error.find("folder"), std::string::npos);
    std::filesystem::remove_all(dir);
}

TEST_F(DataFile, ReadDataFileRefusesTheFirstLineLongerThanTheLimitWhateverItsLineEnds) {
    const std::string longest(MaxLineLength, 'x');
    const std::string over(MaxLineLength + 1, 'x');
    struct Case {
        std::string content;
        std::size_t refused_line; // 0: read
    } cases[] = {
        {"\xEF\xBB\xBF" + longest + "\r\n" + longest, 0},
        {longest + "\r" + longest + "\n" + longest + "\r\n", 0},
        {repeated("short line\r\n", 20000) + longest, 0},
        {"a\r\n" + over + "\r\nb", 2},
        {"a\rb\r" + over, 3},
        {repeated("short\n", 30000) + over + "\nlast\n" + over, 30001},
        {"\xEF\xBB\xBF" + over, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.refused_line);
        std::string content, error;
        const bool read = read_data_file(write(c.content), content, error);
        EXPECT_EQ(read, c.refused_line == 0);
        if (read)
            EXPECT_EQ(content, c.content);
        else
            EXPECT_EQ(error, "The data file \"" + path.string() + "\" cannot be used: line " +
                                 std::to_string(c.refused_line) + " is longer than 65536 bytes.");
    }
}

TEST(Excerpt, CutsAtACharacterBoundaryAndSaysItWasCut) {
    EXPECT_EQ(excerpt("short", 5), "short");
    EXPECT_EQ(excerpt("abcdef", 4), "abcd...");
    // "é" is two bytes: a cut inside it keeps the whole character out.
    EXPECT_EQ(excerpt("abc\xC3\xA9z", 4), "abc...");
    // Windows-1252 text is decoded as a line is.
    EXPECT_EQ(excerpt("M\xFCller GmbH", 6), "M\xC3\xBCller...");
}
