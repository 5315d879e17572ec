// SPDX-License-Identifier: GPL-3.0-or-later
// Percent, square root, square and reciprocal. Each leaves its operand and
// symbol in s_.PendingTapeText for the next operator key's tape line. A key
// whose operand is not a number, or whose result is not finite, changes
// nothing and only gives the focus back.
#include <cmath>

#include "engine/engine.h"
#include "engine/numbers.h"

namespace numerina {

void Engine::Percent_Click() {
  const std::string operand = OperandText();
  const std::optional<double> A = s_.Accumulator.AsNumber();
  const std::optional<double> d = ParseNumber(s_.Readout);
  if (!A || !d) return Focus();
  const double R = (*A * *d) / 100;
  if (!std::isfinite(R)) return Focus();
  SetEntry(PlainNumberText(R));
  s_.SecondOperand = Operand::Of(s_.Readout);
  s_.EntryTag = EntryState::Percent;
  s_.FractionMode = true;
  AddOperand(1);
  CaretToEnd(false);
  Focus();
  s_.PendingTapeText = operand + "%";
}

void Engine::Sqrt_Click() {
  const std::string operand = OperandText();
  const std::optional<double> x = ParseNumber(s_.Readout);
  if (!x || *x < 0) return Focus();
  SetEntry(PlainNumberText(std::sqrt(*x)));
  s_.FractionMode = true;
  Focus();
  s_.PendingTapeText = operand + "v²";
}

void Engine::ElevQuadrato_Click() {
  const std::optional<double> x = ParseNumber(s_.Readout);
  if (!x) return Focus();
  const std::string operand = OperandText();
  CaretToEnd(false);
  const double square = *x * *x;
  if (!std::isfinite(square)) {
    host_.Raise(MessageCode::NumberTooLarge);
    SetEntry("");
    s_.FractionMode = false;
    s_.OperandCount = 0;
    s_.EntryTag = EntryState::None;
    s_.PendingOperator = Op::None;
    SetEntry("0,");
    return Focus();
  }
  SetEntry(PlainNumberText(square));
  s_.FractionMode = true;
  Focus();
  s_.PendingTapeText = operand + "^²";
}

void Engine::Inverso_Click() {
  const std::optional<double> d = ParseNumber(s_.Readout);
  if (!d || *d == 0) return Focus();
  const double r = 1 / *d;
  if (!std::isfinite(r)) return Focus();
  const std::string operand = OperandText();
  CaretToEnd(false);
  SetEntry(PlainNumberText(r));
  s_.PendingTapeText = operand + "¹x";
  Focus();
}

}  // namespace numerina
