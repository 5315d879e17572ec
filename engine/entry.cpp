// SPDX-License-Identifier: GPL-3.0-or-later
// Number entry and clearing: digits, comma, backspace, sign, clear entry,
// clear all.
#include "engine/engine.h"
#include "engine/numbers.h"

namespace numerina {
namespace {
constexpr std::string_view kDigitTags[12] = {"0", "1", "2", "3", "4",  "5",
                                             "6", "7", "8", "9", "00", "000"};
}

void Engine::Number_Click(int Index) {
  if (Index < 0 || Index > 11) return;
  const std::string_view D = kDigitTags[Index];
  if (s_.EntryTag != EntryState::Digits) {
    // A new number: "," is what the digit goes before.
    std::string E = s_.EntryTag == EntryState::Negative ? "-" : "";
    E += D;
    E += ',';
    s_.FractionMode = false;
    SetEntry(std::move(E));
  } else if (s_.FractionMode) {
    EditEntry(0, D);
  } else {
    // The digit goes before the comma; whatever followed the comma is
    // dropped. Without a comma (a result after backspace) the digit is lost.
    const std::string& E = s_.Readout;
    const std::size_t p = scan_.Follows() ? scan_.CommaAt() : E.find(',');
    if (p != std::string::npos) {
      std::string tail(D);
      tail += ',';
      EditEntry(E.size() - p, tail);
    } else {
      EditEntry(0, {});
    }
  }
  s_.EntryTag = EntryState::Digits;
  Focus();
}

void Engine::Decim_Click() {
  if (s_.EntryTag == EntryState::Negative) {
    SetEntry("-0,");
  } else if (s_.EntryTag != EntryState::Digits) {
    SetEntry(",");
  }
  s_.FractionMode = true;
  s_.EntryTag = EntryState::Digits;
  Focus();
}

void Engine::Back_Click() {
  const std::string& E = s_.Readout;
  const std::size_t L = E.size();
  if (!E.empty() && E.back() == ',') {
    // Keep the final comma: "123," -> "12,"; the lone comma stays.
    if (L >= 2) EditEntry(2, ",");
  } else if (L >= 1) {
    EditEntry(1, {});
  }
  s_.FractionMode = false;
  s_.EntryTag = EntryState::Digits;
  Focus();
}

void Engine::Piu_meno_Click() {
  if (s_.Readout == ",") return;
  const std::optional<double> x = ParseNumber(s_.Readout);
  if (!x) return;
  if (*x != 0) {
    if (s_.Readout.front() != '-')
      SetEntry("-" + s_.Readout);
    else
      SetEntry(s_.Readout.substr(1));
  }
  s_.FractionMode = true;
  Focus();
}

void Engine::CancelEntry_Click() {
  SetEntry("0,");
  s_.FractionMode = false;
  s_.EntryTag = EntryState::Cleared;
  tape_.Clear();
  host_.TapeCleared();
  Focus();
}

void Engine::Cancel_Click() {
  SetEntry("0,");
  s_.Accumulator = Operand::Of(0.0);
  s_.SecondOperand = Operand::Of(0.0);
  // The window re-runs its settings loading (which sets the decimals), then
  // the engine's own start-up initialisation.
  host_.RerunStartup(*this);
  Initialise();
  if (!tape_.Empty()) {
    AppendTape(kCrLf);
    CaretToEnd(false);
  }
  Focus();
}

}  // namespace numerina
