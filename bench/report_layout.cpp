// SPDX-License-Identifier: GPL-3.0-or-later
// Page layout of a long tape: target under 200 ms for 100,000 lines.

#include <benchmark/benchmark.h>

#include <string>

#include "report/layout.h"

namespace {

// A tape as the engine writes it: two operand lines, a total block, an
// empty line, over and over.
std::string MakeTape(int lines) {
  const std::string nbsp = "\u00A0";
  const std::string sep(35, '-');
  std::string tape;
  for (int i = 0; i < lines; ++i) {
    if (i > 0) tape += "\r\n";
    switch (i % 5) {
      case 0: tape += std::to_string(1000 + i) + ",00" + nbsp + nbsp + nbsp + "+"; break;
      case 1: tape += "3,50" + nbsp + nbsp + nbsp + "="; break;
      case 2: tape += sep; break;
      case 3: tape += "1.234.567,89" + nbsp + nbsp + nbsp + nbsp + nbsp; break;
      default: break;
    }
  }
  return tape;
}

// Rough advances of Arial 8.25 points in millimetres, per character.
double ArialWidthMm(std::string_view text) {
  double w = 0;
  for (char c : text) {
    const auto b = static_cast<unsigned char>(c);
    if ((b & 0xC0) == 0x80) continue;
    w += (b >= '0' && b <= '9')                            ? 1.63
         : (b == ',' || b == '.' || b == ' ' || b >= 0xC0) ? 0.82
                                                           : 1.2;
  }
  return w;
}

void BM_LayoutReport(benchmark::State& state) {
  const std::string tape = MakeTape(static_cast<int>(state.range(0)));
  const numerina::DateTime now{2026, 12, 7, 16, 5, 0};
  std::size_t pages = 0;
  for (auto _ : state) {
    auto layout = numerina::LayoutReport(tape, now, ArialWidthMm);
    pages = layout.size();
    benchmark::DoNotOptimize(layout);
  }
  state.counters["pages"] = static_cast<double>(pages);
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_LayoutReport)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
