#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs every fuzz target of a fuzz build for the same time, one after another, from seed corpora
# written by the sample generator, and prints how many inputs each executed.
# Usage: fuzz/run_all.sh BUILD-FUZZ ARDENO-SAMPLE WORKDIR [SECONDS=600]
#   WORKDIR/corpus/<target>  the corpora (kept and grown between runs)
#   WORKDIR/logs/<target>.log, WORKDIR/artifacts/<target>/  libFuzzer's output and any crash
set -euo pipefail
build=$1
sample=$2
work=$3
seconds=${4:-600}
mkdir -p "$work/logs"
[ -d "$work/corpus" ] || bash "$(dirname "$0")/seed_corpora.sh" "$sample" "$work/corpus"
printf '%-28s %12s %10s %s\n' target executions per-second result
for binary in "$build"/fuzz/*_fuzz; do
  target=$(basename "$binary")
  mkdir -p "$work/corpus/$target" "$work/artifacts/$target"
  result=ok
  "$binary" -max_total_time="$seconds" -max_len=6000 -print_final_stats=1 \
    -artifact_prefix="$work/artifacts/$target/" "$work/corpus/$target" \
    >"$work/logs/$target.log" 2>&1 || result="FAILED (see $work/logs/$target.log)"
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/logs/$target.log")
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$work/logs/$target.log")
  printf '%-28s %12s %10s %s\n' "$target" "${executions:-?}" "${rate:-?}" "$result"
done
