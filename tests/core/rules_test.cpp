#include <cmath>
#include <gtest/gtest.h>
#include <limits>

#include "core/computer_estimate.h"
#include "core/load_list.h"
#include "core/maker.h"
#include "core/numbers.h"
#include "core/own_va.h"
#include "core/results_page.h"
#include "core/run_state.h"
#include "core/suggestion.h"
#include "scratch.h"

using namespace vellimar;
using Strings = std::vector<std::string>;

// clang-format off

constexpr double Inf = std::numeric_limits<double>::infinity();
constexpr auto Max64 = std::numeric_limits<std::int64_t>::max();
constexpr auto Min64 = std::numeric_limits<std::int64_t>::min();

TEST(LenientParse, LeadingNumberWithBlanksTabsAndLineFeedsIgnoredAnywhere) {
    const std::pair<std::string, double> cases[] = {
        {"250", 250},      {" 250", 250},     {"250 VA", 250},   {"\t2 5\n0", 250}, {"VA 250", 0},
        {"", 0},           {"\r250", 0},      {"- 12.5", -12.5}, {"+7", 7},         {"2 .5", 2.5},
        {".5", 0.5},       {"5.", 5},         {"12,5", 12},      {"1.5e3", 1500},   {"1 E - 2", .01},
        {"2e10", 2e10},    {"1e", 1},         {"3e+x", 3},       {"007", 7},        {"09", 9},
        {"-", 0},          {".", 0},          {"e5", 0},         {"nan", 0},        {"inf", 0},
        {"-0", 0},         {"-0.0e5", 0},     {"1e400", Inf},    {"-1e400", -Inf},  {"1e0002", 100},
        {"1e-99999", 0},   {"1e99999999", Inf}, {"4e\t+ 1 0", 4e10}, {std::string(200, '9'), 1e200},
        {"1e00000000000000000002", 100}};
    for (const auto& [text, value] : cases) {
        EXPECT_EQ(lenient_parse(text), value) << '"' << text << '"';
        EXPECT_EQ(std::signbit(lenient_parse(text)), std::signbit(value)) << '"' << text << '"';
    }
}

TEST(NumberToText, LeadingSpaceOrMinusAndNoTrailingZeros) {
    const std::pair<double, const char*> cases[] = {
        {450, " 450"}, {1.0, " 1"}, {107.5, " 107.5"}, {-3.25, "-3.25"}, {-0.0, " 0"}, {NAN, " 0"},
        {0.1 + 0.2, " 0.3"}, {1e16, " 1E+16"}, {Inf, " 1.79769313486232E+308"},
        {-Inf, "-1.79769313486232E+308"}};
    for (auto [value, text] : cases)
        EXPECT_EQ(number_to_text(value), text) << value;
    const std::pair<std::int64_t, const char*> whole[] = {
        {0, " 0"}, {-7, "-7"}, {Max64, " 9223372036854775807"}, {Min64, "-9223372036854775808"}};
    for (auto [value, text] : whole)
        EXPECT_EQ(number_to_text(value), text) << value;
}

TEST(RunningTotal, EverySumIsRoundedTiesToEvenAndTheTotalSaturates) {
    const std::pair<Strings, std::int64_t> cases[] = {
        {{}, 0},                     {{"250", " 250", "250 VA"}, 750}, {{"VA 250", "", "text"}, 0},
        {{"1.5", "1.5"}, 4},         {{"0.5", "0.5", "0.5"}, 0},       {{"-100", "50"}, -50},
        {{"-2.5"}, -2},              {Strings(7, "5000"), 35000},      {{"1e400"}, Max64},
        {{"9e18", "9e18"}, Max64},   {{"9e18", "9e18", "-1"}, Max64},  {{"-1e400"}, Min64},
        {{"-9e18", "-9e18"}, Min64}, {{"9223372036854775808"}, Max64},
        {{"9223372036854774784"}, Max64 - 1023}};
    for (const auto& [texts, total] : cases)
        EXPECT_EQ(running_total(texts), total) << ::testing::PrintToString(texts);
}

