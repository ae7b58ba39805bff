#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The writers against what a hostile tester plants: a link at an output name, one datax.dat
# reached through two folders, the same file merged twice, a report or a bulletin page written by
# hand, a sample written into a used folder, and import-reference killed mid-run. Each refusal
# exits 1 with a message (Czech, and English under --lang en) and leaves the sha256 of every file
# as it was.
# Usage: links_safety_test.sh ARDENO-CLI ARDENO-SAMPLE REFERENCE-SOURCES
set -u
cli=$1
sample=$2
sources=$3
. "$(dirname "$0")/safety_setup.sh"

# The names of every entry (a link with its target) and the sha256 of every regular file.
fingerprint() {
  (cd "$1" && find . -mindepth 1 -printf '%p %l\n' | sort &&
    find . -type f -print0 | sort -z | xargs -0 -r sha256sum)
}

# refused NAME FOLDER TEXT COMMAND...: exit 1, TEXT in the message, FOLDER exactly as it was.
refused() {
  local name=$1 folder=$2 text=$3
  shift 3
  local before after status
  before=$(fingerprint "$folder")
  timeout 120 "$@" >"$work/out" 2>"$work/err"
  status=$?
  after=$(fingerprint "$folder")
  [ "$status" -eq 1 ] || fail "$name: status $status, expected 1"
  grep -qF -- "$text" "$work/err" || fail "$name: no \"$text\" in: $(cat "$work/err")"
  [ "$before" = "$after" ] || fail "$name: the folder changed"
}

count() { "$cli" check "$1" 2>/dev/null | sed -n 's/^Záznamů: //p'; }

"$sample" "$work/base" 200 7 >/dev/null || fail "ardeno-sample"
"$sample" "$work/other" 30 8 >/dev/null || fail "ardeno-sample other"
"$sample" "$work/third" 30 9 >/dev/null || fail "ardeno-sample third"

# --- a link planted at an output name is refused, its target untouched ---
db="$work/links/db"
mkdir -p "$work/links" && cp -r "$work/base" "$db" && cp -r "$work/other" "$work/links/victim"
victim="$work/links/victim/datax.dat"
# link-case NAME OUTPUT-FILE COMMAND...: the command writes OUTPUT-FILE; run with a link there.
link_case() {
  local name=$1 output=$2
  shift 2
  "$@" >/dev/null 2>"$work/err" || fail "$name: the first run failed: $(cat "$work/err")"
  [ -f "$output" ] || fail "$name: no $output"
  rm -f "$output" && ln -s "$victim" "$output"
  refused "$name over a link" "$work/links" "odkaz" "$@"
  [ -L "$output" ] || fail "$name: the link was replaced"
  refused "$name over a link in English" "$work/links" "link" "$cli" --lang en "${@:2}"
}
link_case "export-ascii" "$db/SoubASCI.dat" "$cli" export-ascii "$db"
link_case "export-csv" "$work/links/csv/groups.csv" "$cli" export-csv "$db" "$work/links/csv"
link_case "baa" "$db/Sítě/BAA-202405.csv" "$cli" baa "$db" 5.2024 --replace
link_case "aavso" "$db/Sítě/AAVSO-202405.txt" "$cli" aavso "$db" 5.2024 XYZ --replace
link_case "ussps" "$db/Sítě/USSPS-202405.txt" "$cli" ussps "$db" 5.2024 11001 --replace
if "$cli" --help 2>&1 | grep -q "^ *bulletin "; then
  link_case "bulletin page" "$work/links/web/index.html" "$cli" bulletin "$db" 5.2024 "$work/links/web"
fi
cmp -s "$victim" "$work/other/datax.dat" || fail "a link's target changed"

