#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# ardeno-cli as a script uses it: exit codes, the data-file round trip, line-by-line input.
# Usage: cli_test.sh ARDENO-CLI ARDENO-SAMPLE
set -u
cli=$1
sample=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The messages checked here are the Czech ones, whatever the machine's locale or kept choice.
unset LC_ALL LC_MESSAGES LANGUAGE
export LANG=C.UTF-8 XDG_CONFIG_HOME="$work/config"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

"$sample" "$work/db" 200 7 >/dev/null || fail "ardeno-sample"
out=$("$cli" check "$work/db") || fail "check exit status"
grep -qx "Záznamů: 200" <<<"$out" || fail "check count: $out"
grep -qx "RadiusWord: 125" <<<"$out" || fail "check radius word: $out"
grep -qx "Opravy: 0" <<<"$out" || fail "check repairs: $out"

# The program's day can be fixed before the command; an impossible day is refused.
"$cli" --today 5.3.2021 check "$work/db" | grep -qx "Záznamů: 200" || fail "--today before check"
"$cli" --today 31.2.2021 check "$work/db" >/dev/null 2>&1 && fail "--today 31.2.2021 accepted"

# A database without repairs is written back byte for byte.
cp "$work/db/datax.dat" "$work/before.dat"
"$cli" resave "$work/db" >/dev/null || fail "resave exit status"
cmp -s "$work/before.dat" "$work/db/datax.dat" || fail "resave changed the file"

# One line of results per record.
lines=$("$cli" dayresults "$work/db" | wc -l)
[ "$lines" -eq 200 ] || fail "dayresults lines: $lines"
fields=$("$cli" dayresults "$work/db" | head -1 | wc -w)
[ "$fields" -eq 18 ] || fail "dayresults fields: $fields"

# The export starts with its header in Windows-1250 and CR LF.
"$cli" export-ascii "$work/db" >/dev/null || fail "export-ascii exit status"
printf '   Datum    \xe8as   \xe8 typ  l   b  ploch lv  bv plo.v\r\n' >"$work/header"
head -c "$(wc -c <"$work/header")" "$work/db/SoubASCI.dat" | cmp -s - "$work/header" ||
  fail "export header"

# A bad line is named on stderr, the good ones are still answered, the status is 1.
printf '01.01.2000 0000\nnot a date\n01.01.1989 0000\n' >"$work/in"
"$cli" ephemeris <"$work/in" >"$work/out" 2>"$work/err"
[ $? -eq 1 ] || fail "ephemeris status with a bad line"
[ "$(wc -l <"$work/out")" -eq 2 ] || fail "ephemeris good lines"
read -r dayNumber _ <"$work/out"
[ "$dayNumber" = "51544.5" ] || fail "DayNumber of 1.1.2000: $dayNumber"
grep -q "2" "$work/err" || fail "bad line not named: $(cat "$work/err")"

# A folder without a data file is an error, not a new database.
mkdir "$work/empty"
"$cli" check "$work/empty" >/dev/null 2>"$work/err" && fail "check of an empty folder succeeded"
[ -s "$work/err" ] || fail "no message for an empty folder"
[ ! -e "$work/empty/datax.dat" ] || fail "check created a data file"
"$cli" no-such-command >/dev/null 2>&1 && fail "unknown command succeeded"
"$cli" >/dev/null 2>"$work/err" && fail "no command succeeded"
grep -q "Použití" "$work/err" || fail "no command: usage not on stderr"
"$cli" --help 2>/dev/null | grep -q "ardeno-cli check" || fail "--help prints no usage"
"$cli" --help >/dev/null 2>&1 || fail "--help status"

# The solar commands refuse what no drawing can hold instead of printing nonsense.
# L0 is 219.4 at that moment: l = 39 lies behind the limb, l = 219 at the centre.
printf '01.06.2020 1200 219 95 125\n01.06.2020 1200 1e30 10 125\n01.06.2020 1200 39 10 125\n01.06.2020 1200 219 10 125\n' |
  "$cli" topolar >"$work/out" 2>"$work/err"
