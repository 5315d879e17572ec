// SPDX-License-Identifier: GPL-3.0-or-later
// One more operator key on a long tape: the key's action and the append to
// the tape's text box must cost the same at 100 lines and at 100,000.
// Runs the real window on the offscreen platform (unless another is set).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>

#include <memory>

#include "bench/qtbench.h"
#include "config/ini.h"
#include "ui/calculator/calculator.h"
#include "ui/calculator/shell.h"
#include "ui/calculator/tapeview.h"
#include "ui/skin/keytable.h"

namespace {

using numerina::ui::Calculator;

const numerina::ui::KeyDef& Key(numerina::Button b, int index = 0) {
  return *numerina::ui::FindKey({b, index});
}

std::unique_ptr<Calculator> calc;

// A started calculator whose tape holds `lines` lines, kept between
// benchmarks of the same size.
Calculator& CalculatorWithTape(int lines) {
  static QTemporaryDir folder;
  static int filled = -1;
  if (filled == lines) return *calc;
  numerina::SetSettingsFolderForTesting(folder.path().toStdString());
  // Keys act at once: the benchmark times the action, not the flash.
  static struct : numerina::ui::StandaloneShell {
    int KeyFlashMs() const override { return 0; }
  } shell;
  calc = std::make_unique<Calculator>(shell);
  calc->StartUp();
  calc->show();
  calc->BuildTextWidgets();
  QCoreApplication::processEvents();
  // "7 +" pairs: each "+" adds one line.
  const auto& seven = Key(numerina::Button::Number, 7);
  const auto& plus = Key(numerina::Button::Operator, numerina::kPlus);
  for (int i = 0; i < lines; ++i) {
    calc->PressKey(seven);
    calc->PressKey(plus);
  }
  QCoreApplication::processEvents();
  filled = lines;
  return *calc;
}

// Keeps a short tape short: empties it (clear entry) and fills it again.
void KeepShortTapeShort(Calculator& calc, int lines) {
  if (lines >= 1000 || calc.Tape().blockCount() <= 2 * lines) return;
  calc.PressKey(Key(numerina::Button::CancelEntry));
  const auto& five = Key(numerina::Button::Number, 5);
  const auto& plus = Key(numerina::Button::Operator, numerina::kPlus);
  for (int i = 0; i < lines; ++i) {
    calc.PressKey(five);
    calc.PressKey(plus);
  }
}

// One operator key (action and tape append) on a tape of range(0) lines;
// with repaint, the repaint that follows (tape, display) is included.
void OperatorKey(benchmark::State& state, bool repaint) {
  Calculator& calc = CalculatorWithTape(static_cast<int>(state.range(0)));
  const auto& five = Key(numerina::Button::Number, 5);
  const auto& plus = Key(numerina::Button::Operator, numerina::kPlus);
  const int lines = static_cast<int>(state.range(0));
  for (auto _ : state) {
    state.PauseTiming();
    KeepShortTapeShort(calc, lines);
    calc.PressKey(five);
    if (repaint) QCoreApplication::processEvents();
    state.ResumeTiming();
    calc.PressKey(plus);
    if (repaint) QCoreApplication::processEvents();
  }
  state.counters["lines"] = static_cast<double>(calc.Tape().blockCount());
}

void BM_OperatorKeyOnTape(benchmark::State& state) { OperatorKey(state, false); }
BENCHMARK(BM_OperatorKeyOnTape)->Arg(100)->Arg(100000)->Unit(benchmark::kMicrosecond);

void BM_OperatorKeyAndRepaint(benchmark::State& state) { OperatorKey(state, true); }
BENCHMARK(BM_OperatorKeyAndRepaint)->Arg(100)->Arg(100000)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  return RunWindowBenchmarks(argc, argv, [] { calc.reset(); });
}
