// SPDX-License-Identifier: GPL-3.0-or-later
// The tape's journal: the cost of one tape line written to it (what typing
// pays), and the time to read back tapes of 100,000 and 1,000,000 lines.
#include <benchmark/benchmark.h>

#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "engine/journal.h"

namespace {

using numerina::Journal;

std::string ScratchFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "numerina-bench-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) return {};
  return pattern;
}

const std::string kLine = "\r\n          1.234,56\u00A0+";

void BM_JournalAppendLine(benchmark::State& state) {
  const std::string folder = ScratchFolder();
  Journal journal;
  if (!journal.Open(folder + "/j", "")) state.SkipWithError("no journal");
  std::size_t n = 0;
  for (auto _ : state) {
    journal.Append(kLine);
    // The window makes it durable a second after the first unsynced line;
    // every 1000 lines stands in for that here.
    if (++n % 1000 == 0) journal.Sync();
  }
  journal.Remove();
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_JournalAppendLine);

void BM_JournalRecover(benchmark::State& state) {
  const std::string folder = ScratchFolder();
  const std::string path = folder + "/j";
  {
    Journal journal;
    journal.Open(path, "");
    for (int64_t i = 0; i < state.range(0); ++i) journal.Append(kLine);
  }
  for (auto _ : state) {
    const numerina::RecoveredTape r = numerina::RecoverJournal(path);
    benchmark::DoNotOptimize(r.text.data());
  }
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_JournalRecover)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
