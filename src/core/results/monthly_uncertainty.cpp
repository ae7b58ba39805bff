// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/results/monthly_uncertainty.h"

#include <algorithm>
#include <cmath>

#include "core/data/record_fields.h"
#include "core/results/measured_table.h"
#include "core/text/core_text.h"
#include "core/text/number_format.h"

namespace ardeno {

namespace {

constexpr int kSmoothingHalfWindow = 6;

// A decimal point, as every other table and CSV file of the program writes, in either language.
std::string Cell(const std::optional<double>& value) {
  if (!value) return {};
  return FormatFixed(*value, 0, 2);
}

}  // namespace

std::vector<MonthUncertainty> MonthlyUncertainty(const Database& db, const RecordMonths& months,
                                                 Quantity q, Hemisphere h,
                                                 const CalendarDate& today) {
  std::vector<MonthUncertainty> result;
  result.reserve(months.Months.size());
  for (const RecordMonth& month : months.Months) {
    MonthUncertainty u;
    u.Year = month.Year;
    u.Month = month.Month;
    std::vector<double> values;
    std::vector<std::int64_t> days;
    for (int i = month.FirstIndex; i <= month.LastIndex; ++i) {
      const ObservationRecord& record = db.Record(i);
      const auto date = RecordDate(record);
      if (!date || !IsChosen(record, months.Choice)) continue;
      // The record alone, counted by the same rule as the month's totals.
      MonthTotals single;
      AddRecordToTotals(single, record);
      const std::optional<double> value = MeasuredMean(single, q, h);
      if (!value) continue;
      values.push_back(*value);
      days.push_back(DaySerial(*date));
    }
    std::sort(days.begin(), days.end());
    u.Days = static_cast<int>(std::unique(days.begin(), days.end()) - days.begin());
    // Mean, scatter and error over the same n records (the measured table's mean: each record
    // counted by the rule of the month's totals).
    u.Records = static_cast<int>(values.size());
    double sum = 0;
    for (const double v : values) sum += v;
    const double mean = sum / std::max(1.0, static_cast<double>(values.size()));
    if (!values.empty()) u.Mean = mean;
    if (values.size() >= 2) {
      double squares = 0;
      for (const double v : values) squares += (v - mean) * (v - mean);
      u.Sigma = std::sqrt(squares / static_cast<double>(values.size() - 1));
      u.StdError = *u.Sigma / std::sqrt(static_cast<double>(values.size()));
    }
    const bool over = std::pair(u.Year, u.Month) < std::pair(today.Year, today.Month);
    u.Provisional = !over || u.Days < kSureMonthDays;
    result.push_back(u);
  }
  return result;
}

std::string AveragedRecordsText(const RecordMonths& months) {
  if (months.Choice == RecordChoice::AllRecords)
    return CoreText("Uncertainty", "Průměry ze všech záznamů včetně katalogových dnů (NOAA/RGO).");
  return FillText(CoreText("Uncertainty",
                           "Průměry z vlastních zákresů stanice; katalogové dny (NOAA/RGO) "
                           "vynechány: %1."),
                  {std::to_string(months.LeftOut)});
}

std::vector<SmoothedUncertainty> SmoothedUncertaintyOf(
    const std::vector<MonthUncertainty>& months) {
  if (months.empty()) return {};
  const auto index = [&months](int year, int month) {
    return (year * 12 + month) - (months.front().Year * 12 + months.front().Month);
  };
  const int count = index(months.back().Year, months.back().Month) + 1;
  MonthlyValues values(static_cast<std::size_t>(count));
  std::vector<bool> provisional(static_cast<std::size_t>(count), false);
  for (const MonthUncertainty& u : months) {
    const auto i = static_cast<std::size_t>(index(u.Year, u.Month));
    values[i] = u.Mean;
    provisional[i] = u.Provisional;
  }
  std::vector<SmoothedUncertainty> result;
  for (int i = 0; i < count; ++i) {
    const int serial = months.front().Year * 12 + months.front().Month - 1 + i;
    SmoothedUncertainty s{serial / 12, serial % 12 + 1, SmoothedMean(values, i), 0, false};
    if (s.Value) {
      for (int j = i - kSmoothingHalfWindow; j <= i + kSmoothingHalfWindow; ++j) {
        if (!values[static_cast<std::size_t>(j)]) continue;
        ++s.Months;
        s.Provisional = s.Provisional || provisional[static_cast<std::size_t>(j)];
      }
    }
    result.push_back(s);
  }
  return result;
}

std::vector<std::vector<std::string>> SmoothedUncertaintyRows(
    const std::vector<SmoothedUncertainty>& months) {
  std::vector<std::vector<std::string>> rows = {
      {CoreTextNoop("Uncertainty", "rok"), CoreTextNoop("Uncertainty", "měsíc"),
       CoreTextNoop("Uncertainty", "vyhlazená"), CoreTextNoop("Uncertainty", "měsíců"),
       CoreTextNoop("Uncertainty", "příznak")}};
  for (const SmoothedUncertainty& s : months) {
    rows.push_back({std::to_string(s.Year), std::to_string(s.Month), Cell(s.Value),
                    s.Value ? std::to_string(s.Months) : std::string(), s.Provisional ? "*" : ""});
  }
  return rows;
}

std::vector<std::vector<std::string>> MonthlyUncertaintyRows(
    const std::vector<MonthUncertainty>& months) {
  std::vector<std::vector<std::string>> rows = {
      {CoreTextNoop("Uncertainty", "rok"), CoreTextNoop("Uncertainty", "měsíc"),
       CoreTextNoop("Uncertainty", "dny"), "n", CoreTextNoop("Uncertainty", "průměr"), "sigma",
       CoreTextNoop("Uncertainty", "chyba"), CoreTextNoop("Uncertainty", "příznak")}};
  for (const MonthUncertainty& u : months) {
    rows.push_back({std::to_string(u.Year), std::to_string(u.Month), std::to_string(u.Days),
                    std::to_string(u.Records), Cell(u.Mean), Cell(u.Sigma), Cell(u.StdError),
                    u.Provisional ? "*" : ""});
  }
  return rows;
}

std::vector<std::vector<std::string>> UncertaintyRowsShown(
    std::vector<std::vector<std::string>> rows) {
  if (!rows.empty())
    for (std::string& heading : rows.front()) heading = CoreText("Uncertainty", heading.c_str());
  return rows;
}

std::string UncertaintyCsv(const std::vector<std::vector<std::string>>& rows) {
  std::string text;
  for (const auto& row : rows) {
    for (std::size_t c = 0; c < row.size(); ++c) text += (c == 0 ? "" : ";") + row[c];
    text += "\r\n";
  }
  return text;
}

}  // namespace ardeno
