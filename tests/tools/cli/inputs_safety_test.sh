#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# ardeno-cli given doubtful input: a data file to merge with bad drawings, catalogues with repeated
# lines, a data file out of date order, a database loaded in part, damaged SIDC year files, and
# arguments that do not read whole. Every case checks the exit status, what the user is told, and
# the sha256 of every file that existed before.
# Usage: inputs_safety_test.sh ARDENO-CLI ARDENO-SAMPLE TEST-DATA
set -u
cli=$1
sample=$2
data=$3
work=$(mktemp -d)
trap 'chmod -R u+rwx "$work"; rm -rf "$work"' EXIT
# The messages checked here are the Czech ones, whatever the machine's locale or kept choice.
unset LC_ALL LC_MESSAGES LANGUAGE
export LANG=C.UTF-8 XDG_CONFIG_HOME="$work/config"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
record=1774

# Hashes of every regular file of a folder (or of one file).
fingerprint() {
  if [ -d "$1" ]; then
    (cd "$1" && find . -type f -print0 | sort -z | xargs -0 -r sha256sum)
  else
    sha256sum <"$1"
  fi
}

# expect NAME STATUS TEXT COMMAND...: the command ends with STATUS and says TEXT (on stdout or
# stderr; empty TEXT: nothing asked). Its output is kept in $work/out and $work/err.
expect() {
  local name=$1 expected=$2 text=$3
  shift 3
  timeout 60 "$cli" "$@" >"$work/out" 2>"$work/err"
  local status=$?
  [ "$status" -eq "$expected" ] || fail "$name: status $status, expected $expected ($(head -c 300 "$work/err"))"
  if [ -n "$text" ]; then
    grep -qF -- "$text" "$work/out" "$work/err" || fail "$name: not told \"$text\": $(head -c 300 "$work/err")"
  fi
}

# unchanged NAME PATH BEFORE: the fingerprint of PATH is still BEFORE.
unchanged() { [ "$(fingerprint "$2")" = "$3" ] || fail "$1: $2 changed"; }

# Writes bytes given as a printf format into FILE at OFFSET.
patch() { printf "$3" | dd of="$1" bs=1 seek="$2" conv=notrunc status=none; }

"$sample" "$work/base" 200 7 >/dev/null || fail "ardeno-sample base"
"$sample" "$work/other" 30 9 >/dev/null || fail "ardeno-sample other"
fresh() { rm -rf "$work/$1" && cp -r "$work/base" "$work/$1" && echo "$work/$1"; }
first_month() { "$cli" check "$1" | sed -n 's/^První datum: [0-9]*\.0*\([0-9]*\)\.\([0-9]*\)$/\1.\2/p'; }
month=$(first_month "$work/base")
[ -n "$month" ] || fail "no month in the sample"

# --- merge: drawings that a load would refuse are named and left out; the settings stay ---
dir=$(fresh merge)
other="$work/other.dat"
cp "$work/other/datax.dat" "$other"
patch "$other" 1 '01.01.1900'            # drawing 1 becomes the earliest of the database ...
patch "$other" 126 '\260\004'            # ... and carries heliographic mode, radius 200
patch "$other" $((record + 1)) '3x'      # drawing 2: a date that does not read
patch "$other" $((2 * record + 14)) '\326' # drawing 3: 214 groups
other_before=$(fingerprint "$other")
expect "merge bad drawings" 1 "214 skupin" merge "$dir" "$other"
grep -qF "č. 2 „3x" "$work/err" || fail "merge: the unreadable date is not named"
grep -qF "Přidáno záznamů: 28," "$work/out" || fail "merge: added count: $(cat "$work/out")"
unchanged "merge other file" "$other" "$other_before"
expect "merged folder loads" 0 "Záznamů: 228" check "$dir"
grep -qx "RadiusWord: 125" "$work/out" || fail "merge changed the radius word: $(cat "$work/out")"
grep -qx "První datum: 01.01.1900" "$work/out" || fail "merge: the earliest drawing is not first"

