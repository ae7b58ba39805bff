#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package of Ardeno into build/ (ardeno_<version>_<arch>.deb) and lists what
# it holds. Installs what is missing on Debian 12 like the other scripts.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cd build
cpack -G DEB
deb=$(ls -t ardeno_*.deb | head -1)
dpkg-deb --info "$deb"
dpkg-deb --contents "$deb"
echo "Balíček: build/$deb"