TEST(OwnVa, APlainNumberFromOneTo5000BecomesAnItemAndAFigureWrittenOtherwiseIsRefused) {
    const std::string plain = "\" is not a plain number of VA; ", alone = "type the figure in VA alone, for example 250.";
    const std::pair<const char*, std::string> cases[] = {
        {"1", " 1"},          {"5000", " 5000"},     {"0.6", " 1"},         {"4999.5", " 5000"},
        {"5000.5", " 5000"},  {"250 VA", " 250"},    {" 250va ", " 250"},   {"2.5", " 2"},    {"+7.", " 7"},
        {"0", "range"},       {"5001", "range"},     {"0.5", "range"},      {"5000.6", "range"},
        {"VA 250", "range"},  {"-5", "range"},       {"1e400", "range"},    {"4294967546", "range"},
        {"", "range"},        {"abc", "range"},      {"6,000", "range"},    {"9 kVA", "range"},
        {"1,200", "\"1,200" + plain + "type it as 1200."}, {" 1.5 kVA", "\"1.5 kVA" + plain + "type it as 1500."},
        {"1 200.5 va", "\"1 200.5 va" + plain + "type it as 1200.5."}, {"2e3", "\"2e3" + plain + "type it as 2000."},
        {"1200 W", "\"1200 W" + plain + alone}, {" 2 5 0", "\"2 5 0" + plain + alone},
        {"250 VA approx", "\"250 VA approx" + plain + alone}, {"1,5", "\"1,5" + plain + alone}};
    for (const auto& [typed, expected] : cases) {
        const OwnVaEntry entry = own_va_entry(typed);
        EXPECT_EQ(entry.item ? entry.item->description + "|" + entry.item->va_text
                             : entry.refusal == OwnVaRangeMessage ? "range" : entry.refusal,
                  expected.front() == ' ' ? "Specific VA: " + expected + "|" + expected : expected) << typed;
    }
}

TEST(ComputerEstimate, PartsAreTheOnesAUserChoosesFrom) {
    std::string listed;
    for (const PartList& list : {ComputerTypes, Processors, Monitors, PartList{"", Peripherals.data(), 5}}) {
        listed += list.prompt;
        for (const Part* part = list.parts; part < list.parts + list.count; ++part)
            listed += std::string(part->name) + " " + std::to_string(part->va) + "|";
    }
    EXPECT_EQ(listed,
              "Select Computer Type:Desktop 0|Minitower 0|Full tower 30|Select Processor:Dual Pentium Pro "
              "160|Dual Pentium 100|Pentium Pro 100|Pentium II 100|Pentium 70|486 65|386 60|68000 (MAC) 65|"
              "Alpha 115|K6 85|MIPS 115|Power PC 70|Select Monitor:14-15 in. 85|16-17 in. 115|18-21 in. 170|"
              "LCD 30|None 0|CD-ROM 15|Modem 15|Speakers 15|Scanner 30|External Drive (Zip, Jaz, etc) 20|");
}

TEST(ComputerEstimate, ChecksInOrderThenTheSumWithAnyFraction) {
    const std::string type = "You need to select a computer type or click 'Cancel'\r\n"
                             "and select category 'Enter Your Own VA Rating'";
    const std::string other = "You need to specify a VA value if you check Other VA";
    const std::array<bool, 5> all{true, true, true, true, true}, cd_and_speakers{true, false, true};
    const std::tuple<ComputerChoice, std::string, const char*> cases[] = {
        // type, processor, monitor, peripherals, other device ticked and its text; refusal; VA text
        {{0, 6, 4, {}, false, ""}, "", " 60"},          {{2, 0, 2, all, false, ""}, "", " 455"},
        {{0, 4, 0, cd_and_speakers, false, ""}, "", " 185"}, {{0, 5, 3, {}, true, "12.5"}, "", " 107.5"},
        {{0, 6, 4, {}, true, "0"}, "", " 60"},          {{0, 6, 4, {}, false, "500"}, "", " 60"},
        {{0, 6, 4, {}, true, "-5"}, other, ""},         {{-1, -1, -1, {}, true, "-5"}, type, ""},
        {{3, 0, 0, {}, false, ""}, type, ""},
        {{0, -1, -1, {}, false, ""}, "You need to select a processor type", ""},
        {{0, 0, -1, {}, true, "-5"}, "You need to select a monitor", ""}};
    for (const auto& [choice, refusal, va] : cases) {
        const ComputerEstimate estimate = estimate_computer(choice);
        EXPECT_EQ(estimate.refusal + "|" + estimate.item.description + "|" + estimate.item.va_text,
                  refusal + "|" + (refusal.empty() ? "General PC" : "") + "|" + va)
            << choice.type << choice.processor;
    }
}

// Seven records of the band 1-5000, a field of each the runtime's first word,
// `tag` and the class; and what the classes show of them.
static std::string table(const std::string& tag) {
    std::string text;
    for (int k = 0; k < UpsClassCount; ++k)
        text += record("1-5000", tag + std::to_string(k));
    return text;
}
static ClassTexts shown(const std::string& field, const std::string& tag) {
    ClassTexts models;
    for (std::size_t k = 0; k < models.size(); ++k)
        models[k] = field + " " + tag + std::to_string(k);
    return models;
}

