#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and starts the calculator.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh build
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNUMERINA_TESTS=OFF -DNUMERINA_BENCH=OFF >/dev/null
cmake --build build -j"$(nproc)"
if [ -x build/ui/numerina ]; then
  exec build/ui/numerina
fi
# Without the window: the headless key-script runner, reading standard input.
exec build/tools/tape/numerina-tape "$@"
