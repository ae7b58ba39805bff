#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# ardeno-cli ussps, baa and aavso on a generated folder: the files land in Sítě, their shape
# follows the layouts, and a missing or bad code writes nothing.
# Usage: network_commands_test.sh ARDENO-CLI ARDENO-SAMPLE
set -u
cli=$1
sample=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The messages checked here are the Czech ones, whatever the machine's locale or kept choice.
unset LC_ALL LC_MESSAGES LANGUAGE
export LANG=C.UTF-8 XDG_CONFIG_HOME="$work/config"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

"$sample" "$work/db" 200 7 >/dev/null || fail "ardeno-sample"
out="$work/db/Sítě"

# No station indicator yet: refused, nothing written.
"$cli" ussps "$work/db" 5.2024 >/dev/null 2>"$work/err" && fail "ussps without a station"
grep -q "pět písmen nebo číslic" "$work/err" || fail "station message: $(cat "$work/err")"
[ -e "$out" ] && fail "a refused message left files"
"$cli" aavso "$work/db" 5.2024 'AB C' >/dev/null 2>&1 && fail "aavso with a blank in the code"

printf '11001\r\nXYZ\r\n' >"$work/db/Site.txt"
"$cli" ussps "$work/db" 5.2024 >/dev/null || fail "ussps month"
"$cli" ussps "$work/db" 3.5.2024 >/dev/null || fail "ussps day"
"$cli" ussps "$work/db" 2.5.2024 >/dev/null 2>"$work/err" && fail "ussps of a day without drawing"
grep -q "Dne 2.5.2024 není žádný zákres" "$work/err" || fail "no drawing: $(cat "$work/err")"
"$cli" baa "$work/db" 5.2024 >/dev/null || fail "baa"
"$cli" aavso "$work/db" 5.2024 >/dev/null || fail "aavso from Site.txt"
"$cli" baa "$work/db" 5.1990 >/dev/null 2>&1 && fail "baa of a month without drawings"

# Every line ends with CR LF.
for f in "$out"/*; do
  [ "$(tr -cd '\n' <"$f" | wc -c)" -eq "$(tr -cd '\r' <"$f" | wc -c)" ] || fail "line ends of $f"
done
tr -d '\r' <"$out/USSPS-20240503.txt" >"$work/day"
head -1 "$work/day" | grep -Eq '^USSPS 11001 03[0-9]{3} [0-9]{3}[1-5/][123]$' ||
  fail "ussps header: $(head -1 "$work/day")"
tail -n +2 "$work/day" |
  grep -Evq '^[0-9]{2}([0-9]{3}|///) ([1-4][0-9]{4}|/////) [0-5][1-7/][1-9][0-9]{2}$' &&
  fail "ussps group lines: $(cat "$work/day")"
# The day's message is the same as in the month's file.
tr -d '\r' <"$out/USSPS-202405.txt" | grep -qxF "$(head -1 "$work/day")" || fail "month lacks the day"

tr -d '\r' <"$out/BAA-202405.csv" >"$work/baa"
[ "$(wc -l <"$work/baa")" -eq 35 ] || fail "baa lines: $(wc -l <"$work/baa")"
awk -F, 'NR > 1 && NR <= 32 && $4 != "" && $8 != 10 * $4 + $7 { bad = 1 }
         NR > 1 && NR <= 32 && NF != 8 { bad = 1 } END { exit bad }' "$work/baa" ||
  fail "baa rows: R is not 10g + f or a row is not 8 cells"

tr -d '\r' <"$out/AAVSO-202405.txt" >"$work/aavso"
sed -n 2p "$work/aavso" | grep -qx "For the month of: MAY 2024" || fail "aavso month"
awk 'NR > 4 && $NF != "XYZ" { bad = 1 } END { exit bad }' "$work/aavso" || fail "aavso codes"

# The real-data sample: March 2014 has 21 drawn days and 10 days import-groups took from NOAA.
# Only the drawings go out, and the console says how many catalogue days were left out.
"$sample" "$work/real" --reference "$(dirname "$0")/../../../data/reference" >/dev/null ||
  fail "ardeno-sample real"
printf '11001\r\nXYZ\r\n' >"$work/real/Site.txt"
"$cli" baa "$work/real" 3.2014 >/dev/null 2>"$work/err" || fail "baa real"
tr -d '\r' <"$work/real/Sítě/BAA-201403.csv" | grep -qx 'Days observed,21,,,,,,' ||
  fail "baa days observed: $(tail -1 "$work/real/Sítě/BAA-201403.csv")"
grep -q '^Katalogové dny (NOAA/RGO z importu skupin) vynechány: 10;' "$work/err" ||
  fail "catalogue days told: $(cat "$work/err")"
"$cli" aavso "$work/real" 3.2014 >/dev/null 2>&1 || fail "aavso real"
grep -q ' 2359 ' "$work/real/Sítě/AAVSO-201403.txt" && fail "aavso holds a NOAA day"
"$cli" ussps "$work/real" 1.3.2014 >/dev/null 2>"$work/err" && fail "ussps of a NOAA day"
grep -q 'je jen katalogový záznam' "$work/err" || fail "NOAA day: $(cat "$work/err")"
"$cli" monthly-stats "$work/real" 1 2>&1 >/dev/null | grep -q '^Průměry z vlastních zákresů' ||
  fail "monthly-stats names its records"

[ "$failures" -eq 0 ] && echo "network commands: all passed"
exit "$failures"
