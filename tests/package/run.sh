#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The installed program and the Debian package, checked from outside.
#
#   run.sh install  BUILD_DIR   cmake --install into a temporary prefix: the
#                               layout, the validators, and the program
#                               started through its link in bin, opening its
#                               help page (Xvfb)
#   run.sh package  BUILD_DIR SOURCE_DIR
#                               dpkg-buildpackage in a copy of the source
#                               (tools/package.sh): lintian, the files, the
#                               dependencies, the build flags, the extracted
#                               package starts (offscreen)
#   run.sh per-user BUILD_DIR SOURCE_DIR
#                               the extracted package run as nobody and as
#                               root (Xvfb): each user keeps his own settings
#
# The package is built once for both package modes and kept in
# BUILD_DIR/package-test/ with a stamp of the tracked sources it came from.
#
# Outside CI a missing tool or X server skips (exit 77); under CI=true it
# fails.
set -u
HERE="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
# shellcheck source=../support/xsession.sh
source "$HERE/../support/xsession.sh"
MODE="${1:?usage: run.sh install|package|per-user BUILD_DIR [SOURCE_DIR]}"
BUILD="$(cd "${2:?usage: run.sh MODE BUILD_DIR [SOURCE_DIR]}" && pwd)"
SRC="${3:-}"
ID=org.numerina.Numerina
FAILURES=0
PIDS=()
WORK=$(mktemp -d /tmp/numerina-install.XXXXXX)
chmod 755 "$WORK"

fail() { echo "FAIL: $*"; FAILURES=$((FAILURES + 1)); }
pass() { echo "ok:   $*"; }
skip() {
  echo "install: $*"
  [ "${CI:-}" = true ] && exit 1
  exit 77
}
cleanup() {
  for pid in "${PIDS[@]}"; do kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; done
  xsession_stop
  rm -rf "$WORK"
}
trap cleanup EXIT

need() { for t in "$@"; do command -v "$t" >/dev/null 2>&1 || skip "$t is missing"; done; }

# The files of an install under PREFIX (ROOT/usr for the package).
check_layout() {
  local p="$1"
  local files=(lib/numerina/numerina lib/numerina/numerina.html lib/numerina/numerina.installed
               lib/numerina/numerina-print.so
               bin/numerina-tape share/applications/$ID.desktop share/metainfo/$ID.metainfo.xml
               share/icons/hicolor/scalable/apps/$ID.svg)
  for s in 16 22 24 32 48 64 128 256; do files+=("share/icons/hicolor/${s}x${s}/apps/$ID.png"); done
  local missing=0
  for f in "${files[@]}"; do [ -f "$p/$f" ] || { fail "missing $f"; missing=1; }; done
  [ $missing = 0 ] && pass "every installed file is there (${#files[@]})"
  if [ -L "$p/bin/numerina" ] && [ "$(readlink "$p/bin/numerina")" = ../lib/numerina/numerina ]; then
    pass "bin/numerina links to ../lib/numerina/numerina"
  else
    fail "bin/numerina is not the link to the program"
  fi
  [ -x "$p/lib/numerina/numerina" ] || fail "the program is not executable"
  if find "$p" -iname voldrin.ini | grep -q .; then fail "a voldrin.ini is installed"; else pass "no voldrin.ini"; fi
  for s in 16 48 256; do
    local size
    size=$(file -b "$p/share/icons/hicolor/${s}x${s}/apps/$ID.png" | grep -o "[0-9]* x [0-9]*")
    [ "$size" = "$s x $s" ] || fail "the ${s}px icon is $size"
  done
}

# Starts PROGRAM on the X server with a fake xdg-open, clicks the help
# button and checks which page was asked for.
check_help() {
  local program="$1" expected="$2"
  mkdir -p "$WORK/fakebin" "$WORK/home"
  cat >"$WORK/fakebin/xdg-open" <<SH
#!/bin/sh
echo "\$1" >>"$WORK/opened"
SH
  chmod 755 "$WORK/fakebin/xdg-open"
  PATH="$WORK/fakebin:$PATH" HOME="$WORK/home" XDG_CONFIG_HOME="$WORK/home/.config" \
    "$program" >"$WORK/help.log" 2>&1 &
  local pid=$!
  PIDS+=("$pid")
  local win
  win=$(xsession_window_of "$pid") || { fail "the installed program shows no window"; return; }
  sleep 0.3
  xdotool mousemove --window "$win" 158 13 click 1
  for _ in $(seq 50); do [ -s "$WORK/opened" ] && break; sleep 0.1; done
  local opened
  opened=$(head -1 "$WORK/opened" 2>/dev/null)
  if [ "$opened" = "file://$expected" ]; then pass "the help button opens $expected"
  else fail "the help button opened '$opened', not file://$expected"; fi
  kill "$pid"; wait "$pid" 2>/dev/null
}

