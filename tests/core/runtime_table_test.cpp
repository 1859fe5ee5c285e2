#include "core/runtime_table.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

using namespace vellimar;

namespace {

using Records = std::vector<std::string>;

// The records of `content` matching `total`; fails the test on an error.
Records matches(const std::string& content, double total) {
    Records records;
    std::string error;
    EXPECT_TRUE(match_records(content, "120.txt", total, records, error)) << error;
    return records;
}

// The error `content` gives; fails the test when it reads cleanly.
std::string error_of(const std::string& content, double total = 150) {
    Records records{"left over"};
    std::string error;
    EXPECT_FALSE(match_records(content, "230.txt", total, records, error));
    EXPECT_TRUE(records.empty());
    return error;
}

std::string record(const std::string& band, const std::string& tag) {
    return band + "\tfree " + tag + "\t15 " + tag + "\t30 " + tag + "\t60 " + tag + "\t120 " + tag +
           "\t240 " + tag + "\t480 " + tag + "\r\n";
}

} // namespace

TEST(RuntimeTable, BothBoundsAreInclusiveAndComparedAsNumbers) {
    const std::string table = record("0-300", "a") + record("301-500", "b") + record("501-1000", "c");
    // The band of each match, in order.
    auto bands = [&](double total) {
        std::vector<std::string> found;
        for (const std::string& match : matches(table, total))
            found.push_back(split_record(match)[0]);
        return found;
    };
    using Bands = std::vector<std::string>;
    EXPECT_EQ(matches(table, 0), Records{"0-300\tfree a\t15 a\t30 a\t60 a\t120 a\t240 a\t480 a"});
    EXPECT_EQ(bands(300), Bands{"0-300"});
    EXPECT_EQ(bands(301), Bands{"301-500"});
    EXPECT_EQ(bands(500), Bands{"301-500"});
    // As text "1000" would sort before "501".
    EXPECT_EQ(bands(999), Bands{"501-1000"});
    EXPECT_EQ(bands(1000), Bands{"501-1000"});
    EXPECT_EQ(bands(1001), Bands{});
    EXPECT_EQ(bands(-1), Bands{});
}

TEST(RuntimeTable, OneValueBandMatchesExactlyThatTotal) {
    const std::string table = record("250-250", "single");
    EXPECT_EQ(matches(table, 250).size(), 1u);
    EXPECT_TRUE(matches(table, 249).empty());
    EXPECT_TRUE(matches(table, 251).empty());
    EXPECT_TRUE(matches(table, 250.5).empty());
}

TEST(RuntimeTable, RecordsOfABandSpreadThroughTheFileAreFoundInFileOrder) {
    std::string table;
    for (int k = 0; k < 7; ++k)
        table += record("1-100", "low" + std::to_string(k)) + record("101-200", "mid" + std::to_string(k)) +
                 "\r\n" + record("201-300", "high" + std::to_string(k));
    Records found = matches(table, 150);
    ASSERT_EQ(found.size(), 7u);
    for (int k = 0; k < 7; ++k)
        EXPECT_EQ(split_record(found[k])[2], "15 mid" + std::to_string(k));
}

TEST(RuntimeTable, RecordTextsAreKeptAsTheyStand) {
    const std::string line =
        "100-200\tsee RM-XL / 2U models\t Brisk 1000 RM-XL/2U \tPanoPro 1500 - 1 pack\t\t"
        "a\tb\tc";
    // Blanks around the bounds are allowed; only the first "-" of field 0 separates them.
    const std::string spaced = " 201 - 300 \tfree\tKorr-Pro 420\tx\tx\tx\tx\tx";
    const std::string windows_1252 = "301-400\tfree\tK\xF6nig 500\tx\tx\tx\tx\tx";
    const std::string table = line + "\r\n" + spaced + "\n" + windows_1252 + "\r";
    EXPECT_EQ(matches(table, 150), Records{line});
    EXPECT_EQ(matches(table, 201), Records{spaced});
    EXPECT_EQ(matches(table, 350), Records{"301-400\tfree\tK\xC3\xB6nig 500\tx\tx\tx\tx\tx"});

    RecordFields fields = split_record(line);
    EXPECT_EQ(fields[0], "100-200");
    EXPECT_EQ(fields[1], "see RM-XL / 2U models");
    EXPECT_EQ(fields[2], " Brisk 1000 RM-XL/2U ");
    EXPECT_EQ(fields[3], "PanoPro 1500 - 1 pack");
    EXPECT_EQ(fields[4], "");
    EXPECT_EQ(fields[7], "c");
}

