#include "core/runtime_table.h"

#include <gtest/gtest.h>

#include "core/textfile.h"
#include "scratch.h"

using namespace vellimar;
using Strings = std::vector<std::string>;

namespace {

std::string record(const std::string& band, const std::string& tag) {
    std::string text = band + "\tfree " + tag;
    for (const char* runtime : {"15 ", "30 ", "60 ", "120 ", "240 ", "480 "})
        text += "\t" + (runtime + tag);
    return text + "\r\n";
}

} // namespace

// Blank lines aside, every record is read, in file order; at most eight match.
TEST(RuntimeTable, RecordsWhoseBandHoldsTheTotalBothBoundsIncluded) {
    std::string table = "\r\n  \r\n\t\r\n" + record("0-300", "a1") + record("301-500", "b") + "\r\n" +
                        record("0-300", "a2") + record("501-1000", "c") + record("250-250", "one") +
                        record(" 2001 - 2100 ", "blanks") + record("3000.5-3001.5", "dec") +
                        record("3002.-3003", "point") + record(".25-.4", "frac") +
                        record("999999999999999-999999999999999", "d15") +
                        record("1000000000000001-1000000000000001", "d16") +
                        record("99999999999999999990-99999999999999999999", "d20") +
                        record("007-007", "zeros") + record("4000-4000", "K\xF6nig");
    for (int i = 0; i < 10; ++i)
        table += record("6000-6000", std::to_string(i));
    Scratch scratch;
    const std::string path = scratch.write("230.txt", table);
    // clang-format off
    const std::pair<double, const char*> cases[] = {
        {0, "a1 a2 "},      {300, "a1 a2 "},  {301, "b "},     {500, "b "},         {999, "c "},
        {1000, "c "},       {1001, ""},       {-1, ""},        {250, "a1 a2 one "}, {250.5, "a1 a2 "},
        {2001, "blanks "},  {2100, "blanks "}, {3001, "dec "}, {3000, ""},          {3003, "point "},
        {0.3, "a1 a2 frac "}, {7, "a1 a2 zeros "}, {1e15, ""}, {1e20, "d20 "},      {4000, "K\xC3\xB6nig "},
        {999999999999999, "d15 "}, {1000000000000001, "d16 "}, {6000, "0 1 2 3 4 5 6 7 "}};
    // clang-format on
    for (const auto& [total, expected] : cases) {
        Strings records{"left over"};
        std::string error, tags;
        EXPECT_TRUE(matching_records(path, total, records, error)) << error;
        for (const std::string& found : records)
            tags += split_record(found)[2].substr(3) + " ";
        EXPECT_EQ(tags, expected) << total;
    }
}

// A band is two plain numbers: what a lenient reading would quietly turn
// into another band is a malformed record, reported with file and line even
// after the matches; so is a line too long for a data file, or no file.
TEST(RuntimeTable, MalformedRecordsAreReportedWithFileAndLine) {
    Scratch scratch;
    const std::string path = scratch.path("120.txt");
    const std::string malformed = "The runtime table \"" + path + "\" has a malformed record on line 3: ";
    auto lower = [&](const std::string& bound) {
        return malformed + "the lower bound \"" + bound + "\" of its load band is not a number.";
    };
    auto upper = [&](const std::string& bound) {
        return malformed + "the upper bound \"" + bound + "\" of its load band is not a number.";
    };
    // clang-format off
    const std::pair<std::string, std::string> cases[] = {
        {"1-100 no tab\r\n",            malformed + "it has no tab after the load band."},
        {record("100", "x"),     malformed + "its load band \"100\" has no \"-\" between the two bounds."},
        {record("abc-200", "x"),        lower("abc")},     {record("100-2x0", "x"),     upper("2x0")},
        {record("-100", "x"),           lower("")},        {record("100-", "x"),        upper("")},
        {record("1e3-2000", "x"),       lower("1e3")},     {record("100-200-300", "x"), upper("200-300")},
        {record("1.2.3-5", "x"),        lower("1.2.3")},   {record("+5-10", "x"),       lower("+5")},
        {record(".-5", "x"),            lower(".")},       {record("1,000-2,000", "x"), lower("1,000")},
        {record("\xA0" "1-2", "x"),     lower("\xC2\xA0" "1")},
        {record(std::string(400, '9') + "-1", "x"), lower(std::string(40, '9') + "...")},
        {std::string(MaxLineLength + 1, '1'),
         "The data file \"" + path + "\" cannot be used: line 3 is longer than 65536 bytes."}};
    // clang-format on
    for (const auto& [bad, message] : cases) {
        Strings records{"left over"};
        std::string error;
        scratch.write("120.txt", record("1-100", "a") + "\r\n" + bad + "\r\n" + record("1-100", "b"));
        EXPECT_FALSE(matching_records(path, 50, records, error));
        EXPECT_EQ(error, message);
        EXPECT_TRUE(records.empty());
    }
    Strings records{"left over"};
    std::string error;
    EXPECT_FALSE(matching_records(scratch.path("none.txt"), 50, records, error));
    EXPECT_EQ(error, "The data file \"" + scratch.path("none.txt") +
                         "\" could not be opened: No such file or directory.");
    EXPECT_TRUE(records.empty());
}

TEST(RuntimeTable, FieldsSplitAtTabsAndKeptAsTheyStand) {
    const std::pair<std::string, RecordFields> cases[] = {
        {"100-200\tsee RM-XL / 2U\t Brisk 1000 RM-XL/2U \tPanoPro 1500 - 1 pack\t\ta\tb\tc",
         {"100-200", "see RM-XL / 2U", " Brisk 1000 RM-XL/2U ", "PanoPro 1500 - 1 pack", "", "a", "b", "c"}},
        {"1-2\tfree\tfifteen", {"1-2", "free", "fifteen", "", "", "", "", ""}},
        {"1-2\ta\tb\tc\td\te\tf\tg\textra\tmore", {"1-2", "a", "b", "c", "d", "e", "f", "g"}},
        {"", {}}};
    for (const auto& [line, fields] : cases)
        EXPECT_EQ(split_record(line), fields) << line;
}
