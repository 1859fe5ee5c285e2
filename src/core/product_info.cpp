#include "core/product_info.h"

#include "core/textfile.h"

namespace vellimar {

namespace {

// A line with ten hyphens opens a section; one with seven ends a body.
constexpr std::string_view SectionSeparator = "----------";
constexpr std::string_view BodyEnd = "-------";

// An empty key is contained in every line that is not empty.
bool header_matches(std::string_view header, std::string_view key) {
    return key.empty() ? !header.empty() : contains(header, key);
}

} // namespace

std::string family_key(std::string_view model) {
    std::string key;
    if (contains(model, "Korr Pro"))
        key = "Korr Pro";
    if (contains(model, "QN"))
        key = "QN Series";
    if (contains(model, "PanoPro"))
        key = "PanoPro";
    if (contains(model, "Brisk")) {
        if (contains(model, "RM"))
            key = "BriskPro Rackmount";
        else if (contains(model, "XL"))
            key = "BriskProXL";
        else
            key = "BriskPro NET";
    }
    if (contains(model, "PanoBrisk"))
        key = "PanoBrisk";
    if (contains(model, "MPS") || contains(model, "PS"))
        key = "Tandor";
    if (contains(model, "Corehall"))
        key = "BriskPro Corehall";
    if (contains(model, "Korr Personal"))
        key = "Korr Personal";
    if (contains(model, "Webline"))
        key = "Webline";
    if (contains(model, "Webline Office"))
        key = "Webline Office";
    if (contains(model, "Korr Webline"))
        key = "Korr Webline";
    return key;
}

ProductSection find_product_section(std::string_view content, std::string_view key,
                                    const std::string& file_name) {
    ProductSection found;
    LineCursor cursor(content);
    std::string_view line;
    // Lines are tested raw: separators and keys are plain ASCII, which reads
    // the same in UTF-8 and in Windows-1252. Only what is shown is decoded.
    // The text between sections is never looked at, so the search runs from
    // one separator to the next rather than line by line.
    while (cursor.skip_to_line_containing(SectionSeparator) && cursor.next(line)) {
        std::string_view skipped, header;
        // A separator with nothing but blanks after it closes the file; a
        // section cut off before its header line is reported.
        if (!cursor.next(skipped))
            return found;
        if (!cursor.next(header)) {
            if (skipped.find_first_not_of(" \t") == std::string_view::npos)
                return found;
            found.ok = false;
            const std::size_t separator_line = cursor.line_number() - 1;
            found.error = "The product information file \"" + file_name +
                          "\" ends after the separator on line " + std::to_string(separator_line) +
                          ", where a section header line should follow.";
            return found;
        }
        if (!header_matches(header, key))
            continue;
        found.text = decode_line(header) + "\r\n";
        // The body runs to the end marker or, failing one, to the end of the
        // file, its last line included.
        std::string_view body;
        while (cursor.next(body) && !contains(body, BodyEnd)) {
            found.text += decode_line(body);
            found.text += "\r\n";
        }
        return found;
    }
    return found;
}

ProductSection read_product_section(const std::string& path, std::string_view key) {
    std::string content;
    ProductSection found;
    if (!read_data_file(path, content, found.error)) {
        found.ok = false;
        return found;
    }
    return find_product_section(content, key, path);
}

} // namespace vellimar
