// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The plausibility checks of the station's drawings, one entry point for the window, the CLI and
// the reports. The checks know the errors observers make:
//   Q01 the Sun below the station's horizon at the drawing's UT (a local time typed as UT);
//   Q02 a McIntosh class that contradicts the group's drawn longitudinal extent;
//   Q03 a group at a latitude where spots hardly ever are;
//   Q04 one rotation group number given to two groups far apart in one rotation;
//   Q05 a numbered group that moved between consecutive drawings more than rotation allows;
//   Q06 hemisphere values that do not add up to the drawing's groups and spots, and a hemisphere
//       marker on a drawing with groups in both hemispheres;
//   Q07 the day's relative number far from SILSO's after the observer's k-factor;
//   Q08 header values out of their ranges, a missing time, a drawing later than the file;
//   Q09 a group followed across days by its place that carries another number on some days;
//   Q10 two groups of one drawing at the same place (a group typed twice);
//   Q11 conditions, image quality or Q left at 0 (not given; the scale is 1 to 5).
// Catalogue days (import-groups) are the sources' data, not the station's: they are not checked.
// Special records are reports from elsewhere: only their header and sums are checked.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/data/database.h"
#include "core/quality/quality_finding.h"
#include "core/quality/station_file.h"
#include "core/reference/k_factors.h"
#include "core/solar/record_positions.h"
#include "core/text/core_text.h"

namespace ardeno {

struct QualityInputs {
  const Database& Db;
  const RecordPositions& Positions;  // of Db
  StationReading Station;            // no place: Q01 is skipped
  // SILSO daily numbers (the SIDC folder); null or empty: Q07 is skipped.
  const ReferenceNumbers* Reference = nullptr;
  // Seconds since 1.1.1970 UT of the data file's last change (the later of it and now once the
  // data changed in this run); none: drawings are not compared with it.
  std::optional<std::int64_t> LastChangeSeconds;
};

struct QualityReport {
  std::vector<QualityFinding> Findings;  // in record order, then group, then code
  // One Czech line for each check that could not run, saying why.
  std::vector<std::string> Skipped;
};

QualityReport CheckQuality(const QualityInputs& inputs);

// The checks with the data folder's own station file and SIDC daily numbers, read now; the texts
// of damaged SIDC year files (left out) are added to `messages`.
QualityReport CheckFolderQuality(const std::filesystem::path& progDir, const Database& db,
                                 const RecordPositions& positions,
                                 std::optional<std::int64_t> lastChangeSeconds,
                                 std::vector<std::string>& messages);

// The moment drawings are compared with: the data file's last change as loaded or saved, or
// `nowSeconds` once the data changed in this run (drawings stored since are not yet in the file).
std::optional<std::int64_t> LastChangeSeconds(const Database& db,
                                              std::optional<std::int64_t> nowSeconds);

// A month (Year and Month), a year (Month 0) or the whole database (Year 0).
struct QualityPeriod {
  int Year = 0;
  int Month = 0;
  bool Contains(const CalendarDate& date) const {
    return Year == 0 || (date.Year == Year && (Month == 0 || date.Month == Month));
  }
};

std::vector<QualityFinding> FindingsIn(const QualityReport& report, const QualityPeriod& period);

// "M.YYYY" a month, "YYYY" a year, an empty text the whole database; nothing for any other text.
std::optional<QualityPeriod> ParseQualityPeriod(std::string_view text);
// Shown through CoreText("Quality", ...).
inline constexpr const char* kQualityPeriodRule = CoreTextNoop(
    "Quality", "Období se zadává jako měsíc M.RRRR nebo rok RRRR (například 3.2014 nebo 2014).");

// Limits of the checks, in the units the observers use.
inline constexpr double kClassExtentSlack = 2.0;      // degrees on each class rule (Q02)
inline constexpr double kHighLatitudeWarning = 45.0;  // Q03
inline constexpr double kHighLatitudeError = 60.0;    // Q03
inline constexpr double kGroupJumpDegrees = 4.0;      // Q05, off the predicted place
inline constexpr int kGroupJumpMaxDays = 5;           // Q05: drawings farther apart not compared
inline constexpr double kOutlierFactor = 2.5;         // Q07
inline constexpr int kOutlierFloor = 20;              // Q07: both above it for the factor
inline constexpr int kOutlierZeroOther = 30;          // Q07: one 0, the other above it
inline constexpr int kHighestHeaderCode = 5;          // Q08: codes 0 (not given) .. 5
inline constexpr double kRepeatedGroupDegrees = 1.0;  // Q10: groups of a drawing this close

}  // namespace ardeno
