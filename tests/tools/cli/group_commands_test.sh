#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# ardeno-cli group statistics on a generated folder: the files and grids agree with each other
# and with their fixed layouts, and bad arguments are refused.
# Usage: group_commands_test.sh ARDENO-CLI ARDENO-SAMPLE
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

"$sample" "$work/db" 1500 5 >/dev/null || fail "ardeno-sample"

# One line per rotation index, twelve fields, consecutive rotations; the map data has the same
# rotations below its header.
"$cli" rotation-stats "$work/db" >"$work/stats" || fail "rotation-stats exit status"
"$cli" map-data "$work/db" >"$work/map" || fail "map-data exit status"
awk 'NF != 12 || $1 != NR || (NR > 1 && $2 != prev + 1) { bad = 1 } { prev = $2 } END { exit bad }' \
  "$work/stats" || fail "rotation-stats lines"
[ "$(wc -l <"$work/stats")" -eq $(($(wc -l <"$work/map") - 1)) ] || fail "map-data rows"
[ "$(cut -d' ' -f2 "$work/stats")" = "$(tail -n +2 "$work/map" | cut -d';' -f1)" ] ||
  fail "map-data rotations"
awk -F';' 'NR > 1 && NF != 19 { bad = 1 } END { exit bad }' "$work/map" || fail "map-data columns"

# Asymmetry files: the label in 10 characters and 17 columns of 7, CR LF line ends.
"$cli" asymmetry "$work/db" monthly | grep -q "Polohy-skupin/asimemes.dat$" || fail "asymmetry"
awk '{ sub(/\r$/, "") } length($0) != 129 { bad = 1 } END { exit bad }' \
  "$work/db/Polohy-skupin/asimemes.dat" || fail "asimemes.dat line width"
grep -qv $'\r$' "$work/db/Polohy-skupin/asimemes.dat" && fail "asimemes.dat without CR LF"
"$cli" asymmetry "$work/db" yearly >/dev/null || fail "asymmetry yearly"
[ -s "$work/db/Polohy-skupin/asimerocni.dat" ] || fail "asimerocni.dat"

# East-west positions: days and years count the same groups; the lower-case h takes no sample
# group (the editor stores classes with an upper-case first letter).
total() { tail -n +5 "$1" | tr -d '\r' | awk -F'|' '{ n = split($1, a, " "); for (i = 2; i <= n; i++) s += a[i] } END { print s + 0 }'; }
"$cli" positions "$work/db" daily >/dev/null || fail "positions daily"
"$cli" positions "$work/db" yearly vše >/dev/null || fail "positions yearly"
daily=$(total "$work/db/Polohy-skupin/polohydeni.dat")
yearly=$(total "$work/db/Polohy-skupin/polohyrocni.dat")
[ "$daily" -gt 0 ] && [ "$daily" -eq "$yearly" ] || fail "positions totals $daily / $yearly"
"$cli" positions "$work/db" monthly h >/dev/null || fail "positions h"
[ "$(total "$work/db/Polohy-skupin/polohymesicni.dat")" -eq 0 ] || fail "filter h"
"$cli" positions "$work/db" monthly x 2>/dev/null && fail "unknown filter accepted"
"$cli" positions "$work/db" weekly 2>/dev/null && fail "unknown period accepted"

# Grids: 60 classes and the others; at most 50 largest groups, largest first; 70 group rows.
[ "$("$cli" group-types "$work/db" | wc -l)" -eq 62 ] || fail "group-types rows"
year=$("$cli" group-types "$work/db" | head -1 | cut -d';' -f3)
"$cli" largest "$work/db" "$year" >"$work/largest" || fail "largest exit status"
lines=$(wc -l <"$work/largest")
[ "$lines" -ge 2 ] && [ "$lines" -le 51 ] || fail "largest rows $lines"
tail -n +2 "$work/largest" | cut -d';' -f5 | sort -n -r -c || fail "largest not sorted"
rotation=$(sed -n 5p "$work/stats" | cut -d' ' -f2)
[ "$("$cli" evolution "$work/db" "$rotation" | wc -l)" -eq 71 ] || fail "evolution rows"
"$cli" largest "$work/db" 20x 2>/dev/null && fail "bad year accepted"
"$cli" map-data "$work/nothing" 2>/dev/null && fail "missing folder accepted"

[ "$failures" -eq 0 ] && echo "group commands: all checks passed"
exit "$failures"
