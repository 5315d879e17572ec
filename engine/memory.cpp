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
  // Text1 mirrors the entry text.
  const std::optional<double> x = ParseNumber(Readout);
  if (!x) return;
  MemoryRegister = *x;
  if (MemoryRegister != 0) {
    Label1 = PlainNumberText(MemoryRegister);
    RichMemoriaEnabled = true;
    Mem = "M";
  }
  Focus();
}

void Engine::MemoriaPiù_Click() {
  if (MemoryRegister == 0) return Focus();
  const std::optional<double> x = ParseNumber(Readout);
  if (!x) return;
  const double sum = *x + MemoryRegister;
  if (!std::isfinite(sum)) return;  // the register keeps its value
  MemoryRegister = sum;
  Focus();
}

void Engine::RichMemoria_Click() {
  if (MemoryRegister == 0) return;
  SetEntry(PlainNumberText(MemoryRegister));
  EntryTag = "NUMS";
  Focus();
}

void Engine::CancMemoria_Click() {
  MemoryRegister = 0;
  Mem.clear();
  RichMemoriaEnabled = false;
  Focus();
}

void Engine::ConvEuro_Click() {
  const std::optional<double> x = ParseNumber(Readout);
  if (!x || *x == 0) return Focus();
  const double euro = *x / EuroRate;
  if (!std::isfinite(euro)) return Focus();
  SetEntry(FormatWithPattern(euro, kCurrencyPattern));
  FractionMode = true;
  Focus();
}

void Engine::ConvLire_Click() {
  const std::optional<double> x = ParseNumber(Readout);
  if (!x || *x == 0) return Focus();
  const double lire = *x * EuroRate;
  if (!std::isfinite(lire)) return Focus();
  SetEntry(FormatWithPattern(lire, kCurrencyPattern));
  FractionMode = true;
  Focus();
}

}  // namespace numerina
