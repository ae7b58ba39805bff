#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs every fuzz target of a build for the same time, two at once (the machine's two cores),
# from seed corpora written by the sample generator, and prints how many inputs each executed.
# A target that crashes, reports, or runs a minute past its time fails. FUZZ_SKIP names targets
# (space-separated) that are left out.
# Usage: fuzz/run_all.sh BUILD ARDENO-SAMPLE WORKDIR [SECONDS=600]
#   WORKDIR/corpus/<target>  the corpora (kept and grown between runs)
#   WORKDIR/logs/<target>.log, WORKDIR/artifacts/<target>/  the fuzzer's output and any crash
set -euo pipefail
build=$1
sample=$2
work=$3
seconds=${4:-600}
mkdir -p "$work/logs" "$work/results"
[ -d "$work/corpus" ] || bash "$(dirname "$0")/seed_corpora.sh" "$sample" "$work/corpus"

run_target() {
  local binary=$1 target result=ok max_len=6000
  target=$(basename "$binary")
  case " ${FUZZ_SKIP:-} " in *" $target "*) return 0 ;; esac
  # A picture is larger than any text file; cut to 6000 bytes it would only test a cut picture.
  [ "$target" = drawing_image_fuzz ] && max_len=400000
  mkdir -p "$work/corpus/$target" "$work/artifacts/$target"
  timeout $((seconds + 60)) "$binary" -max_total_time="$seconds" -max_len=$max_len \
    -print_final_stats=1 -artifact_prefix="$work/artifacts/$target/" "$work/corpus/$target" \
    >"$work/logs/$target.log" 2>&1 || result="FAILED (see $work/logs/$target.log)"
  local executions rate
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/logs/$target.log")
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$work/logs/$target.log")
  printf '%-28s %12s %10s %s\n' "$target" "${executions:-?}" "${rate:-?}" "$result" \
    >"$work/results/$target"
}
export -f run_target
export work seconds FUZZ_SKIP
rm -f "$work"/results/*
find "$build/fuzz" -maxdepth 1 -type f -name '*_fuzz' -perm -u+x -print0 |
  xargs -0 -r -n1 -P2 bash -c 'run_target "$1"' _
printf '%-28s %12s %10s %s\n' target executions per-second result
cat "$work"/results/*
