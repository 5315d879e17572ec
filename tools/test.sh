#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and runs every test: the full build
# (core, window, tools) and then the core again under AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh build test
jobs=$(nproc)
# The C++ sources keep one format (.clang-format).
bash tools/format.sh --check

werror=OFF
[ "${CI:-}" = "true" ] && werror=ON
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNUMERINA_TESTS=ON -DNUMERINA_WERROR=$werror >/dev/null
cmake --build build -j"$jobs"
(cd build && ctest --output-on-failure --timeout 600)

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DNUMERINA_SANITIZE=ON -DNUMERINA_GUI=OFF -DNUMERINA_BENCH=OFF -DNUMERINA_WERROR=$werror >/dev/null
cmake --build build-asan -j"$jobs"
(cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure --timeout 600)
