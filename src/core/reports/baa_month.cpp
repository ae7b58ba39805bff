// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/reports/baa_month.h"

#include "core/reports/network_day_counts.h"
#include "core/text/number_format.h"

namespace ardeno {

namespace {

// A mean with two decimals, empty when there was no day to take it over.
std::string Mean(long long sum, int dayCount, std::string_view pattern) {
  return dayCount == 0 ? std::string() : FormatFloat(pattern, static_cast<double>(sum) / dayCount);
}

}  // namespace

std::vector<std::string> BaaMonthLines(const Database& db, const ReportDays& days) {
  std::vector<std::string> lines = {"Day,gn,gs,g,fn,fs,f,R"};
  long long groupsN = 0, groupsS = 0, groups = 0, relative = 0;
  int observed = 0, hemisphereDays = 0;
  for (int day = 1; day <= days.DayCount; ++day) {
    std::string line = std::to_string(day);
    const int index = days.RecordOn(day);
    if (index == 0) {
      lines.push_back(line + ",,,,,,,");
      continue;
    }
    const NetworkDayCounts c = CountsOf(db.Record(index));
    line += "," + GroupsText(c.North) + "," + GroupsText(c.South) + "," + std::to_string(c.Groups) +
            "," + SpotsText(c.North) + "," + SpotsText(c.South) + "," + std::to_string(c.Spots) +
            "," + std::to_string(c.Relative);
    lines.push_back(line);
    ++observed;
    groups += c.Groups;
    relative += c.Relative;
    if (c.North) {
      ++hemisphereDays;
      groupsN += c.North->Groups;
      groupsS += c.South->Groups;
    }
  }
  lines.push_back("MDF," + Mean(groupsN, hemisphereDays, "0.00") + "," +
                  Mean(groupsS, hemisphereDays, "0.00") + "," + Mean(groups, observed, "0.00") +
                  ",,,,");
  lines.push_back("Mean R,,,,,,," + Mean(relative, observed, "0.0"));
  lines.push_back("Days observed," + std::to_string(observed) + ",,,,,,");
  return lines;
}

}  // namespace ardeno
