#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# ardeno-cli lint as a script uses it: the line format, the count per code, the exit codes, the
# planted faults found, the station file, and a folder left as it was.
# Usage: quality_cli_test.sh ARDENO-CLI ARDENO-SAMPLE
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
record_size=1774
# Writes bytes (printf escapes) at an offset of record N (1-based).
plant() { printf "$3" | dd of="$work/db/datax.dat" bs=1 seek=$((($1 - 1) * record_size + $2)) conv=notrunc 2>/dev/null; }
date_of() { dd if="$work/db/datax.dat" bs=1 skip=$((($1 - 1) * record_size + 1)) count=10 2>/dev/null; }

# Record 3: observing conditions 9 (byte 11); record 4: 1:30 UT (bytes 16-17, 130 = 0x82).
plant 3 11 '\x09'
plant 4 16 '\x82\x00'
month3=$(date_of 3 | awk -F. '{print ($2 + 0) "." $3}')
sum_before=$(md5sum <"$work/db/datax.dat")

out=$("$cli" lint "$work/db" 2>"$work/err")
status=$?
[ "$status" -eq 1 ] || fail "findings give status 1, got $status"
bad=$(grep -v -E '^[0-9]{2}\.[0-9]{2}\.[0-9]{4} č\.[0-9]+( skupina [0-9]+)? Q(0[1-9]|1[01]) (chyba|varování) .+$' <<<"$out" |
  grep -v -E '^Q(0[1-9]|1[01]): [0-9]+$')
[ -z "$bad" ] || fail "lines of neither form: $bad"
findings=$(grep -c -E ' Q(0[1-9]|1[01]) ' <<<"$out")
counted=$(grep -E '^Q(0[1-9]|1[01]): ' <<<"$out" | awk -F': ' '{s += $2} END {print s + 0}')
[ "$findings" -eq "$counted" ] || fail "counts per code $counted, findings $findings"
grep -q "^$(date_of 3) č.3 Q08 chyba Podmínky pozorování (PP) 9 " <<<"$out" || fail "planted conditions: $out"
[ "$(grep -c '^Q01 vynechána: ' "$work/err")" -eq 1 ] || fail "skipped Q01 said once: $(cat "$work/err")"
grep -q ' Q01 ' <<<"$out" && fail "Q01 without a station file"

# With the station's place the local time typed as UT is found.
printf '49.9100\r\n14.7800\r\n' >"$work/db/stanice.dat"
out=$("$cli" lint "$work/db" 2>"$work/err")
grep -q "^$(date_of 4) č.4 Q01 chyba Slunce bylo v 1:30 UT pod obzorem" <<<"$out" || fail "planted local time: $out"
grep -q 'Q01 vynechána' "$work/err" && fail "Q01 skipped with a station file"
printf '49,91\n14,78\n' >"$work/db/stanice.dat"
"$cli" lint "$work/db" >/dev/null 2>"$work/err"
grep -q '^Q01 vynechána: stanice.dat, řádek 1' "$work/err" || fail "damaged station file named: $(cat "$work/err")"

# A month gives only its own findings; a year without drawings gives none and status 0.
out=$("$cli" lint "$work/db" "$month3" 2>/dev/null)
[ "$?" -eq 1 ] || fail "month with a finding: status"
others=$(grep -E ' Q(0[1-9]|1[01]) ' <<<"$out" | grep -v -E "^[0-9]{2}\.0?${month3%%.*}\.${month3##*.} " | grep -v -E "^[0-9]{2}\.$(printf %02d "${month3%%.*}")\.${month3##*.} ")
[ -z "$others" ] || fail "findings outside $month3: $others"
out=$("$cli" lint "$work/db" 1990 2>/dev/null)
status=$?
# A year outside the data is refused (status 2, the period is unusable), not passed as clean.
[ "$status" -eq 2 ] || fail "year outside the data: status $status"
[ -z "$out" ] || fail "year outside the data printed: $out"

# Arguments that are no period, and a folder without data, are errors of their own.
for bad_period in 13.2017 3.17 2017x ""; do
  "$cli" lint "$work/db" "$bad_period" >/dev/null 2>&1
  [ "$?" -eq 2 ] || fail "period '$bad_period' not refused with status 2"
done
mkdir "$work/empty"
"$cli" lint "$work/empty" >/dev/null 2>&1
[ "$?" -eq 2 ] || fail "folder without datax.dat: status"

# lint only reads.
[ "$(md5sum <"$work/db/datax.dat")" = "$sum_before" ] || fail "lint changed datax.dat"
[ -z "$(find "$work/db" -newer "$work/db/stanice.dat" -type f)" ] || fail "lint wrote a file"

# The cross-check against NOAA reports ends with its summary line and status 0, also when no
# drawing has a report within a day.
srs="$(dirname "$0")/../../data/reference/20140101SRS.txt"
out=$("$cli" crosscheck "$work/db" "$srs" 2>/dev/null)
[ "$?" -eq 0 ] || fail "crosscheck status"
tail -1 <<<"$out" | grep -qE '^Shoda: [0-9]+ z [0-9]+ skupin; medián \|Δb\| [0-9]+\.[0-9]°, \|Δl\| [0-9]+\.[0-9]°; opačná polokoule: [0-9]+; chybějící oblasti: [0-9]+$' ||
  fail "crosscheck summary: $out"
"$cli" crosscheck "$work/db" >/dev/null 2>&1 && fail "crosscheck without reports accepted"

[ "$failures" -eq 0 ] && echo "quality cli: all passed"
exit "$failures"
