// SPDX-License-Identifier: GPL-3.0-or-later
// Binary operators, equals, and the tape lines they write.
#include <gtest/gtest.h>

#include "tests/engine/harness.h"

namespace numerina::testing {
namespace {

struct ChainCase {
  const char* keys;
  const char* display;
  const char* entry;
};

class ChainTest : public ::testing::TestWithParam<ChainCase> {};

TEST_P(ChainTest, ComputesLeftToRight) {
  Calculator c;
  c.Type(GetParam().keys);
  EXPECT_EQ(c.Display(), GetParam().display) << GetParam().keys;
  EXPECT_EQ(c.Entry(), GetParam().entry) << GetParam().keys;
}

INSTANTIATE_TEST_SUITE_P(
    WorkedSequences, ChainTest,
    ::testing::Values(ChainCase{"2+3X4=", "20,", "20"}, ChainCase{"5+X3=", "15,", "15"},
                      ChainCase{"5+3==", "8,", "8"}, ChainCase{"5+3=X2=", "16,", "16"},
                      ChainCase{"5+3=2+1=", "3,", "3"}, ChainCase{"-5+3=", "-2,", "-2"},
                      ChainCase{"5X-3=", "-15,", "-15"}, ChainCase{"5--3=", "8,", "8"},
                      ChainCase{"5=-3=", "2,", "2"}, ChainCase{"7/0=", "7,", "7,"},
                      ChainCase{"7/.=", "7,", "7,"}, ChainCase{"6/4=", "1,5", "1,5"},
                      ChainCase{"1/3=", "0,3333333333", "0,333333333333333"},
                      ChainCase{"1/3X3=", "1,", "1"},
                      ChainCase{"1/3=X3=", "1,", "0,999999999999999"}, ChainCase{"+5=", "5,", "5,"},
                      ChainCase{"0.1+0.2=", "0,3", "0,3"}, ChainCase{"12+3.5=", "15,5", "15,5"},
                      ChainCase{"10-4-3=", "3,", "3"}, ChainCase{"9/3/3=", "1,", "1"},
                      ChainCase{"2X3+4=", "10,", "10"}, ChainCase{"5*2=", "10,", "10"},
                      ChainCase{"5x2t", "10,", "10"}, ChainCase{"5X2T", "10,", "10"},
                      ChainCase{"9+1[ENTER]", "10,", "10"},
                      // A lone minus taken as the first operand: later calculations fail
                      // and keep it.
                      ChainCase{"5X-+2=", "-", "-"}));

TEST(Operators, ProductBeyondRangeKeepsFirstOperandSilently) {
  Calculator c;
  const std::string big = "1" + std::string(200, '0');
  c.Type(big + "X" + big + "=");
  EXPECT_EQ(c.Entry(), big + ",");
  EXPECT_TRUE(c.host.events.empty());
  // No total block: the entry still ends with its comma.
  EXPECT_EQ(c.Tape().find("-----"), std::string::npos);
}

TEST(Operators, DivisionByZeroHidesShowsAndWarns) {
  Calculator c;
  c.Type("7/0=");
  ASSERT_EQ(c.host.events.size(), 3u);
  EXPECT_EQ(c.host.events[0], "hide");
  EXPECT_EQ(c.host.events[1], "message:Impossibile dividere per zero|Numerina Desktop|!");
  EXPECT_EQ(c.host.events[2], "show");
  EXPECT_EQ(c.Tape(), Tape("7,00···÷|0,00···="));
}

TEST(Operators, StartUpPlusSetsPendingWithoutCalculation) {
  Calculator c;
  c.Type("+");
  EXPECT_EQ(c.engine.Snapshot().PendingOperator, Op::Plus);
  EXPECT_EQ(c.engine.Snapshot().EntryTag, EntryState::Operator);
  EXPECT_EQ(c.engine.Snapshot().OperandCount, 0);
  EXPECT_EQ(c.Tape(), Tape("0,00···+"));
  c.Type("5=");
  EXPECT_EQ(c.Display(), "5,");
  EXPECT_EQ(c.Tape(), Tape("0,00···+|5,00···="));
}

TEST(Operators, MinusAsSignOfSecondOperandThenOperator) {
  Calculator c;
  c.Type("5X-+");
  // The lone minus became the first operand; every calculation now fails.
  EXPECT_EQ(c.engine.Snapshot().Accumulator.text, "-");
  EXPECT_EQ(c.engine.Snapshot().EntryTag, EntryState::Negative);
  c.Type("3=");
  EXPECT_EQ(c.Entry(), "-");
  c.Type("[C]4+4=");
  EXPECT_EQ(c.Display(), "8,");
}

TEST(Operators, OperandCountAfterKeys) {
  Calculator c;
  c.Type("5");
  EXPECT_EQ(c.engine.Snapshot().OperandCount, 0);
  c.Type("+");
  EXPECT_EQ(c.engine.Snapshot().OperandCount, 1);
  c.Type("3+");
  EXPECT_EQ(c.engine.Snapshot().OperandCount, 1);
  EXPECT_EQ(c.engine.Snapshot().Accumulator.kind, Operand::Kind::Number);
  EXPECT_EQ(c.engine.Snapshot().Accumulator.number, 8);
}

TEST(Operators, PercentCountStopsAtItsTop) {
  Calculator c;
  // Each percent counts an operand; the count is 16 bits wide and must stop
  // at its top rather than wrap.
  c.Type("5");
  for (int i = 0; i < 32766; ++i) c.engine.Click({Button::Percent});
  EXPECT_EQ(c.engine.Snapshot().OperandCount, 32766);
  c.Type("%%%");
  EXPECT_EQ(c.engine.Snapshot().OperandCount, 32767);
}

struct TapeCase {
  const char* keys;
  int decimals;
  const char* tape;  // "·" no-break space, "|" CR LF
};

class TapeTest : public ::testing::TestWithParam<TapeCase> {};

TEST_P(TapeTest, WritesLines) {
  Calculator c(GetParam().decimals);
  c.Type(GetParam().keys);
  EXPECT_EQ(c.Tape(), Tape(GetParam().tape)) << GetParam().keys;
  EXPECT_EQ(c.host.tapeMirror, c.Tape());
}

INSTANTIATE_TEST_SUITE_P(
    Layout, TapeTest,
    ::testing::Values(
        TapeCase{"12+3.5=", 2,
                 "12,00···+|3,50···=|-----------------------------------|15,50·····|"},
        TapeCase{"12+3.5=X2=", 2,
                 "12,00···+|3,50···=|-----------------------------------|15,50·····|"
                 "|15,50···X|2,00···=|-----------------------------------|31,00·····|"},
        TapeCase{"5=", 2, "5,00···="},
        TapeCase{"5+3==", 2,
                 "5,00···+|3,00···=|-----------------------------------|8,00·····|"
                 "|8,00···=|-----------------------------------|8,00·····|"},
        TapeCase{"-", 2, "0,00···-"},
        TapeCase{"4^=", 2, "4,00v²=|-----------------------------------|2,00·····|"},
        TapeCase{"1/3=", 0, "1···÷|3···=|-----------------------------------|0·····|"},
        TapeCase{"5X-", 2, "5,00···X|5,00···-"}, TapeCase{"5X-+", 2, "5,00···X|5,00···-|-···+"},
        TapeCase{"1234.5+", 4, "1.234,5000···+"},
        TapeCase{"200+10%=", 2,
                 "200,00···+|10,00%=|-----------------------------------|220,00·····|"},
        TapeCase{"9^[SQR]=", 2, "3,00^²=|-----------------------------------|9,00·····|"},
        TapeCase{"8!+", 2, "8,00¹x+"},
        TapeCase{"5+3=[C]", 2, "5,00···+|3,00···=|-----------------------------------|8,00·····||"},
        TapeCase{"5+3=[CE]+", 2, "0,00···+"}, TapeCase{"[C]", 2, ""}));

TEST(Tape, ScrollsAfterEveryOperatorKey) {
  Calculator c;
  c.Type("1+2=");
  EXPECT_EQ(c.host.caretMoves, 2);
}

// The compute step alone: operand order, division by zero (also by an
// operand that is not a number), and results that keep the first operand.
TEST(Operators, ComputeStepAlone) {
  EXPECT_EQ(ComputeOperator(Op::Minus, 10, 4).value, 6);
  EXPECT_EQ(ComputeOperator(Op::Divide, 10, 4).value, 2.5);
  EXPECT_EQ(ComputeOperator(Op::Equals, 10, 4).value, 4);
  EXPECT_TRUE(ComputeOperator(Op::Divide, 10, 0).divideByZero);
  EXPECT_TRUE(ComputeOperator(Op::Divide, 10, std::nullopt).divideByZero);
  EXPECT_FALSE(ComputeOperator(Op::Divide, 10, 0).value);
  EXPECT_FALSE(ComputeOperator(Op::Times, 1e300, 1e300).value);  // overflow
  EXPECT_FALSE(ComputeOperator(Op::Plus, std::nullopt, 1).value);
  EXPECT_FALSE(ComputeOperator(Op::None, 1, 2).value);
  EXPECT_FALSE(ComputeOperator(Op::Plus, 1, 2).divideByZero);
}

}  // namespace
}  // namespace numerina::testing
