// SPDX-License-Identifier: GPL-3.0-or-later
// Number conversions: reading Italian numbers, the plain text of results and
// the patterns of the display, the tape and the currency keys.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>

#include "engine/numbers.h"

namespace numerina {
namespace {

struct ParseCase {
  const char* text;
  bool ok;
  double value;
};

class ParseNumberTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseNumberTest, ReadsItalianNotation) {
  const ParseCase& c = GetParam();
  const std::optional<double> x = ParseNumber(c.text);
  ASSERT_EQ(x.has_value(), c.ok) << '"' << c.text << '"';
  if (c.ok) {
    EXPECT_EQ(*x, c.value) << '"' << c.text << '"';
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseNumberTest,
    ::testing::Values(
        ParseCase{"5,", true, 5}, ParseCase{",5", true, 0.5}, ParseCase{"-,5", true, -0.5},
        ParseCase{"05,", true, 5}, ParseCase{"0,", true, 0}, ParseCase{"12,5", true, 12.5},
        ParseCase{"1.234,5", true, 1234.5}, ParseCase{"1.2.3", true, 123},
        ParseCase{"  42  ", true, 42}, ParseCase{"1E+15", true, 1e15},
        ParseCase{"1,5E-07", true, 1.5e-7}, ParseCase{"2e3", true, 2000},
        ParseCase{"0,1", true, 0.1}, ParseCase{"-8", true, -8}, ParseCase{"1E+300", true, 1e300},
        ParseCase{"1E-400", true, 0},
        ParseCase{"4,9406564584124654E-324", true, std::numeric_limits<double>::denorm_min()},
        ParseCase{"1,7976931348623157E+308", true, DBL_MAX},
        // Not numbers.
        ParseCase{",", false, 0}, ParseCase{"-", false, 0}, ParseCase{"", false, 0},
        ParseCase{"-,", false, 0}, ParseCase{"abc", false, 0}, ParseCase{"1,234.5", false, 0},
        ParseCase{"1E1.0", false, 0}, ParseCase{"12.", false, 0}, ParseCase{".5", false, 0},
        ParseCase{"1..2", false, 0}, ParseCase{"+5", false, 0}, ParseCase{"5E", false, 0},
        ParseCase{"5E+", false, 0}, ParseCase{"1,2,3", false, 0}, ParseCase{"1E+3005", false, 0},
        ParseCase{"1E+309", false, 0}, ParseCase{"1 2", false, 0}, ParseCase{"\t5", false, 0},
        ParseCase{"5\n", false, 0}, ParseCase{"E5", false, 0}, ParseCase{"--5", false, 0}));

TEST(ParseNumber, NegativeZeroKeepsItsSign) {
  const auto x = ParseNumber("-0,");
  ASSERT_TRUE(x);
  EXPECT_TRUE(std::signbit(*x));
}

TEST(ParseNumber, LongTextsAreExactAndLinear) {
  // 309 whole digits exceed the double range; 308 do not.
  EXPECT_FALSE(ParseNumber(std::string(309, '9') + ","));
  EXPECT_TRUE(ParseNumber("1" + std::string(307, '0') + ","));
  // Digits far beyond what a double holds still round correctly: this is
  // just above the halfway point between 1 and the next double.
  const std::string above =
      "1,00000000000000011102230246251565404236316680908203125" + std::string(2000, '0') + "1";
  EXPECT_EQ(*ParseNumber(above), std::nextafter(1.0, 2.0));
  const std::string exactlyHalf =
      "1,00000000000000011102230246251565404236316680908203125" + std::string(2000, '0');
  EXPECT_EQ(*ParseNumber(exactlyHalf), 1.0);  // ties to even
  EXPECT_EQ(*ParseNumber("," + std::string(100000, '3')), 1.0 / 3);
}

struct PlainCase {
  double x;
  const char* text;
};

class PlainNumberTextTest : public ::testing::TestWithParam<PlainCase> {};

TEST_P(PlainNumberTextTest, Writes15SignificantDigits) {
  EXPECT_EQ(PlainNumberText(GetParam().x), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PlainNumberTextTest,
    ::testing::Values(
        PlainCase{8, "8"}, PlainCase{-15, "-15"}, PlainCase{123456789012345, "123456789012345"},
        PlainCase{2.0 / 3, "0,666666666666667"}, PlainCase{0.0001, "0,0001"},
        PlainCase{1e15, "1E+15"}, PlainCase{1e20, "1E+20"}, PlainCase{0.00001, "1E-05"},
        PlainCase{1.5e-7, "1,5E-07"}, PlainCase{1152921504606846976.0, "1,15292150460685E+18"},
        PlainCase{-0.0, "0"}, PlainCase{0.1 + 0.2, "0,3"}, PlainCase{1.0 / 3, "0,333333333333333"},
        PlainCase{1000000000000005.0, "1,00000000000001E+15"},
        PlainCase{-1000000000000005.0, "-1,00000000000001E+15"},
        PlainCase{999999999999999.4, "999999999999999"}, PlainCase{999999999999999.5, "1E+15"},
        PlainCase{99999999999999.99, "100000000000000"}, PlainCase{1e-300, "1E-300"},
        PlainCase{1.5e300, "1,5E+300"}, PlainCase{DBL_MAX, "1,79769313486232E+308"},
        PlainCase{-2.5, "-2,5"}, PlainCase{1936.27001953125, "1936,27001953125"},
        PlainCase{0.00012345, "0,00012345"}));

struct FormatCase {
  const char* text;  // nullptr: use the double
  double x;
  const char* pattern;
  const char* expected;
};

class FormatWithPatternTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatWithPatternTest, Formats) {
  const FormatCase& c = GetParam();
  const std::string got = c.text ? FormatWithPattern(std::string_view(c.text), c.pattern)
                                 : FormatWithPattern(c.x, c.pattern);
  EXPECT_EQ(got, c.expected) << (c.text ? c.text : std::to_string(c.x)) << " with " << c.pattern;
}

constexpr const char* kDisplay = "#,##0.##########";

INSTANTIATE_TEST_SUITE_P(
    DecimalPatterns, FormatWithPatternTest,
    ::testing::Values(
        FormatCase{nullptr, 1234.5, "#,##0", "1.235"}, FormatCase{nullptr, 5, "#,##0", "5"},
        FormatCase{nullptr, -1.125, "#,##0", "-1"},
        FormatCase{nullptr, 1234.5, "#,##0.0", "1.234,5"}, FormatCase{nullptr, 5, "#,##0.0", "5,0"},
        FormatCase{nullptr, -1.125, "#,##0.0", "-1,1"},
        FormatCase{nullptr, 1234.5, "#,##0.#0", "1.234,50"},
        FormatCase{nullptr, 5, "#,##0.#0", "5,00"},
        FormatCase{nullptr, -1.125, "#,##0.#0", "-1,13"},
        FormatCase{nullptr, 1234.5, "#,##0.##0", "1.234,500"},
        FormatCase{nullptr, -1.125, "#,##0.##0", "-1,125"},
        FormatCase{nullptr, 1234.5, "#,##0.###0", "1.234,5000"},
        FormatCase{nullptr, -1.125, "#,##0.###0", "-1,1250"},
        FormatCase{nullptr, 2.5, "#,##0", "3"}, FormatCase{nullptr, -2.5, "#,##0", "-3"},
        FormatCase{nullptr, 1.005, "#,##0.#0", "1,01"},
        FormatCase{nullptr, 0.125, "#,##0.#0", "0,13"},
        FormatCase{nullptr, 999.995, "#,##0.#0", "1.000,00"},
        FormatCase{nullptr, -0.001, "#,##0.#0", "-0,00"},
        FormatCase{nullptr, -0.0, "#,##0.#0", "0,00"}, FormatCase{nullptr, 0.0, "#,##0", "0"},
        FormatCase{nullptr, 1e20, "#,##0", "100.000.000.000.000.000.000"},
        FormatCase{nullptr, 0.0049, "#,##0.#0", "0,00"},
        FormatCase{nullptr, 0.005, "#,##0.#0", "0,01"}, FormatCase{nullptr, 0.4, "#,##0", "0"},
        FormatCase{nullptr, 0.5, "#,##0", "1"},
        FormatCase{nullptr, 999999.5, "#,##0", "1.000.000"}));

INSTANTIATE_TEST_SUITE_P(
    Display, FormatWithPatternTest,
    ::testing::Values(FormatCase{"0,", 0, kDisplay, "0,"}, FormatCase{"12,", 0, kDisplay, "12,"},
                      FormatCase{"1234567,", 0, kDisplay, "1.234.567,"},
                      FormatCase{"12,5", 0, kDisplay, "12,5"}, FormatCase{",5", 0, kDisplay, "0,5"},
                      FormatCase{"-5,", 0, kDisplay, "-5,"},
                      FormatCase{"1234567,5", 0, kDisplay, "1.234.567,5"},
                      FormatCase{"0,12345678901", 0, kDisplay, "0,123456789"},
                      FormatCase{"12345678901234567,", 0, kDisplay, "12.345.678.901.234.600,"},
                      FormatCase{",", 0, kDisplay, ","}, FormatCase{"", 0, kDisplay, ""},
                      FormatCase{"-", 0, kDisplay, "-"},
                      FormatCase{"1E+20", 0, kDisplay, "100.000.000.000.000.000.000,"},
                      FormatCase{"-0,", 0, kDisplay, "-0,"}, FormatCase{"007,", 0, kDisplay, "7,"},
                      FormatCase{"00,", 0, kDisplay, "0,"},
                      FormatCase{"0,999999999999999", 0, kDisplay, "1,"},
                      FormatCase{"1E+3005", 0, kDisplay, "1E+3005"},
                      FormatCase{"1,00000000000000E-11", 0, kDisplay, "0,"},
                      FormatCase{"-1E-11", 0, kDisplay, "-0,"},
                      FormatCase{"0,00000000005", 0, kDisplay, "0,0000000001"}));

INSTANTIATE_TEST_SUITE_P(Texts, FormatWithPatternTest,
                         ::testing::Values(FormatCase{",5", 0, "#,##0.#0", "0,50"},
                                           FormatCase{"-", 0, "#,##0", "-"},
                                           FormatCase{"1,005", 0, "#,##0.#0", "1,01"},
                                           FormatCase{"2,5", 0, "#,##0", "3"},
                                           FormatCase{"-0,001", 0, "#,##0.#0", "-0,00"},
                                           FormatCase{"12,", 0, "#,##0.#0", "12,00"},
                                           // 15 significant digits first, then the decimals.
                                           FormatCase{"1,00499999999999", 0, "#,##0.#0", "1,00"},
                                           FormatCase{"1,004999999999999", 0, "#,##0.#0", "1,01"}));

INSTANTIATE_TEST_SUITE_P(Currency, FormatWithPatternTest,
                         ::testing::Values(FormatCase{nullptr, 193627, "#0.00", "193627,00"},
                                           FormatCase{nullptr, -5.164, "#0.00", "-5,16"},
                                           FormatCase{nullptr, 0.5, "#0.00", "0,50"},
                                           FormatCase{nullptr, 1234567.891, "#0.00",
                                                      "1234567,89"}));

TEST(FormatWithPattern, DisplayOfVeryLongEntries) {
  // 100,000 fraction digits: read and rounded like any other entry.
  EXPECT_EQ(FormatWithPattern(std::string_view("," + std::string(100000, '3')), kDisplay),
            "0,3333333333");
  // Whole digits beyond the double range are shown as typed.
  const std::string huge = std::string(400, '7') + ",";
  EXPECT_EQ(FormatWithPattern(std::string_view(huge), kDisplay), huge);
}

TEST(FormatWithPattern, AgreesWithPlainTextOnRoundTrips) {
  // A result written as plain text and shown again keeps its value: the
  // display of PlainNumberText(x) equals the display of x itself.
  const double values[] = {1.0 / 3,   2.0 / 3, 1e15,           123456.789,
                           -0.000123, 1e-5,    7.0 / 9 * 1e10, 0.1 + 0.7};
  for (double x : values) {
    const std::string text = PlainNumberText(x);
    EXPECT_EQ(FormatWithPattern(std::string_view(text), kDisplay), FormatWithPattern(x, kDisplay))
        << text;
    EXPECT_EQ(*ParseNumber(text), *ParseNumber(PlainNumberText(*ParseNumber(text))));
  }
}

}  // namespace
}  // namespace numerina