[ $? -eq 1 ] || fail "topolar accepted b = 95 or a huge l"
[ "$(wc -l <"$work/out")" -eq 1 ] || fail "topolar answers: $(cat "$work/out")"
grep -qi "nan" "$work/out" && fail "topolar printed nan"
printf '01.06.2020 1200 300 1300\n01.06.2020 1200 300 600\n' | "$cli" convert >"$work/out" 2>"$work/err"
[ $? -eq 1 ] || fail "convert accepted a point off the disk"
[ "$(wc -l <"$work/out")" -eq 1 ] || fail "convert answers: $(cat "$work/out")"

# Monthly tables: the CSV of a hemisphere has nine fields a line, the path is printed; a bad
# choice changes nothing.
# Monthly scatter: a header, a line per month of seven cells, the mean of the measured table.
stats=$("$cli" --today 1.1.2030 monthly-stats "$work/db" 1 r) || fail "monthly-stats exit status"
[ "$(head -1 <<<"$stats" | tr -d '\r')" = "rok;měsíc;dny;n;průměr;sigma;chyba;příznak" ] ||
  fail "monthly-stats header: $(head -1 <<<"$stats")"
[ "$(tail -n +2 <<<"$stats" | awk -F';' 'NF != 8' | wc -l)" -eq 0 ] || fail "monthly-stats cells"
"$cli" monthly-stats "$work/db" 1 x >/dev/null 2>&1 && fail "monthly-stats index x accepted"
smooth=$("$cli" --today 1.1.2030 monthly-stats "$work/db" 2 f --smoothed) || fail "--smoothed status"
[ "$(head -1 <<<"$smooth" | tr -d '\r')" = "rok;měsíc;vyhlazená;měsíců;příznak" ] ||
  fail "monthly-stats --smoothed header: $(head -1 <<<"$smooth")"
[ "$(wc -l <<<"$smooth")" -eq "$(wc -l <<<"$stats")" ] || fail "--smoothed: a line per month"
path=$("$cli" monthly-csv "$work/db" measured 2) || fail "monthly-csv exit status"
[ "$path" = "$work/db/CSVsoubory/Namerene-sever.csv" ] || fail "monthly-csv path: $path"
[ "$(head -1 "$path" | tr -cd ';' | wc -c)" -eq 9 ] || fail "north CSV columns"
"$cli" monthly-csv "$work/db" measured 4 >/dev/null 2>&1 && fail "monthly-csv hemisphere 4"
[ "$(ls "$work/db/CSVsoubory")" = "Namerene-sever.csv" ] || fail "monthly-csv wrote a bad choice"
# 200 daily drawings span less than 400 days: no smoothed values.
"$cli" monthly-csv "$work/db" smoothed 1 >/dev/null 2>"$work/err" && fail "smoothed of 200 days"
grep -q "Nedostatek dat" "$work/err" || fail "smoothed refusal: $(cat "$work/err")"
"$cli" quiet-days "$work/db" >"$work/quiet" || fail "quiet-days exit status"
grep -qvE '^[0-9]{2}\.[0-9]{2}\.[0-9]{4}$' "$work/quiet" && fail "quiet-days line format"
"$cli" quiet-days "$work/db" 1890 | grep -q . && fail "quiet-days of a year without data"

