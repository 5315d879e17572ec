// SPDX-License-Identifier: GPL-3.0-or-later
// Percent, square root, square, reciprocal, the memory and the currency keys.
#include <gtest/gtest.h>

#include "tests/engine/harness.h"

namespace numerina::testing {
namespace {

struct UnaryCase {
  const char* keys;
  const char* entry;
  const char* pending;  // PendingTapeText, "·" for no-break space
};

class UnaryTest : public ::testing::TestWithParam<UnaryCase> {};

TEST_P(UnaryTest, ComputesAndLeavesTapeText) {
  Calculator c;
  c.Type(GetParam().keys);
  EXPECT_EQ(c.Entry(), GetParam().entry) << GetParam().keys;
  EXPECT_EQ(c.engine.Snapshot().PendingTapeText, Tape(GetParam().pending)) << GetParam().keys;
}

INSTANTIATE_TEST_SUITE_P(
    Keys, UnaryTest,
    ::testing::Values(UnaryCase{"4^", "2", "4,00v²"}, UnaryCase{"2^", "1,4142135623731", "2,00v²"},
                      UnaryCase{"9^[SQR]", "9", "3,00^²"}, UnaryCase{"3[SQR]", "9", "3,00^²"},
                      UnaryCase{"8!", "0,125", "8,00¹x"},
                      UnaryCase{"3!", "0,333333333333333", "3,00¹x"},
                      UnaryCase{"200+10%", "20", "10,00%"}, UnaryCase{"10%", "0", "10,00%"},
                      // Nothing changes where the operand or the result is not a number.
                      UnaryCase{"0!", "0,", ""}, UnaryCase{"4!0!", "00,", "4,00¹x"},
                      UnaryCase{"-5^", "-5,", ""}, UnaryCase{"5X-^", "-", ""},
                      UnaryCase{"5X-!", "-", ""}, UnaryCase{"5X-%", "-", ""},
                      UnaryCase{"5X-[SQR]", "-", ""}, UnaryCase{"5X-[EUR]", "-", ""},
                      UnaryCase{"5X-[LIRE]", "-", ""}));

TEST(Unary, PercentCountsAsSecondOperand) {
  Calculator c;
  c.Type("200+10%");
  EXPECT_EQ(c.Display(), "20,");
  EXPECT_EQ(c.engine.Snapshot().OperandCount, 2);
  EXPECT_EQ(c.engine.Snapshot().EntryTag, EntryState::Percent);
  c.Type("=");
  EXPECT_EQ(c.Display(), "220,");
}

TEST(Unary, TwoPercentsRaiseCountByTwo) {
  Calculator c;
  c.Type("50+10%%");
  EXPECT_EQ(c.engine.Snapshot().OperandCount, 3);
}

TEST(Unary, PercentWithAccumulatorNotANumberChangesNothing) {
  Calculator c;
  c.Type("5X-+");  // Accumulator holds the lone minus
  const std::string entry = c.Entry();
  const auto count = c.engine.Snapshot().OperandCount;
  c.Type("%");
  EXPECT_EQ(c.Entry(), entry);
  EXPECT_EQ(c.engine.Snapshot().OperandCount, count);
  EXPECT_EQ(c.engine.Snapshot().EntryTag, EntryState::Negative);
}

TEST(Unary, PercentOverflowChangesNothing) {
  Calculator c;
  const std::string big = "1" + std::string(300, '0');
  c.Type(big + "+" + big + "%");
  EXPECT_EQ(c.Entry(), big + ",");
  EXPECT_EQ(c.engine.Snapshot().OperandCount, 1);
  EXPECT_EQ(c.engine.Snapshot().PendingTapeText, "");
}

TEST(Unary, SquareOverflowWarnsAndResets) {
  Calculator c;
  c.Type("5[MS][C]3+[PASTE:1E+200][SQR]");
  ASSERT_EQ(c.host.events.size(), 3u);
  EXPECT_EQ(c.host.events[0], "hide");
  EXPECT_EQ(c.host.events[1], "message:Numero troppo grande|Numerina|!");
  EXPECT_EQ(c.host.events[2], "show");
  EXPECT_EQ(c.Entry(), "0,");
  EXPECT_EQ(c.engine.Snapshot().EntryTag, EntryState::None);
  EXPECT_EQ(c.engine.Snapshot().OperandCount, 0);
  EXPECT_EQ(c.engine.Snapshot().PendingOperator, Op::None);
  EXPECT_EQ(c.engine.Memory(), 5);  // the memory is untouched
  EXPECT_EQ(c.engine.Snapshot().Accumulator.text, "3,");
}

TEST(Unary, FractionModeAfterKeys) {
  Calculator c;
  c.Type("4^");
  EXPECT_TRUE(c.engine.Snapshot().FractionMode);
  c.Type("[C]8!");
  EXPECT_FALSE(c.engine.Snapshot().FractionMode);  // the reciprocal leaves it
  c.Type("[C]4^7");
  EXPECT_EQ(c.Entry(), "27");  // digits are appended after a unary key
}

TEST(Memory, StoreAddRecallClear) {
  Calculator c;
  c.Type("5[MS]");
  EXPECT_EQ(c.engine.MemIndicator(), "M");
  EXPECT_EQ(c.engine.Memory(), 5);
  c.Type("[C]3[M+][MR]");
  EXPECT_EQ(c.Entry(), "8");
  EXPECT_EQ(c.engine.Snapshot().EntryTag, EntryState::Digits);
  c.Type("+1=");
  EXPECT_EQ(c.Display(), "9,");
  c.Type("[MC]");
  EXPECT_EQ(c.engine.MemIndicator(), "");
  EXPECT_FALSE(c.engine.RecallEnabled());
  c.Type("[MR]");
  EXPECT_EQ(c.Entry(), "9");
}

TEST(Memory, EmptyRegisterIgnoresAddAndRecall) {
  Calculator c;
  c.Type("7[M+][MR]");
  EXPECT_EQ(c.engine.Memory(), 0);
  EXPECT_EQ(c.Entry(), "7,");
  EXPECT_EQ(c.engine.MemIndicator(), "");
}

TEST(Memory, StoringZeroKeepsIndicator) {
  Calculator c;
  c.Type("5[MS][C][MS]");
  EXPECT_EQ(c.engine.MemIndicator(), "M");
  c.Type("3[MR]");
  EXPECT_EQ(c.Entry(), "3,");
}

TEST(Memory, SumOfZeroCountsAsEmpty) {
  Calculator c;
  c.Type("5[MS][C]5[SIGN][M+]");
  EXPECT_EQ(c.engine.Memory(), 0);
  EXPECT_EQ(c.engine.MemIndicator(), "M");
  c.Type("[C]4[M+][MR]");
  EXPECT_EQ(c.Entry(), "4,");
}

TEST(Memory, NotANumberAndOverflowKeepRegister) {
  Calculator c;
  c.Type("5X-[MS]");
  EXPECT_EQ(c.engine.Memory(), 0);
  const int focus = c.host.focusCount;
  c.Type("[C][PASTE:1E+308][MS][M+]");
  EXPECT_EQ(c.engine.Memory(), 1e308);
  EXPECT_GT(c.host.focusCount, focus);
}

struct CurrencyCase {
  const char* keys;
  const char* entry;
  const char* display;
};

class CurrencyTest : public ::testing::TestWithParam<CurrencyCase> {};

TEST_P(CurrencyTest, ConvertsAtFixedRate) {
  Calculator c;
  c.Type(GetParam().keys);
  EXPECT_EQ(c.Entry(), GetParam().entry) << GetParam().keys;
  if (GetParam().display) {
    EXPECT_EQ(c.Display(), GetParam().display) << GetParam().keys;
  } else {  // 1E+308 in full: "100", then 102 groups ".000"
    std::string full = "100";
    for (int i = 0; i < 102; ++i) full += ".000";
    EXPECT_EQ(c.Display(), full + ",");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Rates, CurrencyTest,
    ::testing::Values(CurrencyCase{"10000[EUR]", "5,16", "5,16"},
                      CurrencyCase{"1936.27[EUR]", "1,00", "1,"},
                      CurrencyCase{"1[LIRE]", "1936,27", "1.936,27"},
                      CurrencyCase{"5.16[LIRE]", "9991,15", "9.991,15"},
                      CurrencyCase{"100[LIRE]", "193627,00", "193.627,"},
                      CurrencyCase{"1000000[EUR]", "516,46", "516,46"},
                      CurrencyCase{"-10000[EUR]", "-5,16", "-5,16"},
                      CurrencyCase{"0[EUR]", "0,", "0,"}, CurrencyCase{"[LIRE]", "0,", "0,"},
                      CurrencyCase{"10000[EUR][LIRE]", "9991,15", "9.991,15"},
                      CurrencyCase{"[PASTE:1E+308][LIRE]", "1E+308", nullptr}));

// The rate is 1936.27 in single precision, 1936.27001953125. Its extra
// 0.0000195 lire per euro shows from a thousand euro on: 1000 x the rate is
// 1936270.0195..., "1936270,02"; with the rate as a double it would be
// exactly 1936270, "1936270,00". To euro, a hundred million times the single
// rate gives back exactly 100000000; over a double rate it would be
// 100000001.0087, "100000001,01".
TEST(Currency, RateIsSinglePrecision) {
  Calculator lire;
  lire.Type("1000[LIRE]");
  EXPECT_EQ(lire.Entry(), "1936270,02");
  Calculator euro;
  euro.Type("[PASTE:193627001953,125][EUR]");
  EXPECT_EQ(euro.Entry(), "100000000,00");
}

TEST(Currency, LeavesCalculationAlone) {
  Calculator c;
  c.Type("2+10000[EUR]");
  EXPECT_EQ(c.engine.Snapshot().PendingOperator, Op::Plus);
  EXPECT_EQ(c.engine.Snapshot().EntryTag, EntryState::Digits);
  EXPECT_TRUE(c.engine.Snapshot().FractionMode);
  c.Type("=");
  EXPECT_EQ(c.Display(), "7,16");
}

}  // namespace
}  // namespace numerina::testing
