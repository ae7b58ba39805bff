#!/usr/bin/env bash
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

[ "$failures" -eq 0 ] && echo "all sample tool checks passed"
exit "$failures"
