#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Ardeno and starts it on the folder given (relative to where the script is called from),
# or on a generated sample folder.
set -euo pipefail
dir="${1:-}"
if [ -n "$dir" ]; then
  if [ ! -d "$dir" ]; then
    echo "Složka s daty neexistuje: $dir" >&2
    exit 1
  fi
  dir="$(cd "$dir" && pwd)"
fi
cd "$(dirname "$0")/.."
bash scripts/setup.sh
if [ -z "$dir" ]; then
  dir="$PWD/sample"
  if [ ! -f "$dir/datax.dat" ]; then
    mkdir -p "$dir"
    # Cycle 24 as NOAA saw it, drawn by the station's observers, with the published series.
    build/tools/ardeno-sample "$dir" --reference "$PWD/data/reference"
  fi
fi
exec build/src/app/ardeno "$dir"
