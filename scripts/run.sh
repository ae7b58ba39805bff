#!/usr/bin/env bash
# Builds Ardeno and starts it on the folder given, or on a generated sample folder.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
dir="${1:-}"
if [ -z "$dir" ]; then
  dir="$PWD/sample"
  if [ ! -f "$dir/datax.dat" ]; then
    mkdir -p "$dir"
    build/tools/ardeno-sample "$dir"
  fi
fi
exec build/src/app/ardeno "$dir"
