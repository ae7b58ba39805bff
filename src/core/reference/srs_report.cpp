// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/reference/srs_report.h"

#include <array>
#include <optional>

#include "core/reference/catalogue_lines.h"
#include "core/reference/noaa_region_fields.h"
#include "core/text/core_text.h"

namespace ardeno {

namespace {

constexpr std::array<std::string_view, 12> kMonthNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr int kMaxDaysBeforeIssue = 3;
constexpr std::uint16_t kEndOfDay = 2400;

bool StartsWith(std::string_view text, std::string_view start) {
  return text.substr(0, start.size()) == start;
}

// ":Issued: 2014 Jan 01 0030 UTC"
std::optional<CalendarDate> IssueDate(std::string_view line) {
  const auto fields = BlankSeparated(line);
  if (fields.size() < 4) return std::nullopt;
  const auto year = WholeField(fields[1]);
  const auto day = WholeField(fields[3]);
  int month = 0;
  for (std::size_t m = 0; m < kMonthNames.size(); ++m)
    if (fields[2] == kMonthNames[m]) month = static_cast<int>(m) + 1;
  if (!year || !day || month == 0) return std::nullopt;
  const CalendarDate date{*year, month, *day};
  if (!IsValidDate(date)) return std::nullopt;
  return date;
}

struct ValidMoment {
  CalendarDate Day;  // the day the positions belong to
  std::uint16_t Time = kEndOfDay;
};

// "... Locations Valid at 31/2400Z": the day of the month is the last one on or before the issue.
std::optional<ValidMoment> ValidAt(std::string_view line, const CalendarDate& issued) {
  const auto at = line.find("Valid at ");
  if (at == std::string_view::npos) return std::nullopt;
  const std::string_view moment = line.substr(at + 9);
  const auto slash = moment.find('/');
  const auto zulu = moment.find('Z');
  if (slash == std::string_view::npos || zulu == std::string_view::npos || zulu < slash + 5)
    return std::nullopt;
  const auto day = WholeField(moment.substr(0, slash));
  const auto hhmm = WholeField(moment.substr(slash + 1, zulu - slash - 1));
  if (!day || !hhmm || *hhmm < 0 || *hhmm > kEndOfDay || *hhmm % 100 > 59) return std::nullopt;
  for (int back = 0; back <= kMaxDaysBeforeIssue; ++back) {
    CalendarDate date = DateFromSerial(DaySerial(issued) - back);
    if (date.Day != *day) continue;
    ValidMoment valid{date, static_cast<std::uint16_t>(*hhmm)};
    if (valid.Time == 0) valid = {DateFromSerial(DaySerial(date) - 1), kEndOfDay};
    return valid;
  }
  return std::nullopt;
}

// "1934 S16W83   272  0080 Eac  11   05 Beta-Gamma-Delta"
std::optional<SourceGroup> RegionLine(std::string_view line, const CalendarDate& day,
                                      std::string& reason) {
  const auto fields = BlankSeparated(line);
  if (fields.size() < 6) {
    reason = CoreText("Import", "chybí údaje");
    return std::nullopt;
  }
  const auto region = WholeField(fields[0]);
  const auto location = ParseRegionLocation(fields[1]);
  const auto longitude = WholeField(fields[2]);
  const auto area = WholeField(fields[3]);
  const auto mcIntosh = McIntoshClassText(fields[4]);
  if (!region || *region < 0)
    reason = CoreText("Import", "číslo oblasti");
  else if (!location)
    reason = CoreText("Import", "poloha");
  else if (!longitude || *longitude < 0 || *longitude > 360)
    reason = CoreText("Import", "délka");
  else if (!area || *area < 0)
    reason = CoreText("Import", "plocha");
  else if (!mcIntosh)
    reason = CoreText("Import", "typ skupiny");
  if (!reason.empty()) return std::nullopt;
  // LL and NN follow; where one of them is left empty, the number there is the spot count.
  std::optional<int> spots;
  if (fields.size() > 6 && WholeField(fields[6]))
    spots = WholeField(fields[6]);
  else if (WholeField(fields[5]))
    spots = WholeField(fields[5]);
  if (!spots || *spots < 0) {
    reason = CoreText("Import", "počet skvrn");
    return std::nullopt;
  }
  return NoaaGroup(*region, *location, *longitude, *area, *mcIntosh, spots, day);
}

}  // namespace

bool LooksLikeSrsReport(std::string_view text) {
  const std::string_view start = text.substr(0, 600);
  return start.find(":Product:") != std::string_view::npos ||
         start.find("Solar Region Summary") != std::string_view::npos;
}

SourceReading ReadSrsReport(std::string_view text, const std::string& sourceName) {
  SourceReading reading;
  const auto lines = NonEmptyLines(text);
  std::optional<CalendarDate> issued;
  std::optional<ValidMoment> valid;
  std::size_t i = 0;
  for (; i < lines.size(); ++i) {
    const std::string_view line = lines[i].Text;
    if (StartsWith(line, ":Issued:")) issued = IssueDate(line);
    if (StartsWith(line, "I.")) break;
  }
  if (!issued) {
    reading.Problems.push_back(FillText(
        CoreText("Import", "%1: chybí platné datum vydání (řádek :Issued:)"), {sourceName}));
    return reading;
  }
  if (i == lines.size() || !(valid = ValidAt(lines[i].Text, *issued))) {
    reading.Problems.push_back(
        i == lines.size()
            ? FillText(CoreText("Import", "%1: chybí oddíl I (Regions with Sunspots)"),
                       {sourceName})
            : LineProblem(sourceName, lines[i].Number, lines[i].Text,
                          CoreText("Import", "čas platnosti poloh")));
    return reading;
  }
  SourceDay day;
  day.Date = valid->Day;
  day.TimeUT = valid->Time;
  day.Source = GroupSource::NoaaReport;
  day.Where = sourceName;
  for (++i; i < lines.size(); ++i) {
    const std::string_view line = lines[i].Text;
    if (StartsWith(line, "IA.") || StartsWith(line, "II.")) break;
    if (StartsWith(line, "Nmbr") || StartsWith(line, "None")) continue;
    std::string reason;
    if (auto group = RegionLine(line, day.Date, reason)) {
      group->EpochTime = valid->Time;
      day.Groups.push_back(std::move(*group));
    } else {
      reading.Problems.push_back(LineProblem(sourceName, lines[i].Number, line, reason));
    }
  }
  reading.Days.push_back(std::move(day));
  return reading;
}

}  // namespace ardeno