// The checks come first, in their order; then the table of the voltage is read from the working directory
// and each class shows the field of the runtime in its record (field 1 for a typed runtime).
TEST(Suggestion, EachClassShowsTheFieldOfTheRuntimeInTheTableOfTheVoltage) {
    Scratch scratch;
    scratch.write("120.txt", table("v120/"));
    scratch.write("230.txt", table("v230/") + record("1-5000", "extra"));
    std::filesystem::current_path(scratch.dir);
    const std::string no_runtime = "You need to select a runtime";
    const std::string items = "You need to select items before a UPS can be suggested";
    const std::string limit = "Sorry, Vellimar does not offer UPSs that can accomodate loads over 5000 VA";
    const std::tuple<const char*, int, double, bool, std::string, ClassTexts> cases[] = {
        {"15 min.", 0, 100, true, "", shown("15", "v120/")},
        {"30 min.", 1, 1, false, "", shown("30", "v230/")},
        {"480 min./ 8 hours", 5, 5000, false, "", shown("480", "v230/")},
        {"typed", -1, 100, true, "", shown("free", "v120/")},
        {"select runtime...", -1, 1, true, "", shown("free", "v120/")},
        {"beyond the items", 6, 100, true, "", {}},             {"before them", -2, 100, true, "", {}},
        {"15 min.", 0, -5, true, "", {}},                       {"", 0, 5001, false, no_runtime, {}},
        {"Select Runtime...", -1, 0, true, no_runtime, {}},     {"15 min.", 0, 0, true, items, {}},
        {"15 min.", 0, 5001, false, limit, {}},                 {"typed", -1, 5000.5, false, limit, {}}};
    for (const auto& [runtime, index, total, volts_120, message, models] : cases) {
        const Suggestion found = suggest(runtime, index, total, volts_120, "");
        EXPECT_EQ(std::tie(found.message, found.models), std::tie(message, models)) << runtime << total;
    }
    EXPECT_EQ(RuntimeItems, (std::array<std::string, 6>{"15 min.", "30 min.", "60 min./ 1 hour",
                                                        "120 min./ 2 hours", "240 min./ 4 hours",
                                                        "480 min./ 8 hours"}));
    EXPECT_EQ(class_models({"1-99\tfree x\t15 x", "1-99\tfree y\t15 y"}, 0), (ClassTexts{"15 x", "15 y"}));
    std::filesystem::remove("230.txt");
    EXPECT_EQ(suggest("15 min.", 0, 100, false, "").message,
              "The data file \"230.txt\" could not be opened: No such file or directory.");
    EXPECT_EQ(suggest("15 min.", 0, 0, false, "").message, items);
}

// The run's state: the total as text ("0" until items come and go), and a
// suggestion that goes ahead is kept with what it was made for; a refused
// one leaves the last one standing.
TEST(RunState, TotalsItsItemsAndKeepsTheLastSuggestionThatWentAhead) {
    Scratch scratch;
    scratch.write("230.txt", table("v230/"));
    std::filesystem::current_path(scratch.dir);
    RunState run;
    EXPECT_EQ(run.totalText() + "|" + run.runtimeText() + std::to_string(run.runtimeIndex()),
              "0|Select Runtime...-1");
    run.addItem({"Router", "1.5"}), run.addItem({"Router", "1.5"});
    run.setVolts120(false), run.setRuntime("30 min.", 1);
    EXPECT_EQ(run.suggest().message + run.totalText(), " 4");
    const MadeSuggestion made = run.lastSuggestion();
    EXPECT_EQ(made.total_text + "|" + made.runtime_text, " 4|30 min.");
    EXPECT_EQ(made.models, shown("30", "v230/"));
    run.clearItems();
    EXPECT_EQ(run.items().size() + run.total(), 0u);
    EXPECT_EQ(run.suggest().message + run.totalText(),
              "You need to select items before a UPS can be suggested 0");
    EXPECT_EQ(run.lastSuggestion().models, made.models);
}

// The page: a header, each class's model (an empty line for none) over the class's name as the page has
// it, not as the screen captions it ("width", "Online"), and the web address.
TEST(PrintedPage, EachClassItsModelOverItsPrintedNameBetweenHeaderAndWebAddress) {
    ClassTexts models;
    std::string classes;
    for (int k = 0; k < UpsClassCount; ++k) {
        models[k] = k == 1 ? "" : "Brisk " + std::to_string(k);
        classes += models[k] + "\r\n" + UpsClasses[k].printed_name + "\r\n\r\n";
    }
    const std::string page = results_page_text(" 245", "60 min./ 1 hour", models);
    EXPECT_EQ(page, "Vellimar UPS Selector Results\r\n\r\nTotal VA:  245     Desired Runtime: 60 min./ 1 hour\r\n\r\n\r\n" +
                    classes + "For more information visit our website at " + MakerWebAddress + "\r\n");
    for (const char* name : {"\r\n\r\n\r\n-Basic battery backup width standard interface port\r\n",
                             "\r\n-Online UPS with smart interface port\r\n"})
        EXPECT_NE(page.find(name), std::string::npos) << name;
}
// clang-format on
