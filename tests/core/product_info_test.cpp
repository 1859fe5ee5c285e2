#include "core/product_info.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

using namespace vellimar;

namespace {

ProductSection find(std::string_view content, std::string_view key) {
    return find_product_section(content, key, "prod230.txt");
}

// Three sections in the shipped layout: a separator, a skipped line, the
// header, the body, and the next separator ending the body.
const std::string Catalogue = "Product information, 230 V\r\n"
                              "Korr Webline is mentioned before any section\r\n"
                              "----------------------------------------\r\n"
                              "Catalogue section 1\r\n"
                              "Korr Webline - line interactive\r\n"
                              "Korr Webline body line\r\n"
                              "\r\n"
                              "----------------------------------------\r\n"
                              "Catalogue section 2: Webline Office in the skipped line\r\n"
                              "Webline - basic battery backup\r\n"
                              "Webline body 1\r\n"
                              "Webline body 2\r\n"
                              "-------\r\n"
                              "Text between sections is never shown\r\n"
                              "----------\r\n"
                              "skipped\r\n"
                              "Webline Office - with USB\r\n"
                              "Webline Office body\r\n"
                              "----------------------------------------\r\n";

} // namespace

TEST(FamilyKey, EachRowAndTheLaterRowsThatOverrideIt) {
    const std::pair<const char*, const char*> cases[] = {
        {"Korr Pro 500", "Korr Pro"},
        {"QN 3000", "QN Series"},
        {"PanoPro 1600", "PanoPro"},
        {"Brisk 620", "BriskPro NET"},
        {"Brisk 1000 RM", "BriskPro Rackmount"},
        {"Brisk 750XL", "BriskProXL"},
        {"Brisk 1000 RMXL", "BriskPro Rackmount"}, // RM is tested before XL
        {"XL RM without the family", ""},
        {"PanoBrisk 750", "PanoBrisk"}, // not BriskPro NET
        {"PanoBrisk 1000 RM", "PanoBrisk"},
        {"MPS 5000", "Tandor"},
        {"PS 3000", "Tandor"},
        {"BriskPro Corehall 20k", "BriskPro Corehall"},
        {"Corehall", "BriskPro Corehall"},
        {"Korr Personal 400", "Korr Personal"},
        {"Webline 1400", "Webline"},
        {"Webline Office 1200 + 1 pack", "Webline Office"},
        {"Korr Webline 500", "Korr Webline"},
        {"Korr Proto", "Korr Pro"},
        {"korr pro 500", ""}, // the tests are case-sensitive
        {"", ""},
        {"Vellimar 500", ""},
        {"QN PS", "Tandor"},
        {"Korr Personal Webline", "Webline"},
    };
    for (auto [model, key] : cases)
        EXPECT_EQ(family_key(model), key) << model;
}

TEST(ProductSection, ShowsTheHeaderAndBodyOfTheFirstMatchingSection) {
    ProductSection found = find(Catalogue, "Korr Webline");
    ASSERT_TRUE(found.ok) << found.error;
    EXPECT_EQ(found.text, "Korr Webline - line interactive\r\nKorr Webline body line\r\n\r\n");

    // Seven hyphens end a body; the end marker line is not shown.
    found = find(Catalogue, "basic battery");
    EXPECT_EQ(found.text, "Webline - basic battery backup\r\nWebline body 1\r\nWebline body 2\r\n");

    // "Webline Office" in a skipped line is not a header.
    found = find(Catalogue, "Webline Office");
    EXPECT_EQ(found.text, "Webline Office - with USB\r\nWebline Office body\r\n");

    // The line after a separator is skipped unseen, even a separator.
    found = find("----------\r\n----------\r\nTandor - x\r\nbody\r\n", "Tandor");
    EXPECT_EQ(found.text, "Tandor - x\r\nbody\r\n");

    // A key contained in several headers gets whichever comes first.
    for (const char* key : {"Webline", "line"}) {
        found = find(Catalogue, key);
        EXPECT_EQ(found.text.substr(0, 33), "Korr Webline - line interactive\r\n") << key;
    }
}

