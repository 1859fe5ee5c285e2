#include "datacheck/datacheck.h"

#include <gtest/gtest.h>

#include "../core/scratch.h"
#include "core/count_words.h"
#include "core/product_info.h"
#include "core/ups_classes.h"

namespace vellimar::datacheck {
namespace {

using Strings = std::vector<std::string>;
using namespace std::string_literals;
const std::string Over(MaxLineLength + 1, 'x');
const std::string LostKorrPro =
    "no section header line contains the family \"Korr Pro\", so its models show an empty description.";

// clang-format off

Strings formatted(const std::vector<Finding>& findings) {
    Strings lines;
    for (const Finding& finding : findings)
        lines.push_back(format_finding(finding));
    return lines;
}

// A record of a load band for each class, every model of a known family.
std::string band(const std::string& load_band) {
    std::string records;
    for (int ups_class = 0; ups_class < UpsClassCount; ++ups_class)
        records += load_band + "\thint\tKorr Pro 500\tKorr Pro 500\tWebline 1000\tQN 2000\tQN 2000 + 1 pack\t\r\n";
    return records;
}
// A band of "1-2500", then one of "2501-5000".
const std::string GoodTable = band("1-2500") + band("2501-5000");

// One section per family, plain Webline before the longer Weblines: lines 2-5 hold the first section
// (Korr Pro), separator, skipped, header, body; the header of family k (from 1) is line 4k.
std::string good_products() {
    std::string products = "Free text\r\n";
    for (std::string_view key : FamilyKeys)
        products += "----------\r\nCatalogue\r\n" + std::string(key) + " - family\r\nBody line\r\n";
    return products + "----------\r\n";
}

// The same with a last section rating each model of the good table, long enough for any band.
std::string rated_products() {
    std::string products = good_products() + "Catalogue\r\nRatings\r\n";
    for (const char* model : {"Korr Pro 500", "Webline 1000", "QN 2000"})
        products += model + ": 5000 VA / 4500 W; 999 min at half load, 500 min at full load\r\n"s;
    return products + "Battery pack B: 100 Wh, up to 2 per unit, for QN 2000\r\n";
}

std::string replace_line(const std::string& content, std::size_t line_number, const std::string& line) {
    std::size_t start = 0;
    for (std::size_t i = 1; i < line_number; ++i)
        start = content.find("\r\n", start) + 2;
    return content.substr(0, start) + line + content.substr(content.find("\r\n", start));
}

TEST(RuntimeTableCheck, EachFaultOnTheLineOfItsRecordOrBand) {
    // "Brisk UPS 1000" holds "PS", so the viewer looks for the Tandor family.
    const std::string looked_up =
        replace_line(GoodTable, 2, "1-2500\thint\tBrisk UPS 1000\tKorr Pro 500\tZ\tNoFamily 9\tQN\tQN5");
    const std::string no_family = " names no product family, so its information button shows no product information.";
    const std::string too_short = " is shorter than three characters, so its information button opens nothing.";
    // Counted in words, a band's records one per class.
    EXPECT_EQ(count_in_words(0) + count_in_words(7) + count_in_words(12) + count_in_words(13), "noseventwelve13");
    const std::string needs = " records; it needs " + count_in_words(UpsClassCount) + ", one per UPS class in order.";
    const std::string one_short = std::to_string(UpsClassCount - 1) + needs;
    const std::string unrated = " has no rating line in prod120.txt.";
    const std::string both = "; a total in both gets the records of both.";
    const std::string empty = "; a total there gets " + count_in_words(UpsClassCount) + " empty results.";
    const std::string model = "120.txt:2: warning: the model text \"";
    const std::string fields = " tab-separated fields; a record has eight: load band, hint and six models.";
    // The first lines of the second and the third band.
    const auto at = [](int line) { return "120.txt:" + std::to_string(line) + ": "; };
    const int second = UpsClassCount + 1, third = 2 * UpsClassCount + 1;
    const std::pair<std::string, Strings> cases[] = {
        {GoodTable, {}}, {"\r\n \t\r\n", {"120.txt: the table has no records."}},
        {GoodTable + Over,
         {"120.txt: The data file \"120.txt\" cannot be used: line " + std::to_string(third) + " is longer than 65536 bytes."}},
        {replace_line(replace_line(GoodTable, 3, "1-2500 hint"), 4, "1-2500\th\tQN 1\t\t\t\t\t\tAfter 9"),
         {"120.txt:3: the record has 1" + fields, "120.txt:3: malformed record: it has no tab after the load band.",
          "120.txt:4: the record has 9" + fields, "120.txt:4: \"QN 1\" for 15 min" + unrated,
          "120.txt:1: the load band 1-2500 has " + one_short}},
        {replace_line(GoodTable, second, "5000-2501\th\ta\tb\tc\td\te\tf"),
         {at(second) + "the load band \"5000-2501\" has its lower bound above its upper bound, so no total is in it.",
          at(second + 1) + "the load band 2501-5000 has " + one_short}},
        {band("10-2500") + band("100-100") + band("2500-4999"), // each against the band reaching highest
         {at(second) + "the load band 100-100 overlaps the band 10-2500 of line 1" + both,
          at(third) + "the load band 2500-4999 overlaps the band 10-2500 of line 1" + both,
          "120.txt:1: the totals 1 to 9 are in no load band (below this band)" + empty,
          at(third) + "the totals 5000 to 5000 are in no load band (above this band)" + empty}},
        {looked_up,
         {"120.txt:2: \"Brisk UPS 1000\" for 15 min" + unrated, model + "Z\"" + too_short,
          model + "NoFamily 9\"" + no_family, model + "QN\"" + too_short, "120.txt:2: \"QN5\" for 480 min" + unrated,
          "120.txt:2: the model text \"Brisk UPS 1000\" belongs to the family \"Tandor\", but no section header of "
          "prod120.txt contains it."}},
        // Characters counted as the viewer counts them; a record decoded whole.
        {replace_line(GoodTable, 2, "1-2500\th\tA\xF0\x9F\x98\x80\t\t\t\t\t"),
         {model + "A\xF0\x9F\x98\x80\"" + no_family}},
        {replace_line(GoodTable, 2, "1-2500\th\t\xC3\xA9\x41\t\xFF\t\t\t\t"),
         {model + "\xC3\x83\xC2\xA9\x41\"" + no_family, model + "\xC3\xBF\"" + too_short}}};
    const std::string products = replace_line(rated_products(), 32, "Tandem - family");
    for (const auto& [table, findings] : cases)
        EXPECT_EQ(formatted(check_runtime_table(table, "120.txt", products, "prod120.txt")), findings) << table;
    // A family without a section is one finding, with a count; without a product file, none.
    const std::string lookups = "1-5000\th\tNone 9\tKorr Pro 5\t\t\t\t\r\n1-5000\th\tKorr Pro 6\t\t\t\t\t";
    EXPECT_EQ(formatted(check_runtime_table(lookups, "120.txt", "", "prod120.txt")),
              (Strings{"120.txt:1: warning: the model text \"None 9\"" + no_family,
                       "120.txt:1: \"Korr Pro 5\" for 30 min" + unrated, "120.txt:2: \"Korr Pro 6\" for 15 min" + unrated,
                       "120.txt:1: the model text \"Korr Pro 5\" belongs to the family \"Korr Pro\", but no "
                       "section header of prod120.txt contains it; so do 1 more model texts up to line 2.",
                       "120.txt:1: the load band 1-5000 has 2" + needs}));
    EXPECT_EQ(formatted(check_runtime_table(looked_up, "120.txt", "", "")), Strings{});
}

// Each model a record proposes against its rating line: VA and W at the band's upper bound, and the
// runtime estimated there against its column's.
TEST(RuntimeTableCheck, EachModelHoldsTheLoadOfItsBandForTheMinutesOfItsColumn) {
    const std::string products = "----------\r\nx\r\nQN Series\r\n"
                                 "  QN 1000: 1000 VA / 700 W; 16 min at half load, 7 min at full load\r\n"
                                 "  QN 3000: 3000 VA / 2100 W; 23 min at half load, 10 min at full load.\r\n"
                                 "  Battery pack QN-BP: 864 Wh, up to 2 per unit, for QN 3000\r\n";
    const std::string qn1000 = " (prod120.txt:4)", qn3000 = " (prod120.txt:5, pack prod120.txt:6)";
    const std::tuple<const char*, int, const char*, std::string> cases[] = {
        {"1-300", 0, "QN 1000", ""}, {"1-2000", 2, "QN 3000 + 2 packs", ""},
        {"1-300", 1, "QN 1000", " runs an estimated 20.7 min at 270 W" + qn1000 + ", short of 30 min."},
        {"1-2000", 2, "QN 3000 + 1 pack", " runs an estimated 37.8 min at 1800 W" + qn3000 + ", short of 60 min."},
        {"1-1200", 0, "QN 1000", " is rated 1000 VA" + qn1000 + ", below the band's upper bound of 1200 VA."},
        {"1-900", 0, "QN 1000", " is rated 700 W" + qn1000 + ", below 810 W, the band's upper bound of 900 VA at the design power factor of 0.9."},
        {"1-9000", 0, "QN 3000", " is rated 3000 VA (prod120.txt:5), below the band's upper bound of 5000 VA."},
        {"1-300", 0, "QN 3000 + 3 packs", ": \"QN 3000\" takes up to 2 of the pack of prod120.txt:6."},
        {"1-300", 0, "QN 1000 + 1 pack", ": no battery pack line of prod120.txt fits \"QN 1000\" (rated on prod120.txt:4)."},
        {"1-300", 0, "QN 2000", " has no rating line in prod120.txt."}};
    for (const auto& [band, column, model, message] : cases) {
        std::string fields[6];
        fields[column] = model;
        const std::string table =
            std::string(band) + "\th\t" + fields[0] + "\t" + fields[1] + "\t" + fields[2] + "\t\t\t\r\n";
        Strings said;
        for (const std::string& finding : formatted(check_runtime_table(table, "120.txt", products, "prod120.txt")))
            if (finding.find("120.txt:1: \"") == 0)
                said.push_back(finding);
        const std::string minutes[] = {"15", "30", "60"};
        EXPECT_EQ(said, message.empty() ? Strings{}
                                        : Strings{"120.txt:1: \"" + std::string(model) + "\" for " + minutes[column] + " min" + message});
    }
}

TEST(ProductFileCheck, SectionsAreWellFormedAndEveryFamilyFindsItsOwn) {
    const std::string lost = "prod230.txt: " + LostKorrPro;
    const std::pair<std::string, Strings> cases[] = {
        {good_products(), {}},
        {replace_line(good_products(), 4, " "),
         {"prod230.txt:4: the section header line is empty, so no family finds this section.", lost}},
        {replace_line(good_products(), 4, "-------"),
         {"prod230.txt:4: the section header line is a row of hyphens; the header names the product family.", lost}},
        {replace_line(good_products(), 5, "-------"),
         {"prod230.txt:4: warning: the section \"Korr Pro - family\" has no body text."}},
        {replace_line(good_products(), 2, "----------\r\n----------"),
         {"prod230.txt:3: warning: a separator follows the separator of line 2; it is skipped as the line after a separator, so "
          "line 4 is the section header.", lost}},
        {good_products() + "Catalogue\r\n",
         {"prod230.txt:54: the file ends after this separator, where a section header line should follow."}},
        {replace_line(good_products(), 44, "Webline Office - family"),
         {"prod230.txt:44: the family \"Webline\" finds this section, which belongs to \"Webline Office\"; put the \"Webline\" "
          "section before it."}},
        // Rating and pack lines: each read as written, or said not to be.
        {replace_line(good_products(), 5, " QN 9: 10 VA / 20 W; 5 min at half load, 5 min at full load\r\n"
                      "QN 8: 10 VA / 5 W; 5 min at half load, 5 min at full load\r\n"
                      "QN 8: 10 VA / 5 W; 9 min at half load, 1 min at full load\r\nQN 7: 10 VA / 5 W\r\n"
                      "Battery pack P: 0 Wh, up to 2 per unit, for QN 8, QN 6\r\nBattery pack Q: 5 Wh"),
         {"prod230.txt:5: the rating of \"QN 9\" gives more W than VA, or none.",
          "prod230.txt:6: the rating of \"QN 8\" gives no longer runtime at half load than at full load.",
          "prod230.txt:7: \"QN 8\" is rated on line 6 already.",
          "prod230.txt:8: warning: this reads as no rating line; write one as \"Model: 400 VA / 240 W; 19 min at half load, 8 "
          "min at full load\".",
          "prod230.txt:9: the battery pack \"P\" gives no energy or no count.",
          "prod230.txt:10: warning: this reads as no battery pack line; write one as \"Battery pack Name: 336 Wh, up to 2 per "
          "unit\" (then perhaps \", for Model, Model\").",
          "prod230.txt:9: the battery pack \"P\" is for \"QN 6\", which no rating line of its section names."}}};
    for (const auto& [products, findings] : cases)
        EXPECT_EQ(formatted(check_product_file(products, "prod230.txt")), findings) << products;
}

TEST(EquipmentListCheck, EachFaultOnItsLine) {
    const std::string good = "Acme,V 110,280\r\nAcme,V 120,340 VA\r\nBelmont,B1,5000\r\n";
    const std::string line3 = "server.txt:3: the line \"", va = "server.txt:3: warning: the VA \"";
    const std::string whole = "; write a whole number, with nothing after it but blanks and \"VA\".";
    const std::string no_commas = "\" has fewer than two commas (manufacturer,model,VA), so it is skipped.";
    auto third = [&](const std::string& line) { return replace_line(good, 3, line); };
    const std::pair<std::string, Strings> cases[] = {
        {good, {}}, {third("Acme,V 130,1"), {}}, {third("Belmont,B1,\t20 VA\t"), {}},
        {third("Belmont,B1 5000"), {line3 + "Belmont,B1 5000" + no_commas}},
        {third("Belmont,B1,2,500"), {va + "2,500\" reads as 2" + whole}}, {third("Belmont,B1,12x"), {va + "12x\" reads as 12" + whole}},
        {third("Belmont,B1,2\0 50"s), {va + "2\\0 50\" reads as 2" + whole}},
        {third("Bel\0mont\xC2\xA0" "B1\xEF\xBB\xBF"s), {line3 + "Bel\\0mont<U+00A0>B1<U+FEFF>" + no_commas}},
        {third(std::string(61, 'x')), {line3 + std::string(60, 'x') + "..." + no_commas}}, // up to 60 bytes
        {third("Belmont,B1,0"), {"server.txt:3: the VA \"0\" does not read as a number from 1 to 5000."}},
        {third("Belmont,,300"), {"server.txt:3: the model is empty."}},
        {third(" \t,B1,300"), {"server.txt:3: the manufacturer is empty."}},
        {good + "Acme,V 130,300\r\n", {"server.txt:4: the manufacturer \"Acme\" already has lines from line 1; keep a "
                                        "manufacturer's lines together, or it is listed twice."}},
        {good + Over, {"server.txt: The data file \"server.txt\" cannot be used: line 4 is longer than 65536 bytes."}},
        {"no model here\r\n \r\n", {"server.txt:1: the line \"no model here" + no_commas, "server.txt:2: warning: blank line.",
                                    "server.txt: the list names no model."}}};
    for (const auto& [list, findings] : cases)
        EXPECT_EQ(formatted(check_equipment_list(list, "server.txt")), findings) << list;
}

// A folder, named in Latin-1: every file once, each product file before its table, one that cannot be
// opened as one finding, the families of each product file looked for, the folder's name escaped.
TEST(DataFolderCheck, EachFileOnceAndTheFamiliesOfEachProductFile) {
    Scratch scratch;
    const std::string folder = scratch.path("caf\xE9"), shown = scratch.path("caf\\xE9");
    std::filesystem::create_directory(folder);
    std::ofstream(folder + "/prod120.txt", std::ios::binary) << replace_line(good_products(), 4, "Korr - family");
    std::vector<Finding> found;
    check_data_folder(folder, [&](Finding&& finding) { found.push_back(std::move(finding)); });
    ASSERT_EQ(found.size(), 8u);
    EXPECT_EQ(format_finding(found[0]), shown + "/prod120.txt: " + LostKorrPro);
    EXPECT_EQ(format_finding(found[1]), shown + "/120.txt: The data file \"" + shown + "/120.txt\" could "
                                                "not be opened: No such file or directory.");
    EXPECT_EQ(found[7].file, folder + "/other.txt");
}

} // namespace
} // namespace vellimar::datacheck
// clang-format on
