// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard maps, the toolbar's engine side and the key-script reader.
#include <gtest/gtest.h>

#include "engine/keys.h"
#include "tests/engine/harness.h"

namespace numerina::testing {
namespace {

TEST(KeyboardMap, CharactersPressTheirKeys) {
  for (char32_t d = U'0'; d <= U'9'; ++d)
    EXPECT_EQ(GestisciTasto(d), (KeyRef{Button::Number, static_cast<int>(d - U'0')}));
  const std::pair<char32_t, KeyRef> cases[] = {{U'+', {Button::Operator, kPlus}},
                                               {U'-', {Button::Operator, kMinus}},
                                               {U'*', {Button::Operator, kTimes}},
                                               {U'X', {Button::Operator, kTimes}},
                                               {U'x', {Button::Operator, kTimes}},
                                               {U'/', {Button::Operator, kDivide}},
                                               {U'=', {Button::Operator, kEquals}},
                                               {U'T', {Button::Operator, kEquals}},
                                               {U't', {Button::Operator, kEquals}},
                                               {U'.', {Button::Decim}},
                                               {U'C', {Button::Cancel}},
                                               {U'c', {Button::Cancel}},
                                               {U'%', {Button::Percent}},
                                               {U'^', {Button::Sqrt}},
                                               {U'!', {Button::Inverso}}};
  for (const auto& [ch, key] : cases) EXPECT_EQ(GestisciTasto(ch), key) << static_cast<int>(ch);
}

TEST(KeyboardMap, OtherCharactersAreIgnored) {
  for (char32_t ch : {U',', U' ', U'e', U'E', U'M', U'\r', U'€', U'÷', U'×', U'(', U'\0'})
    EXPECT_FALSE(GestisciTasto(ch)) << static_cast<int>(ch);
}

TEST(KeyboardMap, KeyDownCodes) {
  EXPECT_EQ(KeyDownMap(kVkReturn), (KeyRef{Button::Operator, kEquals}));
  EXPECT_EQ(KeyDownMap(kVkDelete), (KeyRef{Button::Cancel}));
  EXPECT_EQ(KeyDownMap(kVkBack), (KeyRef{Button::Back}));
  EXPECT_EQ(KeyDownMap(kVkHome), (KeyRef{Button::CancelEntry}));
  EXPECT_FALSE(KeyDownMap(kVkEscape));
  EXPECT_FALSE(KeyDownMap(65));
}

TEST(KeyboardMap, TypingMatchesClicking) {
  Calculator typed, clicked;
  typed.Type("12+3=");
  for (KeyRef k :
       {KeyRef{Button::Number, 1}, KeyRef{Button::Number, 2}, KeyRef{Button::Operator, kPlus},
        KeyRef{Button::Number, 3}, KeyRef{Button::Operator, kEquals}})
    clicked.engine.Click(k);
  EXPECT_EQ(typed.Display(), clicked.Display());
  EXPECT_EQ(typed.Tape(), clicked.Tape());
}

TEST(Toolbar, DecimalsButtonsFollowTheLimits) {
  Calculator c(4);
  EXPECT_TRUE(c.engine.MoreDecimalsEnabled());  // both enabled at start
  c.Type("[DEC+]");
  EXPECT_EQ(c.engine.Snapshot().DecimalPlaces, 4);
  EXPECT_FALSE(c.engine.MoreDecimalsEnabled());
  EXPECT_TRUE(c.engine.FewerDecimalsEnabled());

  Calculator d(2);
  d.Type("[DEC-][DEC-]");
  EXPECT_EQ(d.engine.Snapshot().DecimalPlaces, 0);
  EXPECT_EQ(d.engine.Snapshot().CurrentPattern, "#,##0");
  EXPECT_FALSE(d.engine.FewerDecimalsEnabled());
  d.Type("[DEC+]");
  EXPECT_TRUE(d.engine.FewerDecimalsEnabled());
  EXPECT_TRUE(d.engine.MoreDecimalsEnabled());
  EXPECT_EQ(d.engine.Snapshot().DecimalPlaces, 1);
}

TEST(Toolbar, NewDecimalsApplyFromTheNextNumber) {
  Calculator c;
  c.Type("5+[DEC+]3=");
  EXPECT_EQ(c.Tape(), Tape("5,00···+|3,000···=|-----------------------------------|8,000·····|"));
}

TEST(Toolbar, CopyGivesTheDisplayWhenItIsANumber) {
  Calculator c;
  c.Type("1234.5");
  EXPECT_EQ(c.engine.CopyText(), "1.234,5");
  c.Type("[C].");
  EXPECT_FALSE(c.engine.CopyText());
  c.Type("[C]5X-");
  EXPECT_FALSE(c.engine.CopyText());
}

TEST(Toolbar, Paste) {
  Calculator c;
  c.Type("[PASTE:12,5]");
  EXPECT_EQ(c.Entry(), "12,5");
  EXPECT_EQ(c.Display(), "12,5");
  EXPECT_EQ(c.engine.Snapshot().EntryTag, EntryState::Digits);
  c.Type("+1=");
  EXPECT_EQ(c.Display(), "13,5");
  c.Type("[PASTE:1.234,5]");
  EXPECT_EQ(c.Entry(), "1234,5");
  const std::string entry = c.Entry();
  EXPECT_FALSE(c.engine.Paste("ciao"));
  EXPECT_FALSE(c.engine.Paste(""));
  EXPECT_FALSE(c.engine.Paste(" \t\r\n"));
  EXPECT_EQ(c.Entry(), entry);
  // A spreadsheet cell brings its line end; the runner trims the same way.
  EXPECT_TRUE(c.engine.Paste("42\n"));
  EXPECT_EQ(c.Entry(), "42");
  c.Type("[PASTE:\t 7,5\r\n]");
  EXPECT_EQ(c.Entry(), "7,5");
  c.Type("[C][PASTE:1E+300].5");
  EXPECT_EQ(c.Entry(), "1E+3005");
  EXPECT_EQ(c.Display(), "1E+3005");
}

// A pasted point is a thousands point only where it groups three digits;
// a single point that does not, with no comma, is an English decimal point.
struct PasteCase {
  const char* text;
  const char* display;  // nullptr: not a number, the entry stays
};

class PastePoints : public ::testing::TestWithParam<PasteCase> {};

TEST_P(PastePoints, GivesTheDisplay) {
  const PasteCase& c = GetParam();
  Calculator calc;
  calc.Type("7");
  EXPECT_EQ(calc.engine.Paste(c.text), c.display != nullptr) << c.text;
  EXPECT_EQ(calc.Display(), c.display ? c.display : "7,") << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PastePoints,
    ::testing::Values(PasteCase{"1.234", "1.234,"}, PasteCase{"12.345.678", "12.345.678,"},
                      PasteCase{"1.234,5", "1.234,5"}, PasteCase{"12.5", "12,5"},
                      PasteCase{"1234.56", "1.234,56"}, PasteCase{"0.750", "0,75"},
                      PasteCase{"1234.567", "1.234,567"}, PasteCase{"1.2345", "1,2345"},
                      PasteCase{".5", "0,5"}, PasteCase{"-12.5", "-12,5"},
                      PasteCase{"-1.234", "-1.234,"}, PasteCase{" 1.234 ", "1.234,"},
                      PasteCase{"123.456", "123.456,"}, PasteCase{"0.001", "0,001"},
                      PasteCase{"1.5E+3", "1.500,"}, PasteCase{"1.234.5", nullptr},
                      PasteCase{"12.34,5", nullptr}, PasteCase{"1.2.3", nullptr},
                      PasteCase{"12.5.", nullptr}, PasteCase{"1,5.3", nullptr},
                      PasteCase{"a.5", nullptr}, PasteCase{".", nullptr}));

TEST(Script, PasteReadsTheSamePoints) {
  Calculator calc;
  calc.Type("[PASTE:12.5]+[PASTE:1234.56]=");
  EXPECT_EQ(calc.Display(), "1.247,06");
  calc.Type("[PASTE:1.234.5]");
  EXPECT_EQ(calc.Display(), "1.247,06");
}

TEST(Script, NamesAndCharacters) {
  const tape::ParseResult r = tape::ParseScript(" 1\t2\r\n[00][PASTE: a]b ]c]");
  ASSERT_EQ(r.error, "");
  ASSERT_EQ(r.actions.size(), 5u);  // 1, 2, [00], paste " a", "c" (clear all)
  EXPECT_EQ(r.actions[2].key, (KeyRef{Button::Number, 10}));
  EXPECT_EQ(r.actions[3].kind, tape::Action::Kind::Paste);
  EXPECT_EQ(r.actions[3].text, " a");
  EXPECT_EQ(r.actions[4].key, (KeyRef{Button::Cancel}));
}

TEST(Script, Errors) {
  EXPECT_NE(tape::ParseScript("[back]").error, "");  // names are case-sensitive
  EXPECT_NE(tape::ParseScript("12[C").error, "");
  EXPECT_NE(tape::ParseScript("[]").error, "");
  EXPECT_NE(tape::ParseScript("1\xff").error, "");
  EXPECT_NE(tape::ParseScript("[PASTE]").error, "");
  EXPECT_EQ(tape::ParseScript("€÷,").error, "");
  EXPECT_TRUE(tape::ParseScript("€÷,").actions.empty());
}

}  // namespace
}  // namespace numerina::testing
