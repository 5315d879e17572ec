// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// main() of the window benchmarks: the registered benchmarks inside a
// QApplication, on the offscreen platform unless another is set. cleanup
// runs before the application object goes (windows must go first).
#include <benchmark/benchmark.h>

#include <QApplication>

#include <functional>

inline int RunWindowBenchmarks(int argc, char** argv, const std::function<void()>& cleanup) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  cleanup();
  return 0;
}
