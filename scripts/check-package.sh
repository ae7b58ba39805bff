#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the Debian package that scripts/package.sh built: its file list, lintian (no error; the
# warnings are listed), the desktop entry and AppStream validators, and the programs run from
# the package unpacked into a scratch root (`dpkg -x`): ardeno-cli --help, ardeno-sample and an
# offscreen ardeno-render picture.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/lib/install-missing.sh
# lintian, desktop-file-validate, appstreamcli
install_missing lintian desktop-file-utils appstream

deb=$(ls -t build/ardeno_*.deb | head -1)
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg -x "$deb" "$root"
usr=$root/usr

echo "== contents of $deb"
for file in bin/ardeno bin/ardeno-cli bin/ardeno-render bin/ardeno-sample \
  share/ardeno/help/hlavni.md share/ardeno/help/en/hlavni.md share/ardeno/reference/README.md \
  share/applications/cz.ardeno.Ardeno.desktop share/metainfo/cz.ardeno.Ardeno.metainfo.xml \
  share/icons/hicolor/scalable/apps/ardeno.svg share/icons/hicolor/48x48/apps/ardeno.png \
  share/man/man1/ardeno.1.gz share/man/man1/ardeno-cli.1.gz share/man/man1/ardeno-render.1.gz \
  share/man/cs/man1/ardeno.1.gz share/man/cs/man1/ardeno-cli.1.gz \
  share/man/cs/man1/ardeno-render.1.gz share/doc/ardeno/copyright share/doc/ardeno/changelog.gz; do
  [ -f "$usr/$file" ] || { echo "missing in the package: /usr/$file" >&2; exit 1; }
done
unexpected=$(dpkg-deb --contents "$deb" | awk '{print $6}' | grep -v '^\./usr/\(\|bin/.*\|share/.*\)$' || true)
[ -z "$unexpected" ] || { echo "outside /usr/bin and /usr/share: $unexpected" >&2; exit 1; }
dpkg-deb --field "$deb" Section | grep -qx science
dpkg-deb --field "$deb" Depends | grep -q libqt6widgets6
echo "$(dpkg-deb --contents "$deb" | grep -vc '/$') files; Depends: $(dpkg-deb --field "$deb" Depends)"

echo "== lintian"
status=0
report=$(lintian --fail-on error "$deb" 2>&1) || status=$?
grep -v "running with root privileges" <<<"$report" || true
[ "$status" -eq 0 ] || { echo "lintian reports an error" >&2; exit 1; }

echo "== validators"
desktop-file-validate "$usr/share/applications/cz.ardeno.Ardeno.desktop"
appstreamcli validate --no-net "$usr/share/metainfo/cz.ardeno.Ardeno.metainfo.xml"

echo "== the unpacked programs"
"$usr/bin/ardeno-cli" --help | head -1 | grep -q "^Použití: ardeno-cli"
[ "$("$usr/bin/ardeno" --help-path)" = "$usr/share/ardeno/help" ]
"$usr/bin/ardeno-sample" "$root/station" --reference "$usr/share/ardeno/reference"
QT_QPA_PLATFORM=offscreen "$usr/bin/ardeno-render" butterfly "$root/station" "$root/butterfly.png"
[ "$(od -An -c -j1 -N3 "$root/butterfly.png" | tr -d ' ')" = PNG ]
echo "check-package: $deb passed"
