// The data file readers: lines, equipment lists, runtime tables and product sections.
#include "core/equipment_list.h"
#include "core/product_info.h"
#include "core/runtime_table.h"
#include "core/textfile.h"

#include <gtest/gtest.h>

#include <clocale>
#include <optional>

#include "scratch.h"

using Strings = std::vector<std::string>;
using namespace std::string_literals;
using namespace vellimar;

// clang-format off

namespace {
const std::string Longest(MaxLineLength, 'x'), Over(MaxLineLength + 1, 'x');

std::string utf16(const std::u16string& text, bool little) {
    std::string bytes = little ? "\xFF\xFE" : "\xFE\xFF";
    for (char16_t unit : text)
        bytes += {char(little ? unit & 0xFF : unit >> 8), char(little ? unit >> 8 : unit & 0xFF)};
    return bytes;
}
} // namespace

// The reader gives every line with its number whatever the size of the blocks
// it reads, so line ends, byte-order marks and UTF-16 characters straddle them.
TEST(Lines, EveryLineEndEndsALineInEveryEncoding) {
    const std::pair<std::string, Strings> cases[] = {
        {"a\r\nb\r\n", {"a", "b"}}, {"a\rb\r", {"a", "b"}}, {"a\nb\n", {"a", "b"}}, {"", {}}, {"\r\n", {""}},
        {"a\r\n\r\nb", {"a", "", "b"}}, {"a\n\rb", {"a", "", "b"}}, {"\xEF\xBB\xBF", {}},
        {"ab\r\ncd\ref\ngh\r\r\n\n", {"ab", "cd", "ef", "gh", "", ""}}, {"\xEF\xBB\xBFm,o,1\r\n", {"m,o,1"}},
        {"t\0o\r\n\xFF\xFE"s, {"t\0o"s, "\xFF\xFE"}}, {utf16(u"", false), {}},
        {"\xEF\xBB\r\xEF\xBB\xBF", {"\xEF\xBB", ""}}, {"a\r\n\xEF\xBB\xBF" "b\xEF\xBB\xBF\rc", {"a", "b\xEF\xBB\xBF", "c"}},
        {utf16(u"a\n\uFEFFb", true), {"a", "b"}},
        {"first\r\n" + Longest + "\r\nlast", {"first", Longest, "last"}},
        {utf16(u"Acme,Big \u00C9,250\r\nB\U0001F600,x,1\rc\n", true),
         {"Acme,Big \xC3\x89,250", "B\xF0\x9F\x98\x80,x,1", "c"}},
        {utf16(u"Acme,\u20AC\r\n\U0001F600", false), {"Acme,\xE2\x82\xAC", "\xF0\x9F\x98\x80"}},
        {utf16({0xD800, u'a', 0xDC00, 0, 0xD800}, true) + "x", // cut off within a pair, then within a unit
         {"\xEF\xBF\xBD" "a\xEF\xBF\xBD\0\xEF\xBF\xBD\xEF\xBF\xBD"s}}};
    for (const auto& [content, expected] : cases)
        for (std::size_t block : {1, 2, 3, 5, 1 << 18}) {
            SCOPED_TRACE(::testing::Message() << content.substr(0, 20) << " / " << block);
            LineReader reader(block);
            reader.open_text(content, "lines.txt");
            Strings lines;
            for (std::string_view line; reader.next(line); lines.emplace_back(line))
                EXPECT_EQ(reader.line_number(), lines.size() + 1);
            EXPECT_EQ(lines, expected);
            EXPECT_EQ(reader.error(), "");
        }
}

