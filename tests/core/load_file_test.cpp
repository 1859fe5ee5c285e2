// Load list files: what a hand or a spreadsheet may write, what is refused
// and where, and the run's items with quantities.
#include "core/load_file.h"
#include "core/load_list.h"
#include "core/run_state.h"

#include <gtest/gtest.h>

#include "scratch.h"

using namespace vellimar;

namespace {
// The items as "shown|VA" lines, then the voltage and the runtime and its item.
std::string summary(const LoadFile& file) {
    std::string text;
    for (const LoadItem& item : file.items)
        text += shown_item(item) + "|" + item.va_text + ";";
    return text + (file.volts120 ? (*file.volts120 ? " 120" : " 230") : " -") + " " +
           file.runtimeText.value_or("-") + std::to_string(file.runtimeIndex);
}
} // namespace

// clang-format off
TEST(LoadFile, ReadsWhatAHandOrASpreadsheetWritesAndNamesTheLineItRefuses) {
    const std::pair<std::string, std::string> cases[] = {
        {"description,VA,quantity\r\nRack server,450,8\r\nSwitch,60,\r\n", "8 x Rack server|450;Switch|60; - --1"},
        {"#volts,230\n#runtime,60\nVA,Description\n 250 ,Router\n", "Router|250; 230 60 min./ 1 hour2"},
        {"\xEF\xBB\xBF# remark\r\n#Volts,120\r\n#runtime,480 min./ 8 hours\r\nDescription,Va,Quantity,Note\r\n"
         "\"Disk, array \"\"B\"\"\",1.5,2,spare\r\n,,,\r\n\r\n", "2 x Disk, array \"B\"|1.5; 120 480 min./ 8 hours5"},
        {"#typed runtime,\" 45 minutes\"\ndescription,va\n\"#1 hub\",10", "#1 hub|10; -  45 minutes-1"},
        {"description,VA\n", " - --1"},
        {"", "it has no header line (description,VA,quantity)."},
        {"name,load\nx,1\n", "line 1: the header line names no description and VA columns (description,VA,quantity)."},
        {"description,VA\nx,1,200\n\n,45\n", "line 4: it has no description."},
        {"description,VA\nx,1 kVA\n", "line 2: its VA \"1 kVA\" is not a plain number of VA (digits, perhaps with a decimal point)."},
        {"description,VA\nx,-5\n", "line 2: its VA \"-5\" is not a plain number"},
        {"description,VA,quantity\nx,5,0\n", "line 2: its quantity \"0\" is not a whole number from 1 to 9999."},
        {"description,VA,quantity\nx,5,10000\n", "line 2: its quantity \"10000\" is not"},
        {"description,VA,quantity\nx,5,2.5\n", "line 2: its quantity \"2.5\" is not"},
        {"description,VA\n\"x,5\n", "line 2: a quote is not closed, or text follows a closing quote."},
        {"description,VA\n\"x\"y,5\n", "line 2: a quote is not closed"},
        {"#volts,240\n", "line 1: the voltage \"240\" is neither 120 nor 230."},
        {"#runtime,45\n", "line 1: the runtime \"45\" is not one of 15, 30, 60, 120, 240 or 480 minutes."},
        {"#typed runtime,\n", "line 1: the typed runtime is empty."},
    };
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(text);
        std::string error;
        const std::optional<LoadFile> file = read_load_text(text, "site.upsload", error);
        if (file)
            EXPECT_EQ(summary(*file), expected);
        else
            EXPECT_EQ(error.rfind("The load list \"site.upsload\" cannot be used: " + expected, 0), 0u) << error;
    }
}
// clang-format on

// What is saved reads back as it was, a VA the total reads leniently as the
// number it counts; a missing file or folder is named.
TEST(LoadFile, SavedListReadsBackAndAFileThatCannotBeReadIsNamed) {
    const std::vector<LoadItem> items = {
        {"Disk, \"B\"", "1.5", 2}, {"#1 hub", "10", 1}, {" pad ", "12 VA", 1}};
    std::string error;
    const std::string text = load_file_text(items, false, "30 min.", 1);
    EXPECT_EQ(summary(*read_load_text(text, "a", error)),
              "2 x Disk, \"B\"|1.5;#1 hub|10; pad |12; 230 30 min.1");
    EXPECT_EQ(summary(*read_load_text(load_file_text({}, true, "Select Runtime...", -1), "a", error)),
              " 120 --1");
    EXPECT_EQ(summary(*read_load_text(load_file_text({}, true, "ten, minutes", -1), "a", error)),
              " 120 ten, minutes-1");
    Scratch scratch;
    EXPECT_FALSE(read_load_file(scratch.path("none.upsload"), error));
    EXPECT_NE(error.find("none.upsload\" could not be opened: No such file or directory."),
              std::string::npos);
    EXPECT_FALSE(read_load_file(scratch.dir.string(), error));
    EXPECT_NE(error.find("it is a folder, not a file."), std::string::npos);
    EXPECT_EQ(summary(*read_load_file(scratch.write("s.csv", text), error)),
              summary(*read_load_text(text, "b", error)));
}

// An item of quantity 8 counts eight times, each rounded as items added one
// by one are; taking one out counts the rest afresh and marks the list changed.
TEST(RunState, QuantitiesCountAndARemovedItemLeavesTheTotal) {
    RunState run;
    run.addItem({"Disk", "1.5", 3}), run.addItem({"Hub", "10"}), run.addItem({"Fan", "0.5"});
    EXPECT_EQ(run.totalText(), " 16"); // 2, 3.5 -> 4, 5.5 -> 6, 16, 16.5 -> 16
    run.setListFile("site.upsload");
    run.removeItem(3);
    EXPECT_FALSE(run.listChanged());
    run.removeItem(1);
    EXPECT_EQ(run.totalText() + std::to_string(run.items().size()), " 6"
                                                                    "2");
    EXPECT_TRUE(run.listChanged());
    run.setItems({{"Rack", "450", 8}});
    EXPECT_EQ(run.total(), 3600);
}
