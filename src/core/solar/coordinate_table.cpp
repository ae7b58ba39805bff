// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/solar/coordinate_table.h"

#include "core/results/month_walk.h"
#include "core/solar/ephemeris.h"
#include "core/text/dates.h"
#include "core/text/number_format.h"

namespace ardeno {

namespace {
// A month that starts with L0 above this has just begun a rotation (L0 falls about 13.2
// degrees a day), so its first day carries the mark.
constexpr float kFirstDayWrap = 347.0f;
constexpr float kNoPrevious = 361.0f;
constexpr int kMarkRow = 34;
constexpr int kLateMarkRow = 35;
constexpr int kLateMarkDay = 28;
}  // namespace

std::string RotationMark::Text() const {
  return std::to_string(Day) + "- " + std::to_string(Rotation);
}

CoordinateTable BuildCoordinateTable(int year, int startMonth) {
  CoordinateTable table;
  table.Year = year;
  table.StartMonth = startMonth >= 8 ? 8 : startMonth >= 4 ? 4 : 0;
  // Held in single precision: it only changes on day 1 and at a mark.
  float previous = kNoPrevious;
  for (int i = 1; i <= 4; ++i) {
    CoordinateColumn& column = table.Columns[static_cast<std::size_t>(i - 1)];
    column.Month = table.StartMonth + i;
    // Every day is tested, 29 February included, so no rotation start goes unmarked.
    for (int d = 1; d <= DaysInMonth(year, column.Month); ++d) {
      const SolarEphemeris eph = Ephemeris({year, column.Month, d}, 0);
      column.Days[static_cast<std::size_t>(d)] = CoordinateDay{eph.EphL0, eph.EphB0, eph.EphP};
      if (d == 1) {
        previous = static_cast<float>(eph.EphL0);
        if (eph.EphL0 > kFirstDayWrap) {
          table.Marks.push_back({i, d, eph.RotationNumber, 200 * i - 130, kMarkRow});
          previous = kFirstDayWrap;
        }
      } else if (eph.EphL0 > previous) {
        table.Marks.push_back(
            {i, d, eph.RotationNumber, 200 * i - 50, d < kLateMarkDay ? kMarkRow : kLateMarkRow});
        previous = static_cast<float>(eph.EphL0);
      }
    }
  }
  return table;
}

std::string CoordinateTableText(const CoordinateTable& table) {
  std::string text = "Heliografické souřadnice pro rok " + std::to_string(table.Year) + "\n";
  text += "den";
  for (const CoordinateColumn& column : table.Columns)
    text += "  " + std::string(kCzechMonthNames[static_cast<std::size_t>(column.Month - 1)]) +
            ": L B P";
  text += "\n";
  for (int d = 1; d <= 31; ++d) {
    text += FormatInt(d, 3);
    for (const CoordinateColumn& column : table.Columns) {
      const std::optional<CoordinateDay>& day = column.Days[static_cast<std::size_t>(d)];
      if (!day) {
        text += std::string(3 * 7, ' ');
        continue;
      }
      for (double value : {day->L0, day->B0, day->P}) {
        const std::string number = FormatFloat("0.0", value);
        text += std::string(number.size() < 7 ? 7 - number.size() : 1, ' ') + number;
      }
    }
    // Blank cells of short months leave no trailing blanks.
    text.erase(text.find_last_not_of(' ') + 1);
    text += "\n";
  }
  for (const RotationMark& mark : table.Marks)
    text += "Rotace " +
            std::string(kCzechMonthNames[static_cast<std::size_t>(
                table.Columns[static_cast<std::size_t>(mark.Column - 1)].Month - 1)]) +
            ": " + mark.Text() + "\n";
  return text;
}

std::string CoordinateTableFileName(const std::string& yearText, int startMonth) {
  return "Souřadnice " + yearText + " " + std::to_string(startMonth + 1) + " - " +
         std::to_string(startMonth + 4) + ".bmp";
}

}  // namespace ardeno
