#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes a manual page from the usage text a program prints, so that the page cannot drift from
# the program: the template's line "@USAGE@" becomes the usage text set in roff, "@VERSION@"
# the version.
# Usage: usage-to-man.sh TEMPLATE OUTPUT.gz VERSION PROGRAM [ARGUMENTS...]
set -euo pipefail
template=$1
output=$2
version=$3
shift 3
tmp=$(mktemp)
trap 'rm -f "$tmp"' EXIT
# The program's own remarks on stderr (Qt's about the runtime folder) only when it fails.
usage=$("$@" 2>"$tmp") || {
  echo "usage-to-man: '$*' failed: $(cat "$tmp")" >&2
  exit 1
}
[ -n "$usage" ] || {
  echo "usage-to-man: '$*' printed no usage" >&2
  exit 1
}

# Usage lines: "Použití: PROGRAM ARGS" opens the synopsis; "  TERM  TEXT" (two blanks between)
# is an option or a view, indented deeper under the one before; other indented lines are kept
# as they are (one command per line); an unindented line is a heading of its own.
to_roff() {
  awk '
    function esc(s) {
      gsub(/\\/, "\\e", s)
      gsub(/-/, "\\-", s)
      if (s ~ /^[.'"'"']/) s = "\\&" s
      return s
    }
    function fill() { if (nf) { print ".fi"; nf = 0 } }
    function nofill() { if (!nf) { print ".nf"; nf = 1 } }
    function level(n) {
      while (depth < n) { print ".RS 4"; depth++ }
      while (depth > n) { print ".RE"; depth-- }
    }
    /^[[:space:]]*$/ { fill(); level(0); next }
    NR == 1 && sub(/^(Použití|Usage): */, "") {
      nofill()
      split($0, w, " ")
      rest = substr($0, length(w[1]) + 1)
      print "\\fB" esc(w[1]) "\\fR" esc(rest)
      next
    }
    match($0, /^ +[^ ].*[^ ]  +[^ ]/) {
      indent = match($0, /[^ ]/) - 1
      line = substr($0, indent + 1)
      split_at = index(line, "  ")
      term = substr(line, 1, split_at - 1)
      text = substr(line, split_at)
      sub(/^ +/, "", text)
      fill()
      level(indent >= 4 ? 1 : 0)
      print ".TP"
      print "\\fB" esc(term) "\\fR"
      print esc(text)
      next
    }
    /^ / {
      level(0)
      nofill()
      line = $0
      sub(/^ +/, "", line)
      print esc(line)
      next
    }
    { fill(); level(0); print ".PP"; print esc($0) }
    END { fill(); level(0) }
  '
}

roff=$(printf '%s\n' "$usage" | to_roff)
while IFS= read -r line || [ -n "$line" ]; do
  if [ "$line" = "@USAGE@" ]; then
    printf '%s\n' "$roff"
  else
    printf '%s\n' "${line//@VERSION@/$version}"
  fi
done <"$template" >"$tmp"
# No name and no time stamp in the gzip header: the same sources make the same package.
gzip -9nc "$tmp" >"$output"
