#include "core/product_info.h"

#include "core/textfile.h"

namespace vellimar {

namespace {

// A line with ten hyphens opens a section; one with seven ends a body.
constexpr std::string_view SectionSeparator = "----------";
constexpr std::string_view BodyEnd = "-------";

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

bool opens_product_information(std::string_view model_text) {
    return screen_length(model_text) >= ShortestModelText;
}

bool header_holds_key(std::string_view header, std::string_view key) {
    return key.empty() ? !header.empty() : contains(header, key);
}

bool SectionWalk::next_section() {
    std::string_view line;
    // Lines are tested raw: separators and keys are plain ASCII, which reads
    // the same in UTF-8 and in Windows-1252. The text between sections is
    // never looked at, so the search runs from one separator to the next.
    in_body_ = false;
    if (!separator_read_ && !(lines_.skip_to_line_containing(SectionSeparator) && lines_.next(line)))
        return false;
    separator_read_ = false;
    separator_line_ = lines_.line_number();
    std::string_view skipped;
    // A separator with nothing after it, or nothing but blanks, closes the
    // file; a section cut off before its header line is not.
    if (!lines_.next(skipped))
        return false;
    skipped_separator_ = contains(skipped, SectionSeparator);
    const bool blank = skipped.find_first_not_of(" \t") == std::string_view::npos;
    if (!lines_.next(header_)) {
        cut_off_ = lines_.error().empty() && !blank;
        return false;
    }
    header_line_ = lines_.line_number();
    in_body_ = true;
    return true;
}

bool SectionWalk::next_body_line(std::string_view& line) {
    if (!in_body_ || !lines_.next(line))
        return in_body_ = false;
    if (contains(line, BodyEnd)) {
        separator_read_ = contains(line, SectionSeparator);
        return in_body_ = false;
    }
    return true;
}

ProductSection find_product_section(LineReader& lines, std::string_view key) {
    ProductSection found;
    SectionWalk walk(lines);
    while (walk.next_section()) {
        if (!header_holds_key(walk.header(), key))
            continue;
        found.text = decode_line(walk.header()) + "\r\n";
        // The body runs to the end marker or, failing one, to the end of the
        // file, its last line included.
        std::string_view body;
        while (walk.next_body_line(body)) {
            found.text += decode_line(body);
            found.text += "\r\n";
        }
        break;
    }
    found.error = lines.error();
    if (found.error.empty() && walk.cut_off())
        found.error = "The product information file \"" + path_in_message(lines.name()) +
                      "\" ends after the separator on line " + std::to_string(walk.separator_line()) +
                      ", where a section header line should follow.";
    if (!found.error.empty()) {
        found.ok = false;
        found.text.clear();
    }
    return found;
}

ProductSection read_product_section(const std::string& path, std::string_view key) {
    LineReader lines;
    ProductSection found;
    if (!lines.open(path, found.error, LargestProductFile)) {
        found.ok = false;
        return found;
    }
    return find_product_section(lines, key);
}

ProductSection read_model_information(const std::string& path, std::string_view model_text) {
    const std::string key = family_key(model_text);
    if (!key.empty())
        return read_product_section(path, key);
    ProductSection none;
    none.text = "No product information is available for " + in_quotes(model_text) + ".\r\n";
    return none;
}

} // namespace vellimar
