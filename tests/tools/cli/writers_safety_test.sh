#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every command that writes, run against folders where writing would lose data: a partly loaded
# or too short datax.dat, a missing folder, empty or absurd reference sources, a picture named
# over a data file, a report whose second file cannot be written, a read-only data folder, and
# two writers at once. Each case compares the sha256 of every file before and after.
# Usage: writers_safety_test.sh ARDENO-CLI ARDENO-SAMPLE ARDENO-RENDER TEST-DATA-FOLDER
set -u
cli=$1
sample=$2
render=$3
data=$4
. "$(dirname "$0")/safety_setup.sh"
record=1774
srs="$data/reference/20140101SRS.txt"
rgo="$data/reference/g2014_january.txt"

# The names of every entry and the sha256 of every regular file of a folder.
fingerprint() {
  (cd "$1" && find . -mindepth 1 | sort && find . -type f -print0 | sort -z | xargs -0 -r sha256sum)
}

# refused NAME FOLDER COMMAND...: exit 1, a message on stderr, the folder exactly as it was.
refused() {
  local name=$1 folder=$2
  shift 2
  local before after status
  before=$(fingerprint "$folder")
  timeout 60 "$@" >"$work/out" 2>"$work/err"
  status=$?
  after=$(fingerprint "$folder")
  [ "$status" -eq 1 ] || fail "$name: status $status, expected 1"
  [ -s "$work/err" ] || fail "$name: no message"
  [ "$before" = "$after" ] || fail "$name: the folder changed"
}

count() { "$cli" check "$1" 2>/dev/null | sed -n 's/^Záznamů: //p'; }

"$sample" "$work/base" 60 3 >/dev/null || fail "ardeno-sample"

# --- a database loaded only in part is never written by any writer ---
case_dir() {
  rm -rf "${work:?}/$1"
  mkdir -p "$work/$1"
  cp "$work/base/datax.dat" "$work/$1/datax.dat"
  echo "$work/$1"
}
dir=$(case_dir empty-date-unchosen)
dd if=/dev/zero of="$dir/datax.dat" bs=$record seek=30 count=1 conv=notrunc status=none
printf '\0\0' | dd of="$dir/datax.dat" bs=1 seek=126 conv=notrunc status=none
dir=$(case_dir empty-date-polar)
dd if=/dev/zero of="$dir/datax.dat" bs=$record seek=30 count=1 conv=notrunc status=none
dir=$(case_dir partial-record)
head -c 700 /dev/urandom >>"$dir/datax.dat"
for name in empty-date-unchosen empty-date-polar partial-record; do
  refused "$name import-groups" "$work/$name" "$cli" import-groups "$work/$name" "$rgo"
  refused "$name resave" "$work/$name" "$cli" resave "$work/$name"
  refused "$name recompute" "$work/$name" "$cli" recompute "$work/$name"
  refused "$name merge" "$work/$name" "$cli" merge "$work/$name" "$work/base/datax.dat"
done
grep -q "nenačetl celý" "$work/err" || fail "partial load refusal: $(cat "$work/err")"

# --- a file shorter than one record is damaged; a new database is only made when asked ---
for size in 1 1000 1773; do
  mkdir -p "$work/short$size"
  head -c $size "$work/base/datax.dat" >"$work/short$size/datax.dat"
  refused "short $size import-groups" "$work/short$size" "$cli" import-groups "$work/short$size" "$srs"
  refused "short $size import-groups --new" "$work/short$size" \
    "$cli" import-groups --new "$work/short$size" "$srs"
done
mkdir -p "$work/empty-file" && : >"$work/empty-file/datax.dat"
refused "empty file import-groups" "$work/empty-file" "$cli" import-groups "$work/empty-file" "$srs"
refused "empty file --new" "$work/empty-file" "$cli" import-groups --new "$work/empty-file" "$srs"
refused "existing database --new" "$work/base" "$cli" import-groups --new "$work/base" "$srs"
"$cli" import-groups "$work/mistyped" "$srs" >/dev/null 2>"$work/err" && fail "import into a missing folder"
grep -q -- "--new" "$work/err" || fail "missing folder: no hint of --new: $(cat "$work/err")"
[ ! -e "$work/mistyped" ] || fail "import into a missing folder created it"
"$cli" import-groups --new "$work/new" "$srs" "$rgo" >/dev/null || fail "import-groups --new"
[ "$(count "$work/new")" -gt 0 ] || fail "--new wrote no database"
[ -z "$(ls "$work/new" | grep -v '^datax.dat$')" ] || fail "--new left more than datax.dat: $(ls "$work/new")"

# --- two writers at once: both changes stored, or one refused naming the other ---
cp -r "$work/base" "$work/alone-a" && "$cli" import-groups "$work/alone-a" "$srs" >/dev/null
cp -r "$work/base" "$work/alone-b" && "$cli" import-groups "$work/alone-b" "$rgo" >/dev/null
cp -r "$work/base" "$work/both" && "$cli" import-groups "$work/both" "$srs" "$rgo" >/dev/null
only_a=$(count "$work/alone-a") only_b=$(count "$work/alone-b") both=$(count "$work/both")
[ "$only_a" -gt 60 ] && [ "$only_b" -gt 60 ] && [ "$both" -gt "$only_a" ] ||
  fail "concurrent fixture: $only_a $only_b $both"
