#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# ardeno-cli against data files as accidents leave them: whatever it meets, it says so with a
# status of 1 and leaves every file in the folder exactly as it was.
# Usage: hostile_files_test.sh ARDENO-CLI ARDENO-SAMPLE
set -u
cli=$1
sample=$2
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
# The messages checked here are the Czech ones, whatever the machine's locale or kept choice.
unset LC_ALL LC_MESSAGES LANGUAGE
export LANG=C.UTF-8 XDG_CONFIG_HOME="$work/config"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# Hashes of every regular file, and the list of every name, of a folder.
fingerprint() {
  (cd "$1" && find . -mindepth 1 | sort && find . -type f -print0 | sort -z | xargs -0 -r sha256sum)
}

# run NAME EXPECTED-STATUS COMMAND FOLDER: the command must end (no hang), with the status, a
# message on stderr when it fails, and no file of the folder changed, added or removed.
run() {
  local name=$1 expected=$2 command=$3 folder=$4
  local before after status
  before=$(fingerprint "$folder")
  timeout 20 "$cli" "$command" "$folder" >"$work/out" 2>"$work/err"
  status=$?
  after=$(fingerprint "$folder")
  [ "$status" -eq "$expected" ] || fail "$name: $command status $status, expected $expected"
  if [ "$expected" -ne 0 ]; then
    [ -s "$work/err" ] || fail "$name: $command gave no message"
  fi
  [ "$before" = "$after" ] || fail "$name: $command changed the folder"
}

record=1774
make_case() {
  mkdir -p "$work/$1"
  echo "$work/$1"
}

"$sample" "$work/healthy" 20 3 >/dev/null || fail "ardeno-sample"

dir=$(make_case ff)
head -c $((3 * record)) /dev/zero | tr '\0' '\377' >"$dir/datax.dat"
dir=$(make_case random)
head -c $((4 * record + 100)) /dev/urandom >"$dir/datax.dat"
dir=$(make_case truncated)
head -c $((5 * record + 700)) "$work/healthy/datax.dat" >"$dir/datax.dat"
dir=$(make_case short)
head -c 1000 "$work/healthy/datax.dat" >"$dir/datax.dat"
dir=$(make_case empty)
: >"$dir/datax.dat"
dir=$(make_case fifo)
mkfifo "$dir/datax.dat"
dir=$(make_case readonly-file)
cp "$work/healthy/datax.dat" "$dir/datax.dat"
chmod a-w "$dir/datax.dat"
dir=$(make_case readonly-folder)
cp "$work/healthy/datax.dat" "$dir/datax.dat"
chmod a-w "$dir"

for name in ff random truncated short empty fifo; do
  for command in check resave dayresults; do
    run "$name" 1 "$command" "$work/$name"
  done
done
run readonly-file 0 check "$work/readonly-file"
run readonly-file 1 resave "$work/readonly-file"
run readonly-folder 0 check "$work/readonly-folder"
run readonly-folder 1 resave "$work/readonly-folder"
grep -q "jen pro čtení" "$work/err" 2>/dev/null || true
"$cli" resave "$work/readonly-file" 2>&1 >/dev/null | grep -q "jen pro čtení" ||
  fail "read-only file: the refusal does not say why"

# The garbage file is named as damaged, the interrupted copy by its partial record.
"$cli" check "$work/ff" 2>&1 >/dev/null | grep -q "neobsahuje žádný čitelný zákres" ||
  fail "0xFF file not reported as damaged"
"$cli" check "$work/truncated" 2>&1 >/dev/null | grep -q "posledních 700 bajtů" ||
  fail "partial record not reported"

# Looking at the auxiliary files writes nothing, not even the zoom file the program creates.
run healthy 0 inputs "$work/healthy"
[ ! -e "$work/healthy/Zvetsit.zve" ] || fail "inputs created Zvetsit.zve"

# describe reads what a picture says about itself and trusts none of its lengths: it ends at
# once, says what it could not read, and never prints garbage as a fact.
pics=$(make_case pictures)
printf '\x89PNG\r\n\x1a\n\x00\x00\x00\x0dIHDR\x00\x00\x00\x01\x00\x00\x00\x01\x08\x02\x00\x00\x00\x90\x77\x53\xde' >"$pics/header.png"
cp "$pics/header.png" "$pics/huge.png"
printf '\x7f\xff\xff\xfftEXtKey\x00' >>"$pics/huge.png"
cp "$pics/header.png" "$pics/absurd.png"
printf '\xff\xff\xff\xf0iTXtKey\x00' >>"$pics/absurd.png"
printf '\xff\xd8\xff\xfe\xff\xffView: cut' >"$pics/cut.jpg"
printf 'not a picture\n' >"$pics/notes.png"
for name in header huge absurd cut notes; do
  file=$(ls "$pics/$name".*)
  timeout 20 "$cli" describe "$file" >"$work/out" 2>"$work/err"
  status=$?
  expected=1
  [ "$name" = notes ] && expected=2
  [ "$status" -eq "$expected" ] || fail "describe $name: status $status, expected $expected"
  [ -s "$work/err" ] || fail "describe $name: no message"
  [ -s "$work/out" ] && fail "describe $name printed facts: $(cat "$work/out")"
done

[ "$failures" -eq 0 ] && echo "hostile_files_test: all checks passed"
exit "$failures"
