#include "datacheck/datacheck.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/product_info.h"

namespace vellimar::datacheck {
namespace {

std::vector<std::string> formatted(const std::vector<Finding>& findings) {
    std::vector<std::string> lines;
    for (const Finding& finding : findings)
        lines.push_back(format_finding(finding));
    return lines;
}

// Two bands covering 1 to 5000, seven records each, every model of a known
// family. Line 1 is "1-2500", line 8 is "2501-5000".
std::string good_table() {
    std::string table;
    for (const char* band : {"1-2500", "2501-5000"})
        for (int ups_class = 0; ups_class < 7; ++ups_class)
            table += std::string(band) + "\thint\tKorr Pro 500\tKorr Pro 500\tWebline 1000\tQN 2000\t"
                                         "QN 2000 + 1 pack\t\r\n";
    return table;
}

// One section per family, plain Webline before the longer Weblines.
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
    const std::size_t end = content.find("\r\n", start);
    return content.substr(0, start) + line + content.substr(end);
}

std::vector<std::string> table_findings(const std::string& table) {
    return formatted(check_runtime_table(table, "120.txt", good_products(), "prod120.txt"));
}

TEST(RuntimeTableCheck, WellFormedTableHasNoFinding) {
    EXPECT_EQ(table_findings(good_table()), std::vector<std::string>{});
}

TEST(RuntimeTableCheck, EachMalformedRecordIsReportedOnItsLine) {
    const std::string band_line =
        "1-2500\thint\tKorr Pro 500\tKorr Pro 500\tWebline 1000\tQN 2000\tQN 2000\t";
    struct Case {
        std::string record;
        std::string expected;
    } cases[] = {
        {"1-2500 hint", "120.txt:3: the record has 1 tab-separated fields; a record has eight: load band, "
                        "hint and six models."},
        {"1-2500\thint\tKorr Pro 500", "120.txt:3: the record has 3 tab-separated fields; a record has "
                                       "eight: load band, hint and six models."},
        {band_line + "\textra", "120.txt:3: the record has 9 tab-separated fields; a record has eight: "
                                "load band, hint and six models."},
    };
    for (const Case& c : cases) {
        const auto findings = table_findings(replace_line(good_table(), 3, c.record));
        ASSERT_FALSE(findings.empty()) << c.record;
        EXPECT_EQ(findings.front(), c.expected);
    }

    // A band the selector cannot read stops it; the checker says why and goes on.
    auto unreadable = table_findings(replace_line(good_table(), 3, "1_2500\th\ta\tb\tc\td\te\tf"));
    ASSERT_FALSE(unreadable.empty());
    EXPECT_EQ(unreadable.front(), "120.txt:3: malformed record: its load band \"1_2500\" has no \"-\" "
                                  "between the two bounds.");
    unreadable = table_findings(replace_line(good_table(), 4, "1-25OO\th\ta\tb\tc\td\te\tf"));
    EXPECT_EQ(unreadable.front(),
              "120.txt:4: malformed record: the upper bound \"25OO\" of its load band is not a number.");
    unreadable = table_findings(replace_line(good_table(), 4, "1-2-3\th\ta\tb\tc\td\te\tf"));
    EXPECT_EQ(unreadable.front(),
              "120.txt:4: malformed record: the upper bound \"2-3\" of its load band is not a number.");
}

TEST(RuntimeTableCheck, BandsMustHoldSevenRecordsNotOverlapAndCoverEveryTotal) {
    std::string table = good_table();
    table.erase(0, table.find("\r\n") + 2); // six records left in 1-2500
    EXPECT_EQ(table_findings(table),
              (std::vector<std::string>{"120.txt:1: the load band 1-2500 has 6 records; it needs seven, "
                                        "one per UPS class in order."}));

    // Moving the lower bound of the second band down by one overlaps the first.
    std::string overlapping = good_table();
    for (std::size_t at; (at = overlapping.find("2501-5000")) != std::string::npos;)
        overlapping.replace(at, 9, "2500-5000");
    EXPECT_EQ(table_findings(overlapping),
              (std::vector<std::string>{"120.txt:8: the load band 2500-5000 overlaps the band 1-2500 of "
                                        "line 1; a total in both gets the records of both."}));

    std::string gaps = good_table();
    for (std::size_t at; (at = gaps.find("2501-5000")) != std::string::npos;)
        gaps.replace(at, 9, "2601-4999");
    EXPECT_EQ(table_findings(gaps),
              (std::vector<std::string>{
                  "120.txt:8: the totals 2501 to 2600 are in no load band (below this band); a total "
                  "there gets seven empty results.",
                  "120.txt:8: the totals 5000 to 5000 are in no load band (above this band); a total "
                  "there gets seven empty results."}));

    std::string reversed = good_table();
    for (std::size_t at; (at = reversed.find("2501-5000")) != std::string::npos;)
        reversed.replace(at, 9, "5000-2501");
    const auto findings = table_findings(reversed);
    ASSERT_GE(findings.size(), 7u);
    EXPECT_EQ(findings[0], "120.txt:8: the load band \"5000-2501\" has its lower bound above its upper "
                           "bound, so no total is in it.");
    EXPECT_EQ(findings.back(), "120.txt:1: the totals 2501 to 5000 are in no load band (above this "
                               "band); a total there gets seven empty results.");

    EXPECT_EQ(table_findings(""), std::vector<std::string>{"120.txt: the table has no records."});
    EXPECT_EQ(table_findings("\r\n \t\r\n"), std::vector<std::string>{"120.txt: the table has no records."});
}

TEST(RuntimeTableCheck, ModelTextsAreLookedUpAsTheViewerDoes) {
    // "Brisk UPS 1000" holds "PS", so the viewer looks for the Tandor family.
    std::string products = good_products();
    const std::size_t tandor = products.find("Tandor - family");
    products.replace(tandor, 6, "Tandem");
    const std::string table =
        replace_line(good_table(), 2, "1-2500\thint\tBrisk UPS 1000\tKorr Pro 500\tZ\tNoFamily 9\t\t");
    EXPECT_EQ(formatted(check_runtime_table(table, "120.txt", products, "prod120.txt")),
              (std::vector<std::string>{
                  "120.txt:2: the model text \"Brisk UPS 1000\" belongs to the family \"Tandor\", but no "
                  "section header of prod120.txt contains it.",
                  "120.txt:2: warning: the model text \"Z\" is shorter than three characters, so its "
                  "information button opens nothing.",
                  "120.txt:2: warning: the model text \"NoFamily 9\" names no product family, so its "
                  "information button shows the first section of prod120.txt."}));

    // Without a product file the models are not looked up.
    EXPECT_TRUE(check_runtime_table(table, "120.txt", "", "").empty());
}

std::vector<std::string> product_findings(const std::string& products) {
    return formatted(check_product_file(products, "prod230.txt"));
}

TEST(ProductFileCheck, SectionsAreWellFormedAndEveryFamilyIsFound) {
    EXPECT_EQ(product_findings(good_products()), std::vector<std::string>{});

    std::string missing = good_products();
    const std::size_t qn = missing.find("QN Series - family");
    missing.replace(qn, 9, "Q-Series");
    EXPECT_EQ(product_findings(missing),
              (std::vector<std::string>{"prod230.txt: no section header line contains the family \"QN "
                                        "Series\", so its models show an empty description."}));

    // Lines 2-5 hold the first section (Korr Pro): separator, skipped, header, body.
    EXPECT_EQ(product_findings(replace_line(good_products(), 4, " ")),
              (std::vector<std::string>{
                  "prod230.txt:4: the section header line is empty, so no family finds this section.",
                  "prod230.txt: no section header line contains the family \"Korr Pro\", so its models "
                  "show an empty description."}));
    EXPECT_EQ(product_findings(replace_line(good_products(), 5, "-------")),
              (std::vector<std::string>{
                  "prod230.txt:4: warning: the section \"Korr Pro - family\" has no body text."}));
    const auto doubled = product_findings(replace_line(good_products(), 3, "----------"));
    ASSERT_FALSE(doubled.empty());
    EXPECT_EQ(doubled.front(), "prod230.txt:3: a separator follows the separator of line 2; the line after "
                               "a separator is skipped, so this section is lost.");

    EXPECT_EQ(product_findings(good_products() + "Catalogue\r\n"),
              (std::vector<std::string>{"prod230.txt:54: the file ends after this separator, where a "
                                        "section header line should follow."}));

    // The plain Webline family must come before the families whose names hold it.
    std::string shadowed = good_products();
    const std::size_t webline = shadowed.find("\r\nWebline - family");
    shadowed.replace(webline + 2, 7, "Webline Office");
    EXPECT_EQ(product_findings(shadowed),
              (std::vector<std::string>{"prod230.txt:44: the family \"Webline\" finds this section, which "
                                        "belongs to \"Webline Office\"; put the \"Webline\" section "
                                        "before it."}));
}

std::vector<std::string> list_findings(const std::string& list) {
    return formatted(check_equipment_list(list, "server.txt"));
}

TEST(EquipmentListCheck, EachFaultIsReportedOnItsLine) {
    const std::string good =
        "Arcturon,Velantra 110,280\r\nArcturon,Velantra 120,340 VA\r\nBelmont,B1,5000\r\n";
    EXPECT_EQ(list_findings(good), std::vector<std::string>{});

    struct Case {
        std::string line;
        std::string expected;
    } cases[] = {
        {"Belmont,B1 5000", "server.txt:3: the line \"Belmont,B1 5000\" has fewer than two commas "
                            "(manufacturer,model,VA), so it is skipped."},
        {"Belmont,B1,0", "server.txt:3: the VA \"0\" does not read as a number from 1 to 5000."},
        {"Belmont,B1,5000.5", "server.txt:3: the VA \"5000.5\" does not read as a number from 1 to 5000."},
        {"Belmont,B1,about 300", "server.txt:3: the VA \"about 300\" does not read as a number from 1 to "
                                 "5000."},
        {"Belmont,B1,1e400", "server.txt:3: the VA \"1e400\" does not read as a number from 1 to 5000."},
        {"Belmont,,300", "server.txt:3: the model is empty."},
        {" ,B1,300", "server.txt:3: the manufacturer is empty."},
        {"Arcturon,Velantra 130,300", ""},
        {"", "server.txt:3: warning: blank line."},
    };
    for (const Case& c : cases) {
        const auto findings = list_findings(replace_line(good, 3, c.line));
        EXPECT_EQ(findings,
                  c.expected.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.expected})
            << c.line;
    }

