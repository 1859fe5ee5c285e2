#include "core/equipment_list.h"

#include <gtest/gtest.h>

#include "core/textfile.h"
#include "scratch.h"

using namespace vellimar;
using Strings = std::vector<std::string>;

// The picker lists one manufacturer per run of lines and, for one of them,
// every line of it in the whole file: the manufacturer as written, the model
// and the VA trimmed of spaces only. A line without two commas names no model.
TEST(EquipmentList, RunsAndTheModelsOfOneManufacturerFromTheFile) {
    Scratch scratch;
    const std::string path = scratch.write(
        "server.txt", ",Top,1\r\nA,One,10\r\nA,Two,20\nB,Three, 30\ra,Four,40\r\n,Five,50\r\nno commas\r\n"
                      "A , Six  ,  60  \r\nA,Two,20\r\nA,\tTab\t,\t7\t\r\nA,Commas, 1,250 , \r\nA,  ,  \r\n"
                      "A,Box 250\r\nM\xFCller,T\x96"
                      "1,5\r\nM\xC3\xBCller,T2,6");
    Strings runs{"left over"};
    std::string error;
    ASSERT_TRUE(read_manufacturer_runs(path, runs, error)) << error;
    EXPECT_EQ(runs, (Strings{"A", "B", "a", "", "A ", "A", "M\xC3\xBCller"}));
    // clang-format off
    const std::pair<std::string, Strings> models_of[] = {
        {"A", {"One|10", "Two|20", "Two|20", "\tTab\t|\t7\t", "Commas|1,250 ,", "|"}},
        {"", {"Top|1", "Five|50"}},  {"A ", {"Six|60"}},  {"M\xC3\xBCller", {"T\xE2\x80\x93" "1|5", "T2|6"}},
        {"nobody", {}}};
    // clang-format on
    for (const auto& [maker, expected] : models_of) {
        std::vector<EquipmentLine> lines{{"x", "y", "z"}};
        ASSERT_TRUE(read_models_of(path, maker, lines, error)) << error;
        Strings models;
        for (const EquipmentLine& line : lines)
            models.push_back(line.model + "|" + line.va);
        EXPECT_EQ(models, expected) << maker;
    }
    std::vector<EquipmentLine> all;
    ASSERT_TRUE(read_equipment_list(path, all, error)) << error;
    EXPECT_EQ(all.size(), 13u);
    EXPECT_EQ(manufacturer_runs(all), runs);
    EXPECT_EQ(manufacturer_runs(parse_equipment_list("A,1,1\nB,2,2\rbad\r\nA,3,3")),
              (Strings{"A", "B", "A"}));
}

// Reading that stops halfway gives nothing but a message naming the file.
TEST(EquipmentList, AFileThatCannotBeReadGivesOnlyAMessage) {
    Scratch scratch;
    const std::string path = scratch.write("telecom.txt", "A,1,1\r\n" + std::string(MaxLineLength + 1, 'x'));
    std::vector<EquipmentLine> lines{{"x", "y", "z"}}, models{{"x", "y", "z"}};
    Strings runs{"left over"};
    std::string error, runs_error, models_error;
    EXPECT_FALSE(read_equipment_list(path, lines, error));
    EXPECT_FALSE(read_manufacturer_runs(path, runs, runs_error));
    EXPECT_FALSE(read_models_of(path, "A", models, models_error));
    EXPECT_TRUE(lines.empty() && runs.empty() && models.empty());
    for (const std::string& message : {error, runs_error, models_error})
        EXPECT_EQ(message,
                  "The data file \"" + path + "\" cannot be used: line 2 is longer than 65536 bytes.");
}
