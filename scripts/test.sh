#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Ardeno, checks the sources' format and runs every test (core tests and the offscreen
# window tests).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
# The sources keep the project's format (.clang-format, 100 columns).
if ! command -v clang-format >/dev/null; then
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq clang-format
fi
bash scripts/format-check.sh
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2