    EXPECT_EQ(list_findings(good + "Arcturon,Velantra 130,300\r\n"),
              (std::vector<std::string>{"server.txt:4: the manufacturer \"Arcturon\" already has lines from "
                                        "line 1; keep a manufacturer's lines together, or it is listed "
                                        "twice."}));
    EXPECT_EQ(list_findings("no model here\r\n"),
              (std::vector<std::string>{"server.txt:1: the line \"no model here\" has fewer than two commas "
                                        "(manufacturer,model,VA), so it is skipped.",
                                        "server.txt: the list names no model."}));
}

TEST(DataFolderCheck, ShippedDataPassesAndAFolderFaultNamesTheFile) {
    EXPECT_EQ(formatted(check_data_folder(VELLIMAR_DATA_DIR)), std::vector<std::string>{});

    const auto folder = std::filesystem::temp_directory_path() / "vellimar-datacheck-test";
    std::filesystem::remove_all(folder);
    std::filesystem::copy(VELLIMAR_DATA_DIR, folder);
    std::filesystem::remove(folder / "telecom.txt");
    std::filesystem::remove(folder / "prod230.txt");
    std::ofstream(folder / "network.txt", std::ios::app | std::ios::binary) << "Broken line\r\n";

    const auto findings = check_data_folder(folder.string());
    std::filesystem::remove_all(folder);
    ASSERT_EQ(findings.size(), 3u) << formatted(findings).front();
    EXPECT_EQ(findings[0].file, (folder / "network.txt").string());
    EXPECT_EQ(findings[0].line, 172u);
    // Without its product file the 230 V table is still checked, its models not looked up.
    EXPECT_EQ(findings[1].file, (folder / "prod230.txt").string());
    EXPECT_NE(findings[1].message.find("prod230.txt"), std::string::npos);
    EXPECT_EQ(findings[2].file, (folder / "telecom.txt").string());
}

} // namespace
} // namespace vellimar::datacheck
