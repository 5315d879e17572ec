#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Formats the tracked C++ files with clang-format (14, see .clang-format).
# Usage: tools/format.sh          rewrite the files in place
#        tools/format.sh --check  list the files that are not formatted and
#                                 exit 1 when there is any (changes nothing)
set -euo pipefail
cd "$(dirname "$0")/.."
mode=apply
case "${1:-}" in
  --check) mode=check ;;
  "") ;;
  *) echo "usage: tools/format.sh [--check]" >&2; exit 2 ;;
esac
command -v clang-format >/dev/null || { echo "format.sh: clang-format is missing (tools/deps.sh build)" >&2; exit 2; }

mapfile -d '' files < <(git ls-files -z -- '*.cpp' '*.h')
if [ "$mode" = apply ]; then
  clang-format -i --style=file "${files[@]}"
  exit 0
fi
bad=0
for f in "${files[@]}"; do
  if ! clang-format --style=file --dry-run --Werror "$f" >/dev/null 2>&1; then
    echo "$f"
    bad=1
  fi
done
exit $bad
