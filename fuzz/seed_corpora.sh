#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Seed corpora for the fuzz targets, from a folder the sample generator writes and from lines in
# the published layouts of the SIDC files.
# Usage: fuzz/seed_corpora.sh ARDENO-SAMPLE OUTDIR   (then: build-fuzz/fuzz/X OUTDIR/X ...)
set -euo pipefail
sample=$1
out=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$sample" "$work/s" 30 5 >/dev/null
record=1774
refdata=$(cd "$(dirname "$0")/../tests/data" && pwd)
for target in drawing_image_fuzz data_file_fuzz sidc_year_fuzz startup_folder_fuzz text_readers_fuzz magnetogram_fuzz report_texts_fuzz greenwich_groups_fuzz noaa_region_summary_fuzz catalogue_repeats_fuzz station_codes_pictures_fuzz; do
  mkdir -p "$out/$target"
done

# The data file: one, three and thirty drawings, and three cut inside the third.
data="$work/s/datax.dat"
head -c $record "$data" >"$out/data_file_fuzz/one"
head -c $((3 * record)) "$data" >"$out/data_file_fuzz/three"
cp "$data" "$out/data_file_fuzz/thirty"
head -c $((2 * record + 700)) "$data" >"$out/data_file_fuzz/cut"

# SIDC files in their layouts: a daily year with three values (31-byte lines), areas (31 bytes),
# radio flux (45 bytes).
awk 'BEGIN { for (d = 1; d <= 365; d++) printf "1982 %02d %02d %8.3f%3d %3d %3d\n", int(d / 31) + 1, d % 28 + 1, 1982 + d / 365, d % 250, d % 120, d % 130 }' >"$work/dssn1982.dat"
awk 'BEGIN { for (d = 1; d <= 40; d++) printf "%8s%7.1f%7.1f%7.1f \n", "1982" d, d * 10.5, d * 4.25, d * 6.25 }' >"$work/Plochy.txt"
awk 'BEGIN { for (d = 1; d <= 40; d++) printf "%15s%6.1f    %6.1f     %6.1f  \n", "19820101" d, 70 + d, 71 + d, 72 + d }' >"$work/tok-10cm.txt"
# The year bytes 82, 0 choose 1982.
{ printf '\x52\x00'; cat "$work/dssn1982.dat"; } >"$out/sidc_year_fuzz/year1982"
{ printf '\x52\x00'; head -c 8760 "$work/dssn1982.dat"; } >"$out/sidc_year_fuzz/oneValueLayout"

# The text readers, one file each.
printf '120\r\n' >"$out/text_readers_fuzz/zoom"
printf 'Hvězdárna\r\nRefraktor\r\n80\r\n18\r\n1350\r\n\r\n' >"$out/text_readers_fuzz/instrument"
head -c 2000 "$work/s/KoronaX/Hr1940.csv" >"$out/text_readers_fuzz/corona"
cp "$work/Plochy.txt" "$out/text_readers_fuzz/areas"
cp "$work/tok-10cm.txt" "$out/text_readers_fuzz/flux"

# The start-up folder: the files in their order, separated by the byte 0xFF.
{
  printf '150\r\n\xff'
  printf 'Hvězdárna\r\nRefraktor\r\n80\r\n18\r\n1350\r\n\r\n\xff'
  printf '\xff'
  cat "$work/dssn1982.dat"; printf '\xff'
  head -c 3100 "$work/dssn1982.dat"; printf '\xff'
  cat "$work/Plochy.txt"; printf '\xff'
  cat "$work/tok-10cm.txt"; printf '\xff'
  head -c 3000 "$work/s/KoronaX/Hr1940.csv"; printf '\xff'
  head -c 1000 "$work/s/KoronaX/Hr1941.csv"
} >"$out/startup_folder_fuzz/folder"

# The report texts: a description and a station file.
printf 'sun@asu.cz\r\nB\xf8ezen\r\nNov\xe1k\r\nOnd\xf8ejov\r\nRefraktor\r\nProjekce\r\n Ondrejov\r\n' >"$out/report_texts_fuzz/description"
printf 'Ond\xf8ejov\r\nAB-12\r\nFri\xe8ova 298\r\n323 620 154\r\nProjekce \r\n' >"$out/report_texts_fuzz/station"

# Magnetogram day files as the sample writes them.
for day in $(ls "$work/s/Magneto" | head -3); do
  cp "$work/s/Magneto/$day" "$out/magnetogram_fuzz/$day"
done
# Group catalogues: Greenwich / USAF-NOAA lines, and Solar Region Summaries as reports (first byte
# odd) and as parsed tables (first byte even).
cp "$refdata/reference/g1955_january.txt" "$refdata/reference/g2014_january.txt" "$out/greenwich_groups_fuzz/"
head -c 6000 "$refdata/groups/usaf_groups_2000_2007_every5days.txt" >"$out/greenwich_groups_fuzz/usaf"
for report in "$refdata"/reference/2014*SRS.txt; do
  { printf '\x01'; cat "$report"; } >"$out/noaa_region_summary_fuzz/$(basename "$report")"
done
{ printf '\x00'; cat "$refdata/reference/srs_table_quirks.csv"; } >"$out/noaa_region_summary_fuzz/table"
# The same catalogues for the repeated-lines target: the first byte chooses the reader (0 table,
# 1 report, 2 group file).
{ printf '\x00'; cat "$refdata/reference/srs_table_quirks.csv"; } >"$out/catalogue_repeats_fuzz/table"
{ printf '\x01'; cat "$refdata/reference/20140101SRS.txt"; } >"$out/catalogue_repeats_fuzz/report"
{ printf '\x02'; head -c 3000 "$refdata/reference/g1955_january.txt"; } >"$out/catalogue_repeats_fuzz/greenwich"

# The files a user edits by hand, and pictures: a station place, network codes (one with a byte
# order mark and blanks), noaa.dat, and the PNG and JPG pictures of the reference data.
seeds="$out/station_codes_pictures_fuzz"
printf '49.1234\r\n16.5678\r\n' >"$seeds/stanice"
printf '\357\273\277 11001 \r\nABC12\r\n' >"$seeds/site"
printf '/home/observer/SRS\r\n' >"$seeds/noaa"
find "$refdata" -iname '*.png' -o -iname '*.jpg' 2>/dev/null | head -3 | while read -r picture; do
  cp "$picture" "$seeds/$(basename "$picture")"
done
# Drawings as a scanner and a phone give them.
cp "$refdata"/vision/*.jpg "$out/drawing_image_fuzz/"
echo "Seed corpora in $out"
