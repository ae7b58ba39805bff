// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/maps/magnet_summary.h"

#include <algorithm>
#include <cmath>

#include "core/data/aux_file_io.h"
#include "core/text/number_format.h"

namespace ardeno {

std::size_t MagnetRecordsFor(int lastRotation) {
  return lastRotation >= kMagnetFirstRotation
             ? static_cast<std::size_t>(lastRotation - (kMagnetFirstRotation - 1))
             : 0;
}

MagnetSummary ReadMagnetSummary(const std::filesystem::path& progDir, int lastRotation) {
  MagnetSummary summary;
  const auto file = ReadAuxFile(progDir / kMagnetSummaryFile, kMagnetSummaryFile,
                                kMaxMagnetSummaryBytes, /*refuseLarger=*/true);
  std::size_t records = MagnetRecordsFor(lastRotation);
  if (file) {
    summary.FileFound = true;
    // A cut last record is kept whole (its missing bytes as 0) rather than dropped.
    records = std::max(records, (file->Bytes.size() + kMagnetRecordBytes - 1) / kMagnetRecordBytes);
  }
  summary.Cells.assign(records * kMagnetRecordBytes, 0);
  if (file) {
    const std::size_t kept = std::min(file->Bytes.size(), summary.Cells.size());
    std::copy_n(file->Bytes.begin(), kept, summary.Cells.begin());
  }
  return summary;
}

std::optional<std::size_t> MagnetCellIndex(const MagnetSummary& summary, double b, double l,
                                           int rotation) {
  const std::int64_t longitudeCell = Round((rotation - (kMagnetFirstRotation - 1)) * 360.0 + l) / 4;
  const std::int64_t index = 101 * Trunc(b + 60) + longitudeCell;
  if (index < 0 || static_cast<std::uint64_t>(index) >= summary.Cells.size()) return std::nullopt;
  return static_cast<std::size_t>(index);
}

int SumMagnetogramDay(const Magnetogram& day, const SolarEphemeris& eph, MagnetSummary& summary) {
  int stored = 0;
  for (const MagnetogramPoint& point : day.Points) {
    const auto position =
        MagnetogramToHeliographic(eph, MagnetogramPlanePosition(point, kSummationCentreColumn));
    if (!position) continue;
    const double b = position->HelioLatitude;
    // The window around the central meridian is measured as the distance from it, so that it
    // does not break where L0 passes 0.
    if (!(b > -kMagnetSummaryMaxLatitude && b < kMagnetSummaryMaxLatitude) ||
        std::abs(position->CentralMeridianDistance) >= kMagnetSummaryMaxCmd)
      continue;
    const auto cell = MagnetCellIndex(summary, b, position->HelioLongitude, eph.RotationNumber);
    if (!cell) continue;
    summary.Cells[*cell] = static_cast<std::uint8_t>(point.Code * 16);
    ++stored;
  }
  return stored;
}

MagnetSummationReport SumMagnetograms(const std::filesystem::path& progDir,
                                      const CalendarDate& lastDay, MagnetSummary& summary) {
  MagnetSummationReport report;
  if (!std::filesystem::is_directory(progDir / kMagnetogramFolder)) return report;
  for (std::int64_t serial = DaySerial(kMagnetSummationStart); serial <= DaySerial(lastDay);
       ++serial) {
    const CalendarDate date = DateFromSerial(serial);
    try {
      const auto day = ReadMagnetogramDay(progDir, date, kMapMagnetogramHeaderWords);
      if (!day) continue;
      ++report.DaysRead;
      report.PointsStored += SumMagnetogramDay(*day, Ephemeris(date, kMagnetogramTimeUT), summary);
    } catch (const AuxFileError& error) {
      report.Messages.push_back(error.what());
    }
  }
  return report;
}

Refusal WriteMagnetSummary(const std::filesystem::path& progDir, const MagnetSummary& summary) {
  return ReplaceFile(
      progDir / kMagnetSummaryFile,
      std::string_view(reinterpret_cast<const char*>(summary.Cells.data()), summary.Cells.size()),
      kMagnetSummaryFile);
}

}  // namespace ardeno
