// SPDX-License-Identifier: GPL-3.0-or-later
// Number entry and the clear keys.
#include <gtest/gtest.h>

#include "tests/engine/harness.h"

namespace numerina::testing {
namespace {

struct EntryCase {
  const char* keys;
  const char* entry;
  const char* display;
};

class EntryTest : public ::testing::TestWithParam<EntryCase> {};

TEST_P(EntryTest, BuildsEntryText) {
  Calculator c;
  c.Type(GetParam().keys);
  EXPECT_EQ(c.Entry(), GetParam().entry) << GetParam().keys;
  EXPECT_EQ(c.Display(), GetParam().display) << GetParam().keys;
}

INSTANTIATE_TEST_SUITE_P(
    Keys, EntryTest,
    ::testing::Values(
        EntryCase{"", "0,", "0,"}, EntryCase{"007", "007,", "7,"}, EntryCase{"[00]", "00,", "0,"},
        EntryCase{"123", "123,", "123,"}, EntryCase{"12[000]", "12000,", "12.000,"},
        EntryCase{"12.5", "12,5", "12,5"}, EntryCase{".", ",", ","}, EntryCase{".5", ",5", "0,5"},
        EntryCase{"12..5", "12,5", "12,5"}, EntryCase{"12.34[BACK]", "12,3", "12,3"},
        EntryCase{"12.34[BACK][BACK]", "12,", "12,"},
        EntryCase{"12.34[BACK][BACK][BACK]", "1,", "1,"}, EntryCase{"12.34[BACK]5", "125,", "125,"},
        EntryCase{"12.55[BACK]3", "123,", "123,"}, EntryCase{"5[BACK]", ",", ","},
        EntryCase{"5[BACK][BACK]", ",", ","}, EntryCase{"-.5", "-0,5", "-0,5"},
        EntryCase{"-7", "-7,", "-7,"}, EntryCase{"[SIGN]", "0,", "0,"},
        EntryCase{"12[SIGN]", "-12,", "-12,"}, EntryCase{"12[SIGN][SIGN]", "12,", "12,"},
        EntryCase{"12[SIGN]3", "-12,3", "-12,3"}, EntryCase{"-[SIGN]", "-0,", "-0,"},
        EntryCase{"-.[SIGN]", "-0,", "-0,"},
        // Backspace on a result: the comma goes, and digits are lost until
        // the comma key brings fraction mode back.
        EntryCase{"5+3=[BACK]", "", ""}, EntryCase{"5+3=[BACK]7", "", ""},
        EntryCase{"5+3=[BACK].5", "5", "5,"}, EntryCase{"5+3=[SIGN]", "-8", "-8,"},
        EntryCase{"5+3=[SIGN]2", "2,", "2,"}, EntryCase{"5+3=[CE]", "0,", "0,"},
        EntryCase{"12[C]", "0,", "0,"}));

TEST(Entry, TagsAndFractionMode) {
  Calculator c;
  EXPECT_EQ(c.engine.Snapshot().EntryTag, EntryState::None);
  EXPECT_EQ(c.engine.Snapshot().PendingOperator, Op::None);
  c.Type("1");
  EXPECT_EQ(c.engine.Snapshot().EntryTag, EntryState::Digits);
  EXPECT_FALSE(c.engine.Snapshot().FractionMode);
  c.Type(".");
  EXPECT_TRUE(c.engine.Snapshot().FractionMode);
  c.Type("[BACK]");
  EXPECT_FALSE(c.engine.Snapshot().FractionMode);
  EXPECT_EQ(c.engine.Snapshot().EntryTag, EntryState::Digits);
  c.Type("[CE]");
  EXPECT_EQ(c.engine.Snapshot().EntryTag, EntryState::Cleared);
  c.Type("[SIGN]");
  EXPECT_EQ(c.engine.Snapshot().EntryTag,
            EntryState::Cleared);  // the sign key never changes the tag
}

TEST(Entry, SignOnNotANumberDoesNothing) {
  Calculator c;
  c.Type("5X-");  // the minus is the sign of the next number: entry "-"
  ASSERT_EQ(c.Entry(), "-");
  const int focus = c.host.focusCount;
  const bool fraction = c.engine.Snapshot().FractionMode;
  c.Type("[SIGN]");
  EXPECT_EQ(c.Entry(), "-");
  EXPECT_EQ(c.engine.Snapshot().FractionMode, fraction);
  EXPECT_EQ(c.host.focusCount, focus);
}

TEST(Entry, VeryLongEntryIsKeptWhole) {
  Calculator c;
  std::string digits(400, '9');
  c.Type(digits);
  EXPECT_EQ(c.Entry(), digits + ",");
  EXPECT_EQ(c.Display(), digits + ",");  // beyond the double range: shown as typed
}

TEST(ClearEntry, EmptiesTapeAndKeepsPendingOperation) {
  Calculator c;
  c.Type("12+3=5+");
  ASSERT_FALSE(c.Tape().empty());
  c.Type("[CE]");
  EXPECT_EQ(c.Tape(), "");
  EXPECT_EQ(c.host.tapeMirror, "");
  EXPECT_EQ(c.engine.Snapshot().PendingOperator, Op::Plus);
  EXPECT_EQ(c.engine.Snapshot().OperandCount, 1);
  c.Type("4=");
  EXPECT_EQ(c.Display(), "9,");
  EXPECT_EQ(c.Tape(), Tape("4,00···=|-----------------------------------|9,00·····|"));
}

TEST(ClearEntry, OperatorAfterItTakesZeroAsFirstOperand) {
  Calculator c;
  c.Type("7+[CE]+2=");
  EXPECT_EQ(c.Display(), "2,");
}

TEST(ClearAll, ResetsStateAndKeepsTapeWithLineBreak) {
  Calculator c;
  c.Type("5+3=");
  const std::string before = c.Tape();
  c.Type("[C]");
  EXPECT_EQ(c.Tape(), before + "\r\n");
  EXPECT_EQ(c.host.tapeMirror, c.Tape());
  EXPECT_EQ(c.engine.Snapshot().EntryTag, EntryState::None);
  EXPECT_EQ(c.engine.Snapshot().OperandCount, 0);
  EXPECT_EQ(c.engine.Snapshot().PendingOperator, Op::None);
  EXPECT_EQ(c.engine.Snapshot().Accumulator.AsNumber(), 0.0);
  c.Type("2+2=");
  // Two empty lines between the calculations.
  EXPECT_NE(c.Tape().find("\r\n\r\n\r\n2,00"), std::string::npos);
}

TEST(ClearAll, EmptyTapeStaysEmptyAndDecimalsReload) {
  Calculator c(3);
  c.Type("[DEC-][DEC-]");
  EXPECT_EQ(c.engine.Snapshot().DecimalPlaces, 1);
  c.Type("[C]");
  EXPECT_EQ(c.Tape(), "");
  EXPECT_EQ(c.engine.Snapshot().DecimalPlaces, 3);  // the stored setting, not the toolbar's
  EXPECT_EQ(c.engine.Snapshot().CurrentPattern, "#,##0.##0");
}

TEST(ClearAll, MemoryIsKept) {
  Calculator c;
  c.Type("5[MS][C]");
  EXPECT_EQ(c.engine.MemIndicator(), "M");
  c.Type("[MR]");
  EXPECT_EQ(c.Entry(), "5");
}

}  // namespace
}  // namespace numerina::testing
