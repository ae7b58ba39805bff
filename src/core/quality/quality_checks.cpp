// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/quality/quality_checks.h"

#include <algorithm>
#include <charconv>

#include "core/quality/quality_check_parts.h"
#include "core/reference/source_day.h"
#include "core/results/report_month.h"
#include "core/text/core_text.h"
#include "core/text/number_format.h"

namespace ardeno {

CheckedRecords ClassifyRecords(const Database& db, const RecordPositions& positions) {
  const int count = std::min(db.RecordCount, positions.Count());
  CheckedRecords checked;
  checked.Own.assign(static_cast<std::size_t>(count), false);
  checked.Included.assign(static_cast<std::size_t>(count), false);
  for (int i = 1; i <= count; ++i) {
    const ObservationRecord& record = db.Record(i);
    if (!positions.Record(i).HasDate || IsCatalogueRecord(record)) continue;
    checked.Included[static_cast<std::size_t>(i - 1)] = true;
    checked.Own[static_cast<std::size_t>(i - 1)] = !record.IsSpecial();
  }
  return checked;
}

QualityFinding MakeFinding(const Database& db, const RecordPositions& positions, int i, int k,
                           const char* code, Severity level, std::string text) {
  return {code, level, i, positions.Record(i).Date, db.Record(i).Observer(), k, std::move(text)};
}

bool IsMarkerPosition(const ObservationRecord& record, int k) {
  const int angle = record.Angle10(k);
  return record.Distance10(k) == kMarkerDistance10 &&
         (angle == kNorthMarkerAngle10 || angle == kSouthMarkerAngle10);
}

std::string TimeText(std::uint16_t timeUT) {
  const int minutes = timeUT % 100;
  return std::to_string(timeUT / 100) + ":" + (minutes < 10 ? "0" : "") + std::to_string(minutes);
}

std::string Degrees(double value) { return FormatFixed(value, 0, 1); }

QualityReport CheckQuality(const QualityInputs& in) {
  const CheckedRecords checked = ClassifyRecords(in.Db, in.Positions);
  QualityReport report;
  auto& out = report.Findings;
  if (in.Station.Place)
    CheckSunAboveHorizon(in, checked, out);
  else
    report.Skipped.push_back(FillText(
        CoreText("Quality", "Q01 vynechána: %1"),
        {in.Station.Problem.value_or(FillText(
            CoreText("Quality", "ve složce dat není soubor %1 se zeměpisnou polohou stanice."),
            {kStationFileName}))}));
  CheckGroupPlaces(in, checked, out);
  CheckRotationNumbers(in, checked, out);
  CheckGroupJumps(in, checked, out);
  CheckTrackNumbers(in, checked, out);
  CheckHemisphereSums(in, checked, out);
  if (in.Reference != nullptr && !in.Reference->empty())
    CheckAgainstSilso(in, checked, out);
  else
    report.Skipped.push_back(CoreText(
        "Quality", "Q07 vynechána: ve složce SIDC nejsou denní čísla SILSO (dssn<rok>.dat)."));
  CheckHeaderValues(in, checked, out);
  CheckRepeatedGroups(in, checked, out);
  CheckRatingsGiven(in, checked, out);
  std::stable_sort(out.begin(), out.end(), [](const QualityFinding& a, const QualityFinding& b) {
    if (a.RecordIndex != b.RecordIndex) return a.RecordIndex < b.RecordIndex;
    if (a.Group != b.Group) return a.Group < b.Group;
    return a.Code < b.Code;
  });
  return report;
}

QualityReport CheckFolderQuality(const std::filesystem::path& progDir, const Database& db,
                                 const RecordPositions& positions,
                                 std::optional<std::int64_t> lastChangeSeconds,
                                 std::vector<std::string>& messages) {
  const ReferenceNumbers reference = ReadReferenceNumbers(progDir, messages);
  return CheckQuality({db, positions, ReadStationFile(progDir), &reference, lastChangeSeconds});
}

std::optional<std::int64_t> LastChangeSeconds(const Database& db,
                                              std::optional<std::int64_t> nowSeconds) {
  if (db.DataChanged && nowSeconds) return nowSeconds;
  if (!db.FileAtLoad || !db.FileAtLoad->Exists) return std::nullopt;
  // Whole seconds up: a drawing of the minute the file was written is not later than it.
  return db.FileAtLoad->ModifiedNanoseconds / 1000000000 + 1;
}

std::optional<QualityPeriod> ParseQualityPeriod(std::string_view text) {
  if (text.empty()) return QualityPeriod{};
  if (const auto month = ParseWholeReportMonth(text))
    return QualityPeriod{month->Year, month->Month};
  int year = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), year);
  if (text.size() == 4 && error == std::errc() && end == text.data() + text.size() && year > 0)
    return QualityPeriod{year, 0};
  return std::nullopt;
}

std::vector<QualityFinding> FindingsIn(const QualityReport& report, const QualityPeriod& period) {
  std::vector<QualityFinding> found;
  for (const QualityFinding& finding : report.Findings)
    if (period.Contains(finding.Date)) found.push_back(finding);
  return found;
}

}  // namespace ardeno
