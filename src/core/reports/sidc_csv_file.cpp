// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/reports/sidc_csv_file.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "core/reports/report_text.h"
#include "core/results/month_walk.h"
#include "core/text/dates.h"
#include "core/text/number_format.h"

namespace ardeno {

namespace {

constexpr int kCsvDays = 31;
constexpr int kStationLines = 20;
constexpr int kMaxCsvObservers = 9;
// A north R of 4000 or more stands for a drawing without hemisphere values, a corrected area of
// 5000 or more for one without areas: such values are written as empty fields.
constexpr int kNoHemispheres = 4000;
constexpr int kNoArea = 5000;

// The fifteen fields of a day row, in their column order.
enum DayField : int {
  kHours,
  kMinutes,
  kG,
  kF,
  kR,
  kCentralG,
  kCentralF,
  kCentralR,
  kFaculae,
  kNorthR,
  kSouthR,
  kConditions,
  kImage,
  kQ,
  kObserverNumber,
  kDayFields
};
// The twelve fields with a sum and a mean.
constexpr int kFirstSummed = kG;
constexpr int kLastSummed = kQ;

struct DayRow {
  bool HasRecord = false;
  std::array<std::uint16_t, kDayFields> Fields{};
  // CV, SN, RB and corrected area, north then south of each.
  std::array<std::uint16_t, 8> Hemispheres{};
};

DayRow RowOf(const ObservationRecord& r, int observerNumber) {
  DayRow row;
  row.HasRecord = true;
  const auto word = [&](int w) { return r.ResultWord(w); };
  const auto both = [&](int north, int south) {
    return static_cast<std::uint16_t>(word(north) + word(south));
  };
  row.Fields = {static_cast<std::uint16_t>(r.TimeUT() / 100),
                static_cast<std::uint16_t>(r.TimeUT() % 100),
                both(kGroupsN, kGroupsS),
                both(kSpotsN, kSpotsS),
                both(kRelativeN, kRelativeS),
                r.CentralGroups(),
                r.CentralSpots(),
                r.CentralR(),
                r.FacularFields(),
                word(kRelativeN),
                word(kRelativeS),
                r.Conditions(),
                r.ImageQuality(),
                r.QualityQ(),
                static_cast<std::uint16_t>(observerNumber)};
  if (r.IsSpecial() && !HasHemisphereMarker(r)) row.Fields[kNorthR] = kNoHemispheres;
  row.Hemispheres = {word(kCVN),
                     word(kCVS),
                     word(kSNN),
                     word(kSNS),
                     word(kRBN),
                     word(kRBS),
                     word(kHemisphereAreaN),
                     word(kHemisphereAreaS)};
  if (r.IsSpecial()) row.Hemispheres[6] = row.Hemispheres[7] = kNoArea;
  return row;
}

// The day rows 1..31 and the month's observers in order of their first drawing.
struct MonthRows {
  std::array<DayRow, kCsvDays> Days{};
  std::vector<std::string> Observers;
};

MonthRows RowsOf(const Database& db, const ReportDays& days) {
  MonthRows rows;
  std::vector<int> records;
  for (int index : days.RecordOfDay) {
    if (index != 0) records.push_back(index);
  }
  std::sort(records.begin(), records.end());
  for (int index : records) {
    const ObservationRecord& r = db.Record(index);
    const std::string name = r.Observer();
    auto found = std::find(rows.Observers.begin(), rows.Observers.end(), name);
    if (found == rows.Observers.end() && rows.Observers.size() < kMaxCsvObservers) {
      rows.Observers.push_back(name);
      found = rows.Observers.end() - 1;
    }
    const int number =
        found == rows.Observers.end() ? 0 : static_cast<int>(found - rows.Observers.begin()) + 1;
    const auto date = RecordDate(r);
    rows.Days[static_cast<std::size_t>(date->Day - 1)] = RowOf(r, number);
  }
  return rows;
}

std::vector<std::string> StationBlock(const ReportMonth& month, const CsvStation& station,
                                      const CsvInstrument& instrument,
                                      const std::vector<std::string>& observers) {
  std::vector<std::string> block = {"Hvězdárna (stanice);" + station.Name + ";",
                                    "číslo (stanice);" + station.Number + ";",
                                    "Adresa    (stanice);" + station.Address + ";",
                                    "tel..   email;" + station.Contact + ";",
                                    "za měsíc;" + Digits(month.Month, 2) + ";",
                                    "rok;" + std::to_string(month.Year) + ";",
                                    "Přístroj:;" + instrument.Name + ";",
                                    "Průměr;" + instrument.Diameter + ";",
                                    "Ohnisko;" + instrument.FocalLength + ";",
                                    "Okulár;" + instrument.Eyepiece + ";",
                                    "Metoda:;" + station.Method + ";",
                                    "Pozorovatelé:;"};
  block.resize(kStationLines, ";");
  for (std::size_t i = 0; i < observers.size(); ++i) block[11 + i] += observers[i] + ";";
  return block;
}

std::string DecimalComma(std::string text) {
  std::replace(text.begin(), text.end(), '.', ',');
  return text;
}

std::string DayLine(int day, const DayRow& row) {
  std::string line = std::to_string(day) + ";";
  const bool noHemispheres = row.Fields[kNorthR] >= kNoHemispheres;
  for (int f = 0; f < kDayFields; ++f) {
    const bool empty = !row.HasRecord || (noHemispheres && (f == kNorthR || f == kSouthR));
    if (!empty) line += std::to_string(row.Fields[static_cast<std::size_t>(f)]);
    line += ";";
  }
  return line;
}

std::string HemisphereLine(int day, const DayRow& row) {
  std::string line = std::to_string(day) + ";";
  for (std::uint16_t value : row.Hemispheres) {
    if (row.HasRecord && value < kNoArea) line += std::to_string(value);
    line += ";";
  }
  return line;
}

}  // namespace

CsvInstrument CsvInstrumentOf(const Instrument& instrument) {
  return {instrument[1], instrument[2], instrument[4], instrument[3]};
}

std::vector<std::string> SidcCsvLines(const Database& db, const ReportDays& days,
                                      const ReportMonth& month, const CsvStation& station,
                                      const CsvInstrument& instrument) {
  const MonthRows rows = RowsOf(db, days);
  const auto block = StationBlock(month, station, instrument, rows.Observers);
  std::vector<std::string> lines = {
      "Den;U;T;g;f;r;gc;fc;rc;F;;;Oc;Obr.;Q;Č.Poz.;Poznámka;;" + block[0],
      ";h;m;;;;;;;;rS;rJ;;;;;;;" + block[1]};
  std::array<long long, kDayFields> sums{};
  int daysWithRecord = 0;
  int daysWithHemispheres = 0;
  for (int d = 1; d <= kCsvDays; ++d) {
    const DayRow& row = rows.Days[static_cast<std::size_t>(d - 1)];
    const std::size_t blockLine = static_cast<std::size_t>(d + 1);
    lines.push_back(DayLine(d, row) + ";;" + (blockLine < block.size() ? block[blockLine] : ""));
    if (!row.HasRecord) continue;
    ++daysWithRecord;
    const bool hemispheres = row.Fields[kNorthR] < kNoHemispheres;
    if (hemispheres) ++daysWithHemispheres;
    for (int f = kFirstSummed; f <= kLastSummed; ++f) {
      if (!hemispheres && (f == kNorthR || f == kSouthR)) continue;
      sums[static_cast<std::size_t>(f)] += row.Fields[static_cast<std::size_t>(f)];
    }
  }
  lines.emplace_back(16, ';');
  std::string sumLine = "Suma;;;";
  std::string meanLine = "Prum.;;;";
  for (int f = kFirstSummed; f <= kLastSummed; ++f) {
    const bool hemisphere = f == kNorthR || f == kSouthR;
    const int divisor = std::max(1, hemisphere ? daysWithHemispheres : daysWithRecord);
    const long long sum = sums[static_cast<std::size_t>(f)];
    sumLine += std::to_string(sum) + ";";
    meanLine += DecimalComma(FormatFloat("0.0", static_cast<double>(sum) / divisor)) + ";";
  }
  sumLine += ";N=" + std::to_string(daysWithRecord) + ";";
  const double coverage = daysWithRecord * 100.0 / DaysInMonth(month.Year, month.Month);
  meanLine += ";" + DecimalComma(FormatFloat("0.00", coverage)) + ";";
  lines.push_back(sumLine);
  lines.push_back(meanLine);
  for (int d = 1; d <= kCsvDays; ++d) {
    lines.push_back(HemisphereLine(d, rows.Days[static_cast<std::size_t>(d - 1)]));
  }
  return lines;
}

std::string CsvStationCode(const std::string& stationNumber) {
  std::string code = "00";
  for (char c : stationNumber) {
    if (std::isdigit(static_cast<unsigned char>(c))) code += c;
  }
  return code.size() <= 3 ? code : code.substr(code.size() - 3);
}

std::string SidcCsvFileName(const ReportMonth& month, const std::string& stationNumber) {
  return Digits(month.Year, 4) + Digits(month.Month, 2) + "_" + CsvStationCode(stationNumber) +
         "a.csv";
}

std::filesystem::path SidcCsvPath(const std::filesystem::path& progDir, const ReportMonth& month,
                                  const std::string& stationNumber) {
  return progDir / kCsvFolder / ("Rok" + Digits(month.Year, 4)) /
         SidcCsvFileName(month, stationNumber);
}

std::vector<ReportMonth> CsvMonthsToEnd(const Database& db, const ReportMonth& from) {
  std::vector<ReportMonth> months;
  if (db.RecordCount < 1 || from.Month < 1 || from.Month > 12) return months;
  const auto last = RecordDate(db.Record(db.RecordCount));
  if (!last) return months;
  const ReportMonth end{last->Year, last->Month};
  for (ReportMonth m = from; m.Key() < end.Key();
       m = m.Month == 12 ? ReportMonth{m.Year + 1, 1} : ReportMonth{m.Year, m.Month + 1}) {
    months.push_back(m);
  }
  return months;
}

std::vector<ReportMonth> CsvMonthsOfYear(int year) {
  std::vector<ReportMonth> months;
  for (int m = 1; m <= 12; ++m) months.push_back({year, m});
  return months;
}

}  // namespace ardeno
