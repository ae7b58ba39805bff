#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# ardeno-cli recompute, merge, equal-dates and coordinates on generated folders.
# Usage: drawing_commands_test.sh ARDENO-CLI ARDENO-SAMPLE
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
cp "$work/db/datax.dat" "$work/before.dat"

# Damage the results block of record 3 (bytes 1728..1772); the recompute brings it back and
# changes nothing else.
printf '\xa5%.0s' $(seq 1 45) | dd of="$work/db/datax.dat" bs=1 seek=$((2 * 1774 + 1728)) \
  conv=notrunc status=none
cmp -s "$work/before.dat" "$work/db/datax.dat" && fail "the damage did not reach the file"
out=$("$cli" recompute "$work/db") || fail "recompute exit status"
grep -q "Přepočteno záznamů: 200" <<<"$out" || fail "recompute count: $out"
cmp -s "$work/before.dat" "$work/db/datax.dat" || fail "recompute changed more than the results"

# A second folder from the same first date: some of its dates are in the database (special
# drawings share the date of a drawing, so the database has equal dates of its own too).
"$sample" "$work/other" 30 8 >/dev/null || fail "ardeno-sample other"
own=$("$cli" equal-dates "$work/db" | wc -l)
"$cli" merge "$work/db" "$work/other/datax.dat" --skip-equal-dates >"$work/out" ||
  fail "merge --skip-equal-dates exit status"
read -r added left equal total skipped < <(sed -E 's/[^0-9]+/ /g' "$work/out")
[ $((added + left)) -eq 30 ] && [ "$left" -eq "$equal" ] && [ "$equal" -gt 0 ] &&
  [ "$total" -eq $((200 + added)) ] && [ "$skipped" -eq 0 ] ||
  fail "merge skipping: $(cat "$work/out")"
[ "$("$cli" equal-dates "$work/db" | wc -l)" -eq "$own" ] || fail "skipped dates still equal"
"$cli" check "$work/db" | grep -qx "Záznamů: $total" || fail "merged file does not load whole"

cp "$work/before.dat" "$work/db/datax.dat"
"$cli" merge "$work/db" "$work/other/datax.dat" >"$work/out" || fail "merge exit status"
grep -q "Přidáno záznamů: 30, vynecháno: 0, shodná data: $equal, záznamů celkem: 230" \
  "$work/out" || fail "merge keeping: $(cat "$work/out")"
[ "$("$cli" equal-dates "$work/db" | wc -l)" -gt "$own" ] || fail "equal-dates after the merge"

# A file of 1999 drawings is refused and the folder keeps its data file.
head -c $((1999 * 1774)) /dev/zero >"$work/big.dat"
cp "$work/db/datax.dat" "$work/merged.dat"
"$cli" merge "$work/db" "$work/big.dat" >/dev/null 2>"$work/err" && fail "1999 drawings merged"
grep -q "Lze přidat jen 1999 zakresu" "$work/err" || fail "1999 message: $(cat "$work/err")"
cmp -s "$work/merged.dat" "$work/db/datax.dat" || fail "refused merge changed the file"

# The coordinate table agrees with the ephemeris of each day at 0 h UT to 0.1.
"$cli" coordinates 2024 1 >"$work/table" || fail "coordinates exit status"
[ "$(wc -l <"$work/table")" -eq 37 ] || fail "coordinates lines: $(wc -l <"$work/table")"
for month in 1 2 3 4; do
  days=$(case $month in 2) echo 29 ;; 4) echo 30 ;; *) echo 31 ;; esac)
  for day in $(seq 1 "$days"); do printf '%02d.%02d.2024 0000\n' "$day" "$month"; done
done | "$cli" ephemeris >"$work/eph" || fail "ephemeris of 2024"
awk -v months="31 29 31 30" '
  BEGIN { split(months, length_of, " ") }
  NR == FNR { eph[++n] = $0; next }
  FNR >= 3 && FNR <= 33 {
    day = $1; field = 2
    for (m = 1; m <= 4; m++) {
      if (day > length_of[m]) continue
      index_of = day
      for (k = 1; k < m; k++) index_of += length_of[k]
      split(eph[index_of], e, " ")
      dl = $(field) - e[4]; if (dl > 180) dl -= 360; if (dl < -180) dl += 360
      if (dl < 0) dl = -dl
      db = $(field + 1) - e[3]; if (db < 0) db = -db
      dp = $(field + 2) - e[2]; if (dp < 0) dp = -dp
      if (dl > 0.1 || db > 0.1 || dp > 0.1) { print "day " day " month " m; bad++ }
      field += 3
    }
  }
  END { exit bad > 0 }' "$work/eph" "$work/table" || fail "coordinates differ from the ephemeris"
grep -qx "Rotace Leden: 19- 2280" "$work/table" || fail "January rotation mark"
"$cli" coordinates 2024 2 >/dev/null 2>&1 && fail "a first month of 2 was accepted"

[ "$failures" -eq 0 ] && echo "drawing_commands_test: all checks passed"
exit "$failures"