# Starts PROGRAM on the X server and clicks its print button on a tape
# that holds something: the print module beside the installed program
# opens the print options dialog. The print system's library is loaded
# then, not at the start.
check_print() {
  local program="$1"
  mkdir -p "$WORK/home"
  HOME="$WORK/home" XDG_CONFIG_HOME="$WORK/home/.config" "$program" >"$WORK/print.log" 2>&1 &
  local pid=$!
  PIDS+=("$pid")
  local win
  win=$(xsession_window_of "$pid") || { fail "the installed program shows no window"; return; }
  sleep 0.3
  if grep -q libcups "/proc/$pid/maps"; then
    fail "the print system's library is loaded at the start"
  else
    pass "the print system's library is not loaded at the start"
  fi
  xdotool windowfocus --sync "$win" 2>/dev/null
  xdotool type --delay 30 "12+"
  # The print button at (345, 7), 13 x 13.
  xdotool mousemove --window "$win" 351 13 click 1
  local dialog=""
  for _ in $(seq 50); do
    dialog=$(xdotool search --all --onlyvisible --pid "$pid" --name '^Stampa report$' 2>/dev/null | head -1)
    [ -n "$dialog" ] && break
    sleep 0.1
  done
  if [ -n "$dialog" ]; then pass "the print button opens the print module's dialog"
  else cat "$WORK/print.log"; fail "no print dialog from the installed program"; fi
  grep -q "numerina-print.so" "/proc/$pid/maps" && grep -q libcups "/proc/$pid/maps" \
    || fail "the print module is not loaded after the print button"
  kill "$pid"; wait "$pid" 2>/dev/null
}

