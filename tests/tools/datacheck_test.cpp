#include "datacheck/datacheck.h"

#include <gtest/gtest.h>

#include "../core/scratch.h"
#include "core/product_info.h"
#include "core/ups_classes.h"

namespace vellimar::datacheck {
namespace {

using Strings = std::vector<std::string>;
using namespace std::string_literals;
const std::string Over(MaxLineLength + 1, 'x');

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
        records += load_band + "\thint\tKorr Pro 500\tKorr Pro 500\tWebline 1000\tQN 2000\tQN 2000 + 1\t\r\n";
    return records;
}
// Lines 1-7 are "1-2500", lines 8-14 "2501-5000".
const std::string GoodTable = band("1-2500") + band("2501-5000");

// One section per family, plain Webline before the longer Weblines: lines 2-5 hold the first section
// (Korr Pro), separator, skipped, header, body; the header of family k (from 1) is line 4k.
std::string good_products() {
    std::string products = "Free text\r\n";
    for (std::string_view key : FamilyKeys)
        products += "----------\r\nCatalogue\r\n" + std::string(key) + " - family\r\nBody line\r\n";
    return products + "----------\r\n";
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
    const std::string no_family =
        " names no product family, so its information button shows the first section of prod120.txt.";
    const std::string too_short = " is shorter than three characters, so its information button opens "
                                  "nothing.";
    const std::string seven = " records; it needs seven, one per UPS class in order.";
    const std::string both = "; a total in both gets the records of both.";
    const std::string empty = "; a total there gets seven empty results.";
    const std::string model = "120.txt:2: warning: the model text \"";
    const std::pair<std::string, Strings> cases[] = {
        {GoodTable, {}}, {"\r\n \t\r\n", {"120.txt: the table has no records."}},
        {GoodTable + Over,
         {"120.txt: The data file \"120.txt\" cannot be used: line 15 is longer than 65536 bytes."}},
        {replace_line(replace_line(GoodTable, 3, "1-2500 hint"), 4, "1-2500\th\tQN 1\t\t\t\t\t\tAfter 9"),
         {"120.txt:3: the record has 1 tab-separated fields; a record has eight: load band, hint and six "
          "models.",
          "120.txt:3: malformed record: it has no tab after the load band.",
          "120.txt:4: the record has 9 tab-separated fields; a record has eight: load band, hint and six "
          "models.",
          "120.txt:1: the load band 1-2500 has 6" + seven}},
        {replace_line(GoodTable, 8, "5000-2501\th\ta\tb\tc\td\te\tf"),
         {"120.txt:8: the load band \"5000-2501\" has its lower bound above its upper bound, so no total is "
          "in it.", "120.txt:9: the load band 2501-5000 has 6" + seven}},
        {band("10-2500") + band("100-100") + band("2500-4999"), // each against the band reaching highest
         {"120.txt:8: the load band 100-100 overlaps the band 10-2500 of line 1" + both,
          "120.txt:15: the load band 2500-4999 overlaps the band 10-2500 of line 1" + both,
          "120.txt:1: the totals 1 to 9 are in no load band (below this band)" + empty,
          "120.txt:15: the totals 5000 to 5000 are in no load band (above this band)" + empty}},
        {looked_up,
         {model + "Z\"" + too_short, model + "NoFamily 9\"" + no_family, model + "QN\"" + too_short,
          "120.txt:2: the model text \"Brisk UPS 1000\" belongs to the family \"Tandor\", but no section "
          "header of prod120.txt contains it."}},
        // Characters counted as the viewer counts them; a record decoded whole.
        {replace_line(GoodTable, 2, "1-2500\th\tA\xF0\x9F\x98\x80\t\t\t\t\t"),
         {model + "A\xF0\x9F\x98\x80\"" + no_family}},
        {replace_line(GoodTable, 2, "1-2500\th\t\xC3\xA9\x41\t\xFF\t\t\t\t"),
         {model + "\xC3\x83\xC2\xA9\x41\"" + no_family, model + "\xC3\xBF\"" + too_short}}};
    const std::string products = replace_line(good_products(), 32, "Tandem - family");
    for (const auto& [table, findings] : cases)
        EXPECT_EQ(formatted(check_runtime_table(table, "120.txt", products, "prod120.txt")), findings)
            << table;
    // A family without a section is one finding, with a count; without a product file, none.
    const std::string lookups = "1-5000\th\tNone 9\tKorr Pro 5\t\t\t\t\r\n1-5000\th\tKorr Pro 6\t\t\t\t\t";
    EXPECT_EQ(formatted(check_runtime_table(lookups, "120.txt", "", "prod120.txt")),
              (Strings{"120.txt:1: the model text \"None 9\" names no product family, and no section "
                       "header of prod120.txt is there to show instead.",
                       "120.txt:1: the model text \"Korr Pro 5\" belongs to the family \"Korr Pro\", but no "
                       "section header of prod120.txt contains it; so do 1 more model texts up to line 2.",
                       "120.txt:1: the load band 1-5000 has 2" + seven}));
    EXPECT_EQ(formatted(check_runtime_table(looked_up, "120.txt", "", "")), Strings{});
}

TEST(ProductFileCheck, SectionsAreWellFormedAndEveryFamilyFindsItsOwn) {
    const std::string lost = "prod230.txt: no section header line contains the family \"Korr Pro\", so its "
                             "models show an empty description.";
    const std::pair<std::string, Strings> cases[] = {
        {good_products(), {}},
        {replace_line(good_products(), 4, " "),
         {"prod230.txt:4: the section header line is empty, so no family finds this section.", lost}},
        {replace_line(good_products(), 4, "-------"),
         {"prod230.txt:4: the section header line is a row of hyphens; the header names the product family.",
          lost}},
        {replace_line(good_products(), 5, "-------"),
         {"prod230.txt:4: warning: the section \"Korr Pro - family\" has no body text."}},
        {replace_line(good_products(), 2, "----------\r\n----------"),
         {"prod230.txt:3: warning: a separator follows the separator of line 2; it is skipped as the line "
          "after a separator, so line 4 is the section header.", lost}},
        {good_products() + "Catalogue\r\n",
         {"prod230.txt:54: the file ends after this separator, where a section header line should follow."}},
        {replace_line(good_products(), 44, "Webline Office - family"),
         {"prod230.txt:44: the family \"Webline\" finds this section, which belongs to \"Webline Office\"; "
          "put the \"Webline\" section before it."}}};
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
        {good, {}}, {third("Acme,V 130,1"), {}}, {third("Belmont,B1,\t20 VA "), {}},
        {third("Belmont,B1 5000"), {line3 + "Belmont,B1 5000" + no_commas}},
        {third("Belmont,B1,2,500"), {va + "2,500\" reads as 2" + whole}},
        {third("Belmont,B1,2\0 50"s), {va + "2\\0 50\" reads as 2" + whole}},
        {third("Bel\0mont\xC2\xA0" "B1\xEF\xBB\xBF"s), {line3 + "Bel\\0mont<U+00A0>B1<U+FEFF>" + no_commas}},
        {third(std::string(61, 'x')), {line3 + std::string(60, 'x') + "..." + no_commas}}, // up to 60 bytes
        {third("Belmont,B1,0"), {"server.txt:3: the VA \"0\" does not read as a number from 1 to 5000."}},
        {third("Belmont,,300"), {"server.txt:3: the model is empty."}},
        {third(" \t,B1,300"), {"server.txt:3: the manufacturer is empty."}},
        {good + "Acme,V 130,300\r\n",
         {"server.txt:4: the manufacturer \"Acme\" already has lines from line 1; keep a manufacturer's "
          "lines together, or it is listed twice."}},
        {good + Over,
         {"server.txt: The data file \"server.txt\" cannot be used: line 4 is longer than 65536 bytes."}},
        {"no model here\r\n \r\n", {"server.txt:1: the line \"no model here" + no_commas,
                                    "server.txt:2: warning: blank line.",
                                    "server.txt: the list names no model."}}};
    for (const auto& [list, findings] : cases)
        EXPECT_EQ(formatted(check_equipment_list(list, "server.txt")), findings) << list;
}

// A folder: every file once, in name order, one that cannot be opened as one finding, and the families
// of each product file looked for.
TEST(DataFolderCheck, EachFileOnceAndTheFamiliesOfEachProductFile) {
    Scratch scratch;
    scratch.write("prod120.txt", replace_line(good_products(), 4, "Korr - family"));
    const std::vector<Finding> found = check_data_folder(scratch.dir.string());
    ASSERT_EQ(found.size(), 8u);
    EXPECT_EQ(found[0].message, "The data file \"" + scratch.path("120.txt") + "\" could not be opened: No "
                                "such file or directory.");
    EXPECT_EQ(found[4].file + found[4].message, scratch.path("prod120.txt") + "no section header line "
                                                "contains the family \"Korr Pro\", so its models show an "
                                                "empty description.");
}

} // namespace
} // namespace vellimar::datacheck
// clang-format on
