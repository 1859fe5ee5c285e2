#include "core/numbers.h"

#include <chrono>
#include <clocale>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace vellimar;

TEST(LenientParse, ReadsTheLeadingNumberAndIgnoresBlanksAnywhere) {
    EXPECT_EQ(lenient_parse("250"), 250);
    EXPECT_EQ(lenient_parse(" 250"), 250);
    EXPECT_EQ(lenient_parse("250 VA"), 250);
    EXPECT_EQ(lenient_parse("\t2 5\n0"), 250);
    EXPECT_EQ(lenient_parse("- 12.5"), -12.5);
    EXPECT_EQ(lenient_parse("+7"), 7);
    EXPECT_EQ(lenient_parse("1.5e3"), 1500);
    EXPECT_EQ(lenient_parse("1 E - 2"), 0.01);
    EXPECT_EQ(lenient_parse(".5"), 0.5);
    EXPECT_EQ(lenient_parse("5."), 5);
    EXPECT_EQ(lenient_parse("12,5"), 12);
    EXPECT_EQ(lenient_parse("1e"), 1); // an exponent without digits is not read
    EXPECT_EQ(lenient_parse("3e+x"), 3);
    EXPECT_EQ(lenient_parse("007"), 7);
}

TEST(LenientParse, TextWithoutALeadingNumberGivesZero) {
    for (const char* text : {"", "VA 250", "-", "+", ".", "-.", "e5", "nan", "inf", "\r250"})
        EXPECT_EQ(lenient_parse(text), 0) << text;
    EXPECT_FALSE(std::signbit(lenient_parse("-0")));
}

TEST(LenientParse, HugeAndLongInputsAreSafe) {
    EXPECT_EQ(lenient_parse("1e999999"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(lenient_parse("1e400"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(lenient_parse("-1e400"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(lenient_parse("1e-999999999999"), 0);
    EXPECT_EQ(lenient_parse("1e00000000000000000002"), 100);
    EXPECT_EQ(lenient_parse(std::string(200, '9')), 1e200);

    std::string megabyte(1 << 20, '7');
    auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(std::isinf(lenient_parse(megabyte)));
    EXPECT_EQ(lenient_parse(std::string(1 << 20, ' ') + "42"), 42);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
}

TEST(LenientParse, DecimalPointIsAPointInAnyLocale) {
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    std::string saved = previous ? previous : "C";
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") || std::setlocale(LC_NUMERIC, "fr_FR.UTF-8")) {
        EXPECT_EQ(lenient_parse("107.5"), 107.5);
        EXPECT_EQ(number_to_text(107.5), " 107.5");
    }
    std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(Rounding, TiesGoToTheEvenNeighbour) {
    EXPECT_EQ(round_half_even(2.5), 2);
    EXPECT_EQ(round_half_even(3.5), 4);
    EXPECT_EQ(round_half_even(0.5), 0);
    EXPECT_EQ(round_half_even(0.6), 1);
    EXPECT_EQ(round_half_even(4999.5), 5000);
    EXPECT_EQ(round_half_even(5000.5), 5000);
    EXPECT_EQ(round_half_even(-2.5), -2);
    EXPECT_EQ(round_half_even(-2.6), -3);
}

TEST(Rounding, ConversionToInt64Saturates) {
    constexpr auto max = std::numeric_limits<std::int64_t>::max();
    constexpr auto min = std::numeric_limits<std::int64_t>::min();
    EXPECT_EQ(saturate_to_int64(std::numeric_limits<double>::infinity()), max);
    EXPECT_EQ(saturate_to_int64(9.3e18), max);
    EXPECT_EQ(saturate_to_int64(-std::numeric_limits<double>::infinity()), min);
    EXPECT_EQ(saturate_to_int64(std::nan("")), 0);
    EXPECT_EQ(saturate_to_int64(35000), 35000);
    EXPECT_EQ(saturate_to_int64(-4096), -4096);
}

TEST(NumberToText, LeadingSpaceOrMinusAndNoTrailingZeros) {
    EXPECT_EQ(number_to_text(450.0), " 450");
    EXPECT_EQ(number_to_text(107.5), " 107.5");
    EXPECT_EQ(number_to_text(60 + 12.3), " 72.3");
    EXPECT_EQ(number_to_text(-3.25), "-3.25");
    EXPECT_EQ(number_to_text(0.0), " 0");
    EXPECT_EQ(number_to_text(-0.0), " 0");
    EXPECT_EQ(number_to_text(0.1 + 0.2), " 0.3");
    EXPECT_EQ(number_to_text(1e16), " 1E+16");
    EXPECT_EQ(number_to_text(std::int64_t{250}), " 250");
    EXPECT_EQ(number_to_text(std::int64_t{-7}), "-7");
    EXPECT_EQ(number_to_text(std::numeric_limits<std::int64_t>::max()), " 9223372036854775807");
    EXPECT_EQ(number_to_text(std::numeric_limits<std::int64_t>::min()), "-9223372036854775808");
}

TEST(NumberToText, InfinityReadsBackAsAHugeNumber) {
    std::string text = number_to_text(std::numeric_limits<double>::infinity());
    EXPECT_EQ(text[0], ' ');
    EXPECT_GT(lenient_parse(text), 1e308);
    EXPECT_LT(lenient_parse(number_to_text(-std::numeric_limits<double>::infinity())), -1e308);
}
