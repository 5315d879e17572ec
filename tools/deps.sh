#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages a task needs, only when some are missing.
# Usage: tools/deps.sh build|test [more groups...]
set -euo pipefail

build=(cmake g++ make pkg-config qt6-base-dev libcups2-dev qt6-translations-l10n libgl-dev libxcb-shape0-dev libgtest-dev libbenchmark-dev fonts-liberation fonts-dejavu-core clang-format)
test=(xvfb openbox dbus at-spi2-core python3-dbus-next xfce4-panel xfconf weston xwayland qt6-wayland xdotool xclip x11-utils imagemagick util-linux cups printer-driver-cups-pdf poppler-utils trayer dpkg-dev debhelper lintian fakeroot file binutils desktop-file-utils appstream groff-base man-db)

wanted=()
for group in "$@"; do
  case "$group" in
    build) wanted+=("${build[@]}") ;;
    test) wanted+=("${test[@]}") ;;
    *) echo "deps.sh: unknown group $group" >&2; exit 2 ;;
  esac
done

missing=()
for p in "${wanted[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