# --- reports written by hand are replaced only with --replace ---
reports="$work/reports"
cp -r "$work/base" "$reports"
for args in "baa 5.2024" "aavso 5.2024 XYZ" "ussps 5.2024 11001" "ussps 3.5.2024 11001"; do
  # shellcheck disable=SC2086
  set -- $args
  "$cli" "$1" "$reports" "${@:2}" >"$work/out" 2>"$work/err" || fail "$args: first run"
  written=$(head -1 "$work/out")
  echo "ručně opraveno" >>"$written"
  refused "$args twice" "$reports" "--replace" "$cli" "$1" "$reports" "${@:2}"
  refused "$args twice in English" "$reports" "exists already" "$cli" --lang en "$1" "$reports" "${@:2}"
  "$cli" "$1" "$reports" "${@:2}" --replace >/dev/null 2>&1 || fail "$args --replace"
  grep -q "ručně opraveno" "$written" && fail "$args --replace kept the old file"
done

# --- the bulletin replaces only its own files ---
if "$cli" --help 2>&1 | grep -q "^ *bulletin "; then
  web="$work/bulletin/web"
  mkdir -p "$web"
  echo '<!DOCTYPE html><html><body>Naše stránka</body></html>' >"$web/index.html"
  refused "bulletin over a foreign page" "$work/bulletin" "--replace" \
    "$cli" bulletin "$work/base" 5.2024 "$web"
  refused "bulletin over a foreign page in English" "$work/bulletin" "not a file of the bulletin" \
    "$cli" --lang en bulletin "$work/base" 5.2024 "$web"
  "$cli" bulletin "$work/base" 5.2024 "$web" --replace >/dev/null 2>&1 || fail "bulletin --replace"
  grep -q 'content="Ardeno bulletin"' "$web/index.html" || fail "bulletin page without its mark"
  "$cli" bulletin "$work/base" 5.2024 "$web" >/dev/null 2>&1 || fail "bulletin over its own files"
  picture=$(find "$web" -name '*.png' | head -1)
  # A PNG of the same name that no bulletin wrote: its text chunks taken off.
  python3 - "$picture" <<'EOF'
import struct, sys
data = open(sys.argv[1], 'rb').read()
out, at = data[:8], 8
while at < len(data):
    length = struct.unpack('>I', data[at:at + 4])[0]
    chunk = data[at:at + 12 + length]
    if chunk[4:8] not in (b'iTXt', b'tEXt'):
        out += chunk
    at += 12 + length
open(sys.argv[1], 'wb').write(out)
EOF
  refused "bulletin over a foreign picture" "$work/bulletin" "--replace" \
    "$cli" bulletin "$work/base" 5.2024 "$web"
fi

# --- merge: never the folder's own file, never the same drawing twice ---
merge="$work/merge"
cp -r "$work/base" "$merge"
refused "merge into itself" "$merge" "sám do sebe" "$cli" merge "$merge" "$merge/datax.dat"
ln -s "$merge/datax.dat" "$work/own-link.dat"
refused "merge into itself through a link" "$merge" "sám do sebe" \
  "$cli" merge "$merge" "$work/own-link.dat"
refused "merge into itself in English" "$merge" "not added to itself" \
  "$cli" --lang en merge "$merge" "$merge/datax.dat"
"$cli" merge "$merge" "$work/other/datax.dat" >"$work/out" 2>&1 || fail "merge: $(cat "$work/out")"
"$cli" merge "$merge" "$work/other/datax.dat" >"$work/out" 2>&1 || fail "merge twice: $(cat "$work/out")"
grep -qF "Přidáno záznamů: 0," "$work/out" || fail "merge twice added: $(cat "$work/out")"
grep -qF "(stejné bajt po bajtu): 30" "$work/out" || fail "merge twice skipped: $(cat "$work/out")"
[ "$(count "$merge")" = 230 ] || fail "merge twice: $(count "$merge") records, expected 230"

