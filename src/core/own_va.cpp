#include "core/own_va.h"

#include <algorithm>
#include <cstdint>
#include <optional>

#include "core/numbers.h"
#include "core/textfile.h"

namespace vellimar {

namespace {

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

// A reading position in a trimmed text, for the few ways of writing a figure
// that these rules recognise. Letters compare without regard to case.
class Cursor {
  public:
    explicit Cursor(std::string_view text) : text_(text) {}
    bool at_end() const { return at_ == text_.size(); }
    char next() const { return at_end() ? '\0' : text_[at_]; }
    std::size_t position() const { return at_; }
    std::string_view taken_since(std::size_t from) const { return text_.substr(from, at_ - from); }
    void seek(std::size_t position) { at_ = position; }
    void advance() { at_ += at_end() ? 0 : 1; }

    std::size_t digits() {
        const std::size_t from = at_;
        while (!at_end() && is_digit(text_[at_]))
            ++at_;
        return at_ - from;
    }
    bool take(std::string_view word) {
        if (text_.size() - at_ < word.size())
            return false;
        for (std::size_t i = 0; i < word.size(); ++i)
            if ((text_[at_ + i] | 0x20) != word[i])
                return false;
        at_ += word.size();
        return true;
    }
    void blanks() {
        while (!at_end() && (text_[at_] == ' ' || text_[at_] == '\t' || text_[at_] == '\n'))
            ++at_;
    }
    // Blanks, then perhaps `unit`, then nothing more.
    bool ends_after(std::string_view unit, bool unit_needed) {
        blanks();
        return (take(unit) || !unit_needed) && at_end();
    }
    // A point and the digits after it, where they stand.
    void fraction() {
        if (take("."))
            digits();
    }

  private:
    std::string_view text_;
    std::size_t at_ = 0;
};

// Digits grouped in threes by commas, apostrophes or spaces ("1,200.5 VA").
std::optional<double> grouped_figure(std::string_view text) {
    Cursor read(text);
    const std::size_t lead = read.digits();
    if (lead < 1 || lead > 3)
        return std::nullopt;
    std::string digits(read.taken_since(0));
    for (;;) {
        const std::size_t separator = read.position();
        if (read.next() != ',' && read.next() != '\'' && read.next() != ' ')
            break;
        read.advance();
        const std::size_t group = read.position();
        if (read.digits() != 3) {
            read.seek(separator); // the blanks before "VA", or no group at all
            break;
        }
        digits += read.taken_since(group);
    }
    if (digits.size() == lead)
        return std::nullopt;
    const std::size_t point = read.position();
    read.fraction();
    digits += read.taken_since(point);
    if (!read.ends_after("va", false))
        return std::nullopt;
    return lenient_parse(digits);
}

// Kilovolt-amperes ("1.5 kVA").
std::optional<double> kilo_figure(std::string_view text) {
    Cursor read(text);
    const std::size_t whole = read.digits();
    const bool point = read.take(".");
    if (whole + read.digits() == 0 || (!whole && !point))
        return std::nullopt;
    const double figure = lenient_parse(read.taken_since(0));
    if (!read.ends_after("kva", true))
        return std::nullopt;
    return figure * 1000;
}

// An exponent ("2e3").
std::optional<double> exponent_figure(std::string_view text) {
    Cursor read(text);
    if (read.digits() == 0)
        return std::nullopt;
    read.fraction();
    if (!read.take("e"))
        return std::nullopt;
    if (read.next() == '+' || read.next() == '-')
        read.advance();
    if (read.digits() == 0 || !read.ends_after("va", false))
        return std::nullopt;
    return lenient_parse(text);
}

// The figure the user meant, where the way a trimmed text is written says so
// plainly: digit groups ("1,200"), kilovolt-amperes ("1.5 kVA"), an exponent.
std::optional<double> meant_figure(const std::string& text) {
    for (auto figure : {grouped_figure, kilo_figure, exponent_figure})
        if (const std::optional<double> meant = figure(text))
            return meant;
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