TEST(RuntimeTable, SplitGivesEmptyFieldsForMissingOnesAndIgnoresTextAfterAnEighthTab) {
    EXPECT_EQ(split_record("1-2\tfree\tfifteen"),
              (RecordFields{"1-2", "free", "fifteen", "", "", "", "", ""}));
    EXPECT_EQ(split_record("1-2\ta\tb\tc\td\te\tf\tg\textra\tmore"),
              (RecordFields{"1-2", "a", "b", "c", "d", "e", "f", "g"}));
    EXPECT_EQ(split_record("1-2\ta\tb\tc\td\te\tf\t"),
              (RecordFields{"1-2", "a", "b", "c", "d", "e", "f", ""}));
    EXPECT_EQ(split_record(""), RecordFields{});
}

TEST(RuntimeTable, MalformedRecordsAreReportedWithFileAndLine) {
    const std::string good = record("1-100", "ok") + record("101-200", "ok");
    EXPECT_EQ(
        error_of(good + "1-100 no tab here\r\n"),
        "The runtime table \"230.txt\" has a malformed record on line 3: it has no tab after the load band.");
    EXPECT_EQ(error_of(good + "\r\n" + record("100", "x")),
              "The runtime table \"230.txt\" has a malformed record on line 4: its load band \"100\" has no "
              "\"-\" between the two bounds.");
    EXPECT_EQ(error_of(record("abc-200", "x")),
              "The runtime table \"230.txt\" has a malformed record on line 1: "
              "the lower bound \"abc\" of its load band is not a number.");
    EXPECT_EQ(
        error_of(good + record("100-2x0", "x")),
        "The runtime table \"230.txt\" has a malformed record on line 3: the upper bound \"2x0\" of its "
        "load band is not a number.");
    // Things a lenient reading would quietly turn into another band.
    for (const char* band :
         {"-100", "100-", "1e3-2000", "100-200-300", "1.2.3-5", "+5-10", "0x10-20", ".-5", "1,000-2,000",
          "\xA0"
          "1-2"}) {
        SCOPED_TRACE(band);
        std::string error = error_of(good + record(band, "x"));
        EXPECT_NE(error.find("\"230.txt\""), std::string::npos) << error;
        EXPECT_NE(error.find("line 3:"), std::string::npos) << error;
    }
    // An overlong bound is cut short in the message.
    std::string error = error_of(record(std::string(500, 'x') + "-1", "x"));
    EXPECT_LT(error.size(), 200u);
}

TEST(RuntimeTable, DecimalBoundsAndBlankLinesAreAccepted) {
    const std::string table =
        "\r\n  \r\n\t\r\n" + record("0.5-1.5", "a") + record("2.-3", "b") + record(".25-.4", "c") + "\r\n";
    EXPECT_EQ(matches(table, 1).size(), 1u);
    EXPECT_EQ(matches(table, 3).size(), 1u);
    EXPECT_EQ(matches(table, 0.3).size(), 1u);
}

TEST(RuntimeTable, AtMostEightRecordsAreHeldAndTheWholeFileIsChecked) {
    std::string table;
    for (int i = 0; i < 12; ++i)
        table += record("1-100", std::to_string(i));
    Records found = matches(table, 50);
    ASSERT_EQ(found.size(), 8u);
    EXPECT_EQ(split_record(found[0])[2], "15 0");
    EXPECT_EQ(split_record(found[7])[2], "15 7");

    // A fault after the matches is still found.
    EXPECT_NE(error_of(table + "oops\r\n", 50).find("line 13:"), std::string::npos);
}

