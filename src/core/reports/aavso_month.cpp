// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/reports/aavso_month.h"

#include <array>

#include "core/reports/network_day_counts.h"
#include "core/reports/network_seeing.h"
#include "core/reports/report_text.h"
#include "core/text/number_format.h"

namespace ardeno {

namespace {

constexpr std::array<std::string_view, 12> kEnglishMonths = {
    "JANUARY", "FEBRUARY", "MARCH",     "APRIL",   "MAY",      "JUNE",
    "JULY",    "AUGUST",   "SEPTEMBER", "OCTOBER", "NOVEMBER", "DECEMBER"};

// The columns and their widths; every value is right-aligned under its name.
struct Column {
  std::string_view Name;
  int Width;
};
constexpr std::array<Column, 11> kColumns = {{{"Day", 3},
                                              {"Seeing", 7},
                                              {"UT", 5},
                                              {"g", 4},
                                              {"s", 4},
                                              {"W", 5},
                                              {"ng", 4},
                                              {"sg", 4},
                                              {"ns", 4},
                                              {"ss", 4},
                                              {"Obs", 0}}};

std::string Row(const std::array<std::string, kColumns.size()>& cells) {
  std::string line;
  for (std::size_t i = 0; i < kColumns.size(); ++i) {
    const auto width = static_cast<std::size_t>(kColumns[i].Width);
    // The last column follows after one blank, whatever its length.
    if (width == 0) {
      line += " " + cells[i];
      continue;
    }
    if (cells[i].size() < width) line.append(width - cells[i].size(), ' ');
    line += cells[i];
  }
  return line;
}

}  // namespace

std::string AavsoMonthTitle(const ReportMonth& month) {
  return std::string(kEnglishMonths[static_cast<std::size_t>(month.Month - 1)]) + " " +
         Digits(month.Year, 4);
}

std::vector<std::string> AavsoMonthLines(const Database& db, const ReportDays& days,
                                         const ReportMonth& month, std::string_view observerCode) {
  std::array<std::string, kColumns.size()> names;
  for (std::size_t i = 0; i < kColumns.size(); ++i) names[i] = kColumns[i].Name;
  std::vector<std::string> lines = {"Observer code: " + std::string(observerCode),
                                    "For the month of: " + AavsoMonthTitle(month), "", Row(names)};
  for (int day = 1; day <= days.DayCount; ++day) {
    const int index = days.RecordOn(day);
    if (index == 0) continue;
    const ObservationRecord& r = db.Record(index);
    const NetworkDayCounts c = CountsOf(r);
    lines.push_back(
        Row({std::to_string(day), std::string(1, AavsoSeeing(r.Conditions())),
             Digits(r.TimeUT(), 4), std::to_string(c.Groups), std::to_string(c.Spots),
             std::to_string(10 * c.Groups + c.Spots), GroupsText(c.North), GroupsText(c.South),
             SpotsText(c.North), SpotsText(c.South), std::string(observerCode)}));
  }
  return lines;
}

}  // namespace ardeno
