#pragma once
// The keys of the keypad, as the design's control arrays and single buttons,
// and the keyboard maps that press them.

#include <cstdint>
#include <optional>

namespace numerina {

enum class Button : std::uint8_t {
  Number,       // index 0..11: "0".."9", "00", "000"
  Operator,     // index 0..4: "÷", "+", "X", "-", "="
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

// The character map of GestisciTasto: the key a typed character presses, or
// nothing for a character the calculator ignores (such as ",").
std::optional<KeyRef> GestisciTasto(char32_t c);

// Virtual key codes of the key-down maps.
inline constexpr int kVkBack = 8, kVkReturn = 13, kVkEscape = 27, kVkHome = 36, kVkDelete = 46;

// The key-down map of Focus and Text1: Enter, Delete, Backspace, Home. Esc is
// not a key press (it closes the window) and gives nothing here.
std::optional<KeyRef> KeyDownMap(int keyCode);

}  // namespace numerina
