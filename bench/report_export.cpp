// SPDX-License-Identifier: GPL-3.0-or-later
// The text export of a long tape: target under 1 s for 1,000,000 lines,
// written to the disk and flushed.

#include <stdlib.h>
#include <unistd.h>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "report/export.h"

namespace {

std::string MakeTape(int lines) {
  const std::string nbsp = "\u00A0";
  const std::string sep(35, '-');
  std::string tape;
  tape.reserve(static_cast<std::size_t>(lines) * 24);
  for (int i = 0; i < lines; ++i) {
    if (i > 0) tape += "\r\n";
    switch (i % 5) {
      case 0: tape += std::to_string(1000 + i) + ",00" + nbsp + nbsp + nbsp + "+"; break;
      case 1: tape += "3,50" + nbsp + nbsp + nbsp + "÷"; break;
      case 2: tape += sep; break;
      case 3: tape += "1.234.567,89" + nbsp + nbsp + nbsp + nbsp + nbsp; break;
      default: break;
    }
  }
  return tape;
}

const std::string& Tape() {
  static const std::string tape = MakeTape(1000000);
  return tape;
}

void BM_TapeFileBytes(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(numerina::TapeFileBytes(Tape()));
  state.SetBytesProcessed(state.iterations() * static_cast<long>(Tape().size()));
}
BENCHMARK(BM_TapeFileBytes)->Unit(benchmark::kMillisecond);

// The whole save: encoding, temporary file, fsync, rename over the earlier
// file. The file lies beside the benchmark (a real disk, not a tmpfs).
void BM_SalvaReportFile(benchmark::State& state) {
  const std::string dir = std::filesystem::current_path().string();
  const std::string file = dir + "/report_export_bench.txt";
  bool ok = true;
  for (auto _ : state) ok = ok && numerina::SalvaReportFile(file, Tape());
  if (!ok) state.SkipWithError("the export failed");
  state.counters["file_MB"] = static_cast<double>(std::filesystem::file_size(file)) / 1e6;
  std::filesystem::remove(file);
}
BENCHMARK(BM_SalvaReportFile)->Unit(benchmark::kMillisecond)->MinTime(3.0);

}  // namespace

BENCHMARK_MAIN();
