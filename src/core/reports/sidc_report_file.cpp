// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/reports/sidc_report_file.h"

#include "core/reports/report_text.h"
#include "core/solar/day_results.h"
#include "core/solar/ephemeris.h"

namespace ardeno {

namespace {

// Results words of the record recomputed from its groups at its own date and time.
ObservationRecord Recomputed(const ObservationRecord& record) {
  ObservationRecord copy = record;
  if (const auto eph = RecordEphemeris(record)) StoreDayResults(copy, *eph);
  return copy;
}

std::string DayValues(const ObservationRecord& stored) {
  const ObservationRecord r = Recomputed(stored);
  const auto word = [&](int w) { return static_cast<long long>(r.ResultWord(w)); };
  std::string line = Digits(r.TimeUT(), 4) + " " + Digits(r.QualityQ(), 1);
  line += " " + Digits(word(kGroupsN) + word(kGroupsS), 2) + " " +
          Digits(word(kSpotsN) + word(kSpotsS), 3) + " " +
          Digits(word(kRelativeN) + word(kRelativeS), 3);
  line += " " + Digits(word(kGroupsN), 2) + " " + Digits(word(kSpotsN), 3) + " " +
          Digits(word(kRelativeN), 3);
  line += " " + Digits(word(kGroupsS), 2) + " " + Digits(word(kSpotsS), 3) + " " +
          Digits(word(kRelativeS), 3);
  line += " " + Digits(r.CentralGroups(), 2) + " " + Digits(r.CentralSpots(), 3) + " " +
          Digits(r.CentralR(), 3);
  return line;
}

}  // namespace

std::string SidcReportText(const Database& db, const ReportDays& days, const ReportMonth& month,
                           const std::string& observatoryCode, const std::string& description) {
  std::string text = "SIDC" + Digits(month.Year, 4) + Digits(month.Month, 2) + description + "\r\n";
  text += observatoryCode + "(CZECH REP.)" + description + "\r\n";
  text += "      \r\n";
  for (int d = 1; d <= days.DayCount; ++d) {
    text += Digits(d, 2) + " ";
    const int index = days.RecordOn(d);
    text += index != 0 ? DayValues(db.Record(index)) : "9999";
    text += "\r\n";
  }
  text += "99\r\n";
  return text;
}

std::vector<std::string> SidcPageLines(const std::string& reportText,
                                       const Instrument& instrument) {
  std::vector<std::string> lines = {"Station:     " + instrument[0],
                                    "Instrument:  " + instrument[1],
                                    "Lens:        " + instrument[2],
                                    "Focus lens:  " + instrument[4],
                                    "Eyepiece:    " + instrument[3],
                                    "",
                                    "dd time Q  g   f   R gN  fN  RN gS  fS  RS gc  fc  rc"};
  constexpr std::size_t kHeaderLines = 3;
  std::size_t position = 0;
  for (std::size_t line = 0; position < reportText.size(); ++line) {
    auto end = reportText.find("\r\n", position);
    if (end == std::string::npos) end = reportText.size();
    if (line >= kHeaderLines) lines.push_back(reportText.substr(position, end - position));
    position = end + 2;
  }
  return lines;
}

std::filesystem::path SidcReportPath(const std::filesystem::path& progDir, const ReportMonth& m) {
  return progDir / kSidcReportFolder / (Digits(m.Year, 4) + Digits(m.Month, 2) + ".txt");
}

}  // namespace ardeno
