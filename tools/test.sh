#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and runs every test.
#
#   tools/test.sh          the whole run: format and layer checks, the full
#                          build (core, windows, tools) and every test (core,
#                          ui, e2e, package), then the core and the offscreen
#                          window tests again under AddressSanitizer and
#                          UndefinedBehaviorSanitizer
#   tools/test.sh --quick  the loop while working: builds the core and the
#                          windows and runs the core and the offscreen window
#                          tests only (ctest labels core and ui)
#
# Tests run in parallel (ctest -j); those that need an X server, CUPS or the
# package tools hold a lock on it (tests/CMakeLists.txt).
set -euo pipefail
cd "$(dirname "$0")/.."
quick=0
case "${1:-}" in
  --quick) quick=1 ;;
  "") ;;
  *) echo "usage: tools/test.sh [--quick]" >&2; exit 2 ;;
esac

jobs=$(nproc)
werror=OFF
[ "${CI:-}" = "true" ] && werror=ON
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

if [ $quick = 1 ]; then
  bash tools/deps.sh build
  bash tools/layers.sh
  cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNUMERINA_TESTS=ON \
    -DNUMERINA_WERROR=$werror "${launcher[@]}" >/dev/null
  cmake --build build -j"$jobs" --target numerina_quick_tests
  (cd build && ctest -j"$jobs" -L '^(core|ui)$' --output-on-failure --timeout 300)
  exit 0
fi

bash tools/deps.sh build test
# The C++ sources keep one format (.clang-format); no include crosses a
# layer the wrong way.
bash tools/format.sh --check
bash tools/layers.sh

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNUMERINA_TESTS=ON \
  -DNUMERINA_WERROR=$werror "${launcher[@]}" >/dev/null
cmake --build build -j"$jobs"
(cd build && ctest -j"$jobs" --output-on-failure --timeout 600)

# The core and the offscreen window tests under the sanitizers. Leaks that
# belong to Qt's and fontconfig's own caches are suppressed by name
# (tools/lsan.supp); none of the project's code is.
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DNUMERINA_SANITIZE=ON -DNUMERINA_BENCH=OFF \
  -DNUMERINA_WERROR=$werror "${launcher[@]}" >/dev/null
cmake --build build-asan -j"$jobs" --target numerina_quick_tests
(cd build-asan &&
  ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS="suppressions=$PWD/../tools/lsan.supp:print_suppressions=0" \
    UBSAN_OPTIONS=print_stacktrace=1 \
    ctest -j"$jobs" -L '^(core|ui)$' --output-on-failure --timeout 600)
