#include "core/runtime_table.h"

#include <charconv>
#include <cstdint>
#include <system_error>

#include "core/textfile.h"

namespace vellimar {

namespace {

// Hand-written rather than find_first_not_of: these run on every line of
// tables of any size, and the library calls memchr once per character.
bool is_blank_char(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trim_blanks(std::string_view text) {
    while (!text.empty() && is_blank_char(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && is_blank_char(text.back()))
        text.remove_suffix(1);
    return text;
}

// A bound is a plain decimal number: digits with at most one point, blanks
// around it allowed. Anything else would silently shift a band.
bool read_bound(std::string_view text, double& value) {
    text = trim_blanks(text);
    std::size_t digits = 0;
    std::size_t points = 0;
    std::uint64_t whole = 0; // only used below when it cannot have wrapped
    for (char c : text) {
        if (c >= '0' && c <= '9') {
            ++digits;
            whole = whole * 10 + static_cast<std::uint64_t>(c - '0');
        } else if (c != '.' || ++points > 1) {
            return false;
        }
    }
    if (digits == 0)
        return false;
    // A whole number of up to 15 digits is exact in a double, as from_chars
    // would give it; the usual bound is one, and from_chars costs far more.
    if (points == 0 && digits <= 15) {
        value = static_cast<double>(whole);
        return true;
    }
    const char* end = text.data() + text.size();
    auto [stop, failure] = std::from_chars(text.data(), end, value, std::chars_format::fixed);
    return failure == std::errc() && stop == end;
}

// A bound as the user may see it in a message: short, and valid UTF-8.
std::string shown_bound(std::string_view raw) {
    return excerpt(raw, 40);
}

} // namespace

bool is_blank_record(std::string_view record) {
    for (char c : record) {
        if (!is_blank_char(c))
            return false;
    }
    return true;
}

bool read_load_band(std::string_view record, double& lower, double& upper, std::string& reason) {
    std::size_t tab = record.find('\t');
    if (tab == std::string_view::npos) {
        reason = "it has no tab after the load band.";
        return false;
    }
    std::string_view band = record.substr(0, tab);
    std::size_t dash = band.find('-');
    if (dash == std::string_view::npos) {
        reason = "its load band " + in_quotes(shown_bound(band)) + " has no \"-\" between the two bounds.";
        return false;
    }
    if (!read_bound(band.substr(0, dash), lower)) {
        reason = "the lower bound " + in_quotes(shown_bound(band.substr(0, dash))) +
                 " of its load band is not a number.";
        return false;
    }
    if (!read_bound(band.substr(dash + 1), upper)) {
        reason = "the upper bound " + in_quotes(shown_bound(band.substr(dash + 1))) +
                 " of its load band is not a number.";
        return false;
    }
    return true;
}

namespace {

// Both bounds inclusive; every record is checked, so a fault anywhere in the
// table is reported, not only one before the matches.
bool match_lines(LineReader& lines, double total, std::vector<std::string>& records, std::string& error) {
    std::string_view line;
    std::string reason;
    bool any_record = false;
    while (lines.next(line)) {
        if (is_blank_record(line))
            continue;
        any_record = true;
        double lower = 0;
        double upper = 0;
        if (!read_load_band(line, lower, upper, reason)) {
            records.clear();
            error = "The runtime table " + in_quotes(path_in_message(lines.name())) +
                    " has a malformed record on line " + std::to_string(lines.line_number()) + ": " + reason;
            return false;
        }
        if (lower <= total && total <= upper && records.size() < MaxMatchingRecords)
            records.push_back(decode_line(line));
    }
    error = lines.error();
    // A table without a record is a broken installation, not a total that
    // lies in no band.
    if (error.empty() && !any_record)
        error = "The runtime table " + in_quotes(path_in_message(lines.name())) +
                " cannot be used: it has no records.";
    if (!error.empty())
        records.clear();
    return error.empty();
}

} // namespace

bool matching_records(const std::string& path, double total, std::vector<std::string>& records,
                      std::string& error) {
    records.clear();
    // Read a block at a time: a table is read whole for every suggestion, and
    // a large one need not sit in memory for that.
    LineReader lines;
    return lines.open(path, error) && match_lines(lines, total, records, error);
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
