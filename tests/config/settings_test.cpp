// SPDX-License-Identifier: GPL-3.0-or-later
// The rules that turn stored texts into settings, including texts edited by
// hand into something the program never writes.

#include "config/settings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace numerina {
namespace {

struct NumberCase {
  const char* text;
  double expected;
};

class LeadingNumberTest : public ::testing::TestWithParam<NumberCase> {};

TEST_P(LeadingNumberTest, ReadsTheLeadingNumber) {
  EXPECT_EQ(LeadingNumber(GetParam().text), GetParam().expected) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LeadingNumberTest,
    ::testing::Values(NumberCase{"3000", 3000}, NumberCase{" 3000", 3000}, NumberCase{"\t 12", 12},
                      NumberCase{"1e3", 1}, NumberCase{"abc", 0}, NumberCase{"", 0},
                      NumberCase{"-2.5x", -2.5}, NumberCase{"+4", 4}, NumberCase{"2.5", 2.5},
                      NumberCase{".5", 0.5}, NumberCase{"5.", 5}, NumberCase{"1.2.3", 1.2},
                      NumberCase{"1,5", 1}, NumberCase{"-", 0}, NumberCase{"- 5", 0},
                      NumberCase{"--5", 0}, NumberCase{"12 34", 12}, NumberCase{"0x10", 0},
                      NumberCase{"007", 7}, NumberCase{"-0.25", -0.25}, NumberCase{"4.5", 4.5},
                      NumberCase{"1500,3000", 1500}));

TEST(LeadingNumber, HugeAndTinyNumbers) {
  EXPECT_EQ(LeadingNumber(std::string(400, '9')), std::numeric_limits<double>::infinity());
  EXPECT_EQ(LeadingNumber("-" + std::string(400, '9')), -std::numeric_limits<double>::infinity());
  EXPECT_EQ(LeadingNumber("0." + std::string(400, '0') + "1"), 0.0);
  EXPECT_EQ(LeadingNumber("0000000000000000000000000000042"), 42.0);
}

TEST(Flags, OnlyExactTextsCount) {
  EXPECT_TRUE(IsOffFlag("0"));
  for (const char* v : {"", "1", "00", " 0", "0 ", "no", "-1"}) EXPECT_FALSE(IsOffFlag(v)) << v;
  EXPECT_TRUE(IsInfoOn("1"));
  for (const char* v : {"", "0", "01", "1.0", "-1", "si"}) EXPECT_FALSE(IsInfoOn(v)) << v;
}

struct DecimaliCase {
  const char* text;
  int expected;
};

class DecimaliTest : public ::testing::TestWithParam<DecimaliCase> {};

TEST_P(DecimaliTest, PicksTheNumberOfDecimals) {
  EXPECT_EQ(DecimaliFromSetting(GetParam().text), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, DecimaliTest,
    ::testing::Values(DecimaliCase{"", 2}, DecimaliCase{"0", 0}, DecimaliCase{"1", 1},
                      DecimaliCase{"3", 3}, DecimaliCase{"4", 4}, DecimaliCase{"5", 2},
                      DecimaliCase{"-1", 2}, DecimaliCase{"2.5", 3}, DecimaliCase{"3.49", 3},
                      DecimaliCase{"4.5", 2}, DecimaliCase{"4.49", 4}, DecimaliCase{"-0.4", 0},
                      DecimaliCase{"-0.5", 2}, DecimaliCase{"0.5", 1}, DecimaliCase{"abc", 0},
                      DecimaliCase{" 4", 4}, DecimaliCase{"1e3", 1},
                      DecimaliCase{"99999999999999999999999", 2}));

TEST(Posizione, TopFirstThenLeft) {
  const auto p = PosizioneFromSetting("1500,3000");
  ASSERT_TRUE(p);
  EXPECT_EQ(p->top, 1500);
  EXPECT_EQ(p->left, 3000);
  const auto odd = PosizioneFromSetting(" -150.5x, 20,40");
  ASSERT_TRUE(odd);
  EXPECT_EQ(odd->top, -150.5);
  EXPECT_EQ(odd->left, 20);
  const auto halves = PosizioneFromSetting("abc,");
  ASSERT_TRUE(halves);
  EXPECT_EQ(halves->top, 0);
  EXPECT_EQ(halves->left, 0);
}

TEST(Posizione, CentredWhenUnusable) {
  for (const char* v : {"", "1500", "1500;3000", "1500 3000"}) {
    EXPECT_FALSE(PosizioneFromSetting(v)) << v;
  }
  EXPECT_FALSE(PosizioneFromSetting("1," + std::string(400, '9')));
  EXPECT_FALSE(PosizioneFromSetting("3000000000,0"));
  EXPECT_TRUE(PosizioneFromSetting("2147483647,-2147483647"));
}

TEST(Posizione, TextRoundTrip) {
  EXPECT_EQ(PosizioneText(1500, 3000), "1500,3000");
  EXPECT_EQ(PosizioneText(-15, 0), "-15,0");
  const auto back = PosizioneFromSetting(PosizioneText(-4500, 12345));
  ASSERT_TRUE(back);
  EXPECT_EQ(back->top, -4500);
  EXPECT_EQ(back->left, 12345);
}

TEST(BannerPos, ByNumber) {
  struct {
    const char* text;
    BannerPlace expected;
  } const cases[] = {{"", BannerPlace::Logo},         {"0", BannerPlace::Logo},
                     {"abc", BannerPlace::Logo},      {"1", BannerPlace::Banner1},
                     {"1.0", BannerPlace::Banner1},   {" 2x", BannerPlace::Banner2},
                     {"3", BannerPlace::AsDesigned},  {"-1", BannerPlace::AsDesigned},
                     {"1.5", BannerPlace::AsDesigned}};
  for (const auto& c : cases) EXPECT_EQ(BannerPosFromSetting(c.text), c.expected) << c.text;
}

TEST(NomePos, ByNumber) {
  struct {
    const char* text;
    NamePlace expected;
  } const cases[] = {
      {"", NamePlace::Top},          {"1", NamePlace::Top},       {"01", NamePlace::Top},
      {"2", NamePlace::Bottom},      {"2.0", NamePlace::Bottom},  {"0", NamePlace::Unchanged},
      {"abc", NamePlace::Unchanged}, {"3", NamePlace::Unchanged}, {"1.5", NamePlace::Unchanged}};
  for (const auto& c : cases) EXPECT_EQ(NomePosFromSetting(c.text), c.expected) << c.text;
}

TEST(Nome, EmptyGivesTheProductTitle) {
  EXPECT_EQ(NomeFromSetting(""), "Numerina Desktop");
  EXPECT_EQ(NomeFromSetting("Studio Rossi"), "Studio Rossi");
}

}  // namespace
}  // namespace numerina
