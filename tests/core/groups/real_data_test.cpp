// SPDX-License-Identifier: GPL-3.0-or-later
// Real groups of the decline of solar cycle 23 (USAF/NOAA, 2000-2007, every fifth day) placed on
// drawings: the per-rotation mean latitudes must show the groups moving towards the equator, as
// Spörer's law says, and each rotation's mean must be the mean of the latitudes it was given.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iostream>
#include <map>
#include <string>

#include "core/groups/group_records.h"
#include "core/groups/rotation_statistics.h"

namespace ardeno {
namespace {

struct Sighting {
  double CarringtonLongitude;
  double Latitude;
};

// One drawing per date at 0 h UT of the next day (the epoch of these positions).
Database LoadDecline() {
  std::ifstream in(std::string(ARDENO_TEST_DATA) + "/groups/usaf_groups_2000_2007_every5days.txt");
  std::map<std::int64_t, std::vector<Sighting>> byDay;
  std::string line;
  while (std::getline(in, line)) {
    if (line.size() < 68) continue;
    const CalendarDate date{std::stoi(line.substr(0, 4)), std::stoi(line.substr(4, 2)),
                            std::stoi(line.substr(6, 3))};
    byDay[DaySerial(date) + 1].push_back(
        {std::stod(line.substr(57, 5)), std::stod(line.substr(63, 5))});
  }
  std::vector<ObservationRecord> records;
  for (const auto& [serial, sightings] : byDay) {
    ObservationRecord record = test::Drawing(FormatDate(DateFromSerial(serial)), 0);
    const SolarEphemeris eph = *RecordEphemeris(record);
    int k = 0;
    for (const Sighting& s : sightings) {
      if (++k > kMaxGroups) break;
      const PolarPosition polar = HeliographicToPolar(
          eph, static_cast<float>(s.CarringtonLongitude), static_cast<float>(s.Latitude), 125);
      double angle = std::fmod(polar.PolarAngle, 360);
      if (angle < 0) angle += 360;
      record.SetGroupCount(k);
      record.SetAngle10(k, static_cast<std::uint16_t>(std::lround(angle * 10) % 3600));
      record.SetDistance10(
          k, static_cast<std::uint16_t>(std::min(1250L, std::lround(polar.PolarDistance * 10))));
      record.SetGroupType(k, "Cso");
    }
    records.push_back(record);
  }
  return test::DatabaseOf(records);
}

TEST(RealGroups, YearlyMeanAbsoluteLatitudeFallsThroughTheDeclineOfCycle23) {
  const Database db = LoadDecline();
  ASSERT_GT(db.RecordCount, 500);
  const RecordPositions positions = ComputeRecordPositions(db);
  const RotationStatistics stats = ComputeRotationStatistics(db, positions);
  ASSERT_FALSE(stats.LeftOut);

  // Year of each rotation: the year of its first drawing.
  std::map<int, int> yearOfRotation;
  for (int i = 1; i <= db.RecordCount; ++i) {
    yearOfRotation.emplace(db.Record(i).Rotation(), positions.Record(i).Date.Year);
  }
  std::map<int, std::pair<double, int>> byYear;  // sum of |latitude|, sightings
  for (int k = 1; k <= stats.RotationStatsCount(); ++k) {
    const auto found = yearOfRotation.find(stats.FirstRotation + k - 1);
    if (found == yearOfRotation.end()) continue;
    const RotationStats& s = stats.At(k);
    auto& [sum, count] = byYear[found->second];
    sum += s.SightingsNorth * static_cast<double>(s.MeanNorth) -
           s.SightingsSouth * static_cast<double>(s.MeanSouth);
    count += s.SightingsNorth + s.SightingsSouth;
  }
  std::map<int, double> mean;
  for (const auto& [year, sums] : byYear) {
    if (year > 2007) continue;
    mean[year] = sums.first / sums.second;
    std::cout << "mean |latitude| " << year << ": " << mean[year] << " deg (" << sums.second
              << " sightings)\n";
  }
  ASSERT_EQ(mean.size(), 8u);
  for (int year = 2002; year <= 2007; ++year) EXPECT_LT(mean[year], mean[year - 2]) << year;
  EXPECT_GT(mean[2000] - mean[2007], 7.0);
  EXPECT_NEAR(mean[2000], 16.7, 0.5);  // the file's own mean of these lines
  EXPECT_NEAR(mean[2007], 7.2, 0.5);
}

}  // namespace
}  // namespace ardeno
