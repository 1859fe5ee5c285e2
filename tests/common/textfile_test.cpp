#include "common/textfile.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
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
