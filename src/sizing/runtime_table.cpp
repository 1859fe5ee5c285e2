#include "sizing/runtime_table.h"

#include <charconv>
#include <system_error>

#include "common/textfile.h"

namespace vellimar {

namespace {

constexpr std::string_view Blanks = " \t";

bool is_blank(std::string_view line) {
    return line.find_first_not_of(Blanks) == std::string_view::npos;
}

std::string_view trim_blanks(std::string_view text) {
    std::size_t first = text.find_first_not_of(Blanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(Blanks) - first + 1);
}

// A bound is a plain decimal number: digits with at most one point, blanks
// around it allowed. Anything else would silently shift a band.
bool read_bound(std::string_view text, double& value) {
    text = trim_blanks(text);
    std::size_t digits = 0;
    std::size_t points = 0;
    for (char c : text) {
        if (c >= '0' && c <= '9')
            ++digits;
        else if (c != '.' || ++points > 1)
            return false;
    }
    if (digits == 0)
        return false;
    const char* end = text.data() + text.size();
    auto [stop, failure] = std::from_chars(text.data(), end, value, std::chars_format::fixed);
    return failure == std::errc() && stop == end;
}

// A bound as the user may see it in a message: short, and valid UTF-8.
std::string shown_bound(std::string_view raw) {
    constexpr std::size_t Longest = 40;
    if (raw.size() <= Longest)
        return decode_line(raw);
    std::size_t cut = Longest;
    while (cut > 0 && (static_cast<unsigned char>(raw[cut]) & 0xC0) == 0x80)
        --cut;
    return decode_line(raw.substr(0, cut)) + "...";
}

std::string quoted(const std::string& text) {
    return "\"" + text + "\"";
}

} // namespace

bool read_load_band(std::string_view record, double& lower, double& upper, std::string& reason) {
    std::size_t tab = record.find('\t');
    if (tab == std::string_view::npos) {
        reason = "it has no tab after the load band.";
        return false;
    }
    std::string_view band = record.substr(0, tab);
    std::size_t dash = band.find('-');
    if (dash == std::string_view::npos) {
        reason = "its load band " + quoted(shown_bound(band)) + " has no \"-\" between the two bounds.";
        return false;
    }
    if (!read_bound(band.substr(0, dash), lower)) {
        reason = "the lower bound " + quoted(shown_bound(band.substr(0, dash))) +
                 " of its load band is not a number.";
        return false;
    }
    if (!read_bound(band.substr(dash + 1), upper)) {
        reason = "the upper bound " + quoted(shown_bound(band.substr(dash + 1))) +
                 " of its load band is not a number.";
        return false;
    }
    return true;
}

bool is_blank_record(std::string_view record) {
    return is_blank(record);
}

bool match_records(std::string_view content, const std::string& name, double total,
                   std::vector<std::string>& records, std::string& error) {
    records.clear();
    LineCursor cursor(content);
    std::string_view line;
    std::string reason;
    while (cursor.next(line)) {
        if (is_blank(line))
            continue;
        double lower = 0;
        double upper = 0;
        if (!read_load_band(line, lower, upper, reason)) {
            records.clear();
            error = "The runtime table " + quoted(name) + " has a malformed record on line " +
                    std::to_string(cursor.line_number()) + ": " + reason;
            return false;
        }
        // Later records are still checked, so a fault anywhere is reported.
        if (lower <= total && total <= upper && records.size() < MaxMatchingRecords)
            records.push_back(decode_line(line));
    }
    return true;
}

bool matching_records(const std::string& path, double total, std::vector<std::string>& records,
                      std::string& error) {
    records.clear();
    std::string content;
    if (!read_data_file(path, content, error))
        return false;
    return match_records(content, path, total, records, error);
}

RecordFields split_record(std::string_view record) {
    RecordFields fields;
    std::size_t start = 0;
    for (std::size_t i = 0; i < RecordFieldCount; ++i) {
        std::size_t tab = record.find('\t', start);
        fields[i] = std::string(record.substr(start, tab == std::string_view::npos ? tab : tab - start));
        if (tab == std::string_view::npos)
            break;
        start = tab + 1;
    }
    return fields;
}

} // namespace vellimar
