#!/usr/bin/env bash
# Builds Ardeno and runs every test (core tests and the offscreen window tests).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2
