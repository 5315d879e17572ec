// SPDX-License-Identifier: GPL-3.0-or-later
// The binary operators and equals, and the tape lines they write.
#include <cmath>

#include "engine/engine.h"
#include "engine/numbers.h"

namespace numerina {
namespace {

constexpr std::string_view kOperatorTags[5] = {"÷", "+", "X", "-", "="};
constexpr std::string_view kThreeNbsp = "\u00A0\u00A0\u00A0";
constexpr std::string_view kFiveNbsp = "\u00A0\u00A0\u00A0\u00A0\u00A0";

}  // namespace

OperatorResult ComputeOperator(Op pending, std::optional<double> a, std::optional<double> b) {
  if (pending == Op::Divide && (!b || *b == 0)) return {std::nullopt, true};
  if (!a || !b) return {};
  std::optional<double> result;
  switch (pending) {
    case Op::Plus: result = *b + *a; break;
    case Op::Minus: result = *a - *b; break;
    case Op::Times: result = *b * *a; break;
    case Op::Divide: result = *a / *b; break;
    case Op::Equals: result = *b; break;
    case Op::None: break;
  }
  if (result && !std::isfinite(*result)) result.reset();
  return {result, false};
}

void Engine::Operator_Click(int Index) {
  if (Index < 0 || Index > 4) return;
  const Op op = OpOfIndex(Index);
  const std::string_view T = kOperatorTags[Index];

  s_.LastEntry = Operand::Of(s_.Readout);
  if (s_.EntryTag == EntryState::Digits) AddOperand(1);

  switch (s_.OperandCount) {
    case 0:
      if (op == Op::Minus && s_.EntryTag != EntryState::Negative) {
        SetEntry("-" + s_.Readout);
        s_.EntryTag = EntryState::Negative;
      }
      break;
    case 1:
      s_.Accumulator = Operand::Of(s_.Readout);
      if (op == Op::Minus && s_.EntryTag != EntryState::Digits &&
          s_.PendingOperator != Op::Equals) {
        SetEntry("-");
        s_.EntryTag = EntryState::Negative;
      }
      break;
    case 2: {
      s_.SecondOperand = s_.LastEntry;
      const OperatorResult r = ComputeOperator(s_.PendingOperator, s_.Accumulator.AsNumber(),
                                               s_.SecondOperand.AsNumber());
      if (r.divideByZero) host_.Raise(MessageCode::DivideByZero);
      // An overflow or an invalid operation keeps the first operand.
      if (r.value) s_.Accumulator = Operand::Of(*r.value);
      SetEntry(s_.Accumulator.AsText());
      s_.OperandCount = 1;
      break;
    }
    default: break;
  }

  if (s_.EntryTag != EntryState::Negative) {
    s_.EntryTag = EntryState::Operator;
    s_.PendingOperator = op;
  }
  s_.LastEntry =
      Operand::Of(FormatWithPattern(std::string_view(s_.LastEntry.text), s_.CurrentPattern));
  AppendOperatorLine(T);
  if (op == Op::Equals) {
    const auto p = s_.Readout.find(',');
    const bool endsWithItsComma = p != std::string::npos && p + 1 == s_.Readout.size();
    if (!endsWithItsComma) AppendTotalBlock();
  }
  CaretToEnd(true);
  Focus();
}

void Engine::AppendOperatorLine(std::string_view T) {
  std::string line;
  if (s_.PendingTapeText.empty()) {
    line.reserve(s_.LastEntry.text.size() + kThreeNbsp.size() + T.size() + 2);
    if (!tape_.Empty()) line += kCrLf;
    line += s_.LastEntry.text;
    line += kThreeNbsp;
  } else {
    if (!tape_.Empty()) line += kCrLf;
    line += s_.PendingTapeText;
  }
  line += T;
  AppendTape(line);
  s_.PendingTapeText.clear();
}

void Engine::AppendTotalBlock() {
  std::string block;
  block += kCrLf;
  block += kSeparatorLine;
  block += kCrLf;
  block += FormatWithPattern(std::string_view(s_.Readout), s_.CurrentPattern);
  block += kFiveNbsp;
  block += kCrLf;
  AppendTape(block);
}

}  // namespace numerina
