#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# ardeno-sample as a new user first tries it: "--help" prints the usage and writes nothing; an
# unknown option is refused, never taken for a folder name; the helpers of the other tools too.
set -u
sample="$1"
cli="$2"
render="${3:-}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The messages checked here are the Czech ones, whatever the machine's locale or kept choice.
unset LC_ALL LC_MESSAGES LANGUAGE
export LANG=C.UTF-8 XDG_CONFIG_HOME="$work/config"
cd "$work" || exit 1
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# name | arguments | expected status | expected stream with the usage (out or err)
check() {
  local name="$1" status="$2" stream="$3"
  shift 3
  "$@" >out.txt 2>err.txt
  local got=$?
  [ "$got" -eq "$status" ] || fail "$name: status $got, expected $status"
  grep -q "Použití" "$stream.txt" || fail "$name: no usage on std$stream"
  local left
  left=$(ls -A | grep -v -e '^out.txt$' -e '^err.txt$')
  [ -z "$left" ] || fail "$name: left behind: $left"
  rm -f out.txt err.txt
}

check "sample --help" 0 out "$sample" --help
check "sample -h" 0 out "$sample" -h
check "sample unknown long option" 1 err "$sample" --count 10
check "sample unknown short option" 1 err "$sample" -x
check "sample without arguments" 1 err "$sample"
check "cli --help" 0 out "$cli" --help
check "cli unknown option" 1 err "$cli" --frobnicate
"$sample" -x >/dev/null 2>err.txt
grep -q "Neznámá volba: -x" err.txt || fail "sample names the unknown option"
rm -f err.txt
if [ -n "$render" ]; then
  QT_QPA_PLATFORM=offscreen "$render" --help >out.txt 2>err.txt
  [ $? -eq 0 ] || fail "render --help status"
  [ -s out.txt ] || fail "render --help prints its usage"
  rm -f out.txt err.txt
fi

# A real folder still works.
"$sample" vzorek 20 3 >/dev/null 2>&1 || fail "sample into a folder"
[ -f vzorek/datax.dat ] || fail "sample wrote no datax.dat"

# The generated groups are plausible: a large group's leader and follower span in longitude what
# its class spans, so the data check finds no class at odds with its extent (Q02) in a year.
"$sample" vzorek-rok 365 7 >/dev/null 2>&1 || fail "sample of a year"
"$cli" lint vzorek-rok >lint.txt 2>/dev/null
q02=$(grep -c ' Q02 ' lint.txt)
[ "$q02" -eq 0 ] || fail "sample: $q02 findings Q02: $(grep ' Q02 ' lint.txt | head -3)"
rm -rf vzorek-rok lint.txt

# The language as ardeno-cli chooses it: --lang before the arguments, else the kept choice, else
# the locale. name | locale | expected status | stream | expected text | command...
speaks() {
  local name="$1" locale="$2" status="$3" stream="$4" text="$5"
  shift 5
  LANG="$locale" QT_QPA_PLATFORM=offscreen "$@" >out.txt 2>err.txt
  local got=$?
  [ "$got" -eq "$status" ] || fail "$name: status $got, expected $status"
  grep -qF -- "$text" "$stream.txt" || fail "$name: no \"$text\" on std$stream: $(cat "$stream.txt")"
  rm -f out.txt err.txt
}
speaks "sample --help in English" C.UTF-8 0 out "Usage: ardeno-sample [--lang cs|en] FOLDER" \
  "$sample" --lang en --help
speaks "sample refusal in English" C.UTF-8 1 err "Unknown option: -x" "$sample" --lang en -x
speaks "sample count in English" C.UTF-8 1 err "The number of drawings must be a whole number" \
  "$sample" --lang en vzorek-en 0
speaks "sample under an English locale" en_GB.UTF-8 1 err "Unknown option: -x" "$sample" -x
speaks "sample --lang cs under an English locale" en_GB.UTF-8 1 err "Neznámá volba: -x" \
  "$sample" --lang cs -x
speaks "sample unknown language" C.UTF-8 1 err "Za --lang patří cs nebo en" "$sample" --lang xx d
if [ -n "$render" ]; then
  speaks "render help in English" C.UTF-8 0 out "Usage: ardeno-render [--lang cs|en] VIEW" \
    "$render" --lang en help
  speaks "render views in English" C.UTF-8 0 out \
    "drawing  the drawing of one record as the drawing window shows it (default size" \
    "$render" --lang en help
  speaks "render help in Czech" C.UTF-8 0 out "Použití: ardeno-render [--lang cs|en] POHLED" \
    "$render" help
  speaks "render unknown view in English" C.UTF-8 1 err "Unknown view: sunspots" \
    "$render" --lang en sunspots vzorek x.png
  speaks "render missing record in English" C.UTF-8 1 err \
    "Record 99 does not exist (the database has 20 records)." \
    "$render" --lang en drawing vzorek x.png --record 99
  speaks "render missing folder in English" C.UTF-8 1 err "The data folder does not exist" \
    "$render" --lang en drawing nowhere x.png
  speaks "render under an English locale" en_GB.UTF-8 1 err "Invalid size \"5\"" \
    "$render" drawing vzorek x.png --size 5
  speaks "render unknown language" C.UTF-8 1 err "Za --lang patří cs nebo en" \
    "$render" --lang de help
fi

# The sample data are the same bytes whatever the language the messages speak.
"$sample" --lang en vzorek-en 20 3 >out.txt 2>&1 || fail "sample in English: $(cat out.txt)"
grep -q "Written 20 drawings into vzorek-en/datax.dat" out.txt || fail "sample's English summary"
diff -r vzorek vzorek-en >/dev/null || fail "the sample folder written in English differs"

[ "$failures" -eq 0 ] && echo "all sample tool checks passed"
exit "$failures"
