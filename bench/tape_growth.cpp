// SPDX-License-Identifier: GPL-3.0-or-later
// Tape growth: time per operator key and peak memory for tapes of 10,000,
// 100,000 and 1,000,000 operator keys. Each size runs in its own process so
// that its peak resident memory is its own.
//   tape_growth            all three sizes, with the checks
//   tape_growth N          one size, one line of figures
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

#include "engine/engine.h"

namespace {

using namespace numerina;

class NullHost : public Host {
 public:
  void MessageBox(std::string_view, std::string_view, MessageIcon) override {}
};

long StatusKiB(const char* field) {
  std::ifstream in("/proc/self/status");
  std::string line;
  while (std::getline(in, line))
    if (line.rfind(field, 0) == 0) return std::atol(line.c_str() + std::strlen(field));
  return -1;
}

int RunOne(long n) {
  NullHost host;
  Engine engine(host);
  engine.Initialise();
  const long before = StatusKiB("VmRSS:");
  const auto t0 = std::chrono::steady_clock::now();
  for (long i = 0; i < n; ++i) {
    engine.Number_Click(static_cast<int>(i % 10));
    engine.Operator_Click(static_cast<int>(i % 4));  // ÷ + X -
  }
  const auto t1 = std::chrono::steady_clock::now();
  const long peak = StatusKiB("VmHWM:");
  const double nsPerKey =
      std::chrono::duration<double, std::nano>(t1 - t0).count() / static_cast<double>(n);
  const double tapeBytes = static_cast<double>(engine.Pcalc().Text().size());
  std::printf("%ld %.1f %.0f %.0f\n", n, nsPerKey, tapeBytes,
              static_cast<double>(peak - before) * 1024);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2) return RunOne(std::atol(argv[1]));
  const long sizes[] = {10000, 100000, 1000000};
  double perKey[3] = {}, ratio = 0;
  for (int i = 0; i < 3; ++i) {
    const std::string cmd = std::string("'") + argv[0] + "' " + std::to_string(sizes[i]);
    FILE* p = popen(cmd.c_str(), "r");
    long n = 0;
    double tape = 0, grown = 0;
    if (!p || std::fscanf(p, "%ld %lf %lf %lf", &n, &perKey[i], &tape, &grown) != 4) return 1;
    pclose(p);
    std::printf(
        "%8ld operator keys: %7.1f ns per key (digit + operator), tape %10.0f bytes, "
        "peak growth %10.0f bytes = %.2f x tape\n",
        n, perKey[i], tape, grown, grown / tape);
    if (i == 2) ratio = grown / tape;
  }
  const double slowdown = perKey[2] / perKey[0];
  std::printf("per-key time at 1,000,000 / at 10,000: %.2f (target < 2)\n", slowdown);
  std::printf("peak memory growth at 1,000,000: %.2f x tape (target < 3)\n", ratio);
  return slowdown < 2 && ratio < 3 ? 0 : 1;
}
