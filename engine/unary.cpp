// Percent, square root, square and reciprocal. Each leaves its operand and
// symbol in PendingTapeText for the next operator key's tape line. A key
// whose operand is not a number, or whose result is not finite, changes
// nothing and only gives the focus back.
#include <cmath>

#include "engine/engine.h"
#include "engine/numbers.h"

namespace numerina {

void Engine::Percent_Click() {
  const std::string operand = OperandText();
  const std::optional<double> A = Accumulator.AsNumber();
  const std::optional<double> d = ParseNumber(Readout);
  if (!A || !d) return Focus();
  const double R = (*A * *d) / 100;
  if (!std::isfinite(R)) return Focus();
  SetEntry(PlainNumberText(R));
  SecondOperand = Operand::Of(Readout);
  EntryTag = "Ops";
  FractionMode = true;
  AddOperand(1);
  CaretToEnd(false);
  Focus();
  PendingTapeText = operand + "%";
}

void Engine::Sqrt_Click() {
  const std::string operand = OperandText();
  const std::optional<double> x = ParseNumber(Readout);
  if (!x || *x < 0) return Focus();
  SetEntry(PlainNumberText(std::sqrt(*x)));
  FractionMode = true;
  Focus();
  PendingTapeText = operand + "v²";
}

void Engine::ElevQuadrato_Click() {
  const std::optional<double> x = ParseNumber(Readout);
  if (!x) return Focus();
  const std::string operand = OperandText();
  CaretToEnd(false);
  const double square = *x * *x;
  if (!std::isfinite(square)) {
    host_.HideMain();
    host_.MessageBox("Numero troppo grande", "Numerina", MessageIcon::Exclamation);
    host_.ShowMain();
    SetEntry("");
    FractionMode = false;
    OperandCount = 0;
    EntryTag = "NONE";
    PendingOperator = " ";
    SetEntry("0,");
    return Focus();
  }
  SetEntry(PlainNumberText(square));
  FractionMode = true;
  Focus();
  PendingTapeText = operand + "^²";
}

void Engine::Inverso_Click() {
  const std::optional<double> d = ParseNumber(Readout);
  if (!d || *d == 0) return Focus();
  const double r = 1 / *d;
  if (!std::isfinite(r)) return Focus();
  const std::string operand = OperandText();
  CaretToEnd(false);
  SetEntry(PlainNumberText(r));
  PendingTapeText = operand + "¹x";
  Focus();
}

}  // namespace numerina
