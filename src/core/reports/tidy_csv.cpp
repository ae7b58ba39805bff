// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/reports/tidy_csv.h"

#include <array>
#include <cmath>

#include "core/data/settings_record.h"
#include "core/reports/report_text.h"
#include "core/results/month_totals.h"
#include "core/solar/day_results.h"
#include "core/text/number_format.h"

namespace ardeno {

namespace {

constexpr const char* kLineEnd = "\r\n";

// The daily indices in the column order of days.csv: whole disk, north, south of each.
struct DailyIndex {
  const char* Name;
  int NorthWord;
  int SouthWord;
  bool IsArea;  // special drawings carry no areas
};
constexpr std::array<DailyIndex, 8> kDailyIndices = {{
    {"g", kGroupsN, kGroupsS, false},
    {"f", kSpotsN, kSpotsS, false},
    {"r", kRelativeN, kRelativeS, false},
    {"cv", kCVN, kCVS, false},
    {"sn", kSNN, kSNS, false},
    {"rb", kRBN, kRBS, false},
    {"area", kAreaN, kAreaS, true},
    {"corrected_area", kHemisphereAreaN, kHemisphereAreaS, true},
}};

std::string Decimal(double value, int decimals) {
  std::string text = FormatFixed(value, 0, decimals);
  // -0.00 reads as a different value to some tools.
  if (text.starts_with('-') && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);
  return text;
}

std::string IsoDate(const CalendarDate& d) {
  return Digits(d.Year, 4) + "-" + Digits(d.Month, 2) + "-" + Digits(d.Day, 2);
}

std::string IsoTime(std::uint16_t timeUT) {
  return Digits(timeUT / 100, 2) + ":" + Digits(timeUT % 100, 2);
}

void AddRow(std::string& table, std::initializer_list<std::string> cells) {
  bool first = true;
  for (const std::string& cell : cells) {
    if (!first) table += ',';
    table += cell;
    first = false;
  }
  table += kLineEnd;
}

// The row's first cells, which tie a group or a vertex to its drawing.
std::string DrawingKey(const RecordPosition& p, const ObservationRecord& r) {
  return IsoDate(p.Date) + "," + IsoTime(r.TimeUT()) + "," + CsvField(r.Observer());
}

std::string DaysHeader() {
  std::string header = "date,ut,observer,station,kind,p,b0,l0,rotation";
  for (const DailyIndex& index : kDailyIndices) {
    header += std::string(",") + index.Name + "," + index.Name + "_n," + index.Name + "_s";
  }
  return header + kLineEnd;
}

void AddDay(std::string& table, const RecordPosition& p, const ObservationRecord& r) {
  table += IsoDate(p.Date) + "," + IsoTime(r.TimeUT()) + "," + CsvField(r.Observer()) + "," +
           CsvField(r.Station()) + "," + CsvField(r.Kind()) + "," + Decimal(p.Eph.EphP, 2) + "," +
           Decimal(p.Eph.EphB0, 2) + "," + Decimal(p.Eph.EphL0, 2) + "," +
           std::to_string(p.Eph.RotationNumber);
  // The statistics' rule: a special drawing has hemisphere values only with a hemisphere marker
  // and never areas; what it does not have stays empty.
  const bool hemispheres = !r.IsSpecial() || HasHemisphereMarker(r);
  for (const DailyIndex& index : kDailyIndices) {
    const int north = r.ResultWord(index.NorthWord);
    const int south = r.ResultWord(index.SouthWord);
    if (index.IsArea && r.IsSpecial()) {
      table += ",,,";
    } else if (!hemispheres) {
      table += "," + std::to_string(north + south) + ",,";
    } else {
      table += "," + std::to_string(north + south) + "," + std::to_string(north) + "," +
               std::to_string(south);
    }
  }
  table += kLineEnd;
}

}  // namespace

std::string CsvField(std::string_view text) {
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

TidyTables BuildTidyTables(const Database& db, const RecordPositions& positions) {
  TidyTables tables;
  tables.Days = DaysHeader();
  tables.Groups = std::string(
                      "date,ut,observer,group_number,rotation_group_number,class,spots,area,"
                      "corrected_area,latitude,carrington_longitude,cmd,position_angle,distance") +
                  kLineEnd;
  tables.Faculae = std::string(
                       "date,ut,observer,field,vertex,position_angle,distance,latitude,"
                       "carrington_longitude,cmd") +
                   kLineEnd;
  for (int i = 1; i <= db.RecordCount && i <= positions.Count(); ++i) {
    const ObservationRecord& r = db.Record(i);
    const RecordPosition& p = positions.Record(i);
    if (!p.HasDate || IsSettingsRecord(r)) continue;
    ++tables.Drawings;
    AddDay(tables.Days, p, r);
    const std::string key = DrawingKey(p, r);
    const auto groups = positions.GroupsOf(i);
    for (int k = 1; k <= static_cast<int>(groups.size()); ++k) {
      const HeliographicPosition& g = groups[static_cast<std::size_t>(k - 1)];
      const bool placed = GroupHasPlace(r, k);
      const auto placeCell = [&](double value) { return placed ? Decimal(value, 2) : ""; };
      AddRow(tables.Groups,
             {key, std::to_string(r.GroupNumber(k)), std::to_string(r.RotationGroupNumber(k)),
              CsvField(r.GroupType(k)), std::to_string(r.SpotCount(k)),
              std::to_string(GroupDiskArea(r, k)), std::to_string(GroupCorrectedArea(r, k)),
              placeCell(g.HelioLatitude), placeCell(g.HelioLongitude),
              placeCell(g.CentralMeridianDistance), placed ? Decimal(r.Angle10(k) / 10.0, 1) : "",
              placed ? Decimal(r.Distance10(k) / 10.0, 1) : ""});
    }
    const auto fields = positions.FaculaeOf(i);
    for (int k = 1; k <= static_cast<int>(fields.size()); ++k) {
      const auto vertices = positions.VerticesOf(fields[static_cast<std::size_t>(k - 1)]);
      for (int v = 1; v <= static_cast<int>(vertices.size()); ++v) {
        const HeliographicPosition& h = vertices[static_cast<std::size_t>(v - 1)];
        const std::uint16_t packed = r.FaculaVertex(k, v);
        AddRow(tables.Faculae,
               {key, std::to_string(k), std::to_string(v),
                Decimal(FaculaVertexAngle10(packed) / 10.0, 0),
                Decimal(FaculaVertexDistance10(packed) / 10.0, 0), Decimal(h.HelioLatitude, 2),
                Decimal(h.HelioLongitude, 2), Decimal(h.CentralMeridianDistance, 2)});
      }
    }
  }
  return tables;
}

Refusal WriteTidyTables(const std::filesystem::path& folder, const TidyTables& tables) {
  return WriteReportFiles({{folder / kTidyDaysFile, tables.Days},
                           {folder / kTidyGroupsFile, tables.Groups},
                           {folder / kTidyFaculaeFile, tables.Faculae}});
}

}  // namespace ardeno
