#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the core and recognition tests and the command-line tools with AddressSanitizer and
# UndefinedBehaviorSanitizer and runs those tests and the command-line script tests there,
# then every fuzz target for FUZZ_SECONDS (60) on its seed corpus, two at once.
# Fails on any test that fails and on any sanitizer report, even one from a run whose test
# expected a refusal (the reports go to files, which must stay empty).
# Usage: scripts/sanitize.sh [--full]
#   (CI) without the Qt layer, in build-asan-core/: the core tests and every command-line script
#        test that needs no English messages (those are labelled "english").
#   --full  with the Qt layer (English, the bulletin, ardeno-render), in build-asan/, and every
#        command-line script test; none of the window tests.
# Installs what is missing on Debian 12 like the other scripts.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/lib/install-missing.sh
full=false
[ "${1:-}" = "--full" ] && full=true
packages=(g++ cmake ninja-build libgtest-dev python3 libopencv-imgproc-dev libopencv-imgcodecs-dev)
$full && packages+=(qt6-base-dev libjpeg62-turbo-dev qt6-svg-dev qt6-l10n-tools fonts-dejavu-core)
install_missing "${packages[@]}"
# -O1 and line tables only: the reports name file and line, and the build stays quick.
flags="-O1 -g1 -fno-omit-frame-pointer -fsanitize=address,undefined -fno-sanitize-recover=all"
if $full; then
  build=build-asan
  ui=ON
  tools=(ardeno-cli ardeno-sample ardeno-render)
  excluded=()
else
  build=build-asan-core
  ui=OFF
  tools=(ardeno-cli ardeno-sample)
  excluded=(-LE english)
fi
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="$flags" \
  -DARDENO_WITH_UI="$ui" -DARDENO_FUZZ_TARGETS=ON \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
mapfile -t tests < <(ninja -C "$build" -t targets all |
  sed -n 's/^\(core_[a-z]*_test\|vision_test\): .*/\1/p' | sort -u)
mapfile -t fuzzers < <(ninja -C "$build" -t targets all | sed -n 's/^\([a-z_]*_fuzz\): .*/\1/p' | sort -u)
cmake --build "$build" -j2 --target "${tests[@]}" "${tools[@]}" "${fuzzers[@]}"

reports=$PWD/$build/sanitizer-reports
rm -rf "$reports"
mkdir -p "$reports"
export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1:log_path=$reports/asan"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1:log_path=$reports/ubsan"
export QT_QPA_PLATFORM=offscreen QT_QPA_FONTDIR=/usr/share/fonts/truetype/dejavu
status=0
(cd "$build" && ctest -L 'core|cli|vision' "${excluded[@]}" --output-on-failure -j2) || status=$?
rm -rf "$build/fuzz-run"
bash fuzz/run_all.sh "$build" "$build/tools/ardeno-sample" "$build/fuzz-run" \
  "${FUZZ_SECONDS:-60}" | tee "$build/fuzz-run.summary"
if grep -q FAILED "$build/fuzz-run.summary"; then
  status=1
  # A failed target's report is in its log, after the decoders' warnings about damaged input.
  for log in $(sed -n 's/.*FAILED (see \(.*\))$/\1/p' "$build/fuzz-run.summary"); do
    echo "== $log" >&2
    grep -v -e '^Corrupt JPEG data' -e '^Premature end of JPEG' "$log" | tail -40 >&2
  done
fi
if compgen -G "$reports/*" >/dev/null; then
  echo "sanitize: reports of AddressSanitizer or UndefinedBehaviorSanitizer:" >&2
  for report in "$reports"/*; do
    echo "== $report" >&2
    head -60 "$report" >&2
  done
  exit 1
fi
[ "$status" -eq 0 ] || { echo "sanitize: tests or fuzz targets failed" >&2; exit 1; }
echo "sanitize: core and command-line tests and the fuzz targets passed with ASan and UBSan, no reports"
