#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# ardeno-cli and ardeno-render given files and periods that cannot serve: a cut-off SIDC year, SRS
# paths with nothing to read, periods and observers outside the data, escape sequences and byte
# order marks in stanice.dat and Site.txt, pictures aimed into the data folder. Each case checks
# the exit status, what the user is told (in Czech, and every refusal again in English without a
# Czech letter) and the sha256 of every file of the folder before and after.
# Usage: reading_safety_test.sh ARDENO-CLI ARDENO-SAMPLE ARDENO-RENDER TEST-DATA
set -u
cli=$1
sample=$2
render=$3
data=$4
. "$(dirname "$0")/safety_setup.sh"
fingerprint() { (cd "$1" && find . -type f -print0 | sort -z | xargs -0 -r sha256sum); }

# Every refusal is run again in English afterwards: NAME STATUS COMMAND... kept one a line.
refusals="$work/refusals"
: >"$refusals"
# expect NAME STATUS TEXT PROGRAM ARGS...: status and TEXT (empty: nothing asked) on stdout/stderr.
expect() {
  local name=$1 expected=$2 text=$3
  shift 3
  timeout 120 "$@" >"$work/out" 2>"$work/err"
  local status=$?
  [ "$status" -eq "$expected" ] || fail "$name: status $status, expected $expected ($(head -c 300 "$work/err"))"
  if [ -n "$text" ]; then
    grep -qF -- "$text" "$work/out" "$work/err" || fail "$name: not told \"$text\": $(head -c 300 "$work/err")"
  fi
  if [ "$expected" -ne 0 ]; then printf '%s\0' "$name" "$expected" "$@" "" >>"$refusals"; fi
}
unchanged() { [ "$(fingerprint "$2")" = "$3" ] || fail "$1: a file of $2 changed"; }

"$sample" "$work/base" 200 7 >/dev/null || fail "ardeno-sample"
fresh() { rm -rf "$work/$1" && cp -r "$work/base" "$work/$1" && echo "$work/$1"; }
first=$("$cli" check "$work/base" | sed -n 's/^První datum: .*\.\([0-9]*\)$/\1/p')
month=$("$cli" check "$work/base" | sed -n 's/^První datum: [0-9]*\.0*\([0-9]*\)\.\([0-9]*\)$/\1.\2/p')

# --- a cut-off or uneven SIDC year file is named and left out, status 1 ---
year_file() {
  awk -v y="$1" 'BEGIN { n = (y % 4 == 0 && (y % 100 != 0 || y % 400 == 0)) ? 366 : 365
    for (d = 0; d < n; d++) printf "%4d %02d %02d %8.3f%3d %3d %3d\r\n", y, 1, 1, y + d / n, 20 + d % 90, 10 + d % 40, 10 + d % 50 }'
}
for kind in cut uneven; do
  dir=$(fresh "sidc-$kind")
  mkdir -p "$dir/SIDC"
  year_file "$first" >"$dir/SIDC/dssn$first.dat"
  size=$(wc -c <"$dir/SIDC/dssn$first.dat")
  if [ "$kind" = cut ]; then
    truncate -s $((size / 2)) "$dir/SIDC/dssn$first.dat"
    told="má 183 řádků místo"
  else
    sed -i '40s/^\(....\) /\1/' "$dir/SIDC/dssn$first.dat"
    told="má řádky různé délky (řádek 40"
  fi
  before=$(fingerprint "$dir")
  expect "k-factors $kind year" 1 "$told" "$cli" k-factors "$dir"
  grep -qF "SIDC/dssn$first.dat" "$work/err" || fail "k-factors $kind: the file not named"
  expect "inputs $kind year" 1 "$told" "$cli" inputs "$dir"
  expect "lint $kind year" 1 "$told" "$cli" lint "$dir"
  grep -q "^Q07:" "$work/out" && fail "lint $kind: Q07 found against a damaged year"
  unchanged "$kind year" "$dir" "$before"
done

