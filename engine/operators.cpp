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

void Engine::Operator_Click(int Index) {
  if (Index < 0 || Index > 4) return;
  const std::string_view T = kOperatorTags[Index];

  LastEntry = Operand::Of(Readout);
  if (EntryTag == "NUMS") AddOperand(1);

  switch (OperandCount) {
    case 0:
      if (T == "-" && EntryTag != "NEG") {
        SetEntry("-" + Readout);
        EntryTag = "NEG";
      }
      break;
    case 1:
      Accumulator = Operand::Of(Readout);
      if (T == "-" && EntryTag != "NUMS" && PendingOperator != "=") {
        SetEntry("-");
        EntryTag = "NEG";
      }
      break;
    case 2: {
      SecondOperand = LastEntry;
      const std::optional<double> a = Accumulator.AsNumber();
      const std::optional<double> b = SecondOperand.AsNumber();
      const std::string& P = PendingOperator;
      std::optional<double> result;
      if (P == "÷" && (!b || *b == 0)) {
        host_.HideMain();
        host_.MessageBox("Impossibile dividere per zero", "Numerina Desktop",
                         MessageIcon::Exclamation);
        host_.ShowMain();
      } else if (a && b) {
        if (P == "+") result = *b + *a;
        else if (P == "-") result = *a - *b;
        else if (P == "X") result = *b * *a;
        else if (P == "÷") result = *a / *b;
        else if (P == "=") result = *b;
      }
      // An overflow or an invalid operation keeps the first operand.
      if (result && std::isfinite(*result)) Accumulator = Operand::Of(*result);
      SetEntry(Accumulator.AsText());
      OperandCount = 1;
      break;
    }
    default:
      break;
  }

  if (EntryTag != "NEG") {
    EntryTag = "OPS";
    PendingOperator = std::string(T);
  }
  LastEntry = Operand::Of(FormatWithPattern(std::string_view(LastEntry.text), CurrentPattern));
  AppendOperatorLine(T);
  if (T == "=") {
    const auto p = Readout.find(',');
    const bool endsWithItsComma = p != std::string::npos && p + 1 == Readout.size();
    if (!endsWithItsComma) AppendTotalBlock();
  }
  CaretToEnd(true);
  Focus();
}

void Engine::AppendOperatorLine(std::string_view T) {
  std::string line;
  if (PendingTapeText.empty()) {
    line.reserve(LastEntry.text.size() + kThreeNbsp.size() + T.size() + 2);
    if (!tape_.Empty()) line += kCrLf;
    line += LastEntry.text;
    line += kThreeNbsp;
  } else {
    if (!tape_.Empty()) line += kCrLf;
    line += PendingTapeText;
  }
  line += T;
  AppendTape(line);
  PendingTapeText.clear();
}

void Engine::AppendTotalBlock() {
  std::string block;
  block += kCrLf;
  block += kSeparatorLine;
  block += kCrLf;
  block += FormatWithPattern(std::string_view(Readout), CurrentPattern);
  block += kFiveNbsp;
  block += kCrLf;
  AppendTape(block);
}

}  // namespace numerina
