#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# ardeno-cli tracks on the real-data sample: NOAA's own records (whose group numbers are its
# regions) followed by place alone must give back the regions, the CSV's form, the year and
# observer choices, the NOAA column, and the usage on wrong arguments.
# Usage: tracks_cli_test.sh ARDENO-CLI ARDENO-SAMPLE REFERENCE-FOLDER
set -u
cli=$1
sample=$2
reference=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The messages checked here are the Czech ones, whatever the machine's locale or kept choice.
unset LC_ALL LC_MESSAGES LANGUAGE
export LANG=C.UTF-8 XDG_CONFIG_HOME="$work/config"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

"$sample" "$work/db" --reference "$reference" >/dev/null || fail "ardeno-sample --reference"
sum_before=$(md5sum <"$work/db/datax.dat")

"$cli" tracks "$work/db" --observer NOAA --check-numbers >"$work/noaa.csv" 2>"$work/agreement" ||
  fail "tracks of NOAA's records"
# "zákresy NOAA: skupin ve stopě jen s vlastním číslem A z B (P %), čísel ... C z D (Q %)"
read -r own sightings one numbers < <(sed -n 's/^zákresy NOAA: [^0-9]*\([0-9]*\) z \([0-9]*\) ([^)]*), [^0-9]*[0-9] [^0-9]*\([0-9]*\) z \([0-9]*\).*/\1 \2 \3 \4/p' "$work/agreement")
[ -n "${numbers:-}" ] || fail "no agreement line: $(cat "$work/agreement")"
if [ -n "${numbers:-}" ]; then
  [ $((100 * own)) -ge $((95 * sightings)) ] || fail "region-days in a track of their own: $own of $sightings"
  [ $((100 * one)) -ge $((95 * numbers)) ] || fail "regions on 3+ days in one track: $one of $numbers"
  [ "$sightings" -gt 2000 ] || fail "too few NOAA region-days: $sightings"
fi

head -1 "$work/noaa.csv" | tr -d '\r' | grep -qx 'stopa;od;do;dní;centrální meridián;šířka;max plocha;typy;čísla;NOAA' ||
  fail "header: $(head -1 "$work/noaa.csv")"
bad=$(tail -n +2 "$work/noaa.csv" | tr -d '\r' |
  grep -v -E '^[0-9]+;[0-9]{2}\.[0-9]{2}\.[0-9]{4};[0-9]{2}\.[0-9]{2}\.[0-9]{4};[0-9]+;([0-9]{2}\.[0-9]{2}\.[0-9]{4})?;-?[0-9]+\.[0-9];[0-9]+;[^;]+;[0-9+]+;[0-9+]*$' | head -3)
[ -z "$bad" ] || fail "lines of another form: $bad"
# A track of NOAA's records lists in the NOAA column every region it holds: its own numbers, a
# track that joined two regions "11970+11975" in both columns.
tail -n +2 "$work/noaa.csv" | tr -d '\r' | awk -F';' '$9 != $10 {bad++} END {exit bad > 0}' ||
  fail "NOAA column differs from the region numbers"

# With a year, the agreement counts that year's region-days only, fewer than over all the years
# of the sample.
"$cli" tracks "$work/db" 2014 --observer NOAA --check-numbers >/dev/null 2>"$work/agreement2014" ||
  fail "tracks of 2014 with --check-numbers"
read -r sightings2014 < <(sed -n 's/^zákresy NOAA: [^0-9]*[0-9]* z \([0-9]*\).*/\1/p' "$work/agreement2014")
[ -n "${sightings2014:-}" ] && [ "${sightings2014}" -lt "${sightings:-0}" ] ||
  fail "2014 counts all years: ${sightings2014:-none} of ${sightings:-none}"

# A year: only the tracks of that year, every one of them.
"$cli" tracks "$work/db" 2014 >"$work/2014.csv" || fail "tracks of 2014"
tail -n +2 "$work/2014.csv" | tr -d '\r' | awk -F';' '$2 !~ /2014$/ && $3 !~ /2014$/ {bad++} END {exit bad > 0}' ||
  fail "a track outside 2014"
[ "$(tail -n +2 "$work/2014.csv" | wc -l)" -gt 100 ] || fail "too few tracks in 2014"

# NOAA's tables of 2009-2019 alone, year by year: at least 95 % of the region-days in a track of
# their region alone and of the regions seen on 3 days or more in one track, in every year.
"$cli" import-groups --new "$work/noaa" "$reference/noaa-srs/dataframes" >/dev/null 2>&1 ||
  fail "import-groups of NOAA's tables"
for year in $(seq 2009 2019); do
  "$cli" tracks "$work/noaa" "$year" --observer NOAA --check-numbers >/dev/null 2>"$work/year" ||
    fail "tracks of NOAA's tables, $year"
  read -r own sightings one numbers < <(sed -n 's/^zákresy NOAA: [^0-9]*\([0-9]*\) z \([0-9]*\) ([^)]*), [^0-9]*[0-9] [^0-9]*\([0-9]*\) z \([0-9]*\).*/\1 \2 \3 \4/p' "$work/year")
  if [ -z "${numbers:-}" ] || [ "$sightings" -eq 0 ]; then
    fail "no agreement line for $year: $(cat "$work/year")"
    continue
  fi
  [ $((100 * own)) -ge $((95 * sightings)) ] || fail "$year: region-days in a track of their own: $own of $sightings"
  [ $((100 * one)) -ge $((95 * numbers)) ] || fail "$year: regions on 3+ days in one track: $one of $numbers"
done

for args in "" "$work/db 20x4" "$work/db --observer" "$work/db --noaa" "$work/db --nothing"; do
  # shellcheck disable=SC2086
  "$cli" tracks $args >/dev/null 2>"$work/usage" && fail "accepted: tracks $args"
  grep -q "Použití: ardeno-cli tracks" "$work/usage" || fail "no usage for: tracks $args"
done
[ "$(md5sum <"$work/db/datax.dat")" = "$sum_before" ] || fail "the data file changed"

[ "$failures" -eq 0 ] && echo "tracks CLI: all passed"
exit "$failures"