# Monthly reports: the month of the first drawing; its files are listed; a month without
# drawings and an existing SIDC file without --replace write nothing.
month=$("$cli" check "$work/db" | sed -n 's/^První datum: ..\.0*\([0-9]*\)\.\([0-9]*\)$/\1.\2/p')
"$cli" own-report "$work/db" "$month" >"$work/out" 2>/dev/null || fail "own-report status"
[ "$(wc -l <"$work/out")" -eq 2 ] || fail "own-report files: $(cat "$work/out")"
grep -q '^01' "$(head -1 "$work/out")" || fail "own-report day lines"
"$cli" sidc-report "$work/db" "$month" "OBS " >"$work/out" 2>/dev/null || fail "sidc-report status"
tail -c 4 "$(cat "$work/out")" | od -c | grep -q '9   9  \\r  \\n' || fail "sidc-report end"
cp "$(cat "$work/out")" "$work/sidc-before"
"$cli" sidc-report "$work/db" "$month" "XYZ " >/dev/null 2>&1 && fail "sidc-report overwrote"
cmp -s "$work/sidc-before" "$(cat "$work/out")" || fail "sidc-report changed the file"
"$cli" sidc-report "$work/db" "$month" "XYZ " --replace >/dev/null 2>&1 || fail "sidc --replace"
# Without a code on the line the station's own (Site.txt, line 3, set by the form "Stanice").
"$cli" sidc-report "$work/db" "$month" --replace >/dev/null 2>"$work/err" && fail "sidc without a code"
grep -q "Stanice" "$work/err" || fail "sidc without a code: the form not named: $(cat "$work/err")"
printf '\r\n\r\nONDR\r\n' >"$work/db/Site.txt"
"$cli" sidc-report "$work/db" "$month" --replace >"$work/out" 2>/dev/null || fail "sidc with the kept code"
sed -n 2p "$(cat "$work/out")" | grep -q '^ONDR (CZECH REP.)' || fail "sidc kept code: $(sed -n 2p "$(cat "$work/out")")"
# Every report writer keeps a file that exists unless --replace.
for command in own-report sidc-csv cv-report; do
  "$cli" "$command" "$work/db" "$month" --replace >"$work/out" 2>/dev/null || fail "$command first run"
  written=$(head -1 "$work/out")
  cp "$written" "$work/kept"
  printf 'hand-edited' >>"$written"
  "$cli" "$command" "$work/db" "$month" >/dev/null 2>"$work/err" && fail "$command overwrote"
  grep -q -- "--replace" "$work/err" || fail "$command: $(cat "$work/err")"
  "$cli" "$command" "$work/db" "$month" --replace >/dev/null 2>&1 || fail "$command --replace"
  cmp -s "$work/kept" "$written" || fail "$command --replace did not write the report again"