for run in $(seq 1 20); do
  dir="$work/race"
  rm -rf "$dir" && cp -r "$work/base" "$dir"
  "$cli" import-groups "$dir" "$srs" >/dev/null 2>"$work/err-a" &
  pid_a=$!
  "$cli" import-groups "$dir" "$rgo" >/dev/null 2>"$work/err-b" &
  pid_b=$!
  wait $pid_a
  status_a=$?
  wait $pid_b
  status_b=$?
  stored=$(count "$dir")
  case "$status_a$status_b" in
    00) [ "$stored" = "$both" ] || fail "run $run: both succeeded but $stored records, not $both" ;;
    01) [ "$stored" = "$only_a" ] || fail "run $run: A stored $stored, not $only_a"
        grep -q "právě mění ardeno-cli import-groups" "$work/err-b" || fail "run $run: B's refusal: $(cat "$work/err-b")" ;;
    10) [ "$stored" = "$only_b" ] || fail "run $run: B stored $stored, not $only_b"
        grep -q "právě mění ardeno-cli import-groups" "$work/err-a" || fail "run $run: A's refusal: $(cat "$work/err-a")" ;;
    *) fail "run $run: statuses $status_a $status_b" ;;
  esac
  ls "$dir" | grep -q '\.tmp$' && fail "run $run: a temporary file was left"
  [ ! -e "$dir/datax.zamek" ] || fail "run $run: the lock's holder file was left"
done

# While another program holds the folder, writers are refused and its temporary files stay;
# afterwards only the stale ones of the data file are removed.
dir="$work/held"
cp -r "$work/base" "$dir"
printf 'half' >"$dir/datax.dat.tmp"
printf 'half' >"$dir/datax.dat.4242-1.tmp"
printf 'keep' >"$dir/Plochy.txt.4242-1.tmp"
flock "$dir" sleep 9 &
holder=$!
sleep 0.5
refused "held resave" "$dir" "$cli" resave "$dir"
grep -q "právě mění" "$work/err" || fail "held: refusal does not say the folder is in use"
refused "held import" "$dir" "$cli" import-groups "$dir" "$srs"
wait $holder
"$cli" resave "$dir" >/dev/null || fail "resave after the holder ended"
[ ! -e "$dir/datax.dat.tmp" ] && [ ! -e "$dir/datax.dat.4242-1.tmp" ] || fail "stale temporaries stayed"
[ -e "$dir/Plochy.txt.4242-1.tmp" ] || fail "another file's temporary was removed"

# --- import-reference never replaces a series by an empty one, nor makes absurd years ---
ref="$work/ref"
cp -r "$work/base" "$ref"
mkdir -p "$work/src"
cp "$data/aux/silso_hem_2000_2001.csv" "$work/src/SN_d_hem_V2.0.csv"
cp "$data/aux/daily_area_2000.txt" "$work/src/daily_area.txt"
cp "$data/aux/penticton_flux_2004.txt" "$work/src/fluxtable.txt"
"$cli" --today 1.3.2026 import-reference "$ref" "$work/src" >/dev/null 2>&1 || fail "import-reference"
for broken in empty garbage; do
  [ $broken = empty ] && : >"$work/src/daily_area.txt"
  [ $broken = garbage ] && head -c 3000 /dev/urandom >"$work/src/daily_area.txt"
  before=$(sha256sum "$ref/SIDC/Plochy.txt")
  "$cli" --today 1.3.2026 import-reference "$ref" "$work/src" >/dev/null 2>"$work/err" &&
    fail "import-reference with $broken areas succeeded"
  grep -q "daily_area.txt" "$work/err" || fail "$broken areas source not named"
  [ "$before" = "$(sha256sum "$ref/SIDC/Plochy.txt")" ] || fail "$broken areas replaced Plochy.txt"
done
cp "$data/aux/daily_area_2000.txt" "$work/src/daily_area.txt"
printf '9999;01;01;9999.001; 50; 1.0; 10;1\n' >"$work/src/SN_d_tot_V2.0.csv"
"$cli" --today 1.3.2026 import-reference "$ref" "$work/src" >/dev/null 2>"$work/err" ||
  fail "import-reference with one absurd line"
grep -q "SN_d_tot_V2.0.csv:1:" "$work/err" || fail "absurd year not named: $(cat "$work/err")"
[ "$(ls "$ref/SIDC" | wc -l)" -lt 40 ] || fail "an absurd year made $(ls "$ref/SIDC" | wc -l) files"
"$cli" import-reference "$work/mistyped-ref" "$work/src" >/dev/null 2>&1 && fail "reference into a missing folder"
[ ! -e "$work/mistyped-ref" ] || fail "import-reference created a missing folder"

