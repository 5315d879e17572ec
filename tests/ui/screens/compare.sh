#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders every window with skinshot --window at 100 % and 200 % and compares
# each picture pixel for pixel with the one stored beside this script. The
# PNG files themselves may differ in their metadata; only the pixels count:
# the size and every pixel's red, green, blue and alpha.
#
# Usage: compare.sh path/to/skinshot
# Prints each picture that differs (or could not be made); exits 1 if any
# does, 0 when all ten are equal, 2 on a usage or tool error.
set -u
HERE="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
SKINSHOT="${1:?usage: compare.sh path/to/skinshot}"
[ -x "$SKINSHOT" ] || { echo "compare.sh: $SKINSHOT is not a program" >&2; exit 2; }
for tool in identify stream cmp; do
  command -v "$tool" >/dev/null || { echo "compare.sh: $tool is missing (ImageMagick)" >&2; exit 2; }
done

WORK=$(mktemp -d /tmp/numerina-screens.XXXXXX)
trap 'rm -rf "$WORK"' EXIT

# The decoded picture: its size on one line, then its pixels as RGBA bytes
# (a file without alpha reads as opaque).
pixels() {
  identify -format '%w x %h\n' "$1" && stream -map rgba -storage-type char "$1" -
}

failed=0
for name in calculator config print about infoditta; do
  for scale in 1 2; do
    file="${name}_${scale}00.png"
    if ! QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=$scale \
      "$SKINSHOT" --window "$name" "$WORK/$file" 2>"$WORK/$file.log"; then
      echo "DIFFERS $file: skinshot failed: $(tr '\n' ' ' <"$WORK/$file.log")"
      failed=1
      continue
    fi
    if [ ! -f "$HERE/$file" ]; then
      echo "DIFFERS $file: no stored picture"
      failed=1
      continue
    fi
    pixels "$HERE/$file" >"$WORK/stored.rgba" || exit 2
    pixels "$WORK/$file" >"$WORK/made.rgba" || exit 2
    if cmp -s "$WORK/stored.rgba" "$WORK/made.rgba"; then
      echo "same    $file"
    elif [ "$(head -1 "$WORK/stored.rgba")" != "$(head -1 "$WORK/made.rgba")" ]; then
      echo "DIFFERS $file: size $(head -1 "$WORK/made.rgba"), stored $(head -1 "$WORK/stored.rgba")"
      failed=1
    else
      echo "DIFFERS $file: $(cmp -l "$WORK/stored.rgba" "$WORK/made.rgba" | wc -l) bytes of pixels"
      failed=1
    fi
  done
done
exit $failed
