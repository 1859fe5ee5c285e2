#pragma once
// The product information files: which product family a model belongs to,
// and that family's section of descriptive text.
#include <array>
#include <string>
#include <string_view>

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

struct ProductSection {
    bool ok = true;
    // Header line and body lines, each ended by CR LF, as UTF-8; empty when
    // no section belongs to the family.
    std::string text;
    // Why the file could not be used, naming the file and line.
    std::string error;
};

// Finds the first section whose header line contains `key` (an empty key
// matches any non-empty header). `file_name` names the file in messages.
ProductSection find_product_section(std::string_view content, std::string_view key,
                                    const std::string& file_name);

// Reads the product information file at `path` and finds the section.
ProductSection read_product_section(const std::string& path, std::string_view key);

} // namespace vellimar
