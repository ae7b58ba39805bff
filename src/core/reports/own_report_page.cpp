// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/reports/own_report_page.h"

#include <algorithm>

#include "core/reports/instrument_entry.h"
#include "core/reports/report_text.h"
#include "core/results/month_walk.h"
#include "core/text/number_format.h"

namespace ardeno {

namespace {

const std::array<const char*, 8> kQuantityNames = {"g", "f", "R", "CV", "SN", "RB", "pl", "pk"};
const std::array<const char*, 3> kHemisphereSuffixes = {"", "s", "j"};
const std::array<const char*, 7> kHeaderValueNames = {"gc", "fc", "rc", "F", "p", "O", "Q"};
constexpr int kFirstAreaEntry = 3 * static_cast<int>(Quantity::Area);

std::string Count(long long value) { return std::to_string(value); }

std::string Time(const ObservationRecord& r) {
  return Digits(r.TimeUT() / 100, 2) + ":" + Digits(r.TimeUT() % 100, 2);
}

// The seven record-header values: central groups, spots, R, facular fields, conditions, image
// quality, Q.
std::array<long long, 7> HeaderValues(const ObservationRecord& r) {
  return {r.CentralGroups(), r.CentralSpots(), r.CentralR(), r.FacularFields(),
          r.Conditions(),    r.ImageQuality(), r.QualityQ()};
}

std::string EntryLabel(int entry) {
  if (entry >= kCentralGroupsEntry)
    return kHeaderValueNames[static_cast<std::size_t>(entry - kCentralGroupsEntry)];
  return std::string(kQuantityNames[static_cast<std::size_t>(entry / 3)]) +
         kHemisphereSuffixes[static_cast<std::size_t>(entry % 3)];
}

std::vector<std::string> DayRow(const ObservationRecord& r, int day) {
  std::vector<std::string> cells = {Count(day), Time(r)};
  const auto north = [&](int q) { return static_cast<long long>(r.ResultWord(kGroupsN + q)); };
  const auto south = [&](int q) { return static_cast<long long>(r.ResultWord(kGroupsS + q)); };
  for (int q = 0; q < kCountQuantities; ++q) cells.push_back(Count(north(q) + south(q)));
  const bool hemispheres = !r.IsSpecial() || HasHemisphereMarker(r);
  for (int q = 0; q < kCountQuantities; ++q) cells.push_back(hemispheres ? Count(north(q)) : "");
  for (int q = 0; q < kCountQuantities; ++q) cells.push_back(hemispheres ? Count(south(q)) : "");
  const int area = static_cast<int>(Quantity::Area);
  const int corrected = static_cast<int>(Quantity::CorrectedArea);
  for (long long value : {north(area), south(area), north(corrected), south(corrected),
                          north(area) + south(area), north(corrected) + south(corrected)}) {
    cells.push_back(r.IsSpecial() ? "" : Count(value));
  }
  for (long long value : HeaderValues(r)) cells.push_back(Count(value));
  return cells;
}

std::vector<std::string> PageColumnHeads() {
  std::vector<std::string> heads = {"den", "UT"};
  for (const char* suffix : kHemisphereSuffixes) {
    for (int q = 0; q < kCountQuantities; ++q)
      heads.push_back(std::string(kQuantityNames[static_cast<std::size_t>(q)]) + suffix);
  }
  for (const char* head : {"pls", "plj", "pks", "pkj", "pl", "pk"}) heads.push_back(head);
  for (const char* head : kHeaderValueNames) heads.push_back(head);
  return heads;
}

// The hemisphere entries of g, f, R, CV, SN and RB, which have a second mean.
bool IsCountHemisphereEntry(int entry) { return entry < 3 * kCountQuantities && entry % 3 != 0; }

std::string MonthName(const ReportMonth& month) {
  if (month.Month < 1 || month.Month > 12) return {};
  return std::string(kCzechMonthNames[static_cast<std::size_t>(month.Month - 1)]);
}

}  // namespace

OwnReportPage BuildOwnReportPage(const Database& db, const ReportDays& days,
                                 const ReportMonth& month, const Instrument& instrument) {
  OwnReportPage page;
  page.Header = {{"Stanice", instrument[0]},
                 {"měsíc", MonthName(month)},
                 {"rok", std::to_string(month.Year)},
                 {"Přístroj", InstrumentLine(instrument)}};
  page.ColumnHeads = PageColumnHeads();
  for (int d = 1; d <= days.DayCount; ++d) {
    if (const int index = days.RecordOn(d)) page.DayRows.push_back(DayRow(db.Record(index), d));
  }
  const MonthTotals& t = days.Totals;
  const int dayDivisor = std::max(1, t.Records);
  const int normalDivisor = std::max(1, t.NormalRecords());
  const int hemisphereDivisor = std::max(1, t.HemisphereRecords);
  for (int e = 0; e < kMonthTotalsEntries; ++e) {
    const double sum = t.Sums[static_cast<std::size_t>(e)];
    OwnPageTotal total;
    total.Label = EntryLabel(e);
    total.Sum = Count(t.Sums[static_cast<std::size_t>(e)]);
    const bool area = e >= kFirstAreaEntry && e < kCentralGroupsEntry;
    total.Mean = FormatFloat("0.0", sum / (area ? normalDivisor : dayDivisor));
    if (IsCountHemisphereEntry(e))
      total.HemisphereMean = FormatFloat("0.0", sum / hemisphereDivisor);
    total.Row = e == kMonthTotalsEntries - 1 ? 2 : e % 2;
    total.Column = e;
    page.Totals.push_back(total);
  }
  return page;
}

OwnProtocol BuildOwnProtocol(const Database& db, const ReportDays& days, const ReportMonth& month,
                             const Instrument& instrument) {
  OwnProtocol protocol;
  protocol.Station = "Stanice  " + instrument[0];
  protocol.MonthYear = "měsíc  " + MonthName(month) + "     rok  " + std::to_string(month.Year);
  protocol.Cells[0] = {"den", "UT", "g",  "gs", "gj", "f", "fs", "fj", "R",
                       "Rs",  "Rj", "gc", "fc", "rc", "F", "p",  "O",  "Q"};
  // The month-sum entry of each value column (columns 2..17) and the pattern of its means.
  struct Column {
    int Entry;
    const char* MeanPattern;
  };
  const std::array<Column, 16> columns = {{{0, "00.0"},
                                           {1, "00.0"},
                                           {2, "00.0"},
                                           {3, "000.0"},
                                           {4, "000.0"},
                                           {5, "000.0"},
                                           {6, "000.0"},
                                           {7, "000.0"},
                                           {8, "000.0"},
                                           {24, "0.0"},
                                           {25, "00.0"},
                                           {26, "00.0"},
                                           {27, "0.0"},
                                           {28, "0.0"},
                                           {29, "0.0"},
                                           {30, "0.0"}}};
  for (int d = 1; d <= kProtocolRows - 4; ++d) {
    if (d > days.DayCount) break;
    auto& row = protocol.Cells[static_cast<std::size_t>(d)];
    row[0] = Digits(d, 2);
    if (days.RecordOn(d) == 0) continue;
    const ObservationRecord& r = db.Record(days.RecordOn(d));
    row[1] = Time(r);
    const bool hemispheres = !r.IsSpecial() || HasHemisphereMarker(r);
    for (int q = 0; q < 3; ++q) {
      const long long north = r.ResultWord(kGroupsN + q);
      const long long south = r.ResultWord(kGroupsS + q);
      row[static_cast<std::size_t>(2 + 3 * q)] = Count(north + south);
      row[static_cast<std::size_t>(3 + 3 * q)] = hemispheres ? Count(north) : "";
      row[static_cast<std::size_t>(4 + 3 * q)] = hemispheres ? Count(south) : "";
    }
    const auto header = HeaderValues(r);
    for (std::size_t i = 0; i < header.size(); ++i) row[11 + i] = Count(header[i]);
  }
  const MonthTotals& t = days.Totals;
  auto& sums = protocol.Cells[kProtocolRows - 3];
  auto& means = protocol.Cells[kProtocolRows - 2];
  auto& hemisphereMeans = protocol.Cells[kProtocolRows - 1];
  sums[0] = "Suma";
  means[0] = "Prům.";
  hemisphereMeans[0] = "Pr.SJ";
  for (std::size_t c = 0; c < columns.size(); ++c) {
    const int e = columns[c].Entry;
    const double sum = t.Sums[static_cast<std::size_t>(e)];
    sums[c + 2] = Count(t.Sums[static_cast<std::size_t>(e)]);
    means[c + 2] = FormatFloat(columns[c].MeanPattern, sum / std::max(1, t.Records));
    if (IsCountHemisphereEntry(e)) {
      hemisphereMeans[c + 2] =
          FormatFloat(columns[c].MeanPattern, sum / std::max(1, t.HemisphereRecords));
    }
  }
  return protocol;
}

}  // namespace ardeno
