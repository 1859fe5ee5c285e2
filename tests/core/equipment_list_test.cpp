#include "core/equipment_list.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <set>
#include <unistd.h>

#include "core/numbers.h"
#include "core/textfile.h"

using namespace vellimar;

namespace {

using Strings = std::vector<std::string>;

EquipmentLine split(std::string_view text) {
    EquipmentLine line;
    EXPECT_TRUE(split_equipment_line(text, line)) << text;
    return line;
}

std::vector<EquipmentLine> lines_of(std::initializer_list<std::pair<const char*, const char*>> pairs) {
    std::vector<EquipmentLine> lines;
    for (auto [manufacturer, model] : pairs)
        lines.push_back({manufacturer, model, "1"});
    return lines;
}

class EquipmentFile : public ::testing::Test {
  protected:
    std::string write(const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }
    void TearDown() override { std::filesystem::remove(path); }

    std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("equipment_test_" + std::to_string(::getpid()) + ".txt");
};

} // namespace

TEST(EquipmentLine, ManufacturerAsWrittenModelAndVaTrimmedOfSpacesOnly) {
    EquipmentLine line = split(" Acme ,  Box 1  ,  250  ");
    EXPECT_EQ(line.manufacturer, " Acme ");
    EXPECT_EQ(line.model, "Box 1");
    EXPECT_EQ(line.va, "250");

    line = split("Acme,\tBox\t,\t250\t");
    EXPECT_EQ(line.model, "\tBox\t");
    EXPECT_EQ(line.va, "\t250\t");

    // Everything after the second comma is the VA, commas included.
    line = split("Acme,Box, 1,250 , ");
    EXPECT_EQ(line.model, "Box");
    EXPECT_EQ(line.va, "1,250 ,");

    line = split(",,");
    EXPECT_EQ(line.manufacturer, "");
    EXPECT_EQ(line.model, "");
    EXPECT_EQ(line.va, "");
    line = split("Acme,   ,   ");
    EXPECT_EQ(line.model, "");
    EXPECT_EQ(line.va, "");
}

TEST(EquipmentLine, FewerThanTwoCommasNameNoModel) {
    EquipmentLine line;
    for (const char* text : {"", "   ", "Acme", "Acme,Box 250", "Acme\tBox\t250"})
        EXPECT_FALSE(split_equipment_line(text, line)) << text;
}

TEST_F(EquipmentFile, ReadsEveryLineEndAndSkipsLinesWithoutTwoCommas) {
    std::vector<EquipmentLine> lines;
    std::string error;
    ASSERT_TRUE(read_equipment_list(write("A,One,10\r\nA,Two,20\rno commas\n\r\nB,Three, 30\nA,Two,20"),
                                    lines, error));
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].model, "One");
    EXPECT_EQ(lines[1].model, "Two");
    EXPECT_EQ(lines[2].manufacturer, "B");
    EXPECT_EQ(lines[2].va, "30");
    // Two identical lines are two models.
    EXPECT_EQ(lines[3].model, "Two");
    EXPECT_EQ(lines[3].va, "20");
    EXPECT_TRUE(error.empty());
}

TEST_F(EquipmentFile, DecodesWindows1252AndUtf8) {
    std::vector<EquipmentLine> lines;
    std::string error;
    ASSERT_TRUE(read_equipment_list(write("M\xfcller,T\x96"
                                          "1,5\r\nM\xc3\xbcller,T2,6\r\n"),
                                    lines, error));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].manufacturer, "M\xc3\xbcller");
    EXPECT_EQ(lines[0].model, "T\xe2\x80\x93"
                              "1");
    EXPECT_EQ(lines[1].manufacturer, lines[0].manufacturer);
}

TEST_F(EquipmentFile, EmptyFileGivesNoLines) {
    std::vector<EquipmentLine> lines{{"x", "y", "z"}};
    std::string error;
    EXPECT_TRUE(read_equipment_list(write(""), lines, error));
    EXPECT_TRUE(lines.empty());
    EXPECT_TRUE(manufacturer_runs(lines).empty());
}

TEST_F(EquipmentFile, MissingFileIsAnErrorNamingIt) {
    std::vector<EquipmentLine> lines{{"x", "y", "z"}};
    std::string error;
    EXPECT_FALSE(read_equipment_list(path.string(), lines, error));
    EXPECT_TRUE(lines.empty());
    EXPECT_NE(error.find(path.string()), std::string::npos) << error;

    EXPECT_FALSE(read_equipment_list(path.parent_path().string(), lines, error));
    EXPECT_NE(error.find(path.parent_path().string()), std::string::npos) << error;
}

