# SPDX-License-Identifier: GPL-3.0-or-later
# What the safety scripts share, sourced after they read their arguments: a scratch folder
# removed at the end (read-only parts too), the Czech messages whatever the machine's locale or
# kept choice, an offscreen Qt, and `fail` counting what went wrong.
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
unset LC_ALL LC_MESSAGES LANGUAGE
export LANG=C.UTF-8 XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORM=offscreen
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
