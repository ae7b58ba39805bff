#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that every C++ source in src/ tools/ tests/ bench/ fuzz/ is formatted by .clang-format.
# Lists the files that are not and fails; `clang-format -i <file>` formats one.
set -euo pipefail
cd "$(dirname "$0")/.."
if ! command -v clang-format >/dev/null; then
  echo "format-check: clang-format is not installed (apt-get install clang-format)" >&2
  exit 1
fi
unformatted=()
while IFS= read -r -d '' file; do
  if ! clang-format --dry-run --Werror "$file" >/dev/null 2>&1; then unformatted+=("$file"); fi
done < <(git ls-files -z -- 'src/*.cpp' 'src/*.h' 'tools/*.cpp' 'tools/*.h' 'tests/*.cpp' \
           'tests/*.h' 'bench/*.cpp' 'bench/*.h' 'fuzz/*.cpp' 'fuzz/*.h')
if [ ${#unformatted[@]} -gt 0 ]; then
  echo "format-check: not formatted (run clang-format -i on them):" >&2
  printf '  %s\n' "${unformatted[@]}" >&2
  exit 1
fi
echo "format-check: all sources formatted"