# --- the renderer writes pictures only, through a temporary file, and nothing into the folder ---
if [ -x "$render" ]; then
  pic="$work/pic"
  cp -r "$work/base" "$pic"
  mkdir -p "$work/notes" && printf 'my notes\n' >"$work/notes/notes.png"
  refused "render over datax.dat" "$pic" "$render" drawing "$pic" "$pic/datax.dat" --size 100x100
  refused "render over notes" "$work/notes" "$render" drawing "$pic" "$work/notes/notes.png" --size 100x100
  before=$(fingerprint "$pic")
  "$render" drawing "$pic" "$work/out.jpg" --size 100x100 >/dev/null 2>&1 ||
    fail "render to .jpg"
  "$render" drawing "$pic" "$work/out.png" --size 100x100 >/dev/null 2>&1 ||
    fail "render to .png"
  "$render" drawing "$pic" "$work/out.png" --size 100x100 >/dev/null 2>&1 ||
    fail "render over its own picture"
  [ "$(head -c 3 "$work/out.jpg" | od -An -tx1 | tr -d ' ')" = "ffd8ff" ] || fail ".jpg is not a JPEG"
  [ "$(head -c 4 "$work/out.png" | od -An -tx1 | tr -d ' ')" = "89504e47" ] || fail ".png is not a PNG"
  # The numbers beside the picture follow the same rules: never the picture, nothing in the
  # folder, no picture taken for a table.
  refused "numbers over the picture" "$work/notes" "$render" daily-graph "$pic" "$work/notes/d.png" \
    --size 200x100 --data "$work/notes/d.png"
  refused "numbers over datax.dat" "$pic" "$render" daily-graph "$pic" "$work/d.png" --size 200x100 \
    --data "$pic/datax.dat"
  refused "numbers over a picture" "$work/notes" "$render" daily-graph "$pic" "$work/d.png" \
    --size 200x100 --data "$work/notes/notes.csv.png"
  cp "$work/out.png" "$work/notes/photo.csv"
  refused "numbers over a PNG named .csv" "$work/notes" "$render" daily-graph "$pic" "$work/d.png" \
    --size 200x100 --data "$work/notes/photo.csv"
  for round in 1 2; do
    "$render" daily-graph "$pic" "$work/d.png" --size 200x100 --data "$work/d.csv" >/dev/null 2>&1 ||
      fail "numbers written, round $round"
  done
  [ "$(wc -l <"$work/d.csv")" -gt 1 ] || fail "the numbers file holds no rows"
  [ "$before" = "$(fingerprint "$pic")" ] || fail "rendering changed the data folder"
  ls "$work" | grep -q '\.tmp$' && fail "rendering left a temporary file"
fi

# --- a report of two files is written whole or not at all ---
rep="$work/rep"
cp -r "$work/base" "$rep"
month=$("$cli" check "$rep" | sed -n 's/^První datum: ..\.0*\([0-9]*\)\.\([0-9]*\)$/\1.\2/p')
"$cli" own-report "$rep" "$month" >"$work/out" 2>/dev/null || fail "own-report"
first=$(sed -n 1p "$work/out") second=$(sed -n 2p "$work/out")
rm -f "$second" && mkdir -p "$second/blocked"
refused "own-report without --replace" "$rep" "$cli" own-report "$rep" "$month"
grep -q -- "--replace" "$work/err" || fail "own-report: the existing file not named: $(cat "$work/err")"
refused "own-report second file blocked" "$rep" "$cli" own-report "$rep" "$month" --replace
rm -rf "$second" && printf 'old areas' >"$second" && chmod a-w "$second"
printf 'old index' >"$first"
refused "own-report second file read-only" "$rep" "$cli" own-report "$rep" "$month" --replace
chmod u+w "$second"

# --- a read-only data folder gets nothing, also for root ---
ro="$work/readonly"
cp -r "$work/base" "$ro"
chmod a-w "$ro"
refused "read-only own-report" "$ro" "$cli" own-report "$ro" "$month"
refused "read-only sidc-report" "$ro" "$cli" sidc-report "$ro" "$month" "OBS "
refused "read-only sidc-csv" "$ro" "$cli" sidc-csv "$ro" "$month"
refused "read-only cv-report" "$ro" "$cli" cv-report "$ro" "$month"
refused "read-only observers-csv" "$ro" "$cli" observers-csv "$ro"
refused "read-only monthly-csv" "$ro" "$cli" monthly-csv "$ro" measured 2
refused "read-only asymmetry" "$ro" "$cli" asymmetry "$ro" monthly
refused "read-only positions" "$ro" "$cli" positions "$ro" monthly
refused "read-only export-ascii" "$ro" "$cli" export-ascii "$ro"
refused "read-only resave" "$ro" "$cli" resave "$ro"
refused "read-only import" "$ro" "$cli" import-groups "$ro" "$srs"
chmod u+w "$ro"

[ "$failures" -eq 0 ] && echo "writers_safety_test: all checks passed"
exit "$failures"
