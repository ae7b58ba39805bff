// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "magn.dat": the magnetograms summed per Carrington rotation, one 10890-byte record per
// rotation from rotation 1718 on. The summation writes one byte per cell, the polarity code in
// the high four bits; the cell index of a point is 101 * trunc(b + 60) + nint((R - 1717) * 360
// + l) div 4 over the whole file, a layout the stored files keep.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/maps/magnetogram.h"
#include "core/solar/ephemeris.h"
#include "core/text/refusal.h"

namespace ardeno {

inline constexpr const char* kMagnetSummaryFile = "magn.dat";
inline constexpr std::size_t kMagnetRecordBytes = 10890;
inline constexpr int kMagnetFirstRotation = 1718;
// Far more rotations than observations can reach; a larger file is refused.
inline constexpr std::uintmax_t kMaxMagnetSummaryBytes = 3000u * kMagnetRecordBytes;
// Points nearer the limb than this (central-meridian distance, degrees) or the poles are not
// summed, as the image distorts them.
inline constexpr double kMagnetSummaryMaxCmd = 40;
inline constexpr double kMagnetSummaryMaxLatitude = 60;
// The summation reads the day files from this date up to today.
inline constexpr CalendarDate kMagnetSummationStart{1982, 1, 1};

struct MagnetSummary {
  std::vector<std::uint8_t> Cells;  // whole records only
  bool FileFound = false;

  std::size_t RecordCount() const { return Cells.size() / kMagnetRecordBytes; }
};

// Records for the rotations up to the data's last one (lastRotation - 1717 of them).
std::size_t MagnetRecordsFor(int lastRotation);

// Reads magn.dat beside the program: at least MagnetRecordsFor(lastRotation) records (zero when
// the file is shorter or missing) and every record the file holds beyond them, so that a
// rewrite never drops what is stored. Raises AuxFileError for a file that cannot be read.
MagnetSummary ReadMagnetSummary(const std::filesystem::path& progDir, int lastRotation);

// Cell of a point of latitude b, Carrington longitude l, seen in rotation R; nothing outside the
// file's records.
std::optional<std::size_t> MagnetCellIndex(const MagnetSummary& summary, double b, double l,
                                           int rotation);

// Writes the cells of one day's points (summation centring) into the summary; returns how many
// points were stored.
int SumMagnetogramDay(const Magnetogram& day, const SolarEphemeris& eph, MagnetSummary& summary);

struct MagnetSummationReport {
  int DaysRead = 0;
  long PointsStored = 0;
  std::vector<std::string> Messages;  // day files that could not be read
};
// Sums every day file from kMagnetSummationStart to `lastDay` into the summary.
MagnetSummationReport SumMagnetograms(const std::filesystem::path& progDir,
                                      const CalendarDate& lastDay, MagnetSummary& summary);

// Rewrites magn.dat whole through the file-replacing mechanism; the Czech error text, or nothing.
Refusal WriteMagnetSummary(const std::filesystem::path& progDir, const MagnetSummary& summary);

}  // namespace ardeno