# --- catalogues with every line twice import as the catalogue read once ---
for source in reference/g1955_january.txt reference/20140101SRS.txt reference/srs_table_quirks.csv; do
  name=$(basename "$source")
  once=$(fresh "once-$name")
  twice=$(fresh "twice-$name")
  sed 'p' "$data/$source" >"$work/$name.twice"
  expect "import $name once" 0 "" import-groups "$once" "$data/$source"
  grep -qF "dvakrát" "$work/out" && fail "import $name once: repeats reported"
  expect "import $name twice" 0 "dvakrát" import-groups "$twice" "$work/$name.twice"
  cmp -s "$once/datax.dat" "$twice/datax.dat" || fail "import $name: repeated lines gave other records"
done

# --- a data file out of date order loads sorted, says so, and is kept before the first save ---
sorted=$(fresh sorted)
unsorted=$(fresh unsorted)
date_of() { dd if="$1" bs=1 skip=$((($2 - 1) * record + 1)) count=10 status=none; }
# Split between two days, so that drawings of one day keep their order.
split=100
while [ "$(date_of "$sorted/datax.dat" $split)" = "$(date_of "$sorted/datax.dat" $((split + 1)))" ]; do
  split=$((split + 1))
done
{ tail -c +$((split * record + 1)) "$sorted/datax.dat"; head -c $((split * record)) "$sorted/datax.dat"; } \
  >"$unsorted/datax.dat"
as_found=$(fingerprint "$unsorted/datax.dat")
before=$(fingerprint "$unsorted")
expect "unsorted check" 1 "nejsou seřazeny podle data" check "$unsorted"
unchanged "unsorted check" "$unsorted" "$before"
expect "sorted monthly" 0 "" monthly-csv "$sorted" measured 1
cp "$(head -1 "$work/out")" "$work/sorted.csv"
expect "unsorted monthly" 0 "" monthly-csv "$unsorted" measured 1
cp "$(head -1 "$work/out")" "$work/unsorted.csv"
[ -s "$work/sorted.csv" ] || fail "monthly-csv wrote nothing"
cmp -s "$work/sorted.csv" "$work/unsorted.csv" || fail "unsorted file gives other monthly values"
expect "unsorted resave" 0 "datax-puvodni.dat" resave "$unsorted"
[ "$(fingerprint "$unsorted/datax-puvodni.dat")" = "$as_found" ] || fail "the file as found was not kept"
cmp -s "$unsorted/datax.dat" "$sorted/datax.dat" || fail "resave did not write the date order"

# --- a database loaded in part: output from what was loaded, the gap said, status 1 ---
part=$(fresh part)
head -c $((150 * record + 700)) "$work/base/datax.dat" >"$part/datax.dat"
data_before=$(fingerprint "$part/datax.dat")
for command in "export-ascii" "monthly-csv measured 1" "quiet-days" "group-types" "equal-dates" \
  "rotation-stats" "own-report $month" "cv-report $month" "observers-csv" "dayresults"; do
  set -- $command
  name=$1
  shift
  expect "partial $name" 1 "Výstup je spočten jen ze zákresů" "$name" "$part" "$@"
  grep -qF "posledních 700 bajtů" "$work/err" || fail "partial $name: the gap not said"
  unchanged "partial $name" "$part/datax.dat" "$data_before"
done
[ -s "$part/SoubASCI.dat" ] || fail "partial export-ascii wrote nothing"
expect "partial resave" 1 "nenačetl celý" resave "$part"
unchanged "partial resave" "$part/datax.dat" "$data_before"

