#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing on Debian 12 and builds into build/ (incremental, Ninja).
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/lib/install-missing.sh
packages=(g++ cmake ninja-build qt6-base-dev libjpeg62-turbo-dev libgtest-dev libbenchmark-dev
          fonts-dejavu-core xvfb xauth poppler-utils qt6-translations-l10n
          qt6-svg-dev python3 python3-html5lib qt6-l10n-tools
          libopencv-imgproc-dev libopencv-imgcodecs-dev)
install_missing "${packages[@]}"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build
