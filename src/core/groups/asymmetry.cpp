// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/groups/asymmetry.h"

#include <algorithm>
#include <optional>

#include "core/data/record_fields.h"

namespace ardeno {

namespace {

// Results-block words of the north values (1..8) and the south values (9..16).
constexpr int kFirstNorthWord = kGroupsN;
constexpr int kFirstSouthWord = kGroupsS;

// Sums of one period's normal records.
struct PeriodSums {
  std::array<std::int32_t, kAsymmetryQuantities> North{};
  std::array<std::int32_t, kAsymmetryQuantities> South{};
  int Records = 0;

  void Add(const ObservationRecord& record) {
    for (int q = 0; q < kAsymmetryQuantities; ++q) {
      North[static_cast<std::size_t>(q)] += record.ResultWord(kFirstNorthWord + q);
      South[static_cast<std::size_t>(q)] += record.ResultWord(kFirstSouthWord + q);
    }
    ++Records;
  }
};

enum class FinishRule { WithMark, Plain };

void Finish(AsymmetryRow& row, const PeriodSums& sums, FinishRule rule) {
  const double offset = rule == FinishRule::WithMark ? 0.0001 : 0;
  for (int q = 0; q < kAsymmetryQuantities; ++q) {
    const std::int32_t n = sums.North[static_cast<std::size_t>(q)];
    const std::int32_t s = sums.South[static_cast<std::size_t>(q)];
    const std::int32_t total = n + s;
    const double difference = static_cast<double>(n) - s + offset;
    float& p = row[static_cast<std::size_t>(2 * q)];
    float& d = row[static_cast<std::size_t>(2 * q + 1)];
    if (total > 0) p = static_cast<float>(difference * 100 / total);
    if (sums.Records > 0) d = static_cast<float>(difference / sums.Records);
    if (rule == FinishRule::WithMark && n == s) p = d = kEqualHemispheresMark;
  }
}

// Walks the normal records by period (month or year; periodOf(i) gives the row of record i)
// and fills `rows`, which grow to the last period; periods before row 1 are counted in leftOut.
// The period of the last record is finished by `lastRule`, or keeps only its count without one.
template <typename PeriodOf>
void Walk(const Database& db, std::vector<AsymmetryRow>& rows, LeftOutRecords& leftOut,
          FinishRule finishedRule, std::optional<FinishRule> lastRule, PeriodOf periodOf) {
  PeriodSums sums;
  int current = 0;  // row of the period being summed; 0 none yet
  auto finish = [&](FinishRule rule) {
    if (current >= 1 && sums.Records > 0) {
      Finish(rows[static_cast<std::size_t>(current - 1)], sums, rule);
    }
  };
  for (int i = 1; i <= db.RecordCount; ++i) {
    const ObservationRecord& record = db.Record(i);
    if (record.IsSpecial()) continue;
    const std::optional<int> row = periodOf(i);
    if (!row) continue;
    if (*row != current) {
      finish(finishedRule);
      sums = {};
      current = *row;
    }
    if (current < 1) {
      ++leftOut.Count;
      continue;
    }
    if (static_cast<int>(rows.size()) < current) rows.resize(static_cast<std::size_t>(current));
    rows[static_cast<std::size_t>(current - 1)][kAsymmetryCountPosition] += 1;
    sums.Add(record);
  }
  if (lastRule) finish(*lastRule);
}

}  // namespace

namespace {

// dates[i - 1]: the date of record i, when it parses.
AsymmetryTables FromDates(const Database& db,
                          const std::vector<std::optional<CalendarDate>>& dates) {
  AsymmetryTables tables;
  const auto firstDated = std::find_if(
      dates.begin(), dates.end(), [](const std::optional<CalendarDate>& d) { return bool(d); });
  if (firstDated == dates.end()) return tables;
  const std::optional<CalendarDate> first = *firstDated;
  tables.FirstYear = first->Year;
  tables.FirstMonth = first->Month;

  // The month of the last record is still being observed: it gets its count only.
  Walk(db, tables.MonthAsym, tables.LeftOutMonths, FinishRule::WithMark, std::nullopt,
       [&](int i) -> std::optional<int> {
         const auto& date = dates[static_cast<std::size_t>(i - 1)];
         if (!date) return std::nullopt;
         return 12 * (date->Year - first->Year) + date->Month - first->Month + 1;
       });
  Walk(db, tables.YearAsym, tables.LeftOutYears, FinishRule::Plain, FinishRule::WithMark,
       [&](int i) -> std::optional<int> {
         const auto& date = dates[static_cast<std::size_t>(i - 1)];
         if (!date) return std::nullopt;
         return date->Year - first->Year + 1;
       });
  return tables;
}

}  // namespace

AsymmetryTables ComputeAsymmetry(const Database& db) {
  std::vector<std::optional<CalendarDate>> dates(static_cast<std::size_t>(db.RecordCount));
  for (int i = 1; i <= db.RecordCount; ++i)
    dates[static_cast<std::size_t>(i - 1)] = RecordDate(db.Record(i));
  return FromDates(db, dates);
}

AsymmetryTables ComputeAsymmetry(const Database& db, const RecordPositions& positions) {
  std::vector<std::optional<CalendarDate>> dates(static_cast<std::size_t>(db.RecordCount));
  for (int i = 1; i <= std::min(db.RecordCount, positions.Count()); ++i) {
    const RecordPosition& where = positions.Record(i);
    if (where.HasDate) dates[static_cast<std::size_t>(i - 1)] = where.Date;
  }
  return FromDates(db, dates);
}

}  // namespace ardeno
