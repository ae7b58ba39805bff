#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# ardeno-cli import-groups, import-reference and k-factors as a script uses them.
# Usage: reference_cli_test.sh ARDENO-CLI TEST-DATA-FOLDER
set -u
cli=$1
data=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The messages checked here are the Czech ones, whatever the machine's locale or kept choice.
unset LC_ALL LC_MESSAGES LANGUAGE
export LANG=C.UTF-8 XDG_CONFIG_HOME="$work/config"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# A new folder gets a database; the same files again add nothing and say which days were kept.
out=$("$cli" import-groups --new "$work/db" "$data/reference/20140101SRS.txt" "$data/reference/g2014_january.txt") ||
  fail "import-groups status"
grep -q "^Přidáno dní: " <<<"$out" || fail "import-groups summary: $out"
"$cli" check "$work/db" | grep -qx "RadiusWord: 125" || fail "new database is polar, radius 125"
cp "$work/db/datax.dat" "$work/first.dat"
out=$("$cli" import-groups "$work/db" "$data/reference") || fail "second import status"
printf 'not a report\n' >"$work/unreadable.txt"
if "$cli" import-groups --new "$work/empty" "$work/unreadable.txt" >/dev/null 2>&1; then
  fail "import of an unreadable file reported success"
fi
[ ! -e "$work/empty/datax.dat" ] || fail "import of an unreadable file wrote a database"
grep -q "^Přidáno dní: [1-9]" <<<"$out" || fail "second import adds the other files' days: $out"
grep -q "31.12.2013" <<<"$out" || fail "second import names the day it kept: $out"
"$cli" import-groups "$work/db" "$data/reference/20140101SRS.txt" | grep -q "^Přidáno dní: 0 " ||
  fail "repeated import adds nothing"

# A line that cannot be read is named on stderr and the rest imported.
{ head -c 1000 "$data/reference/g1955_january.txt"; printf '1955 1 9.999 garbage\r\r\n'; } >"$work/g1955.txt"
"$cli" import-groups --new "$work/db2" "$work/g1955.txt" >/dev/null 2>"$work/err" || fail "damaged file status"
grep -q "g1955.txt:1[0-9]*: 1955 1 9.999 garbage" "$work/err" || fail "damaged line named: $(cat "$work/err")"

# Reference series from a folder of published files, then the k-factors of the imported days.
mkdir -p "$work/src/silso"
cp "$data/aux/silso_hem_2000_2001.csv" "$work/src/silso/SN_d_hem_V2.0.csv"
printf '2014;01;01;2014.001; 104;  5.9;  10;1\n2013;12;31;2013.999; 136;  5.9;  10;1\n' \
  >"$work/src/SN_d_tot_V2.0.csv"
"$cli" import-reference "$work/db" "$work/src" >/dev/null 2>"$work/err" || fail "import-reference status"
grep -q "daily_area.txt" "$work/err" || fail "missing source named"
[ "$(wc -c <"$work/db/SIDC/dssn2014.dat")" -eq $((365 * 32)) ] || fail "year file size"
"$cli" k-factors "$work/db" | grep -q "^NOAA .* vše " || fail "k-factors lists NOAA"

[ "$failures" -eq 0 ] && echo "reference cli: all passed"
exit "$failures"
