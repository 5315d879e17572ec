// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The calculator's state and the handlers of its keys. One object, owned by
// the main window (or by the headless runner). Everything that touches a
// window goes through Host.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/entryscan.h"
#include "engine/host.h"
#include "engine/keys.h"
#include "engine/tape.h"

namespace numerina {

// Accumulator, SecondOperand and LastEntry hold either a text or a double.
// Empty is the value of program start, which counts as 0 everywhere.
struct Operand {
  enum class Kind : std::uint8_t { Empty, Text, Number };
  Kind kind = Kind::Empty;
  std::string text;
  double number = 0;

  static Operand Of(double x) { return {Kind::Number, {}, x}; }
  static Operand Of(std::string_view s) { return {Kind::Text, std::string(s), 0}; }
  std::optional<double> AsNumber() const;  // a text goes through ParseNumber
  std::string AsText() const;              // a double goes through PlainNumberText
};

// What the entry holds, as far as the next key is concerned.
enum class EntryState : std::uint8_t {
  None,      // start-up and clear all: the next digit starts a number
  Digits,    // a number is being typed (or was pasted or recalled)
  Negative,  // a minus was typed as the sign of the next number
  Cleared,   // clear entry
  Operator,  // an operator key was pressed
  Percent,   // the percent key gave the second operand
};

// The operator an operator key leaves pending; None before the first one.
// The members after None follow the operator keys' indices (kDivide..kEquals).
enum class Op : std::uint8_t { None, Divide, Plus, Times, Minus, Equals };

// The operator of an operator key's index 0..4.
constexpr Op OpOfIndex(int index) { return static_cast<Op>(index + 1); }

// The state variables, under their established names. The window, the runner and
// the tests read them through Engine::Snapshot().
struct EngineState {
  EntryState EntryTag = EntryState::None;
  bool FractionMode = false;
  std::int16_t OperandCount = 0;
  Operand Accumulator;
  Operand SecondOperand;
  Op PendingOperator = Op::None;
  Operand LastEntry;
  int DecimalPlaces = 2;
  std::string_view CurrentPattern;
  std::string PendingTapeText;
  double MemoryRegister = 0;
  std::string Readout = "0,";   // the entry text
  std::string Readout1 = "0,";  // the display
  std::string Mem;              // memory indicator, "" or "M"
  bool RichMemoriaEnabled = true;
  bool MoreDecimalsEnabled = true;
  bool FewerDecimalsEnabled = true;
};

// What an operator key computes from the two operands and the pending
// operator: the new accumulator, or nothing (an overflow or an invalid
// operation keeps the first operand). DivideByZero tells the caller to raise
// its message; the result is then nothing.
struct OperatorResult {
  std::optional<double> value;
  bool divideByZero = false;
};
OperatorResult ComputeOperator(Op pending, std::optional<double> a, std::optional<double> b);

class Engine {
 public:
  explicit Engine(Host& host);

  // Start-up initialisation of the state (run by the window's start-up after
  // its settings loading, and by clear all).
  void Initialise();
  // Sets DecimalPlaces and CurrentPattern together; d is 0..4.
  void SetDecimalPlaces(int d);

  // Key handlers.
  void Number_Click(int Index);
  void Decim_Click();
  void Back_Click();
  void Piu_meno_Click();
  void CancelEntry_Click();
  void Cancel_Click();
  void Operator_Click(int Index);
  void Percent_Click();
  void Sqrt_Click();
  void ElevQuadrato_Click();
  void Inverso_Click();
  void Memoria_Click();
  void MemoriaPiu_Click();
  void RichMemoria_Click();
  void CancMemoria_Click();
  void ConvEuro_Click();
  void ConvLire_Click();

  // Runs the click handler of a key. A disabled key (the recall key while
  // it is disabled) does nothing.
  void Click(KeyRef key);

  // Toolbar commands, engine side.
  // Copy: the display text when it is a number, else nothing.
  std::optional<std::string> CopyText() const;
  // Paste: true when the text, without blanks, tabs, CR and LF at its ends,
  // was a number and went into the entry.
  bool Paste(std::string_view clipboard);
  // Puts a saved tape back as it was, without computing anything: the
  // display and the calculation stay as they are.
  void RestoreTape(std::string_view text);
  // More (fewer = false) or fewer decimals, with the buttons' enabled states.
  void CambiaDecimali(bool fewer);

  // The state, read-only.
  const EngineState& Snapshot() const { return s_; }
  const std::string& EntryText() const { return s_.Readout; }
  const std::string& Display() const { return s_.Readout1; }
  const Tape& Pcalc() const { return tape_; }
  const std::string& MemIndicator() const { return s_.Mem; }
  bool RecallEnabled() const { return s_.RichMemoriaEnabled; }
  bool MoreDecimalsEnabled() const { return s_.MoreDecimalsEnabled; }
  bool FewerDecimalsEnabled() const { return s_.FewerDecimalsEnabled; }
  double Memory() const { return s_.MemoryRegister; }

 private:
  void SetEntry(std::string text);  // Readout caption; refreshes the display
  // The entry loses its last `drop` characters and gains `tail`.
  void EditEntry(std::size_t drop, std::string_view tail);
  void ShowEntry(bool edit, std::size_t drop, std::string_view tail);
  void AppendOperatorLine(std::string_view T);
  void AppendTotalBlock();
  void AppendTape(std::string_view fragment);
  void CaretToEnd(bool focusTape);
  void Focus();
  void AddOperand(int n);
  std::string OperandText() const;

  Host& host_;
  Tape tape_;
  EngineState s_;
  EntryScan scan_;                  // s_.Readout's number
  std::uint64_t shownVersion_ = 0;  // scan_'s version when the display was made
  bool displayIsEntry_ = false;     // s_.Readout1 is s_.Readout's own text
};

}  // namespace numerina
