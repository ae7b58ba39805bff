#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the application icon's PNG sizes from dist/icons/ardeno.svg (after a change of the SVG;
# the PNGs are kept in the repository so that a build needs no SVG renderer).
set -euo pipefail
cd "$(dirname "$0")/../dist/icons"
for size in 16 32 48 64 128 256; do
  mkdir -p "${size}x${size}"
  rsvg-convert -w "$size" -h "$size" ardeno.svg -o "${size}x${size}/ardeno.png"
done
