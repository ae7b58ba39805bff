// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/reports/report_days.h"

#include "core/results/month_walk.h"
#include "core/text/core_text.h"
#include "core/text/dates.h"
#include "core/text/shown_text.h"

namespace ardeno {

ReportDays MatchReportDays(const Database& db, const ReportMonth& month, RecordChoice choice) {
  ReportDays days;
  days.DayCount = month.Month >= 1 && month.Month <= 12 ? DaysInMonth(month.Year, month.Month) : 0;
  days.RecordOfDay.assign(static_cast<std::size_t>(days.DayCount), 0);
  for (int i = 1; i <= db.RecordCount; ++i) {
    const auto date = RecordDate(db.Record(i));
    if (!date || date->Year != month.Year || date->Month != month.Month) continue;
    if (!IsChosen(db.Record(i), choice)) {
      days.Catalogue.push_back(i);
      continue;
    }
    int& slot = days.RecordOfDay[static_cast<std::size_t>(date->Day - 1)];
    if (slot != 0) {
      days.LeftOut.push_back(i);
      continue;
    }
    slot = i;
  }
  for (int index : days.RecordOfDay) {
    if (index != 0) AddRecordToTotals(days.Totals, db.Record(index));
  }
  return days;
}

std::vector<std::string> LeftOutMessages(const Database& db, const ReportDays& days) {
  std::vector<std::string> messages;
  for (int index : days.LeftOut) {
    messages.push_back(
        FillText(CoreText("ReportDays",
                          "Záznam %1 (č. %2) je druhý záznam dne a do výkazu se nezapočítává."),
                 {ShownText(db.Record(index).Date()), std::to_string(index)}));
  }
  if (!days.Catalogue.empty()) messages.push_back(CatalogueLeftOutMessage(days.Catalogue.size()));
  return messages;
}

std::string CatalogueLeftOutMessage(std::size_t count) {
  return FillText(CoreText("ReportDays",
                           "Katalogové dny (NOAA/RGO z importu skupin) vynechány: %1; výkaz "
                           "obsahuje jen vlastní zákresy stanice."),
                  {std::to_string(count)});
}

}  // namespace ardeno
