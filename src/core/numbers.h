#pragma once
// Number rules shared by every screen: how a text becomes a number, how a
// number becomes a text, and how sums are rounded.
#include <cstdint>
#include <string>
#include <string_view>

namespace vellimar {

// Reads the leading number of any text. Blanks, tabs and line feeds are
// skipped wherever they stand; then an optional sign, digits, an optional
// point with digits and an optional exponent are taken up to the first other
// character. A text without a leading number gives 0. Never NaN; a number
// too large for a double gives +/-infinity.
double lenient_parse(std::string_view text);

// Nearest integer, ties to the even neighbour (2.5 -> 2, 3.5 -> 4).
double round_half_even(double value);

// Converts to a 64-bit integer, saturating at the type's limits (NaN gives 0).
std::int64_t saturate_to_int64(double value);

// One leading space for a non-negative number, "-" for a negative one;
// up to 15 significant digits, no trailing zeros (" 107.5", "-3", " 0").
std::string number_to_text(double value);
std::string number_to_text(std::int64_t value);

} // namespace vellimar
