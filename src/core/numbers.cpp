#include "core/numbers.h"

#include <cfloat>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <locale.h>

namespace vellimar {

namespace {

bool is_skipped(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}
bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

double lenient_parse(std::string_view text) {
    // Collect the characters of the leading number, dropping skipped blanks,
    // then let strtod do the correctly rounded conversion.
    std::string number;
    std::size_t i = 0;
    auto skip = [&] {
        while (i < text.size() && is_skipped(text[i]))
            ++i;
    };
    auto take_digits = [&] {
        std::size_t taken = 0;
        for (skip(); i < text.size() && is_digit(text[i]); skip()) {
            number += text[i++];
            ++taken;
        }
        return taken;
    };

    skip();
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        number += text[i++];
    std::size_t mantissa_digits = take_digits();
    skip();
    if (i < text.size() && text[i] == '.') {
        number += text[i++];
        mantissa_digits += take_digits();
    }
    if (mantissa_digits == 0)
        return 0.0;

    skip();
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::string sign;
        std::size_t j = i + 1;
        while (j < text.size() && is_skipped(text[j]))
            ++j;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            sign = text[j++];
        // Leading zeros add nothing; seven digits already overflow or
        // underflow any double, so longer exponents are cut there.
        std::string digits;
        bool any_digit = false;
        for (;; ++j) {
            while (j < text.size() && is_skipped(text[j]))
                ++j;
            if (j >= text.size() || !is_digit(text[j]))
                break;
            any_digit = true;
            if ((digits.empty() && text[j] == '0') || digits.size() >= 7)
                continue;
            digits += text[j];
        }
        if (any_digit)
            number += "e" + sign + (digits.empty() ? "0" : digits);
    }

    // The C locale keeps the point the decimal separator whatever the
    // user's locale says.
    static const locale_t c_locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    double value = strtod_l(number.c_str(), nullptr, c_locale);
    if (value == 0.0)
        return 0.0; // no negative zero
    return value;
}

double round_half_even(double value) {
    // nearbyint rounds with the current mode, which is to-nearest-even by default.
    return std::nearbyint(value);
}

std::int64_t saturate_to_int64(double value) {
    if (std::isnan(value))
        return 0;
    // 2^63 is exactly representable; anything at or above it saturates.
    constexpr double limit = 9223372036854775808.0;
    if (value >= limit)
        return std::numeric_limits<std::int64_t>::max();
    if (value < -limit)
        return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(value);
}

std::string number_to_text(double value) {
    if (std::isnan(value))
        value = 0.0;
    // An infinite value is written as the largest finite one, so that it
    // reads back as a huge number and not as text without a number.
    if (std::isinf(value))
        value = value > 0 ? DBL_MAX : -DBL_MAX;
    if (value == 0.0)
        value = 0.0;
    char buffer[64];
    auto result =
        std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::general, 15);
    std::string digits(buffer, result.ptr);
    for (char& c : digits)
        if (c == 'e')
            c = 'E';
    return (value < 0 ? "-" : " ") + digits;
}

std::string number_to_text(std::int64_t value) {
    if (value < 0) {
        // The magnitude of INT64_MIN does not fit in int64, so go through unsigned.
        auto magnitude = static_cast<std::uint64_t>(-(value + 1)) + 1;
        return "-" + std::to_string(magnitude);
    }
    return " " + std::to_string(value);
}

} // namespace vellimar
