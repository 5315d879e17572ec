// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The keys of the keypad, as the design's control arrays and single buttons,
// and the keyboard maps that press them.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace numerina {

enum class Button : std::uint8_t {
  Number,    // index 0..11: "0".."9", "00", "000"
  Operator,  // index 0..4: "÷", "+", "X", "-", "="
  Decim,
  Back,
  Piu_meno,
  CancelEntry,
  Cancel,
  Percent,
  Sqrt,
  ElevQuadrato,
  Inverso,
  Memoria,
  MemoriaPiu,
  RichMemoria,
  CancMemoria,
  ConvEuro,
  ConvLire,
};

struct KeyRef {
  Button button;
  int index = 0;
  friend bool operator==(const KeyRef&, const KeyRef&) = default;
};

// Operator indices.
inline constexpr int kDivide = 0, kPlus = 1, kTimes = 2, kMinus = 3, kEquals = 4;

// Virtual key codes of the key-down maps.
inline constexpr int kVkBack = 8, kVkReturn = 13, kVkEscape = 27, kVkHome = 36, kVkDelete = 46;

// One way of pressing a key without the mouse: the characters that type it,
// the key-down code that presses it, and its name in a numerina-tape script
// ("[BACK]"). A key pressed in two ways has two rows.
struct KeyboardKey {
  KeyRef key;
  std::u32string_view chars;  // the characters that type it
  int virtualKey;             // key-down code, 0 for none
  std::string_view name;      // script name, "" for a key typed by its character
};

// The keyboard: the one table the character map, the key-down map and the
// script names come from.
inline constexpr std::array<KeyboardKey, 34> kKeyboard = {{
    {{Button::Number, 0}, U"0", 0, ""},
    {{Button::Number, 1}, U"1", 0, ""},
    {{Button::Number, 2}, U"2", 0, ""},
    {{Button::Number, 3}, U"3", 0, ""},
    {{Button::Number, 4}, U"4", 0, ""},
    {{Button::Number, 5}, U"5", 0, ""},
    {{Button::Number, 6}, U"6", 0, ""},
    {{Button::Number, 7}, U"7", 0, ""},
    {{Button::Number, 8}, U"8", 0, ""},
    {{Button::Number, 9}, U"9", 0, ""},
    {{Button::Number, 10}, U"", 0, "00"},
    {{Button::Number, 11}, U"", 0, "000"},
    {{Button::Operator, kDivide}, U"/", 0, ""},
    {{Button::Operator, kPlus}, U"+", 0, ""},
    {{Button::Operator, kTimes}, U"*Xx", 0, ""},
    {{Button::Operator, kMinus}, U"-", 0, ""},
    {{Button::Operator, kEquals}, U"=Tt", kVkReturn, "ENTER"},
    {{Button::Decim}, U".", 0, ""},
    {{Button::Back}, U"", kVkBack, "BACK"},
    {{Button::CancelEntry}, U"", 0, "CE"},
    {{Button::CancelEntry}, U"", kVkHome, "HOME"},
    {{Button::Cancel}, U"Cc", 0, "C"},
    {{Button::Cancel}, U"", kVkDelete, "DEL"},
    {{Button::Piu_meno}, U"", 0, "SIGN"},
    {{Button::Percent}, U"%", 0, "PCT"},
    {{Button::Sqrt}, U"^", 0, "SQRT"},
    {{Button::ElevQuadrato}, U"", 0, "SQR"},
    {{Button::Inverso}, U"!", 0, "INV"},
    {{Button::Memoria}, U"", 0, "MS"},
    {{Button::MemoriaPiu}, U"", 0, "M+"},
    {{Button::RichMemoria}, U"", 0, "MR"},
    {{Button::CancMemoria}, U"", 0, "MC"},
    {{Button::ConvEuro}, U"", 0, "EUR"},
    {{Button::ConvLire}, U"", 0, "LIRE"},
}};

// The character map of GestisciTasto: the key a typed character presses, or
// nothing for a character the calculator ignores (such as ",").
std::optional<KeyRef> GestisciTasto(char32_t c);

// The key-down map of Focus and the tape: Enter, Delete, Backspace, Home. Esc
// is not a key press (it closes the window) and gives nothing here.
std::optional<KeyRef> KeyDownMap(int keyCode);

// The key a script name presses ("BACK", "M+"...), if any.
std::optional<KeyRef> KeyOfName(std::string_view name);

}  // namespace numerina
