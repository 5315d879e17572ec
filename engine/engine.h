#pragma once
// The calculator's state and the handlers of its keys. One object, owned by
// the main window (or by the headless runner). Everything that touches a
// window goes through Host.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

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
  void Più_meno_Click();
  void CancelEntry_Click();
  void Cancel_Click();
  void Operator_Click(int Index);
  void Percent_Click();
  void Sqrt_Click();
  void ElevQuadrato_Click();
  void Inverso_Click();
  void Memoria_Click();
  void MemoriaPiù_Click();
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
  // More (fewer = false) or fewer decimals, with the buttons' enabled states.
  void CambiaDecimali(bool fewer);

  // State, read-only for the windows.
  const std::string& EntryText() const { return Readout; }
  const std::string& Display() const { return Readout1; }
  const Tape& Pcalc() const { return tape_; }
  const std::string& MemIndicator() const { return Mem; }
  bool RecallEnabled() const { return RichMemoriaEnabled; }
  bool MoreDecimalsEnabled() const { return moreDecimalsEnabled_; }
  bool FewerDecimalsEnabled() const { return fewerDecimalsEnabled_; }
  double Memory() const { return MemoryRegister; }

  // The state variables keep the design's names.
  std::string EntryTag = "NONE";
  bool FractionMode = false;
  std::int16_t OperandCount = 0;
  Operand Accumulator;
  Operand SecondOperand;
  std::string PendingOperator = " ";
  Operand LastEntry;
  int DecimalPlaces = 2;
  std::string_view CurrentPattern;
  std::string PendingTapeText;
  double MemoryRegister = 0;
  std::string Label1;  // last stored memory value, as text; nothing reads it

 private:
  void SetEntry(std::string text);  // Readout caption; refreshes the display
  void AppendOperatorLine(std::string_view T);
  void AppendTotalBlock();
  void AppendTape(std::string_view fragment);
  void CaretToEnd(bool focusTape);
  void Focus();
  void AddOperand(int n);
  std::string OperandText() const;

  Host& host_;
  Tape tape_;
  std::string Readout = "0,";   // the entry text
  std::string Readout1 = "0,";  // the display
  std::string Mem;              // memory indicator, "" or "M"
  bool RichMemoriaEnabled = true;
  bool moreDecimalsEnabled_ = true;
  bool fewerDecimalsEnabled_ = true;
};

}  // namespace numerina
