#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that no include crosses a layer the wrong way. Each folder of the
# program may include only the folders listed for it below (the same rule
# the build's libraries follow: each links only what it may use), and the
# core folders include no Qt header at all.
#
# Usage: tools/layers.sh   prints every include that breaks the rule and
#                          exits 1 when there is any
set -euo pipefail
cd "$(dirname "$0")/.."

# folder: the folders (or single headers) its files may include.
declare -A allowed=(
  [base]="base"
  [engine]="base engine"
  [config]="base config"
  [report]="base report"
  [commands]="base engine config commands"
  [ui/skin]="base engine ui/skin"
  [ui/widgets]="base ui/skin ui/widgets"
  [ui/calculator]="base engine config commands ui/skin ui/widgets ui/calculator"
  [ui/print]="base engine report ui/skin ui/widgets ui/print"
  [ui/configdialog]="base config ui/skin ui/widgets ui/configdialog"
  [ui/panels]="base config ui/skin ui/widgets ui/panels"
  [ui/help]="base ui/skin ui/widgets ui/help"
  # Printing is a module loaded at run time: the program sees its interface
  # alone.
  [ui/app]="base engine config ui/skin ui/widgets ui/calculator ui/configdialog ui/panels ui/help ui/print/printmodule.h ui/app"
  [ui/main.cpp]="base config ui/calculator ui/app"
  [tools/tape]="base engine config report commands tools/tape ui/print/reportpainter.h"
)
# The folders that are standard C++ only.
core="base engine config report commands"

bad=0
# The folder of a file: the longest key of `allowed` that starts it.
folder_of() {
  local f=$1 best=""
  for k in "${!allowed[@]}"; do
    if [[ $f == "$k" || $f == "$k"/* ]] && [ ${#k} -gt ${#best} ]; then best=$k; fi
  done
  echo "$best"
}

while IFS= read -r -d '' file; do
  folder=$(folder_of "$file")
  [ -n "$folder" ] || continue
  while IFS=: read -r line include; do
    target=$(sed -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"([^"]+)".*/\1/' <<<"$include")
    # Local includes (moc output, a header beside the file) stay in the folder.
    [[ $target == */* ]] || continue
    ok=0
    for a in ${allowed[$folder]}; do
      if [[ $target == "$a" || $target == "$a"/* ]]; then ok=1; break; fi
    done
    if [ $ok = 0 ]; then
      echo "$file:$line: $folder may not include \"$target\""
      bad=1
    fi
  done < <(grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$file" || true)
  for c in $core; do
    if [[ $folder == "$c" ]]; then
      while IFS=: read -r line include; do
        echo "$file:$line: $folder is standard C++ only: $include"
        bad=1
      done < <(grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*<(Q|qt)' "$file" || true)
    fi
  done
done < <(git ls-files -z -- '*.cpp' '*.h')
exit $bad
