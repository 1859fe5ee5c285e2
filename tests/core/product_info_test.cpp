#include "core/product_info.h"

#include <gtest/gtest.h>

#include "scratch.h"

using namespace vellimar;

TEST(FamilyKey, EachRowAndTheLaterRowsThatOverrideIt) {
    // clang-format off
    const std::pair<const char*, const char*> cases[] = {
        {"Korr Pro 500", "Korr Pro"},        {"Korr Proto", "Korr Pro"},        {"QN 3000", "QN Series"},
        {"PanoPro 1600", "PanoPro"},         {"Brisk 620", "BriskPro NET"},     {"Brisk 750XL", "BriskProXL"},
        {"Brisk 1000 RM", "BriskPro Rackmount"}, {"Brisk 1000 RMXL", "BriskPro Rackmount"}, // RM before XL
        {"XL RM", ""},                       {"PanoBrisk 750", "PanoBrisk"},    {"PanoBrisk RM", "PanoBrisk"},
        {"MPS 5000", "Tandor"},              {"PS 3000", "Tandor"},             {"QN PS", "Tandor"},
        {"Korr Personal 400", "Korr Personal"}, {"BriskPro Corehall 20k", "BriskPro Corehall"},
        {"Webline 1400", "Webline"},         {"Korr Personal Webline", "Webline"},
        {"Korr Webline 500", "Korr Webline"}, {"Webline Office 1200", "Webline Office"},
        {"korr pro 500", ""},                {"Vellimar 500", ""},              {"", ""}};
    // clang-format on
    for (auto [model, key] : cases)
        EXPECT_EQ(family_key(model), key) << model;
}

namespace {

// Sections in the shipped layout: a separator, a skipped line, the header,
// the body, and a line of seven or ten hyphens ending the body.
const std::string Catalogue =
    "Korr Webline is mentioned before any section\r\n----------------------------------------\r\n"
    "Catalogue section 1\r\nKorr Webline - line interactive\r\nKorr Webline body\r\n\r\n"
    "----------------------------------------\r\nCatalogue section 2: Webline Office in the skipped line\r\n"
    "Webline - basic battery backup\r\nWebline body\r\n-------\r\nText between sections is never shown\r\n"
    "----------\r\nskipped\r\nWebline Office - with USB\r\nWebline Office body\r\n"
    "----------------------------------------\r\n";
const std::string KorrWebline = "Korr Webline - line interactive\r\nKorr Webline body\r\n\r\n";
const std::string WeblineOffice = "Webline Office - with USB\r\nWebline Office body\r\n";

} // namespace

TEST(ProductSection, HeaderAndBodyOfTheFirstSectionWhoseHeaderHoldsTheKey) {
    const std::string cut = "The product information file \"prod230.txt\" ends after the separator on line ";
    const std::string header_expected = " where a section header line should follow.";
    // clang-format off
    const std::tuple<std::string, const char*, std::string, std::string> cases[] = {
        // content, key, text shown, error
        {Catalogue, "Korr Webline", KorrWebline, ""},
        {Catalogue, "basic battery", "Webline - basic battery backup\r\nWebline body\r\n", ""},
        {Catalogue, "Webline Office", WeblineOffice, ""},
        {Catalogue, "Webline", KorrWebline, ""},
        {Catalogue, "Tandor", "", ""},
        {"----------\r\n----------\r\nTandor - x\r\nbody\r\n", "Tandor", "Tandor - x\r\nbody\r\n", ""},
        {"----------\r\nx\r\n\r\nno header\r\n----------\r\nx\r\nQN\r\nbody\r\n-------\r\n", "",
         "QN\r\nbody\r\n", ""},
        // A body running to the end of the file is shown whole.
        {"----------\r\nx\r\nTandor\r\nline 1\r\nline 2", "Tandor", "Tandor\r\nline 1\r\nline 2\r\n", ""},
        {"----------\r\nx\r\nTandor\r\n", "Tandor", "Tandor\r\n", ""},
        {"intro\r----------\nx\nKorr Pro \x96 caf\xE9\rline \xE2\x82\xAC 2\n-------\n", "Korr Pro",
         "Korr Pro \xE2\x80\x93 caf\xC3\xA9\r\nline \xE2\x82\xAC 2\r\n", ""},
        // A closing separator is no section cut off; a missing header line is.
        {"", "Tandor", "", ""},
        {"text\r\n----------\r\n", "Tandor", "", ""},
        {"----------\r\n \t\r\n", "Tandor", "", ""},
        {"intro\r\n----------\r\nCatalogue section 9\r\n", "Tandor", "", cut + "2," + header_expected},
        {"intro\r\n----------\r\nskipped", "", "", cut + "2," + header_expected},
        {"a\r\nb\nc\rd - e\r\n\n----------\r\nx\r\nQN\r\nbody\r\n----------\r\nx", "Tandor", "",
         cut + "10," + header_expected}};
    // clang-format on
    for (const auto& [content, key, text, error] : cases) {
        const ProductSection found = find_product_section(content, key, "prod230.txt");
        EXPECT_EQ(found.text, text) << content << " / " << key;
        EXPECT_EQ(found.error, error) << content << " / " << key;
        EXPECT_EQ(found.ok, error.empty());
    }
}

TEST(ProductSection, ReadFromTheFileOrAMessageNamingIt) {
    Scratch scratch;
    const ProductSection found =
        read_product_section(scratch.write("prod120.txt", Catalogue), "Webline Office");
    const ProductSection missing = read_product_section(scratch.path("prod230.txt"), "Webline");
    EXPECT_TRUE(found.ok && !missing.ok);
    EXPECT_EQ(found.text + "|" + missing.text, WeblineOffice + "|");
    EXPECT_EQ(missing.error, "The data file \"" + scratch.path("prod230.txt") +
                                 "\" could not be opened: No such file or directory.");
}