TEST(RuntimeTable, FileThatCannotBeReadIsReportedByName) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / "vellimar-runtime-table-test";
    std::filesystem::create_directories(folder);
    Records records{"left over"};
    std::string error;
    EXPECT_FALSE(matching_records((folder / "missing.txt").string(), 100, records, error));
    EXPECT_NE(error.find("missing.txt\""), std::string::npos) << error;
    EXPECT_TRUE(records.empty());
    EXPECT_FALSE(matching_records(folder.string(), 100, records, error));
    EXPECT_NE(error.find("folder"), std::string::npos) << error;

    const std::filesystem::path table = folder / "120.txt";
    std::ofstream(table, std::ios::binary) << record("1-100", "a") << "bad line\r\n";
    EXPECT_FALSE(matching_records(table.string(), 100, records, error));
    EXPECT_NE(error.find("\"" + table.string() + "\" has a malformed record on line 2"), std::string::npos)
        << error;
    std::filesystem::remove_all(folder);
}

TEST(RuntimeTable, LongWholeBoundsKeepTheirExactValue) {
    // Up to 15 digits a whole bound is exact; beyond, it is read as a
    // decimal number like any other, without wrapping.
    const std::string table = record("999999999999999-999999999999999", "15") +
                              record("1000000000000001-1000000000000001", "16") +
                              record("0-99999999999999999999", "20") + record("007-007", "lead");
    auto tags = [&](double total) {
        Records tags;
        for (const std::string& found : matches(table, total))
            tags.push_back(split_record(found)[2]);
        return tags;
    };
    EXPECT_EQ(tags(999999999999999.0), (Records{"15 15", "15 20"}));
    EXPECT_EQ(tags(1000000000000001.0), (Records{"15 16", "15 20"}));
    EXPECT_EQ(tags(1000000000000000.0), (Records{"15 20"}));
    EXPECT_EQ(tags(1e19), (Records{"15 20"})); // above the 20-digit bound wrapped to 64 bits
    EXPECT_EQ(tags(7), (Records{"15 20", "15 lead"}));
}

TEST(RuntimeTable, FileReadsAsItsContentWouldWhateverItsSize) {
    // Several read blocks' worth of records with every kind of line end, so
    // records and line ends straddle the blocks.
    std::string table;
    const char* ends[] = {"\r\n", "\n", "\r"};
    for (int band = 1; table.size() < 3000000; ++band) {
        std::string text = record(std::to_string(band) + "-" + std::to_string(band), std::to_string(band));
        text.resize(text.size() - 2);
        table += text + ends[band % 3];
    }
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / "vellimar-runtime-table-size-test.txt";
    std::ofstream(path, std::ios::binary) << table;
    for (double total : {1.0, 2.0, 20000.0, 31000.0, 99999.0}) {
        Records from_file, from_text;
        std::string error;
        EXPECT_TRUE(matching_records(path.string(), total, from_file, error)) << error;
        EXPECT_TRUE(match_records(table, path.string(), total, from_text, error)) << error;
        EXPECT_EQ(from_file, from_text) << total;
    }
    // A fault near the end is reported on the same line.
    std::ofstream(path, std::ios::binary | std::ios::app) << "1-2\r\nno tab\r\n";
    Records records;
    std::string file_error, text_error;
    EXPECT_FALSE(matching_records(path.string(), 1, records, file_error));
    EXPECT_FALSE(match_records(table + "1-2\r\nno tab\r\n", path.string(), 1, records, text_error));
    EXPECT_EQ(file_error, text_error);
    EXPECT_NE(file_error.find("no tab after"), std::string::npos) << file_error;
    std::filesystem::remove(path);
}