case "$MODE" in
  install)
    need cmake file desktop-file-validate appstreamcli xdotool
    PREFIX="$WORK/prefix"
    cmake --install "$BUILD" --prefix "$PREFIX" >"$WORK/install.log" 2>&1 || { cat "$WORK/install.log"; fail "cmake --install"; exit 1; }
    check_layout "$PREFIX"
    desktop-file-validate "$PREFIX/share/applications/$ID.desktop" && pass "desktop-file-validate" || fail "desktop-file-validate"
    # Pedantic, but for the capitals of the reverse-DNS id: it is also the
    # name of the launcher and the icon, which stay as they are.
    appstreamcli validate --pedantic --no-net "$PREFIX/share/metainfo/$ID.metainfo.xml" >"$WORK/as.log" 2>&1 \
      || { cat "$WORK/as.log"; fail "appstreamcli validate"; }
    if grep -E "^[EWIP]: " "$WORK/as.log" | grep -v "^P: $ID:[0-9]*: cid-contains-uppercase-letter " | grep -q .; then
      cat "$WORK/as.log"; fail "appstreamcli validate --pedantic has remarks"
    else
      pass "appstreamcli validate --pedantic --no-net"
    fi
    grep -q "<developer_name>.*</developer_name>" "$PREFIX/share/metainfo/$ID.metainfo.xml" \
      || fail "the metainfo names no developer"
    for page in numerina numerina-tape; do
      [ -f "$PREFIX/share/man/man1/$page.1" ] || fail "no man page $page.1"
    done
    grep -q "^Icon=$ID$" "$PREFIX/share/applications/$ID.desktop" || fail "the desktop file names another icon"
    grep -q "<launchable type=\"desktop-id\">$ID.desktop</launchable>" "$PREFIX/share/metainfo/$ID.metainfo.xml" \
      || fail "the metainfo launches another desktop file"
    NO_WM=1 xsession_start 800x600x24 || skip "no X server could be started"
    check_help "$PREFIX/bin/numerina" "$PREFIX/lib/numerina/numerina.html"
    check_print "$PREFIX/bin/numerina"
    ;;
  package|per-user)
    need git dpkg-buildpackage dh dpkg-deb lintian readelf file gzip
    [ -n "$SRC" ] || { echo "run.sh $MODE needs the source folder"; exit 2; }
    PKG="$BUILD/package-test"
    # The tracked sources as the working tree has them.
    STAMP=$(git -C "$SRC" ls-files -z | (cd "$SRC" && xargs -0 sha1sum 2>/dev/null) | sha1sum)
    if [ "$(cat "$PKG/stamp" 2>/dev/null)" != "$STAMP" ] || ! ls "$PKG"/deb/numerina_*.deb >/dev/null 2>&1; then
      rm -rf "$PKG"
      mkdir -p "$PKG"
      start=$(date +%s)
      before=$(git -C "$SRC" status --porcelain --untracked-files=all)
      "$SRC/tools/package.sh" "$PKG/deb" >"$PKG/build.log" 2>&1 \
        || { tail -50 "$PKG/build.log"; fail "dpkg-buildpackage -b -us -uc"; exit 1; }
      echo "$(( $(date +%s) - start ))" >"$PKG/seconds"
      # The build happens in a copy: the checkout is as it was.
      [ "$(git -C "$SRC" status --porcelain --untracked-files=all)" = "$before" ] \
        || fail "the package build changed the checkout: $(git -C "$SRC" status --porcelain | head -5)"
      echo "$STAMP" >"$PKG/stamp"
    fi
    DEB=$(ls "$PKG"/deb/numerina_*.deb | head -1)
    ROOT="$WORK/root"
    dpkg-deb -x "$DEB" "$ROOT"
    chmod -R a+rX "$ROOT"
    if [ "$MODE" = package ]; then
      pass "built $(basename "$DEB") ($(stat -c %s "$DEB") bytes) in $(cat "$PKG/seconds") s"
      ls "$PKG"/deb/numerina-dbgsym_*.deb >/dev/null 2>&1 && pass "the debug symbols are in numerina-dbgsym" \
        || fail "no numerina-dbgsym package"

      # lintian: shown whole, no error and no warning.
      lintian --info "$DEB" >"$WORK/lintian.log" 2>&1
      echo "--- lintian --info $(basename "$DEB")"; cat "$WORK/lintian.log"; echo "---"
      if grep -E "^[EW]: " "$WORK/lintian.log" | grep -q .; then fail "lintian reports errors or warnings"
      else pass "lintian: no error, no warning"; fi

      dpkg-deb -c "$DEB" >"$WORK/contents"
      for f in ./usr/lib/numerina/numerina ./usr/lib/numerina/numerina.html \
               ./usr/lib/numerina/numerina.installed ./usr/lib/numerina/numerina-print.so \
               ./usr/bin/numerina-tape \
               "./usr/share/applications/$ID.desktop" "./usr/share/metainfo/$ID.metainfo.xml" \
               ./usr/share/doc/numerina/copyright ./usr/share/doc/numerina/changelog.gz \
               ./usr/share/man/man1/numerina.1.gz ./usr/share/man/man1/numerina-tape.1.gz; do
        grep -q " $f\( \|$\)" "$WORK/contents" || fail "dpkg-deb -c lists no $f"
      done
      grep -q " ./usr/bin/numerina -> ../lib/numerina/numerina" "$WORK/contents" || fail "dpkg-deb -c lists no link"
      pass "dpkg-deb -c lists the files ($(wc -l <"$WORK/contents") entries)"

      DEPENDS=$(dpkg-deb -f "$DEB" Depends)
      RECOMMENDS=$(dpkg-deb -f "$DEB" Recommends)
      echo "Depends: $DEPENDS"
      echo "Recommends: $RECOMMENDS"
      # libcups2 comes from the print module, libqt6dbus6 from the tray's
      # look for a StatusNotifier host; Qt's print support is not used.
      for d in libqt6widgets6 libqt6gui6 libqt6dbus6 libcups2 libc6; do
        echo "$DEPENDS" | grep -q "\b$d\b" || fail "Depends lacks $d"
      done
      echo "$DEPENDS" | grep -q libqt6printsupport6 && fail "Depends names libqt6printsupport6"
      echo "$DEPENDS" | grep -q qt6-qpa-plugins && fail "Depends names qt6-qpa-plugins"
      for r in xdg-utils qt6-translations-l10n fonts-liberation fonts-dejavu-core; do
        echo "$RECOMMENDS" | grep -q "\b$r\b" || fail "Recommends lacks $r"
      done

      DOC="$ROOT/usr/share/doc/numerina"
      if grep -q "^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" "$DOC/copyright" \
         && grep -q "^License: GPL-3.0-or-later" "$DOC/copyright" && grep -q "^License: CC0-1.0" "$DOC/copyright" \
         && grep -q "/usr/share/common-licenses/GPL-3" "$DOC/copyright"; then
        pass "the machine-readable copyright file"
      else
        fail "the copyright file: $(head -3 "$DOC/copyright" 2>&1)"
      fi
      VERSION=$(dpkg-deb -f "$DEB" Version)
      zcat "$DOC/changelog.gz" 2>/dev/null | head -1 | grep -q "^numerina ($VERSION) " \
        && pass "changelog.gz for $VERSION" || fail "the changelog is not that of $VERSION"
      # gzip -9n: no name, no time stamp, best compression (RFC 1952 header).
      for gz in "$DOC/changelog.gz" "$ROOT/usr/share/man/man1/numerina.1.gz" "$ROOT/usr/share/man/man1/numerina-tape.1.gz"; do
        header=$(head -c 10 "$gz" 2>/dev/null | od -An -tu1 | tr -s ' ')
        if [ "$header" = " 31 139 8 0 0 0 0 0 2 3" ] && gzip -t "$gz"; then :; else
          fail "$(basename "$gz") is not compressed as gzip -9n: $header"
        fi
      done
      if find "$ROOT/usr/share/man" -type f ! -name "*.gz" | grep -q .; then fail "an uncompressed man page"; fi
      zcat "$ROOT/usr/share/man/man1/numerina.1.gz" | grep -q "^\.TH NUMERINA 1 " || fail "numerina.1.gz is not the page"
      pass "compressed man pages"

      # Debian's build flags: stripped (symbols in -dbgsym), bindnow.
      for elf in lib/numerina/numerina lib/numerina/numerina-print.so bin/numerina-tape; do
        file -b "$ROOT/usr/$elf" | grep -q ", stripped" || fail "$elf is not stripped"
        readelf -d "$ROOT/usr/$elf" | grep -q "BIND_NOW" || fail "$elf is not built with bindnow"
        readelf -d "$ROOT/usr/$elf" | grep -q "FLAGS_1.*NOW" || fail "$elf lacks the NOW flag"
      done
      pass "binaries stripped, with BIND_NOW"

      # The installed programs answer on the terminal.
      [ "$(env -i "$ROOT/usr/bin/numerina" --version)" = "numerina $VERSION" ] \
        && [ "$(env -i "$ROOT/usr/bin/numerina-tape" --version)" = "numerina-tape $VERSION" ] \
        && pass "--version of both programs is $VERSION" || fail "--version differs from the package's $VERSION"
      check_layout "$ROOT/usr"
      # The extracted program starts and keeps running until it is stopped.
      HOME="$WORK/home" XDG_CONFIG_HOME="$WORK/home/.config" QT_QPA_PLATFORM=offscreen \
        "$ROOT/usr/bin/numerina" >"$WORK/run.log" 2>&1 &
      pid=$!
      PIDS+=("$pid")
      sleep 2
      if kill -0 "$pid" 2>/dev/null; then pass "the extracted package starts"; else cat "$WORK/run.log"; fail "the extracted package does not start"; fi
    else
      need setpriv xdotool
      NO_WM=1 xsession_start 800x600x24 || skip "no X server could be started"
      # Two users with their own homes: each "more decimals" press is kept in
      # that user's settings, never beside the shared program.
      run_as() {  # user home clicks
        local user="$1" home="$2" clicks="$3"
        mkdir -p "$home/.config" "$home/run"
        chmod 700 "$home/run"
        [ "$user" = root ] || chown -R "$user" "$home"
        local prefix=()
        [ "$user" = root ] || prefix=(setpriv --reuid="$user" --regid=nogroup --clear-groups)
        env HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_RUNTIME_DIR="$home/run" DISPLAY="$DISPLAY" \
          "${prefix[@]}" "$ROOT/usr/bin/numerina" >"$home/run.log" 2>&1 &
        local pid=$!
        PIDS+=("$pid")
        local win
        win=$(xsession_window_of "$pid") || { fail "no window for $user"; return; }
        sleep 0.3
        for _ in $(seq "$clicks"); do xdotool mousemove --window "$win" 365 13 click 1; sleep 0.3; done
        kill "$pid"; wait "$pid" 2>/dev/null
      }
      run_as nobody "$WORK/nobody" 1
      run_as root "$WORK/rootuser" 2
      run_as nobody "$WORK/nobody" 1
      grep -q "^Decimali=4" "$WORK/nobody/.config/numerina/voldrin.ini" 2>/dev/null \
        && pass "nobody's settings kept in his own folder across two starts" \
        || fail "nobody's settings: $(cat "$WORK/nobody/.config/numerina/voldrin.ini" 2>&1)"
      grep -q "^Decimali=4" "$WORK/rootuser/.config/numerina/voldrin.ini" 2>/dev/null \
        && pass "root's settings in his own folder" || fail "root's settings are not in his folder"
      if find "$ROOT" -iname voldrin.ini | grep -q .; then fail "a settings file beside the program"; fi
      check_print "$ROOT/usr/bin/numerina"
    fi
    ;;
  *) echo "unknown mode $MODE"; exit 2 ;;
esac

[ "$FAILURES" -eq 0 ] && echo "install ($MODE): all passed" || echo "install ($MODE): $FAILURES failed"
[ "$FAILURES" -eq 0 ]
