// Number entry and clearing: digits, comma, backspace, sign, clear entry,
// clear all.
#include "engine/engine.h"
#include "engine/numbers.h"

namespace numerina {
namespace {
constexpr std::string_view kDigitTags[12] = {"0", "1", "2", "3", "4", "5",
                                             "6", "7", "8", "9", "00", "000"};
}

void Engine::Number_Click(int Index) {
  if (Index < 0 || Index > 11) return;
  const std::string_view D = kDigitTags[Index];
  std::string E = Readout;
  if (EntryTag != "NUMS") {
    E = ",";
    FractionMode = false;
  }
  if (FractionMode) {
    E += D;
  } else {
    // The digit goes before the comma; whatever followed the comma is
    // dropped. Without a comma (a result after backspace) the digit is lost.
    const auto p = E.find(',');
    if (p != std::string::npos) {
      E.resize(p);
      E += D;
      E += ',';
    }
  }
  if (EntryTag == "NEG") E.insert(E.begin(), '-');
  SetEntry(std::move(E));
  EntryTag = "NUMS";
  Focus();
}

void Engine::Decim_Click() {
  if (EntryTag == "NEG") {
    SetEntry("-0,");
  } else if (EntryTag != "NUMS") {
    SetEntry(",");
  }
  FractionMode = true;
  EntryTag = "NUMS";
  Focus();
}

void Engine::Back_Click() {
  const std::string& E = Readout;
  const std::size_t L = E.size();
  if (!E.empty() && E.back() == ',') {
    // Keep the final comma: "123," -> "12,"; the lone comma stays.
    if (L >= 2) SetEntry(E.substr(0, L - 2) + ",");
  } else if (L >= 1) {
    SetEntry(E.substr(0, L - 1));
  }
  FractionMode = false;
  EntryTag = "NUMS";
  Focus();
}

void Engine::Più_meno_Click() {
  if (Readout == ",") return;
  const std::optional<double> x = ParseNumber(Readout);
  if (!x) return;
  if (*x != 0) {
    if (Readout.front() != '-')
      SetEntry("-" + Readout);
    else
      SetEntry(Readout.substr(1));
  }
  FractionMode = true;
  Focus();
}

void Engine::CancelEntry_Click() {
  SetEntry("0,");
  FractionMode = false;
  EntryTag = "CE";
  tape_.Clear();
  host_.TapeCleared();
  Focus();
}

void Engine::Cancel_Click() {
  SetEntry("0,");
  Accumulator = Operand::Of(0.0);
  SecondOperand = Operand::Of(0.0);
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
