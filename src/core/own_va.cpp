#include "core/own_va.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <regex>

#include "core/numbers.h"
#include "core/textfile.h"

namespace vellimar {

namespace {

using std::regex_constants::icase;

// The figure the user meant, where the way a trimmed text is written says so
// plainly: digit groups ("1,200"), kilovolt-amperes ("1.5 kVA"), an exponent.
std::optional<double> meant_figure(const std::string& text) {
    static const std::regex grouped(R"((\d{1,3}(?:[,' ]\d{3})+)(\.\d*)?[ \t\n]*(?:va)?)", icase);
    static const std::regex kilo(R"((\d+(?:\.\d*)?|\.\d+)[ \t\n]*kva)", icase);
    static const std::regex exponent(R"(\d+(?:\.\d*)?e[+-]?\d+[ \t\n]*(?:va)?)", icase);
    std::smatch parts;
    if (std::regex_match(text, parts, grouped)) {
        std::string digits;
        for (char c : parts[1].str())
            if (c >= '0' && c <= '9')
                digits += c;
        return lenient_parse(digits + parts[2].str());
    }
    if (std::regex_match(text, parts, kilo))
        return lenient_parse(parts[1].str()) * 1000;
    if (std::regex_match(text, exponent))
        return lenient_parse(text);
    return std::nullopt;
}

bool in_range(double rounded) {
    return rounded >= 1 && rounded <= LargestLoadVa;
}

constexpr std::string_view Blanks = " \t\n";

std::string_view trimmed(std::string_view text) {
    const std::size_t first = std::min(text.find_first_not_of(Blanks), text.size());
    text.remove_prefix(first);
    return text.substr(0, text.find_last_not_of(Blanks) + 1);
}

// A sign, digits with at most one decimal point, and perhaps "VA" after.
bool is_plain_number(std::string_view text) {
    text = trimmed(text);
    if (text.size() >= 2 && (text[text.size() - 2] | 0x20) == 'v' && (text.back() | 0x20) == 'a')
        text = trimmed(text.substr(0, text.size() - 2));
    if (!text.empty() && (text[0] == '+' || text[0] == '-'))
        text.remove_prefix(1);
    const std::size_t point = text.find('.');
    const std::size_t digits = text.size() - (point == std::string_view::npos ? 0 : 1);
    return digits > 0 && text.find_first_not_of("0123456789.") == std::string_view::npos &&
           (point == std::string_view::npos || text.find('.', point + 1) == std::string_view::npos);
}

bool starts_with_number(std::string_view text) {
    text = trimmed(text);
    if (!text.empty() && (text[0] == '+' || text[0] == '-'))
        text.remove_prefix(1);
    if (!text.empty() && text[0] == '.')
        text.remove_prefix(1);
    return !text.empty() && text[0] >= '0' && text[0] <= '9';
}

// No figure written in a way these patterns know is longer.
constexpr std::size_t LongestFigure = 40;

} // namespace

OwnVaEntry own_va_entry(std::string_view typed) {
    if (!is_plain_number(typed) && starts_with_number(typed)) {
        const std::string read(trimmed(typed));
        const std::optional<double> figure = read.size() <= LongestFigure ? meant_figure(read) : std::nullopt;
        if (figure && !in_range(round_half_even(*figure)))
            return {std::nullopt, OwnVaRangeMessage};
        return {std::nullopt, in_quotes(excerpt(read, LongestFigure)) + " is not a plain number of VA; " +
                                  (figure ? "type it as " + number_to_text(*figure).substr(1) + "."
                                          : "type the figure in VA alone, for example 250.")};
    }
    const double rounded = round_half_even(lenient_parse(typed));
    if (!in_range(rounded))
        return {std::nullopt, OwnVaRangeMessage};
    const std::string value = number_to_text(static_cast<std::int64_t>(rounded));
    return {LoadItem{"Specific VA: " + value, value}, {}};
}

} // namespace vellimar