# --- one datax.dat reached through two folders: both changes are kept ---
for round in 1 2 3 4 5 6; do
  rm -rf "$work/two" && mkdir -p "$work/two/b"
  cp -r "$work/base" "$work/two/a"
  ln -s ../a/datax.dat "$work/two/b/datax.dat"
  "$cli" merge "$work/two/a" "$work/other/datax.dat" >/dev/null 2>"$work/err-a" &
  first=$!
  "$cli" merge "$work/two/b" "$work/third/datax.dat" >/dev/null 2>"$work/err-b"
  second=$?
  wait $first
  [ $? -eq 0 ] && [ $second -eq 0 ] || fail "two paths round $round: $(cat "$work/err-a" "$work/err-b")"
  [ -L "$work/two/b/datax.dat" ] || fail "two paths round $round: the link was replaced"
  [ "$(count "$work/two/a")" = 260 ] ||
    fail "two paths round $round: $(count "$work/two/a") records, expected 260"
done

# --- ardeno-sample writes only into a new, an empty or its own folder ---
used="$work/used"
mkdir -p "$used/SIDC"
echo "moje řada" >"$used/SIDC/dssn2014.dat"
echo "# Moje poznámky" >"$used/README.md"
refused "sample into a used folder" "$used" "není prázdná" "$sample" "$used" 20 1
refused "sample into a used folder in English" "$used" "is not empty" "$sample" --lang en "$used" 20 1
refused "sample --reference into a used folder" "$used" "není prázdná" \
  "$sample" "$used" --reference "$sources"
mkdir -p "$work/empty"
"$sample" "$work/empty" 20 1 >/dev/null 2>&1 || fail "sample into an empty folder"
# An interrupted run left its own folder without datax.dat: written again.
rm "$work/empty/datax.dat"
"$sample" "$work/empty" 20 1 >/dev/null 2>&1 || fail "sample into its own folder again"

# --- import-reference: all or none, and nothing of a killed run left behind ---
ref="$work/ref"
cp -r "$work/base" "$ref"
"$cli" import-reference "$ref" "$sources" >/dev/null 2>&1 || fail "import-reference"
cp -r "$ref/SIDC" "$work/new-series"
# The old series: every file one line longer than the new one.
for file in "$ref"/SIDC/*; do echo "stará" >>"$file"; done
cp -r "$ref/SIDC" "$work/old-series"
mixed=0
for delay in 0.05 0.1 0.15 0.2 0.3 0.4 0.5 0.7 0.9 1.2; do
  { timeout -s KILL "$delay" "$cli" import-reference "$ref" "$sources" >/dev/null 2>&1; } 2>/dev/null
  if [ ! -e "$ref/SIDC/.ardeno-novy.zurnal" ]; then
    old=0 new=0
    for file in "$work"/new-series/*; do
      name=$(basename "$file")
      if cmp -s "$file" "$ref/SIDC/$name"; then new=$((new + 1)); else old=$((old + 1)); fi
    done
    [ "$old" -eq 0 ] || [ "$new" -eq 0 ] || mixed=$((mixed + 1))
  fi
  "$cli" import-reference "$ref" "$sources" >/dev/null 2>&1 || fail "import-reference after a kill"
  diff -r "$ref/SIDC" "$work/new-series" >/dev/null || fail "after a kill at $delay s: not the new series"
  rm -rf "$ref/SIDC" && cp -r "$work/old-series" "$ref/SIDC"
done
[ "$mixed" -eq 0 ] || fail "import-reference killed: $mixed mixed series without a journal"
# What a dead run left, also temporary files of the older writers, goes with the next run.
mkdir -p "$ref/SIDC/.ardeno-novy" && echo x >"$ref/SIDC/.ardeno-novy/dssn2001.dat"
echo x >"$ref/SIDC/dssn2001.dat.4711-1.tmp"
"$cli" import-reference "$ref" "$sources" >/dev/null 2>&1 || fail "import-reference over leftovers"
left=$(find "$ref/SIDC" -name '*.tmp' -o -name '.ardeno-novy*')
[ -z "$left" ] || fail "import-reference left: $left"

if [ "$failures" -gt 0 ]; then
  echo "$failures failure(s)"
  exit 1
fi
echo "links safety: all passed"
