// The lenient number rule on any text, and the rules that follow it when a
// VA figure is added to the load list.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/numbers.h"
#include "fuzz_check.h"

using namespace vellimar;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double value = lenient_parse(text);
    fuzz::require(!std::isnan(value), "lenient_parse never gives NaN");

    const double rounded = round_half_even(value);
    fuzz::require(std::isinf(value) || std::fabs(rounded - value) <= 0.5,
                  "rounding moves by at most one half");
    const std::int64_t whole = saturate_to_int64(rounded);
    (void)whole;

    // A number written out reads back as itself to 15 digits (near the
    // largest double, rounding to 15 digits may step over it).
    const std::string written = number_to_text(value);
    const double again = lenient_parse(written);
    fuzz::require(std::fabs(value) > 1e307 || std::fabs(again - value) <= std::fabs(value) * 1e-14 + 1e-300,
                  "number_to_text reads back");
    fuzz::require(!written.empty() && (written[0] == ' ' || written[0] == '-'),
                  "a number starts with its sign place");
    return 0;
}
