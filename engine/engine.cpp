// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/engine.h"

#include "engine/numbers.h"

namespace numerina {

std::optional<double> Operand::AsNumber() const {
  switch (kind) {
    case Kind::Empty: return 0.0;
    case Kind::Number: return number;
    case Kind::Text: return ParseNumber(text);
  }
  return std::nullopt;
}

std::string Operand::AsText() const {
  switch (kind) {
    case Kind::Empty: return "0";
    case Kind::Number: return PlainNumberText(number);
    case Kind::Text: return text;
  }
  return {};
}

Engine::Engine(Host& host) : host_(host) { s_.CurrentPattern = DecimalPatterns[2]; }

void Engine::Initialise() {
  s_.PendingTapeText.clear();
  s_.FractionMode = false;
  s_.OperandCount = 0;
  s_.EntryTag = EntryState::None;
  s_.PendingOperator = Op::None;
  SetEntry("0,");
}

void Engine::SetDecimalPlaces(int d) {
  if (d < 0 || d > 4) d = 2;
  s_.DecimalPlaces = d;
  s_.CurrentPattern = DecimalPatterns[d];
}

void Engine::SetEntry(std::string text) {
  s_.Readout = std::move(text);
  // Every change of the entry re-formats the display.
  s_.Readout1 = FormatWithPattern(std::string_view(s_.Readout), kDisplayPattern);
  host_.DisplayChanged(s_.Readout1);
}

void Engine::AppendTape(std::string_view fragment) {
  tape_.Append(fragment);
  host_.TapeAppended(fragment);
}

void Engine::RestoreTape(std::string_view text) {
  if (text.empty()) return;
  AppendTape(text);
  CaretToEnd(false);
}

void Engine::CaretToEnd(bool focusTape) { host_.TapeCaretToEnd(focusTape); }

void Engine::Focus() { host_.GiveFocusToFocus(); }

void Engine::AddOperand(int n) {
  // A 16-bit counter that stops at its top instead of wrapping.
  const int next = s_.OperandCount + n;
  s_.OperandCount = static_cast<std::int16_t>(next > 32767 ? 32767 : next);
}

std::string Engine::OperandText() const {
  return FormatWithPattern(std::string_view(s_.Readout), s_.CurrentPattern);
}

void Engine::Click(KeyRef key) {
  switch (key.button) {
    case Button::Number: Number_Click(key.index); break;
    case Button::Operator: Operator_Click(key.index); break;
    case Button::Decim: Decim_Click(); break;
    case Button::Back: Back_Click(); break;
    case Button::Piu_meno: Piu_meno_Click(); break;
    case Button::CancelEntry: CancelEntry_Click(); break;
    case Button::Cancel: Cancel_Click(); break;
    case Button::Percent: Percent_Click(); break;
    case Button::Sqrt: Sqrt_Click(); break;
    case Button::ElevQuadrato: ElevQuadrato_Click(); break;
    case Button::Inverso: Inverso_Click(); break;
    case Button::Memoria: Memoria_Click(); break;
    case Button::MemoriaPiu: MemoriaPiu_Click(); break;
    case Button::RichMemoria:
      if (s_.RichMemoriaEnabled) RichMemoria_Click();
      break;
    case Button::CancMemoria: CancMemoria_Click(); break;
    case Button::ConvEuro: ConvEuro_Click(); break;
    case Button::ConvLire: ConvLire_Click(); break;
  }
}

}  // namespace numerina
