#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The usage text becomes roff that renders as the program printed it: hyphens stay hyphens,
# backslashes and lines starting with a dot survive, options become tagged paragraphs, and a
# program that fails makes no page.
# Usage: usage_to_man_test.sh USAGE-TO-MAN
set -u
tool=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

cat >"$work/program" <<'USAGE'
#!/usr/bin/env bash
cat <<'TEXT'
Použití: prog-x POHLED SLOŽKA [--size ŠxV]
        prog-x SLOŽKA --reference ZDROJE
  prog-x convert < řádky "dd.mm.rrrr hhmm"
  .hidden C:\cesta\k\souboru
  --size ŠxV  velikost obrázku - v pixelech
Pohledy:
  map  synoptická mapa
    --rotation N  otočka (výchozí 2100)
TEXT
USAGE
chmod +x "$work/program"
printf '.TH PROG-X 1 "" "@VERSION@"\n.SH JMÉNO\nprog\\-x \\- zkouška\n.SH POUŽITÍ\n@USAGE@\n' >"$work/t.in"
bash "$tool" "$work/t.in" "$work/p.1.gz" 9.9 "$work/program" || fail "conversion status"
roff=$(zcat "$work/p.1.gz")
grep -qx '\\fBprog\\-x\\fR POHLED SLOŽKA \[\\-\\-size ŠxV\]' <<<"$roff" || fail "synopsis: $roff"
grep -qx '\\&.hidden C:\\ecesta\\ek\\esouboru' <<<"$roff" || fail "dot and backslashes: $roff"
grep -q '9.9' <<<"$roff" || fail "version"
text=$(MANWIDTH=80 man -l "$work/p.1.gz" 2>"$work/warn")
[ -s "$work/warn" ] && fail "man warnings: $(cat "$work/warn")"
for expected in 'prog-x SLOŽKA --reference ZDROJE' 'prog-x convert < řádky "dd.mm.rrrr hhmm"' \
  '.hidden C:\cesta\k\souboru' 'velikost obrázku - v pixelech' 'otočka (výchozí 2100)'; do
  grep -qF -- "$expected" <<<"$text" || fail "rendered page lacks: $expected"
done
# The option's text sits indented under its term; the view's option deeper than the view.
size_indent=$(grep -- '--size ŠxV$' <<<"$text" | head -1 | sed 's/[^ ].*//' | wc -c)
rotation_indent=$(grep -- '--rotation N$' <<<"$text" | sed 's/[^ ].*//' | wc -c)
[ "$rotation_indent" -gt "$size_indent" ] || fail "view option not nested: $text"

printf '#!/bin/sh\nexit 3\n' >"$work/broken"
chmod +x "$work/broken"
bash "$tool" "$work/t.in" "$work/q.1.gz" 1 "$work/broken" 2>/dev/null && fail "failing program made a page"
[ ! -e "$work/q.1.gz" ] || fail "page left behind by a failing program"

[ "$failures" -eq 0 ] || exit 1
echo "usage-to-man test: all passed"
