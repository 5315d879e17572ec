// SPDX-License-Identifier: GPL-3.0-or-later
// The memory register and the lire/euro conversion.
#include <cmath>

#include "engine/engine.h"
#include "engine/numbers.h"

namespace numerina {
namespace {
// 1936.27 lire per euro, held as the nearest single-precision value, as the
// conversion has always used it: exactly 1936.27001953125.
constexpr double EuroRate = static_cast<double>(1936.27f);
static_assert(EuroRate == 1936.27001953125);
}  // namespace

void Engine::Memoria_Click() {
  const std::optional<double> x = ParseNumber(s_.Readout);
  if (!x) return;
  s_.MemoryRegister = *x;
  if (s_.MemoryRegister != 0) {
    s_.RichMemoriaEnabled = true;
    s_.Mem = "M";
  }
  Focus();
}

void Engine::MemoriaPiu_Click() {
  if (s_.MemoryRegister == 0) return Focus();
  const std::optional<double> x = ParseNumber(s_.Readout);
  if (!x) return;
  const double sum = *x + s_.MemoryRegister;
  if (!std::isfinite(sum)) return;  // the register keeps its value
  s_.MemoryRegister = sum;
  Focus();
}

void Engine::RichMemoria_Click() {
  if (s_.MemoryRegister == 0) return;
  SetEntry(PlainNumberText(s_.MemoryRegister));
  s_.EntryTag = EntryState::Digits;
  Focus();
}

void Engine::CancMemoria_Click() {
  s_.MemoryRegister = 0;
  s_.Mem.clear();
  s_.RichMemoriaEnabled = false;
  Focus();
}

void Engine::ConvEuro_Click() {
  const std::optional<double> x = ParseNumber(s_.Readout);
  if (!x || *x == 0) return Focus();
  const double euro = *x / EuroRate;
  if (!std::isfinite(euro)) return Focus();
  SetEntry(FormatWithPattern(euro, kCurrencyPattern));
  s_.FractionMode = true;
  Focus();
}

void Engine::ConvLire_Click() {
  const std::optional<double> x = ParseNumber(s_.Readout);
  if (!x || *x == 0) return Focus();
  const double lire = *x * EuroRate;
  if (!std::isfinite(lire)) return Focus();
  SetEntry(FormatWithPattern(lire, kCurrencyPattern));
  s_.FractionMode = true;
  Focus();
}

}  // namespace numerina
