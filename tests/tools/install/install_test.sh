#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# `cmake --install` into a scratch root as the package does: every file in its place, and the
# installed programs find their help pages and reference series there, before the source tree.
# Usage: install_test.sh BUILD-FOLDER SOURCE-FOLDER
set -u
build=$1
source=$2
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

DESTDIR="$root" cmake --install "$build" --prefix /usr >"$root.log" 2>&1 || {
  cat "$root.log"
  rm -f "$root.log"
  echo "FAIL: cmake --install"
  exit 1
}
rm -f "$root.log"

usr=$root/usr
for file in bin/ardeno bin/ardeno-cli bin/ardeno-render bin/ardeno-sample \
  share/ardeno/help/hlavni.md share/ardeno/help/en/hlavni.md share/ardeno/reference/README.md \
  share/ardeno/reference/silso/SN_d_tot_V2.0.csv \
  share/applications/cz.ardeno.Ardeno.desktop share/metainfo/cz.ardeno.Ardeno.metainfo.xml \
  share/icons/hicolor/scalable/apps/ardeno.svg share/doc/ardeno/copyright \
  share/doc/ardeno/changelog.gz; do
  [ -f "$usr/$file" ] || fail "not installed: /usr/$file"
done
for size in 16 32 48 64 128 256; do
  png=$usr/share/icons/hicolor/${size}x${size}/apps/ardeno.png
  # The PNG header holds the width and height as 32-bit big-endian numbers at bytes 16 and 20.
  dims=$(od -An -tu1 -j16 -N8 "$png" 2>/dev/null | awk '{print $3*256+$4 "x" $7*256+$8}')
  [ "$dims" = "${size}x${size}" ] || fail "icon ${size}x${size} is $dims"
done
[ -z "$(find "$root" -path '*/tests/*' -o -name '*.a' -o -name '*_test')" ] ||
  fail "tests or libraries installed: $(find "$root" -path '*/tests/*' -o -name '*.a')"

# The installed program reads the installed help pages, not the source tree's.
found=$("$usr/bin/ardeno" --help-path) || fail "ardeno --help-path status"
[ "$found" = "$usr/share/ardeno/help" ] ||
  fail "installed ardeno reads help from '$found'"
# The usage in the language asked, whatever the locale of the machine or a kept choice.
"$usr/bin/ardeno" --lang cs --help | grep -q "^Použití: ardeno " || fail "ardeno --lang cs --help"
"$usr/bin/ardeno" --lang en --help | grep -q "^Usage: ardeno \[FOLDER\]" ||
  fail "ardeno --lang en --help"
"$usr/bin/ardeno" --lang de --help 2>/dev/null && fail "ardeno --lang de --help succeeded"

# ardeno-cli without a sources folder reads the installed series: with one of them taken away
# it names the missing file, though the source tree still has it.
mkdir -p "$root/station"
"$usr/bin/ardeno-cli" --today 1.3.2026 import-reference "$root/station" >"$root/out" 2>"$root/err" ||
  fail "import-reference from the installed series: $(cat "$root/err")"
grep -q "^Zapsáno souborů: [1-9]" "$root/out" || fail "import-reference wrote: $(cat "$root/out")"
rm "$usr/share/ardeno/reference/penticton-f107/fluxtable.txt"
[ -f "$source/data/reference/penticton-f107/fluxtable.txt" ] || fail "source tree lacks the series"
"$usr/bin/ardeno-cli" --today 1.3.2026 import-reference "$root/station" >/dev/null 2>"$root/err"
grep -q "fluxtable.txt" "$root/err" || fail "installed ardeno-cli read the source tree's series"

# Every manual page renders without a warning, and the command list is the program's own.
for page in "$usr"/share/man/man1/*.1.gz "$usr"/share/man/cs/man1/*.1.gz; do
  warnings=$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "$page: $warnings"
done
[ "$(ls "$usr"/share/man/man1/*.1.gz "$usr"/share/man/cs/man1/*.1.gz 2>/dev/null | wc -l)" = 8 ] ||
  fail "manual pages: $(ls -R "$usr/share/man")"
rendered=$(MANWIDTH=200 man -l "$usr/share/man/man1/ardeno-cli.1.gz" 2>/dev/null)
while read -r _ command _; do
  grep -q "ardeno-cli $command" <<<"$rendered" || fail "ardeno-cli.1 lacks $command"
done < <("$usr/bin/ardeno-cli" --help | tail -n +2)
czech_page=$(MANWIDTH=80 man -l "$usr/share/man/cs/man1/ardeno.1.gz" 2>/dev/null)
grep -q "JMÉNO" <<<"$czech_page" && grep -q "ardeno \[SLOŽKA\]" <<<"$czech_page" ||
  fail "Czech ardeno.1"
# The English page carries the English usage.
MANWIDTH=80 man -l "$usr/share/man/man1/ardeno.1.gz" 2>/dev/null | grep -q "ardeno \[FOLDER\]" ||
  fail "English ardeno.1"
for page in "ardeno-render [--lang cs|en] VIEW FOLDER" "ardeno-sample [--lang cs|en] FOLDER"; do
  MANWIDTH=200 man -l "$usr/share/man/man1/${page%% *}.1.gz" 2>/dev/null | grep -qF -- "$page" ||
    fail "English ${page%% *}.1 lacks \"$page\""
done

if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$usr/share/applications/cz.ardeno.Ardeno.desktop" | grep -v "hint:" |
    grep . && fail "desktop-file-validate"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$usr/share/metainfo/cz.ardeno.Ardeno.metainfo.xml" >"$root/err" 2>&1 ||
    fail "appstreamcli validate: $(cat "$root/err")"
fi

[ "$failures" -eq 0 ] || exit 1
echo "install test: all passed"
