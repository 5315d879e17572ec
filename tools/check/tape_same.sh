#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs two builds of numerina-tape on the same key scripts and reports any
# difference in standard output, standard error, exit code or tape file:
# every string literal of the engine tests taken as a script, and
# bench/mixed.keys, each at 0 to 4 decimals. For a change that must not
# change what the runner does.
#
# Usage: tools/check/tape_same.sh OLD-numerina-tape NEW-numerina-tape
set -euo pipefail
old=${1:?usage: tape_same.sh OLD NEW}
new=${2:?usage: tape_same.sh OLD NEW}
root="$(cd "$(dirname "$0")/../.." && pwd)"
work=$(mktemp -d /tmp/tape-same.XXXXXX)
trap 'rm -rf "$work"' EXIT

# Every C string literal of the engine tests, unescaped, one file each.
python3 - "$root" "$work" <<'PY'
import ast, pathlib, re, sys
root, work = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2])
n = 0
for src in sorted((root / "tests/engine").glob("*.cpp")):
    for m in re.finditer(r'"((?:[^"\\\n]|\\.)*)"', src.read_text(encoding="utf-8")):
        try:
            text = ast.literal_eval('"' + m.group(1) + '"')
        except Exception:
            continue
        (work / f"s{n:05d}.keys").write_text(text, encoding="utf-8")
        n += 1
(work / "mixed.keys").write_bytes((root / "bench/mixed.keys").read_bytes())
PY

runs=0 diffs=0
for script in "$work"/*.keys; do
  for d in 0 1 2 3 4; do
    for side in old new; do
      bin=$old; [ $side = new ] && bin=$new
      set +e
      "$bin" --decimals $d --tape "$work/$side.tape" "$script" >"$work/$side.out" 2>"$work/$side.err"
      echo $? >"$work/$side.rc"
      set -e
      [ -f "$work/$side.tape" ] || : >"$work/$side.tape"
    done
    runs=$((runs + 1))
    for part in out err rc tape; do
      if ! cmp -s "$work/old.$part" "$work/new.$part"; then
        echo "differs ($part): $(basename "$script") at $d decimals"
        diffs=$((diffs + 1))
        break
      fi
    done
    rm -f "$work"/old.tape "$work"/new.tape
  done
done
echo "$runs runs, $diffs differ"
[ $diffs = 0 ]
