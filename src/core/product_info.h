#pragma once
// The product information files: which product family a model belongs to,
// and that family's section of descriptive text.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/textfile.h"

namespace vellimar {

// Every family name `family_key` can give, in the order of its rules.
constexpr std::array<std::string_view, 13> FamilyKeys = {
    "Korr Pro",     "QN Series",      "PanoPro",     "BriskPro Rackmount", "BriskProXL",
    "BriskPro NET", "PanoBrisk",      "Tandor",      "BriskPro Corehall",  "Korr Personal",
    "Webline",      "Webline Office", "Korr Webline"};

// The product-family name looked for in a product information file; empty
// when the model text names no known family. Later rules win over earlier
// ones, so "PanoBrisk 750I" is a PanoBrisk and not a BriskPro NET.
std::string family_key(std::string_view model_text);

// The shipped product files hold some 17 KB; a file a thousand times larger
// is no product file, and reading it would stall the viewer.
constexpr std::uint64_t LargestProductFile = 16 * 1024 * 1024;

// A model text shorter than this, counted as the screens count characters,
// opens no product information.
constexpr std::size_t ShortestModelText = 3;
bool opens_product_information(std::string_view model_text);

// The sections of a product information file, in the order the viewer reads
// them: a line holding ten hyphens is a separator, the line after it is
// skipped unseen, the next one is the header line, and the body runs up to
// the first line holding seven hyphens. The search for the next separator
// goes on after the header line, so a separator that ends a body opens the
// next section, while one in the skipped line or as the header opens none.
class SectionWalk {
  public:
    explicit SectionWalk(LineReader& lines) : lines_(lines) {}

    // Moves to the next section's header line; false when none is left, on
    // a read failure (the reader's error()), or when the file ends after a
    // separator where a header line should follow (cut_off()).
    bool next_section();
    // The current header line, raw, valid until the walk or reader moves on.
    std::string_view header() const { return header_; }
    std::size_t header_line() const { return header_line_; }
    std::size_t separator_line() const { return separator_line_; }
    // Whether the line skipped after the separator was itself a separator.
    bool skipped_a_separator() const { return skipped_separator_; }
    // Gives the next body line; false at the line ending the body or at the
    // end of the file.
    bool next_body_line(std::string_view& line);
    // The file ended after the separator of separator_line(), before the
    // header, and the skipped line was not blank.
    bool cut_off() const { return cut_off_; }

  private:
    LineReader& lines_;
    std::string_view header_;
    std::size_t header_line_ = 0;
    std::size_t separator_line_ = 0;
    bool skipped_separator_ = false;
    bool in_body_ = false;
    bool separator_read_ = false; // a body ended on a separator, already read
    bool cut_off_ = false;
};

struct ProductSection {
    bool ok = true;
    // Header line and body lines, each ended by CR LF, as UTF-8; empty when
    // no section belongs to the family.
    std::string text;
    // Why the file could not be used, naming the file and line.
    std::string error;
};

// Whether a section with this header line is the one of the family `key`
// (an empty key finds any header line that is not empty).
bool header_holds_key(std::string_view header, std::string_view key);

// Finds the first section whose header line holds `key`, in `lines`, an
// opened product information file.
ProductSection find_product_section(LineReader& lines, std::string_view key);

// Reads the product information file at `path` and finds the section.
ProductSection read_product_section(const std::string& path, std::string_view key);

// What the viewer shows for a model text: its family's section of the file
// at `path`; for a text that names no family (a hint such as "Runtime on
// request"), one line saying so, since any section would be another
// product's.
ProductSection read_model_information(const std::string& path, std::string_view model_text);

} // namespace vellimar