// A folder, a device, a missing file, one that fails to read, a line longer than any data file has, and a
// product file too large to be one are refused, naming the file, the reason in English whatever the locale.
TEST(Lines, FilesThatCannotBeUsedAreRefusedByName) {
    Scratch scratch;
    std::filesystem::create_directory(scratch.path("folder.txt"));
    const std::string too_long = " cannot be used: line ", bytes = " is longer than 65536 bytes.";
    std::filesystem::resize_file(scratch.write("zeros.txt", ""), 2ull << 30);
    const std::tuple<std::string, std::string, std::uint64_t> cases[] = {
        {scratch.path("missing.txt"), " could not be opened: No such file or directory.", 0},
        {scratch.path("folder.txt"), " could not be read: it is a folder, not a file.", 0},
        {"/dev/null", " could not be read: it is not an ordinary file.", 0},
        {"/proc/self/mem", " could not be read: Input/output error.", 0},
        {scratch.write("a", "\xEF\xBB\xBF" + Longest + "\r" + Longest + "\n" + Longest), "", 0},
        {scratch.write("c", "a\r\n" + Over + "\r\nb"), too_long + "2" + bytes, 0},
        {scratch.write("f", utf16(u"a\r\n", true) + Over + Over), too_long + "2" + bytes, 0},
        {scratch.path("zeros.txt"), too_long + "1" + bytes, 0},
        {"/proc/self/status", " cannot be used: it is larger than 100 bytes.", 100}, // size 0 to stat
        {scratch.write("g", std::string(LargestProductFile, '\n')), "", LargestProductFile},
        {scratch.write("h", std::string(LargestProductFile + 1, '\n')),
         " cannot be used: it is larger than 16777216 bytes.", LargestProductFile}};
    setenv("LANGUAGE", "de", 1); // strerror's German, were it asked
    setlocale(LC_ALL, "C.UTF-8");
    for (const auto& [path, reason, largest] : cases) {
        LineReader reader(4096);
        std::string_view line;
        std::string error;
        if (reader.open(path, error, largest)) {
            std::size_t given = 0;
            while (reader.next(line))
                ++given;
            error = reader.error();
            EXPECT_EQ(given, reader.line_number()); // none given twice when reading stops short
        }
        EXPECT_EQ(error, reason.empty() ? "" : "The data file \"" + path + "\"" + reason);
        EXPECT_FALSE(reader.next(line) || reader.skip_to_line_containing("x"));
    }
    setlocale(LC_ALL, "C");
}

TEST(Lines, Utf8IsKeptAndAnythingElseIsReadAsWindows1252) {
    const std::string valid = "K\xC3\xB6nig \xC2\x80\xDF\xBF\xE0\xA0\x80\xED\x9F\xBF\xEF\xBF\xBF"
                              "\xF0\x90\x80\x80\xF4\x8F\xBF\xBF";
    const std::pair<std::string, std::string> cases[] = {
        {valid, valid}, {"K\xF6nig \x80 5\xFF", "K\xC3\xB6nig \xE2\x82\xAC 5\xC3\xBF"},
        {"\x93q\x94\x81\x9F", "\xE2\x80\x9Cq\xE2\x80\x9D\xC2\x81\xC5\xB8"},
        // Overlong forms, a surrogate, beyond U+10FFFF, bad leads and continuations, cut off.
        {"\xC1\xBF", "\xC3\x81\xC2\xBF"}, {"\xE0\x9F\xBF", "\xC3\xA0\xC5\xB8\xC2\xBF"},
        {"\xF0\x8F\xBF\xBF", "\xC3\xB0\xC2\x8F\xC2\xBF\xC2\xBF"},
        {"\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xE2\x82\xAC"},
        {"\xF4\x90\x80\x80", "\xC3\xB4\xC2\x90\xE2\x82\xAC\xE2\x82\xAC"},
        {"\xF5\x80\x80\x80", "\xC3\xB5\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC"},
        {"\xC3(\xC3\xC0", "\xC3\x83(\xC3\x83\xC3\x80"}, {"a\xE2\x82", "a\xC3\xA2\xE2\x80\x9A"},
        {"5\x80", "5\xE2\x82\xAC"}};
    for (const auto& [raw, decoded] : cases) {
        std::string scratch;
        EXPECT_EQ(decode_line(raw), decoded) << raw;
        EXPECT_EQ(decoded_view(raw, scratch), decoded) << raw;
    }
    // Quoted in a message, a text is cut at a character boundary, and says so.
    const std::tuple<std::string, std::size_t, std::string> excerpts[] = {
        {"short", 5, "short"}, {"abcdef", 4, "abcd..."}, {"abc\xC3\xA9z", 4, "abc..."},
        {"abc\xC3\xA9z", 5, "abc\xC3\xA9..."}, {"\xA9\xA9\xA9", 2, "..."},
        {"M\xFCller GmbH", 6, "M\xC3\xBCller..."}};
    for (const auto& [raw, longest, shown] : excerpts)
        EXPECT_EQ(excerpt(raw, longest), shown) << raw;
}

