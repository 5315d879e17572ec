// SPDX-License-Identifier: GPL-3.0-or-later
// The display of an entry that keys change at its end: after every key it
// is what the entry's whole text formats as, however long the entry is.
#include <gtest/gtest.h>

#include <random>

#include "engine/numbers.h"
#include "tests/engine/harness.h"

namespace numerina::testing {
namespace {

std::string Formatted(const Calculator& c) {
  return FormatWithPattern(std::string_view(c.Entry()), kDisplayPattern);
}

TEST(LongEntry, RandomKeysShowTheWholeEntry) {
  const std::string keys[] = {"0",
                              "0",
                              "0",
                              "1",
                              "5",
                              "9",
                              "[00]",
                              "[000]",
                              ".",
                              "[BACK]",
                              "[BACK]",
                              "[SIGN]",
                              "-",
                              "+",
                              "=",
                              "[CE]",
                              "[MR]",
                              "[MS]",
                              "[SQRT]",
                              "[PASTE:1E+300]",
                              "[PASTE:-1,5E-07]",
                              "[PASTE:12.5]",
                              "[PASTE:1E+308]",
                              "[PASTE:0,000]"};
  std::mt19937 random(20261209);
  std::uniform_int_distribution<std::size_t> pick(0, std::size(keys) - 1);
  for (int run = 0; run < 400; ++run) {
    Calculator c;
    std::string typed;
    for (int k = 0; k < 80; ++k) {
      const std::string& key = keys[pick(random)];
      typed += key;
      c.Type(key);
      ASSERT_EQ(c.Display(), Formatted(c)) << typed;
    }
  }
}

// Past the 800 digits a conversion looks at, a non-zero digit still counts;
// backspace brings every earlier state back.
TEST(LongEntry, DigitsPastWhatTheConversionReads) {
  for (const char* start : {"", ".", "[PASTE:1E+5].", "[PASTE:1E-300]."}) {
    Calculator c;
    c.Type(start);
    std::vector<std::string> displays;
    std::string typed = start;
    const std::string digits = std::string(805, '0') + "1" + std::string(5, '0') + "7";
    for (std::size_t i = 0; i < 850; ++i) {
      const std::string key(1, i == 0 ? '5' : i < 790 ? '4' : digits[i % digits.size()]);
      typed += key;
      c.Type(key);
      ASSERT_EQ(c.Display(), Formatted(c)) << typed.size();
      displays.push_back(c.Display());
    }
    for (std::size_t i = displays.size(); i-- > 1;) {
      c.Type("[BACK]");
      if (c.Entry().empty() || c.Entry().back() == ',') break;  // a whole part: its comma
      ASSERT_EQ(c.Display(), Formatted(c)) << i;
    }
  }
}

TEST(LongEntry, ExponentDigitsFollow) {
  Calculator c;
  c.Type(".[PASTE:1E+3]");
  for (int i = 0; i < 12; ++i) {
    c.Type("1");
    ASSERT_EQ(c.Display(), Formatted(c)) << c.Entry();
  }
  for (int i = 0; i < 16; ++i) {
    c.Type("[BACK]");
    ASSERT_EQ(c.Display(), Formatted(c)) << c.Entry();
  }
}

}  // namespace
}  // namespace numerina::testing
