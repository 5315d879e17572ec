// SPDX-License-Identifier: GPL-3.0-or-later
// The engine's side of the toolbar: copy, paste and the number of decimals.
#include "engine/engine.h"
#include "engine/numbers.h"

namespace numerina {

std::optional<std::string> Engine::CopyText() const {
  if (!ParseNumber(s_.Readout1)) return std::nullopt;
  return s_.Readout1;
}

bool Engine::Paste(std::string_view clipboard) {
  // A spreadsheet cell comes with its line end ("42\n"): blanks, tabs, CR
  // and LF at both ends are not part of the number.
  constexpr std::string_view kAround = " \t\r\n";
  const auto first = clipboard.find_first_not_of(kAround);
  clipboard = first == std::string_view::npos
                  ? std::string_view()
                  : clipboard.substr(first, clipboard.find_last_not_of(kAround) - first + 1);
  const std::optional<double> x = ParsePastedNumber(clipboard);
  if (!x) return false;
  SetEntry(PlainNumberText(*x));
  s_.EntryTag = EntryState::Digits;
  Focus();
  return true;
}

void Engine::CambiaDecimali(bool fewer) {
  int d = s_.DecimalPlaces;
  if (!fewer && d < 4)
    SetDecimalPlaces(++d);
  else if (fewer && d > 0)
    SetDecimalPlaces(--d);
  if (d == 4) {
    s_.MoreDecimalsEnabled = false;
  } else if (d == 0) {
    s_.FewerDecimalsEnabled = false;
  } else {
    s_.MoreDecimalsEnabled = true;
    s_.FewerDecimalsEnabled = true;
  }
  Focus();
}

}  // namespace numerina
