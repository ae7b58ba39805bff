#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every text of the windows, of core's messages (CoreText) and of the helper programs has its
# English translation: no Czech literal of the window sources, ardeno-render and ardeno-sample
# escapes the translation (but those that name files and values kept in every language), lupdate
# finds no text in the sources that translations/ardeno_en.ts lacks, and lrelease reports none
# unfinished or untranslated.
# Usage: translations_test.sh LUPDATE LRELEASE SOURCE-DIR
set -u
lupdate=$1
lrelease=$2
source=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

literals=$(python3 "$(dirname "$0")/czech_literals.py" "$source") ||
  fail "Czech texts handed to the windows without tr():
$literals"

cp "$source/translations/ardeno_en.ts" "$work/ardeno_en.ts"
found=$("$lupdate" -no-obsolete -locations none -source-language cs_CZ -target-language en_GB \
  -tr-function-alias translate+=CoreText,QT_TRANSLATE_NOOP+=CoreTextNoop \
  "$source/src/ui" "$source/src/views" "$source/src/app" "$source/src/core" "$source/tools" -ts "$work/ardeno_en.ts" 2>&1)
grep -Eq 'Found [0-9]+ source text\(s\) \(0 new and' <<<"$found" ||
  fail "texts without translation (run lupdate as tests/README.md says): $found"
grep -A3 'type="unfinished"' "$work/ardeno_en.ts" | grep '<source>' | head -20

released=$("$lrelease" "$work/ardeno_en.ts" -qm "$work/ardeno_en.qm" 2>&1)
grep -Eq 'Generated ([0-9]+) translation\(s\) \(\1 finished and 0 unfinished\)' <<<"$released" ||
  fail "lrelease: $released"
grep -q 'untranslated' <<<"$released" && fail "lrelease: $released"

# A translation keeps the placeholders of its source (%1, %2, ...).
python3 - "$work/ardeno_en.ts" <<'PY' || fail "placeholders differ"
import re, sys, xml.etree.ElementTree as ET
bad = 0
for message in ET.parse(sys.argv[1]).iter("message"):
    source = message.findtext("source") or ""
    translation = message.findtext("translation") or ""
    if sorted(re.findall(r"%\d", source)) != sorted(re.findall(r"%\d", translation)):
        print("placeholders:", repr(source), "->", repr(translation))
        bad += 1
sys.exit(1 if bad else 0)
PY

[ "$failures" -eq 0 ] && echo "translations: all passed"
exit "$failures"