# --- failures are not reported as success ---
dir=$(fresh failures)
before=$(fingerprint "$dir")
: >"$work/empty-srs.txt"
expect "crosscheck missing SRS" 1 "Nečitelné" "$cli" crosscheck "$dir" "$work/no-such-srs.txt"
expect "crosscheck empty SRS" 1 "není žádný den zprávy" "$cli" crosscheck "$dir" "$work/empty-srs.txt"
expect "crosscheck a real SRS" 0 "" "$cli" crosscheck "$dir" "$data/reference/20140101SRS.txt"
expect "tracks missing SRS" 1 "" "$cli" tracks "$dir" --noaa /nonexistent
expect "tracks year outside" 1 "V roce 1900 není žádný zákres" "$cli" tracks "$dir" 1900
expect "quiet-days year outside" 1 "zákresy jsou z let $first" "$cli" quiet-days "$dir" 1900
expect "lint year outside" 2 "V roce 1900 není žádný zákres" "$cli" lint "$dir" 1900
expect "lint month outside" 2 "V měsíci 1.1900 není žádný zákres" "$cli" lint "$dir" 1.1900
expect "tracks unknown observer" 1 "Pozorovatel \"NOBODY\" nemá" "$cli" tracks "$dir" --observer NOBODY
expect "tracks year of the data" 0 "" "$cli" tracks "$dir" "$first"
unchanged "failures" "$dir" "$before"
# A folder of its own with an empty magn.dat (kept for the English run of the refusals).
magn=$(fresh magn)
: >"$magn/magn.dat"
expect "magnet-cycles empty magn.dat" 1 "magn.dat nemá ani jednu otočku" \
  "$render" magnet-cycles "$magn" "$work/cycles.png"
[ -e "$work/cycles.png" ] && fail "magnet-cycles painted a blank chart"

# --- file contents are quoted with control characters escaped ---
dir=$(fresh escapes)
printf '49.1\033]0;owned\007\033[31m\r\n16.2\r\n' >"$dir/stanice.dat"
before=$(fingerprint "$dir")
"$cli" lint "$dir" >"$work/out" 2>"$work/err"
grep -q $'\033' "$work/out" "$work/err" && fail "an escape sequence reached the terminal"
grep -qF '49.1\x1B]0;owned\x07\x1B[31m' "$work/err" || fail "the escaped line not shown: $(cat "$work/err")"
grep -qF 'Znak "\x1B" na místě 5' "$work/err" || fail "the stray character not named: $(cat "$work/err")"
unchanged "escapes" "$dir" "$before"

# --- a byte order mark and blanks around a code are accepted; a bad character is named ---
dir=$(fresh bom)
printf '\357\273\277 49.1234 \r\n 16.5678\r\n' >"$dir/stanice.dat"
expect "stanice.dat with a BOM" 1 "" "$cli" lint "$dir"
grep -qF "Q01 vynechána" "$work/err" && fail "stanice.dat with a BOM not read: $(cat "$work/err")"
printf '\357\273\277 11001 \r\n  ABC12\t\r\n' >"$dir/Site.txt"
before=$(fingerprint "$dir")
expect "Site.txt with a BOM: ussps" 0 "" "$cli" ussps "$dir" "$month"
expect "Site.txt with a BOM: aavso" 0 "" "$cli" aavso "$dir" "$month"
dir=$(fresh badcode)
printf '11,01\r\nABC12\r\n' >"$dir/Site.txt"
before=$(fingerprint "$dir")
expect "Site.txt with a comma" 1 'Znak "," na místě 3' "$cli" ussps "$dir" "$month"
grep -qF "Site.txt, řádek 1" "$work/err" || fail "the line of Site.txt not named: $(cat "$work/err")"
expect "typed code with a comma" 1 "příkazová řádka" "$cli" aavso "$dir" "$month" "AB;1"
unchanged "bad code" "$dir" "$before"

# --- ardeno-render writes nothing into the data folder ---
dir=$(fresh render)
before=$(fingerprint "$dir")
expect "render picture into the data folder" 1 "ve složce s daty" \
  "$render" daily-graph "$dir" "$dir/graf.png"
expect "render picture into a subfolder" 1 "ve složce s daty" \
  "$render" daily-graph "$dir" "$dir/SIDC/graf.png"
expect "render numbers into the data folder" 1 "ve složce s daty" \
  "$render" daily-graph "$dir" "$work/graf.png" --data "$dir/graf.csv"
unchanged "render" "$dir" "$before"
rm -f "$work/graf.png"
expect "render picture beside the data folder" 0 "" "$render" daily-graph "$dir" "$work/graf.png"
unchanged "render beside" "$dir" "$before"

# --- every refusal above in English: the same status, no Czech letter ---
while IFS= read -r -d '' name && IFS= read -r -d '' status; do
  words=()
  while IFS= read -r -d '' word && [ -n "$word" ]; do words+=("$word"); done
  timeout 120 "${words[0]}" --lang en "${words[@]:1}" >"$work/out" 2>"$work/err"
  got=$?
  [ "$got" -eq "$status" ] || fail "$name in English: status $got, expected $status"
  if grep -q '[áčďéěíňóřšťúůýžÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ]' "$work/err"; then
    fail "$name in English: Czech text: $(grep '[áčďéěíňóřšťúůýžÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ]' "$work/err" | head -2)"
  fi
done <"$refusals"

[ "$failures" -eq 0 ] && echo "reading safety: all passed"
exit "$failures"