// The picker lists one manufacturer per run of lines and, for one of them, every line of it in the whole
// file: the manufacturer as written, the model and the VA trimmed of spaces only. A line without two
// commas names no model. A file that cannot be read to its end gives nothing but a message.
TEST(EquipmentList, RunsAndTheModelsOfOneManufacturerFromTheFile) {
    Scratch scratch;
    const std::string path = scratch.write(
        "server.txt", ",Top,1\r\nA,One,10\r\nA,Two,20\nB,Three, 30\ra,Four,40\r\n,Five,50\r\nno commas\r\n"
                      "A , Six  ,  60  \r\nA,Two,20\r\nA,\tTab\t,\t7\t\r\nA,Commas, 1,250 , \r\nA,  ,  \r\n"
                      "A,Box 250\r\nM\xFCller,T\x96" "1,5\r\nM\xC3\xBCller,T2,6");
    Strings runs{"left over"};
    std::string error;
    ASSERT_TRUE(read_manufacturer_runs(path, runs, error)) << error;
    EXPECT_EQ(runs, (Strings{"A", "B", "a", "", "A ", "A", "M\xC3\xBCller"}));
    const std::pair<std::string, Strings> models_of[] = {
        {"A", {"One|10", "Two|20", "Two|20", "\tTab\t|\t7\t", "Commas|1,250 ,", "|"}}, {"nobody", {}},
        {"", {"Top|1", "Five|50"}},  {"A ", {"Six|60"}},  {"M\xC3\xBCller", {"T\xE2\x80\x93" "1|5", "T2|6"}}};
    std::vector<EquipmentLine> lines{{"x", "y", "z"}};
    for (const auto& [maker, expected] : models_of) {
        ASSERT_TRUE(read_models_of(path, maker, lines, error)) << error;
        Strings models;
        for (const EquipmentLine& line : lines)
            models.push_back(line.model + "|" + line.va);
        EXPECT_EQ(models, expected) << maker;
    }
    scratch.write("server.txt", "A,1,1\r\n" + Over);
    EXPECT_FALSE(read_manufacturer_runs(path, runs, error) || read_models_of(path, "A", lines, error));
    EXPECT_TRUE(runs.empty() && lines.empty());
    EXPECT_EQ(error, "The data file \"" + path + "\" cannot be used: line 2 is longer than 65536 bytes.");
}

// Blank lines aside, every record is read, in file order; at most eight match.
TEST(RuntimeTable, RecordsWhoseBandHoldsTheTotalBothBoundsIncluded) {
    std::string table = "\r\n  \r\n\t\r\n" + record("0-300", "a1") + record("301-500", "b") + "\r\n" +
                        record("0-300", "a2") + record("501-1000", "c") + record("250-250", "one") +
                        record(" 2001 - 2100 ", "blanks") + record("3000.5-3001.5", "dec") +
                        record("3002.-3003", "point") + record(".25-.4", "frac") +
                        record("999999999999999-999999999999999", "d15") +
                        record("1000000000000001-1000000000000001", "d16") +
                        record("99999999999999999990-99999999999999999999", "d20") +
                        record("007-007", "zeros") + record("4000-4000", "K\xF6nig");
    for (int i = 0; i < 10; ++i)
        table += record("6000-6000", std::to_string(i));
    Scratch scratch;
    const std::string path = scratch.write("230.txt", table);
    const std::pair<double, const char*> cases[] = {
        {0, "a1 a2 "},      {300, "a1 a2 "},  {301, "b "},     {500, "b "},         {999, "c "},
        {1000, "c "},       {1001, ""},       {-1, ""},        {250, "a1 a2 one "}, {250.5, "a1 a2 "},
        {2001, "blanks "},  {2100, "blanks "}, {3001, "dec "}, {3000, ""},          {3003, "point "},
        {0.3, "a1 a2 frac "}, {7, "a1 a2 zeros "}, {1e15, ""}, {1e20, "d20 "},      {4000, "K\xC3\xB6nig "},
        {999999999999999, "d15 "}, {1000000000000001, "d16 "}, {6000, "0 1 2 3 4 5 6 7 "}};
    for (const auto& [total, expected] : cases) {
        Strings records{"left over"};
        std::string error, tags;
        EXPECT_TRUE(matching_records(path, total, records, error)) << error;
        for (const std::string& found : records)
            tags += split_record(found)[2].substr(3) + " ";
        EXPECT_EQ(tags, expected) << total;
    }
}

