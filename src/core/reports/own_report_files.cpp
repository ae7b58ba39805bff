// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/reports/own_report_files.h"

#include "core/reports/report_text.h"
#include "core/text/number_format.h"

namespace ardeno {

namespace {

const char* const kIndexHeader =
    "den    UT    g      gs      gj        f        fs       fj         r        rs        rj     "
    "  gc      fc       rc        F      p      O     Q ";
const char* const kAreaHeader =
    "den    UT    CV     CVs     CVj       SN      SNs      SNj       RB      RBs      RBj      pl "
    "      pls      plj        pk      pks      pkj  ";

std::string Time(const ObservationRecord& r) {
  return Digits(r.TimeUT() / 100, 2) + ":" + Digits(r.TimeUT() % 100, 2);
}

// N + S, N and S of results quantity q.
std::array<long long, 3> Triple(const ObservationRecord& r, int q) {
  const long long north = r.ResultWord(kGroupsN + q);
  const long long south = r.ResultWord(kGroupsS + q);
  return {north + south, north, south};
}

std::string Mean(const MonthTotals& t, int entry, int days, const char* pattern) {
  return FormatFloat(pattern, static_cast<double>(t.Sums[static_cast<std::size_t>(entry)]) / days);
}

std::string MonthFileName(const char* prefix, const ReportMonth& m) {
  return std::string(prefix) + Digits(m.Month, 2) + "_" + Digits(m.Year, 4) + ".Txt";
}

}  // namespace

std::vector<std::string> OwnIndexFileLines(const Database& db, const ReportDays& days) {
  std::vector<std::string> lines{kIndexHeader};
  for (int d = 1; d <= days.DayCount; ++d) {
    std::string line = Digits(d, 2);
    if (const int index = days.RecordOn(d)) {
      const ObservationRecord& r = db.Record(index);
      line += "   " + Time(r);
      const auto g = Triple(r, 0);
      line += "  " + Digits(g[0], 3) + "   " + Digits(g[1], 3) + "   " + Digits(g[2], 3);
      for (int q : {1, 2}) {
        for (long long v : Triple(r, q)) line += "   " + Digits(v, 4);
      }
      line += "   " + Digits(r.CentralGroups(), 3) + "   " + Digits(r.CentralSpots(), 4) + "   " +
              Digits(r.CentralR(), 4) + "    " + Digits(r.FacularFields(), 3);
      line += "   " + Digits(r.Conditions(), 2) + "    " + Digits(r.ImageQuality(), 2) + "    " +
              Digits(r.QualityQ(), 2);
    }
    lines.push_back(line);
  }
  lines.emplace_back();
  const MonthTotals& t = days.Totals;
  const auto sum = [&](int entry, int digits) {
    return Digits(t.Sums[static_cast<std::size_t>(entry)], digits);
  };
  std::string sums = "    Suma    ";
  for (int e = 0; e <= 2; ++e) sums += sum(e, 3) + "   ";
  for (int e = 3; e <= 8; ++e) sums += sum(e, 4) + "   ";
  sums += sum(24, 3) + "   " + sum(25, 4) + "   " + sum(26, 4) + "    " + sum(27, 3) + "   ";
  sums += sum(28, 2) + "    " + sum(29, 2) + "    " + sum(30, 2);
  lines.push_back(sums);
  const int n = days.DaysWithRecord();
  std::string means = "    Průměr   ";
  for (int e = 0; e <= 2; ++e) means += Mean(t, e, n, "00.0") + "  ";
  for (int e = 3; e <= 8; ++e) means += Mean(t, e, n, "000.0") + "  ";
  means += Mean(t, 24, n, "00.0") + "  " + Mean(t, 25, n, "000.0") + "  " +
           Mean(t, 26, n, "000.0") + "   ";
  means += Mean(t, 27, n, "00.0") + "  " + Mean(t, 28, n, "0.0") + "   " + Mean(t, 29, n, "0.0") +
           "   " + Mean(t, 30, n, "0.0");
  lines.push_back(means);
  return lines;
}

std::vector<std::string> OwnAreaFileLines(const Database& db, const ReportDays& days) {
  std::vector<std::string> lines{kAreaHeader};
  for (int d = 1; d <= days.DayCount; ++d) {
    std::string line = Digits(d, 2);
    if (const int index = days.RecordOn(d)) {
      const ObservationRecord& r = db.Record(index);
      line += "   " + Time(r);
      for (int q = 3; q <= 7; ++q) {
        for (long long v : Triple(r, q)) line += "  " + Digits(v, 5);
      }
    }
    lines.push_back(line);
  }
  lines.emplace_back();
  const MonthTotals& t = days.Totals;
  std::string sums = "    Suma    ";
  std::string means = "    Průměr   ";
  for (int e = 9; e <= 23; ++e) {
    if (e > 9) {
      sums += "  ";
      means += " ";
    }
    sums += Digits(t.Sums[static_cast<std::size_t>(e)], 5);
    means += Mean(t, e, days.DaysWithRecord(), "0000.0");
  }
  lines.push_back(sums);
  lines.push_back(means);
  return lines;
}

std::filesystem::path OwnIndexFilePath(const std::filesystem::path& progDir, const ReportMonth& m) {
  return progDir / kOwnReportFolder / MonthFileName("VL-", m);
}

std::filesystem::path OwnAreaFilePath(const std::filesystem::path& progDir, const ReportMonth& m) {
  return progDir / kOwnReportFolder / MonthFileName("VLR-", m);
}

}  // namespace ardeno
