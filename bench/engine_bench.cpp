// SPDX-License-Identifier: GPL-3.0-or-later
// Engine throughput: mixed office keying, the display of a very long entry,
// and one operator key on a long tape.
#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

#include "engine/engine.h"
#include "engine/numbers.h"
#include "tools/tape/script.h"

namespace {

using namespace numerina;

class NullHost : public Host {
 public:
  void MessageBox(std::string_view, std::string_view, MessageIcon) override {}
};

std::vector<KeyRef> MixedKeys() {
  std::ifstream in(NUMERINA_BENCH_DIR "/mixed.keys", std::ios::binary);
  const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  const tape::ParseResult parsed = tape::ParseScript(text);
  if (!parsed.error.empty() || parsed.actions.empty()) throw std::runtime_error("bench/mixed.keys");
  std::vector<KeyRef> keys;
  for (const tape::Action& a : parsed.actions) keys.push_back(a.key);
  return keys;
}

void BM_MixedKeys(benchmark::State& state) {
  const std::vector<KeyRef> keys = MixedKeys();
  NullHost host;
  for (auto _ : state) {
    Engine engine(host);
    engine.Initialise();
    for (const KeyRef& k : keys) engine.Click(k);
    benchmark::DoNotOptimize(engine.Display().data());
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * keys.size()));
}
BENCHMARK(BM_MixedKeys)->Unit(benchmark::kMillisecond);

// The display refresh of "," followed by 100,000 digits.
void BM_DisplayOfLongEntry(benchmark::State& state) {
  const std::string entry = "," + std::string(100000, '7');
  for (auto _ : state) {
    std::string display = FormatWithPattern(std::string_view(entry), kDisplayPattern);
    benchmark::DoNotOptimize(display.data());
  }
}
BENCHMARK(BM_DisplayOfLongEntry)->Unit(benchmark::kMillisecond);

// One more digit typed into that entry: the key and its display refresh.
void BM_DigitOnLongEntry(benchmark::State& state) {
  NullHost host;
  Engine engine(host);
  engine.Initialise();
  engine.Decim_Click();
  for (int i = 0; i < 100000; ++i) engine.Number_Click(7);
  for (auto _ : state) engine.Number_Click(3);
}
BENCHMARK(BM_DigitOnLongEntry)->Unit(benchmark::kMillisecond)->Iterations(50);

// An entry of a million digit keys, whole part or decimals: every key with
// its display refresh. The cost of a key must not grow with the entry.
void BM_MillionDigitEntry(benchmark::State& state) {
  NullHost host;
  const bool decimals = state.range(0) != 0;
  for (auto _ : state) {
    Engine engine(host);
    engine.Initialise();
    if (decimals) engine.Decim_Click();
    for (int i = 0; i < 1000000; ++i) engine.Number_Click(1 + i % 9);
    benchmark::DoNotOptimize(engine.Display().data());
  }
  state.SetItemsProcessed(state.iterations() * 1000000);
}
BENCHMARK(BM_MillionDigitEntry)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);

// An operator key (action and tape append) with 100,000 lines on the tape.
void BM_OperatorOnLongTape(benchmark::State& state) {
  NullHost host;
  Engine engine(host);
  engine.Initialise();
  for (int i = 0; i < 100000; ++i) {
    engine.Number_Click(7);
    engine.Operator_Click(kPlus);
  }
  for (auto _ : state) {
    engine.Number_Click(7);
    engine.Operator_Click(kPlus);
  }
}
BENCHMARK(BM_OperatorOnLongTape)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
