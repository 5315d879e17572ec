// SPDX-License-Identifier: GPL-3.0-or-later
// The display's refresh with numbers of any length: a new text fitted into
// the display (font steps, "…" and the right-hand end) and painted. The
// refresh for a 100,000-digit entry must stay well under 10 ms, so typing
// never slows down. Runs on the offscreen platform unless another is set.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>

#include <memory>
#include <string>

#include "bench/qtbench.h"
#include "config/ini.h"
#include "ui/calculator/calculator.h"
#include "ui/calculator/shell.h"
#include "ui/skin/keytable.h"

namespace {

using numerina::ui::Calculator;

std::unique_ptr<Calculator> calc;

Calculator& Started() {
  static QTemporaryDir folder;
  if (calc) return *calc;
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
  return *calc;
}

// A display text of `digits` digits grouped by ".", ending in ",".
std::string DisplayOf(int digits, char digit) {
  std::string s;
  for (int i = 0; i < digits; ++i) {
    if (i > 0 && (digits - i) % 3 == 0) s += '.';
    s += digit;
  }
  return s + ",";
}

// The window receives a new display text and the display repaints.
void BM_DisplayRefresh(benchmark::State& state) {
  Calculator& c = Started();
  QWidget* display = c.findChild<QWidget*>(QStringLiteral("Readout1"));
  const int digits = static_cast<int>(state.range(0));
  const std::string texts[2] = {DisplayOf(digits, '7'), DisplayOf(digits, '8')};
  int which = 0;
  for (auto _ : state) {
    c.OnDisplayChanged(texts[which ^= 1]);
    display->repaint();
  }
}
BENCHMARK(BM_DisplayRefresh)
    ->Arg(15)
    ->Arg(20)
    ->Arg(100)
    ->Arg(100000)
    ->Unit(benchmark::kMicrosecond);

// A key drawn pressed and released again: the window repaints the key's
// square (background, key) twice. Typing at full speed repaints this way
// for every key, so it must stay far below a frame.
void BM_KeyFlashRepaint(benchmark::State& state) {
  Calculator& c = Started();
  const numerina::ui::KeyDef& seven = *numerina::ui::FindKey({numerina::Button::Number, 7});
  const QRect square(seven.x, seven.y, numerina::ui::kKeySize, numerina::ui::kKeySize);
  for (auto _ : state) {
    c.repaint(square);
    c.repaint(square);
  }
}
BENCHMARK(BM_KeyFlashRepaint)->Unit(benchmark::kMicrosecond);

// A million digit keys typed into the window, each acting at once (the
// engine, the display's text and its fitting), the display painted at the
// end: the cost of a key must not grow with the entry.
void BM_MillionDigitKeys(benchmark::State& state) {
  Calculator& c = Started();
  QWidget* display = c.findChild<QWidget*>(QStringLiteral("Readout1"));
  const numerina::ui::KeyDef& seven = *numerina::ui::FindKey({numerina::Button::Number, 7});
  const numerina::ui::KeyDef& clear = *numerina::ui::FindKey({numerina::Button::Cancel});
  const int digits = static_cast<int>(state.range(0));
  for (auto _ : state) {
    c.PressKey(clear);
    for (int i = 0; i < digits; ++i) c.PressKey(seven);
    display->repaint();
  }
  state.SetItemsProcessed(state.iterations() * digits);
}
BENCHMARK(BM_MillionDigitKeys)
    ->Arg(1000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
  return RunWindowBenchmarks(argc, argv, [] { calc.reset(); });
}
