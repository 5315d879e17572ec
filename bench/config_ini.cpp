// SPDX-License-Identifier: GPL-3.0-or-later
// One settings read on a full settings file: target under 100 µs.

#include <stdlib.h>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "config/ini.h"
#include "config/settings.h"

namespace {

// A settings folder holding the twenty keys of a full file and five more,
// with a comment and Windows line ends, as a hand-edited file might be.
class SettingsFolder {
 public:
  SettingsFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "numerina-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) std::abort();
    path_ = pattern;
    std::ofstream out(path_ + "/voldrin.ini", std::ios::binary);
    out << "; Numerina\r\n[Opzioni]\r\n";
    for (std::string_view key : numerina::kAllKeys) out << key << "=valore di " << key << "\r\n";
    for (int i = 0; i < 5; ++i) out << "Extra" << i << "=Societ\xE0 " << i << "\r\n";
    numerina::SetSettingsFolderForTesting(path_);
  }
  ~SettingsFolder() {
    numerina::SetSettingsFolderForTesting("");
    std::filesystem::remove_all(path_);
  }

 private:
  std::string path_;
};

void BM_LeggiIni(benchmark::State& state) {
  SettingsFolder folder;
  // The last key of the file: the reader walks every line before it.
  for (auto _ : state) benchmark::DoNotOptimize(numerina::LeggiIni(numerina::kSection, "Extra4"));
}
BENCHMARK(BM_LeggiIni)->Unit(benchmark::kMicrosecond);

void BM_LeggiIniFirstKey(benchmark::State& state) {
  SettingsFolder folder;
  for (auto _ : state)
    benchmark::DoNotOptimize(numerina::LeggiIni(numerina::kSection, numerina::kPrimoPiano));
}
BENCHMARK(BM_LeggiIniFirstKey)->Unit(benchmark::kMicrosecond);

// A write rewrites the file and flushes it to the disk; for information.
void BM_ScriviIni(benchmark::State& state) {
  SettingsFolder folder;
  long n = 0;
  for (auto _ : state)
    numerina::ScriviIni(numerina::kSection, numerina::kPosizione,
                        numerina::PosizioneText(n++, 3000));
}
BENCHMARK(BM_ScriviIni)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
