#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-builds the core library and its tests for 64-bit Windows with MinGW-w64 into
# build-windows/ and runs every core test executable under Wine. The Qt windows are not built
# here (Qt for Windows is not in Debian). Installs what is missing on Debian 12.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/lib/install-missing.sh
packages=(mingw-w64 wine wine64 googletest cmake ninja-build)
install_missing "${packages[@]}"
build=build-windows
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64.cmake" -DARDENO_WITH_UI=OFF \
  -DARDENO_GTEST_SOURCE=/usr/src/googletest >/dev/null
mapfile -t tests < <(ninja -C "$build" -t targets all | sed -n 's/^\(core_[a-z]*_test\): .*/\1/p' | sort -u)
cmake --build "$build" -j2 --target "${tests[@]}"

# Wine in a prefix of the build's own, quiet; each executable runs all its tests at once.
export WINEPREFIX="$PWD/$build/wine" WINEDEBUG=-all
total=0
skipped=0
failed=()
for test in "${tests[@]}"; do
  log="$build/$test.log"
  if wine "$build/tests/core/$test.exe" --gtest_brief=1 >"$log" 2>&1; then
    passed=$(sed -n 's/^\[  PASSED  \] \([0-9]*\) tests\?\..*/\1/p' "$log" | tail -1)
    skips=$(sed -n 's/^\[  SKIPPED \] \([0-9]*\) tests\?[.,].*/\1/p' "$log" | tail -1)
    total=$((total + ${passed:-0}))
    skipped=$((skipped + ${skips:-0}))
    echo "$test: ${passed:-0} passed${skips:+, $skips skipped}"
  else
    failed+=("$test")
    echo "$test: FAILED (see $log)"
    grep -E '^\[  FAILED  \]|Failure' "$log" | head -20 || true
  fi
done
echo "Windows (MinGW-w64, Wine): $total core tests passed, $skipped skipped, in ${#tests[@]} executables"
[ ${#failed[@]} -eq 0 ] || { echo "failed: ${failed[*]}" >&2; exit 1; }
