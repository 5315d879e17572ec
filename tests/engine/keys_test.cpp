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