TEST_F(EquipmentFile, RunsAndOneMakersModelsAreThoseOfTheWholeList) {
    // Interrupted runs, a maker only in case different, an empty maker, a
    // Windows-1252 line, a line without two commas and every line end.
    const std::string content = ",Top,1\r\nA,One,10\r\nA,Two,20\nB,Three,30\ra,Four,40\r\n,Five,50\r\n"
                                "no commas\r\nA,Six, 60 \r\nM\xfcller,T\x96"
                                "1,5\r\nM\xc3\xbcller,T2,6";
    std::vector<EquipmentLine> all;
    std::string error;
    ASSERT_TRUE(read_equipment_list(write(content), all, error)) << error;

    Strings runs{"left over"};
    ASSERT_TRUE(read_manufacturer_runs(path.string(), runs, error)) << error;
    EXPECT_EQ(runs, manufacturer_runs(all));
    EXPECT_EQ(runs, (Strings{"A", "B", "a", "", "A", "M\xc3\xbcller"}));

    for (const std::string maker : {"A", "a", "", "M\xc3\xbcller", "nobody"}) {
        SCOPED_TRACE(maker);
        std::vector<EquipmentLine> expected;
        for (const EquipmentLine& line : all) {
            if (line.manufacturer == maker)
                expected.push_back(line);
        }
        std::vector<EquipmentLine> models{{"x", "y", "z"}};
        ASSERT_TRUE(read_models_of(path.string(), maker, models, error)) << error;
        ASSERT_EQ(models.size(), expected.size());
        for (std::size_t i = 0; i < models.size(); ++i) {
            EXPECT_EQ(models[i].model, expected[i].model);
            EXPECT_EQ(models[i].va, expected[i].va);
        }
    }

    std::filesystem::remove(path);
    EXPECT_FALSE(read_manufacturer_runs(path.string(), runs, error));
    EXPECT_TRUE(runs.empty());
    EXPECT_NE(error.find(path.string()), std::string::npos) << error;
    std::vector<EquipmentLine> models{{"x", "y", "z"}};
    EXPECT_FALSE(read_models_of(path.string(), "A", models, error));
    EXPECT_TRUE(models.empty());
}

TEST(ManufacturerRuns, OneEntryPerRunOfEqualManufacturers) {
    // Interrupted by another maker, A is listed once per run.
    EXPECT_EQ(manufacturer_runs(lines_of({{"A", "1"}, {"A", "2"}, {"B", "3"}, {"A", "4"}})),
              (Strings{"A", "B", "A"}));
    // Exact comparison: case and spaces count.
    EXPECT_EQ(manufacturer_runs(lines_of({{"A", "1"}, {"a", "2"}, {"A ", "3"}, {"A ", "4"}})),
              (Strings{"A", "a", "A "}));
}

TEST(ManufacturerRuns, EmptyManufacturerCountsOnlyAfterANonEmptyOne) {
    EXPECT_EQ(manufacturer_runs(lines_of({{"", "1"}, {"", "2"}, {"A", "3"}})), (Strings{"A"}));
    EXPECT_EQ(manufacturer_runs(lines_of({{"A", "1"}, {"", "2"}, {"", "3"}, {"B", "4"}})),
              (Strings{"A", "", "B"}));
}

// The equipment lists that ship with the selector are well formed: every line
// names a model, every VA is a plausible figure, each maker's lines stand
// together (so each maker is listed once).
TEST(ShippedEquipmentLists, AreWellFormed) {
    for (const char* key : {"server", "network", "telecom", "other"}) {
        SCOPED_TRACE(key);
        const std::string path = std::string(VELLIMAR_DATA_DIR) + "/" + key + ".txt";
        std::vector<EquipmentLine> lines;
        std::string error;
        ASSERT_TRUE(read_equipment_list(path, lines, error)) << error;

        std::string content;
        ASSERT_TRUE(read_data_file(path, content, error));
        LineCursor cursor(content);
        std::string_view raw;
        std::size_t raw_lines = 0;
        while (cursor.next(raw))
            ++raw_lines;
        EXPECT_EQ(lines.size(), raw_lines) << "a line without two commas";
        EXPECT_GE(lines.size(), 20u);

        for (const EquipmentLine& line : lines) {
            EXPECT_FALSE(line.manufacturer.empty());
            EXPECT_FALSE(line.model.empty()) << line.manufacturer;
            double va = lenient_parse(line.va);
            EXPECT_TRUE(va >= 1 && va <= 5000) << line.manufacturer << " " << line.model << ": " << line.va;
            EXPECT_EQ(number_to_text(va).substr(1), line.va) << "not a plain number";
        }
        Strings makers = manufacturer_runs(lines);
        EXPECT_EQ(std::set<std::string>(makers.begin(), makers.end()).size(), makers.size())
            << "a maker's lines are split up";
    }
}
