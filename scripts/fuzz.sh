#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz targets (clang's libFuzzer; with no clang, the plain driver that mutates the
# corpora without coverage, under the sanitizers) and runs every target for SECONDS on the seed
# corpora, two at once. CI runs the targets for 60 s each in its sanitizer build instead
# (scripts/sanitize.sh, plain driver); this is the deeper run by hand:
# Usage: scripts/fuzz.sh [SECONDS=20] [WORKDIR=build-fuzz-run]
#   a longer run: scripts/fuzz.sh 3600 ~/ardeno-fuzz   (the corpora grow and are kept there)
# Needs an ardeno-sample built in build/ (the seed corpora come from its folders).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
work=${2:-build-fuzz-run}
sample=${ARDENO_SAMPLE:-build/tools/ardeno-sample}
[ -x "$sample" ] || { echo "fuzz: no $sample (build the target ardeno-sample first)" >&2; exit 1; }
if command -v clang++ >/dev/null; then
  compilers=(-DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++)
else
  echo "fuzz: no clang; the plain driver mutates the corpora without coverage" >&2
  compilers=()
fi
cmake -S . -B build-fuzz -G Ninja -DARDENO_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  "${compilers[@]}" >/dev/null
cmake --build build-fuzz -j2
bash fuzz/run_all.sh build-fuzz "$sample" "$work" "$seconds" | tee "$work.summary"
! grep -q FAILED "$work.summary"
