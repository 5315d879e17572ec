// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/engine.h"

#include <algorithm>

#include "engine/decimal.h"
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

Engine::Engine(Host& host) : host_(host) {
  s_.CurrentPattern = DecimalPatterns[2];
  scan_.Reset(s_.Readout);
}

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
  scan_.Reset(s_.Readout);
  ShowEntry(false, 0, {});
}

void Engine::EditEntry(std::size_t drop, std::string_view tail) {
  // A key adds or removes a few characters at the entry's end: the entry,
  // its scan and a display that is the entry itself change by as much, so
  // a key costs the same whatever the entry's length.
  std::string& E = s_.Readout;
  drop = std::min(drop, E.size());
  const std::string_view dropped(E.data() + E.size() - drop, drop);
  for (auto c = dropped.rbegin(); c != dropped.rend(); ++c) scan_.Pop(*c);
  E.resize(E.size() - drop);
  E += tail;
  for (const char c : tail) scan_.Push(c);
  if (!scan_.Follows()) scan_.Reset(E);
  ShowEntry(true, drop, tail);
}

void Engine::ShowEntry(bool edit, std::size_t drop, std::string_view tail) {
  // Every change of the entry re-formats the display, unless the number the
  // entry reads as stayed the same. A display that is the entry's own text
  // (not a number, or too large for one) follows the entry's edit.
  bool follow = false;
  if (edit && scan_.Follows() && shownVersion_ == scan_.Version()) {
    follow = displayIsEntry_;
  } else {
    std::optional<std::string> shown =
        FormatScanned(scan_.Follows() ? scan_.Number() : ScanNumber(s_.Readout), kDisplayPattern);
    shownVersion_ = scan_.Version();
    if (shown) {
      s_.Readout1 = std::move(*shown);
      displayIsEntry_ = false;
    } else if (edit && displayIsEntry_) {
      follow = true;
    } else {
      s_.Readout1 = s_.Readout;
      displayIsEntry_ = true;
    }
  }
  if (follow) {
    s_.Readout1.resize(s_.Readout1.size() - drop);
    s_.Readout1 += tail;
  }
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