TEST(ProductSection, EmptyKeyShowsTheFirstSectionWithAHeader) {
    const std::string content = "----------\r\n"
                                "skipped\r\n"
                                "\r\n"
                                "body of a section without header\r\n"
                                "----------\r\n"
                                "skipped\r\n"
                                "QN Series - on-line\r\n"
                                "QN body\r\n"
                                "-------\r\n";
    ProductSection found = find(content, "");
    ASSERT_TRUE(found.ok);
    EXPECT_EQ(found.text, "QN Series - on-line\r\nQN body\r\n");
}

TEST(ProductSection, NoMatchingSectionGivesAnEmptyText) {
    // A closing separator at the end of the file, as the shipped files
    // have, is not a section cut off.
    for (const std::string& content : {Catalogue, std::string(), std::string("no sections at all\r\n"),
                                       std::string("----------\r\n"), std::string("----------\r\n\r\n")}) {
        ProductSection found = find(content, "Tandor");
        EXPECT_TRUE(found.ok) << found.error;
        EXPECT_EQ(found.text, "");
    }
}

TEST(ProductSection, KeepsTheLastLinesOfASectionCutShortByTheEndOfTheFile) {
    // A body running to the end of the file keeps its last line.
    ProductSection found = find("----------\r\nx\r\nTandor\r\nline 1\r\nline 2", "Tandor");
    ASSERT_TRUE(found.ok);
    EXPECT_EQ(found.text, "Tandor\r\nline 1\r\nline 2\r\n");
    found = find("----------\r\nx\r\nTandor\r\nline 1\r\n", "Tandor");
    EXPECT_EQ(found.text, "Tandor\r\nline 1\r\n");
    // A header that is the file's last line is shown.
    found = find("----------\r\nx\r\nTandor\r\n", "Tandor");
    ASSERT_TRUE(found.ok);
    EXPECT_EQ(found.text, "Tandor\r\n");
}

TEST(ProductSection, ASectionCutOffBeforeItsHeaderLineIsReported) {
    for (const char* content :
         {"intro\r\n----------\r\nCatalogue section 9\r\n", "intro\r\n----------\r\nskipped"}) {
        ProductSection found = find(content, "Tandor");
        EXPECT_FALSE(found.ok) << content;
        EXPECT_EQ(found.text, "");
        EXPECT_NE(found.error.find("\"prod230.txt\""), std::string::npos) << found.error;
        EXPECT_NE(found.error.find("line 2"), std::string::npos) << found.error;
    }
}

TEST(ProductSection, ACutOffSectionIsReportedOnItsLineAfterSectionsPassedOver) {
    // Every kind of line end before it, and a section of another family.
    ProductSection found = find("intro\r\nmore\nlines\rwith - dashes\r\n\n----------\r\nx\r\nQN Series\r\n"
                                "body\r\n----------\r\nskipped",
                                "Tandor");
    EXPECT_FALSE(found.ok);
    EXPECT_NE(found.error.find("separator on line 10,"), std::string::npos) << found.error;
}

TEST(ProductSection, DecodesWhatItShowsAndAcceptsEveryLineEnd) {
    ProductSection found =
        find("----------\nx\nKorr Pro \x96 caf\xE9\rline \xE2\x82\xAC 2\n-------\n", "Korr Pro");
    ASSERT_TRUE(found.ok);
    EXPECT_EQ(found.text, "Korr Pro \xE2\x80\x93 caf\xC3\xA9\r\nline \xE2\x82\xAC 2\r\n");
}

TEST(ProductSection, MissingFileIsReportedByName) {
    ProductSection found = read_product_section("no-such-dir/prod120.txt", "Korr Pro");
    EXPECT_FALSE(found.ok);
    EXPECT_EQ(found.text, "");
    EXPECT_NE(found.error.find("\"no-such-dir/prod120.txt\""), std::string::npos) << found.error;
}