# --- k-factors: a damaged SIDC year is named and left out ---
kdir=$(fresh kfactors)
# Daily numbers for every year of the sample, in the published layout (32-byte lines).
first=$("$cli" check "$kdir" | sed -n 's/^První datum: .*\.\([0-9]*\)$/\1/p')
last=$("$cli" check "$kdir" | sed -n 's/^Poslední datum: .*\.\([0-9]*\)$/\1/p')
mkdir -p "$kdir/SIDC"
# A year before the drawings too: leaving it out must leave the table as it is.
for y in $(seq $((first - 1)) "$last"); do
  awk -v y="$y" 'BEGIN { n = (y % 4 == 0 && (y % 100 != 0 || y % 400 == 0)) ? 366 : 365
    for (d = 0; d < n; d++) printf "%4d %02d %02d %8.3f%3d %3d %3d\r\n", y, 1, 1, y + d / n, 20 + d % 90, 10 + d % 40, 10 + d % 50 }' \
    >"$kdir/SIDC/dssn$y.dat"
done
year=$((first - 1))
if [ -n "$year" ]; then
  size=$(wc -c <"$kdir/SIDC/dssn$year.dat")
  mkdir -p "$work/kgone" && cp -r "$kdir/." "$work/kgone/" && rm "$work/kgone/SIDC/dssn$year.dat"
  expect "k-factors without the year" 0 "" k-factors "$work/kgone"
  cp "$work/out" "$work/k-without"
  # Scripts read the table by its Czech titles and headings: the same bytes in English.
  expect "k-factors in English" 0 "" --lang en k-factors "$work/kgone"
  cmp -s "$work/out" "$work/k-without" || fail "k-factors: the table differs in English"
  head -c "$size" /dev/urandom >"$kdir/SIDC/dssn$year.dat"
  before=$(fingerprint "$kdir")
  expect "k-factors damaged year" 1 "SIDC/dssn$year.dat nemá očekávaný tvar" k-factors "$kdir"
  cmp -s "$work/out" "$work/k-without" || fail "k-factors used the damaged year"
  unchanged "k-factors" "$kdir" "$before"
  expect "inputs damaged year" 1 "SIDC/dssn$year.dat nemá očekávaný tvar" inputs "$kdir"
else
  fail "the sample has no SIDC year files"
fi

# --- arguments that do not read whole, or lie outside the data, are refused with the range ---
args=$(fresh args)
before=$(fingerprint "$args")
expect "month with text after it" 1 "M.RRRR" own-report "$args" "${month}x"
expect "month with a second point" 1 "M.RRRR" cv-report "$args" "${month}.1"
expect "month thirteen" 1 "měsíc 1 až 12" sidc-csv "$args" "13.2014"
expect "largest year far away" 1 "zadej rok od" largest "$args" 99999
expect "evolution rotation far away" 1 "zadej otočku od" evolution "$args" 99999999
expect "station code with a line break" 1 "na jednom řádku" sidc-report "$args" "$month" $'OBS\nX'
unchanged "refused arguments" "$args" "$before"
first_year=$("$cli" check "$args" | sed -n 's/^První datum: .*\.\([0-9]*\)$/\1/p')
expect "largest year of the data" 0 "" largest "$args" "$first_year"

# --- messages say what is really wrong ---
expect "missing folder" 1 "neexistuje" check "$work/no-such-folder"
grep -qF "není soubor datax.dat" "$work/err" && fail "missing folder told as a missing datax.dat"
if [ "$(id -u)" -ne 0 ]; then
  closed=$(fresh closed)
  chmod 000 "$closed"
  expect "closed folder" 1 "přístup odepřen" check "$closed"
  grep -qF "neexistuje" "$work/err" && fail "closed folder told as missing"
  chmod 755 "$closed"
fi
empty_first=$(fresh empty-first)
patch "$empty_first/datax.dat" 0 '\000'
before=$(fingerprint "$empty_first")
expect "empty first date" 1 "začíná zákresem bez data" check "$empty_first"
grep -qF "dalších zákresů s datem za ním: 199" "$work/err" || fail "the drawings after it not counted"
expect "empty first date resave" 1 "" resave "$empty_first"
unchanged "empty first date" "$empty_first" "$before"
motfakul=$(fresh motfakul)
: >"$motfakul/Motfakul.dat"
expect "empty Motfakul.dat" 1 "Motfakul.dat je prázdný" inputs "$motfakul"

[ "$failures" -eq 0 ] && echo "inputs safety: all passed"
exit "$failures"