done
rm -rf "$work/db/Vlastni" "$work/db/CSVsoubory" "$work/db/CVdata" "$work/db/Site.txt"
printf 'Ond\xf8ejov\r\nAB-12\r\nAdresa\r\ntel\r\nProjekce \r\n' >"$work/db/DataproCSV.txt"
"$cli" sidc-csv "$work/db" "$month" >"$work/out" 2>/dev/null || fail "sidc-csv status"
case "$(cat "$work/out")" in */CSVsoubory/Rok*/*_012a.csv) ;; *) fail "sidc-csv path: $(cat "$work/out")" ;; esac
[ "$(wc -l <"$(cat "$work/out")")" -eq 67 ] || fail "sidc-csv lines"
head -1 "$(cat "$work/out")" | LC_ALL=C grep -q ';Hv.zd.rna (stanice);Ond.ejov;' || fail "sidc-csv station"
"$cli" sidc-csv "$work/db" 1.1890 >/dev/null 2>&1 && fail "sidc-csv of a month without drawings"
[ ! -e "$work/db/CSVsoubory/Rok1890" ] || fail "sidc-csv wrote an empty month"
"$cli" cv-report "$work/db" "$month" >/dev/null 2>&1 || fail "cv-report status"
"$cli" cv-report "$work/db" 1.1890 >/dev/null 2>&1 && fail "cv-report of a month without drawings"
[ ! -e "$work/db/CVdata/CV-01_1890.Txt" ] || fail "cv-report wrote an empty month"
"$cli" observers-csv "$work/db" >"$work/out" || fail "observers-csv status"
tail -1 "$(cat "$work/out")" | grep -q '^Suma;.*;200;' || fail "observers-csv sums"

# Messages follow --lang, else the kept choice, else the locale; files keep their bytes.
"$cli" --lang en --help | head -1 | grep -qx 'Usage: ardeno-cli \[--lang cs|en\] \[--today D.M.YYYY\] COMMAND ...' ||
  fail "--lang en --help: $("$cli" --lang en --help | head -1)"
"$cli" --lang en --help | grep -qx '  ardeno-cli check FOLDER' || fail "--lang en --help: usage lines"
"$cli" --help | grep -qx '  ardeno-cli check SLOŽKA' || fail "--help: Czech usage lines"
"$cli" --lang en check "$work/db" | grep -qx "Records: 200" || fail "--lang en check"
"$cli" --today 5.3.2021 --lang en check "$work/nowhere" 2>&1 >/dev/null |
  grep -qx "The data folder does not exist: $work/nowhere" || fail "--lang en after --today"
LANG=en_GB.UTF-8 "$cli" check "$work/db" | grep -qx "Records: 200" || fail "English locale"
LANG=de_DE.UTF-8 "$cli" check "$work/db" | grep -qx "Záznamů: 200" || fail "German locale"
mkdir -p "$XDG_CONFIG_HOME/Ardeno"
printf '[General]\nlanguage=en\n' >"$XDG_CONFIG_HOME/Ardeno/Ardeno.conf"
"$cli" check "$work/db" | grep -qx "Records: 200" || fail "kept English choice"
"$cli" --lang cs check "$work/db" | grep -qx "Záznamů: 200" || fail "--lang cs over the kept choice"
rm "$XDG_CONFIG_HOME/Ardeno/Ardeno.conf"
"$cli" --lang de check "$work/db" >/dev/null 2>"$work/err" && fail "--lang de accepted"
grep -qx "Za --lang patří cs nebo en" "$work/err" || fail "--lang de: $(cat "$work/err")"
"$cli" --lang en --today 31.2.2020 check "$work/db" >/dev/null 2>"$work/err" && fail "--today 31.2 accepted"
grep -qx -- "--today must be followed by a date D.M.YYYY" "$work/err" || fail "--today in English: $(cat "$work/err")"
LANG=en_GB.UTF-8 "$cli" --lang de check "$work/db" >/dev/null 2>"$work/err"
grep -qx -- "--lang must be followed by cs or en" "$work/err" || fail "--lang de under an English locale: $(cat "$work/err")"
for command in "export-ascii" "observers-csv"; do
  again=""
  [ "$command" = "observers-csv" ] && again="--replace"
  "$cli" --lang cs "$command" "$work/db" $again >"$work/out.cs" || fail "$command in Czech"
  written=$(sed 's/^[^:]*: //; s/, .*//' "$work/out.cs" | head -1)
  cp "$written" "$work/file.cs"
  "$cli" --lang en "$command" "$work/db" $again >/dev/null || fail "$command in English"
  cmp -s "$work/file.cs" "$written" || fail "$command: the file differs in English"
done
# Tables on stdout and the group files are read by scripts: the same bytes in English.
rotation=$("$cli" map-data "$work/db" | sed -n 2p | cut -d';' -f1)
for command in "map-data" "group-types" "largest:2024" "evolution:$rotation" "tracks"; do
  name=${command%%:*}
  extra=()
  [ "$name" = "$command" ] || extra=("${command#*:}")
  "$cli" --lang cs "$name" "$work/db" "${extra[@]}" >"$work/table.cs" 2>/dev/null ||
    fail "$command in Czech"
  "$cli" --lang en "$name" "$work/db" "${extra[@]}" >"$work/table.en" 2>/dev/null ||
    fail "$command in English"
  [ -s "$work/table.cs" ] || fail "$command: no table"
  cmp -s "$work/table.cs" "$work/table.en" || fail "$command: the table differs in English"
done
for period in monthly yearly; do
  written=$("$cli" --lang cs asymmetry "$work/db" "$period") || fail "asymmetry $period in Czech"
  cp "$written" "$work/file.cs"
  "$cli" --lang en asymmetry "$work/db" "$period" >/dev/null || fail "asymmetry $period in English"
  cmp -s "$work/file.cs" "$written" || fail "asymmetry $period: the file differs in English"
done

[ "$failures" -eq 0 ] && echo "cli_test: all checks passed"
exit "$failures"