// A band is two plain numbers: what a lenient reading would quietly turn into another band is a malformed
// record, reported with file and line even after the matches; so is a line too long for a data file, no
// file, or a table without a single record. An invisible character quoted is spelt out.
TEST(RuntimeTable, MalformedRecordsAreReportedWithFileAndLine) {
    Scratch scratch;
    const std::string path = scratch.path("120.txt"), file = "The runtime table \"" + path + "\"";
    const std::string malformed = file + " has a malformed record on line 3: ";
    const std::string nan = "\" of its load band is not a number.";
    const std::string none = " cannot be used: it has no records.";
    auto lower = [&](const std::string& bound) { return malformed + "the lower bound \"" + bound + nan; };
    auto upper = [&](const std::string& bound) { return malformed + "the upper bound \"" + bound + nan; };
    const std::pair<std::optional<std::string>, std::string> cases[] = {
        {std::nullopt, "The data file \"" + path + "\" could not be opened: No such file or directory."},
        {"", file + none}, {"\r\n \t\r\n\t", file + none},
        {"1-100 no tab\r\n", malformed + "it has no tab after the load band."},
        {record("100"), malformed + "its load band \"100\" has no \"-\" between the two bounds."},
        {record("abc-200"), lower("abc")}, {record("100-2x0"), upper("2x0")}, {record("-100"), lower("")},
        {record("100-"), upper("")}, {record("1e3-2000"), lower("1e3")},
        {record("100-200-300"), upper("200-300")},
        {record("1.2.3-5"), lower("1.2.3")}, {record("+5-10"), lower("+5")}, {record(".-5"), lower(".")},
        {record("1,000-2,000"), lower("1,000")}, {record("\xA0" "1-2"), lower("<U+00A0>1")},
        {record("1\xEF\xBB\xBF" "-2"), lower("1<U+FEFF>")}, {record("1\0" "0-2"s), lower("1\\00")},
        {record(std::string(400, '9') + "-1"), lower(std::string(40, '9') + "...")},
        {Over, "The data file \"" + path + "\" cannot be used: line 3 is longer than 65536 bytes."}};
    for (const auto& [bad, message] : cases) {
        Strings records{"left over"};
        std::string error;
        std::filesystem::remove(path);
        if (bad)
            scratch.write("120.txt", bad->find_first_not_of(" \t\r\n") == std::string::npos ? *bad
                                     : record("1-100", "a") + "\r\n" + *bad + "\r\n" + record("1-100", "b"));
        EXPECT_FALSE(matching_records(path, 50, records, error) || !records.empty());
        EXPECT_EQ(error, message);
    }
}

TEST(FamilyKey, EachRowAndTheLaterRowsThatOverrideIt) {
    const std::pair<const char*, const char*> cases[] = {
        {"Korr Pro 500", "Korr Pro"}, {"Korr Proto", "Korr Pro"}, {"QN 3000", "QN Series"}, {"XL RM", ""},
        {"PanoPro 1600", "PanoPro"}, {"Brisk 620", "BriskPro NET"}, {"Brisk 750XL", "BriskProXL"},
        {"Brisk 1000 RM", "BriskPro Rackmount"}, {"Brisk 1000 RMXL", "BriskPro Rackmount"}, {"", ""},
        {"PanoBrisk 750", "PanoBrisk"}, {"PanoBrisk RM", "PanoBrisk"}, {"MPS 5000", "Tandor"},
        {"PS 3000", "Tandor"}, {"QN PS", "Tandor"}, {"Korr Personal 400", "Korr Personal"},
        {"BriskPro Corehall 20k", "BriskPro Corehall"}, {"Webline 1400", "Webline"}, {"korr pro 500", ""},
        {"Korr Personal Webline", "Webline"}, {"Korr Webline 500", "Korr Webline"}, {"Vellimar 500", ""},
        {"Webline Office 1200", "Webline Office"}};
    for (auto [model, key] : cases)
        EXPECT_EQ(family_key(model), key) << model;
}

namespace {
// Sections in the shipped layout: a separator, a skipped line, the header,
// the body, and a line of seven or ten hyphens ending the body.
const std::string KorrWebline = "Korr Webline - line interactive\r\nKorr Webline body\r\n\r\n";
const std::string WeblineOffice = "Webline Office - with USB\r\nWebline Office body\r\n";
const std::string Catalogue =
    "Korr Webline is mentioned before any section\r\n----------------------------------------\r\n"
    "Catalogue section 1\r\n" + KorrWebline + "----------------------------------------\r\n"
    "Catalogue section 2: Webline Office in the skipped line\r\nWebline - basic battery backup\r\n"
    "Webline body\r\n-------\r\nText between sections is never shown\r\n----------\r\nskipped\r\n" +
    WeblineOffice + "----------\r\n";
} // namespace

TEST(ProductSection, HeaderAndBodyOfTheFirstSectionWhoseHeaderHoldsTheKey) {
    const std::string cut = "The product information file \"prod230.txt\" ends after the separator on line ";
    const std::string header = ", where a section header line should follow.";
    const std::tuple<std::string, const char*, std::string, std::string> cases[] = {
        // content, key, text shown, error
        {Catalogue, "Korr Webline", KorrWebline, ""}, {Catalogue, "Webline", KorrWebline, ""},
        {Catalogue, "basic battery", "Webline - basic battery backup\r\nWebline body\r\n", ""},
        {Catalogue, "Webline Office", WeblineOffice, ""}, {Catalogue, "Tandor", "", ""},
        {std::string(300000, '\r') + "----------\rx\rTandor\rbody\r", "Tandor", "Tandor\r\nbody\r\n", ""},
        {"x\r\n" + Longest + "\r\n----------\r\nx\r\nTandor\r\n", "Tandor", "Tandor\r\n", ""},
        {"----------\r\n----------\r\nTandor - x\r\nbody\r\n", "Tandor", "Tandor - x\r\nbody\r\n", ""},
        {"----------\r\nx\r\n\r\nno header\r\n----------\r\nx\r\nQN\r\nbody\r\n-------\r\n", "",
         "QN\r\nbody\r\n", ""},
        // A body running to the end of the file is shown whole.
        {"----------\r\nx\r\nTandor\r\nline 1\r\nline 2", "Tandor", "Tandor\r\nline 1\r\nline 2\r\n", ""},
        {"intro\r----------\nx\nKorr Pro \x96 caf\xE9\rline \xE2\x82\xAC 2\n-------\n", "Korr Pro",
         "Korr Pro \xE2\x80\x93 caf\xC3\xA9\r\nline \xE2\x82\xAC 2\r\n", ""},
        // A closing separator is no section cut off; a missing header line is.
        {"", "Tandor", "", ""}, {"text\r\n----------\r\n", "Tandor", "", ""},
        {"----------\r\n \t\r\n", "Tandor", "", ""},
        {"intro\r\n----------\r\nCatalogue section 9\r\n", "Tandor", "", cut + "2" + header},
        {"a\r\nb\nc\rd - e\r\n\n----------\r\nx\r\nQN\r\nbody\r\n----------\r\nx", "Tandor", "",
         cut + "10" + header},
        {std::string(30000, '\n') + "----------\r\nskipped", "", "", cut + "30001" + header}};
    for (const auto& [content, key, text, error] : cases)
        for (std::size_t block : {1, 2, 3, 7, 1 << 18}) { // lines and separators straddle blocks
            LineReader lines(block);
            lines.open_text(content, "prod230.txt");
            const ProductSection found = find_product_section(lines, key);
            EXPECT_EQ(std::tie(found.text, found.error, found.ok), std::tuple(text, error, error.empty()))
                << content << " / " << key << " / " << block;
        }
    // From a file: a product file far larger than any is refused before it is read.
    Scratch scratch;
    std::filesystem::resize_file(scratch.write("prod230.txt", Catalogue), 40ull << 30);
    EXPECT_EQ(read_product_section(scratch.write("prod120.txt", Catalogue), "Office").text, WeblineOffice);
    // A model text naming no family shows no section but a line saying so.
    EXPECT_EQ(read_model_information(scratch.path("prod120.txt"), "Webline Office 1500").text, WeblineOffice);
    EXPECT_EQ(read_model_information(scratch.path("prod120.txt"), "Pick a listed runtime").text,
              "No product information is available for \"Pick a listed runtime\".\r\n");
    const ProductSection large = read_product_section(scratch.path("prod230.txt"), "Office");
    EXPECT_FALSE(large.ok || !large.text.empty());
    EXPECT_EQ(large.error, "The data file \"" + scratch.path("prod230.txt") +
                               "\" cannot be used: it is larger than 16777216 bytes.");
}
// clang-format on
