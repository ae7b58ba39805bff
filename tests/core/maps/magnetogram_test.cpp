// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/maps/magnetogram.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "support/temp_folder.h"

namespace ardeno {
namespace {

using test::TempFolder;

std::string Words(const std::vector<std::uint16_t>& words) {
  std::string bytes;
  for (std::uint16_t w : words) {
    bytes.push_back(static_cast<char>(w & 0xFF));
    bytes.push_back(static_cast<char>(w >> 8));
  }
  return bytes;
}

constexpr std::uint16_t Point(int column, int code) {
  return static_cast<std::uint16_t>(column * 128 + code);
}

struct ParseCase {
  std::string name;
  std::string bytes;
  int headerWords;
  std::vector<MagnetogramPoint> points;
  bool endWordFound;
  bool oddByteDropped;
};

class MagnetogramParse : public ::testing::TestWithParam<ParseCase> {};

TEST_P(MagnetogramParse, DecodesWithinTheBytes) {
  const ParseCase& c = GetParam();
  const Magnetogram day = ParseMagnetogram(c.bytes, c.headerWords);
  EXPECT_EQ(day.Points, c.points);
  EXPECT_EQ(day.EndWordFound, c.endWordFound);
  EXPECT_EQ(day.OddByteDropped, c.oddByteDropped);
}

INSTANTIATE_TEST_SUITE_P(
    Words, MagnetogramParse,
    ::testing::Values(
        ParseCase{"RowsAdvanceAtWord64",
                  Words({426, Point(200, 5), 64, Point(201, 63), Point(3, 0), 0}),
                  1,
                  {{1, 200, 5}, {2, 201, 63}, {2, 3, 0}},
                  true,
                  false},
        ParseCase{"HeaderWordsAreSkippedWhateverTheyHold",
                  Words({0, 64, Point(9, 1), 0}),
                  2,
                  {{1, 9, 1}},
                  true,
                  false},
        ParseCase{"BitSixIsNoPartOfTheCode",
                  Words({1, Point(10, 0) + 64 + 7, 0}),
                  1,
                  {{1, 10, 7}},
                  true,
                  false},
        ParseCase{"WordsAfterTheEndAreNotRead",
                  Words({1, Point(4, 2), 0, Point(5, 3)}),
                  1,
                  {{1, 4, 2}},
                  true,
                  false},
        ParseCase{"MissingEndWordStopsAtTheFileEnd",
                  Words({1, Point(4, 2), 64, Point(6, 1)}),
                  1,
                  {{1, 4, 2}, {2, 6, 1}},
                  false,
                  false},
        ParseCase{
            "OddLastByteIsNoWord", Words({1, Point(4, 2)}) + "\x05", 1, {{1, 4, 2}}, false, true},
        ParseCase{"ShorterThanItsHeader", std::string("\x01", 1), 2, {}, false, true},
        ParseCase{"Empty", "", 1, {}, false, false}),
    [](const auto& info) { return info.param.name; });

TEST(MagnetogramName, DatesAndNamesBothWays) {
  EXPECT_EQ(MagnetogramFileName({2001, 1, 9}), "010109");
  EXPECT_EQ(MagnetogramFileName({1999, 12, 31}), "991231");
  EXPECT_EQ(MagnetogramFileDate("491231"), (CalendarDate{2049, 12, 31}));
  EXPECT_EQ(MagnetogramFileDate("500101"), (CalendarDate{1950, 1, 1}));
  EXPECT_EQ(MagnetogramFileDate("000229"), (CalendarDate{2000, 2, 29}));
  EXPECT_FALSE(MagnetogramFileDate("990229")) << "1999 was no leap year";
  EXPECT_FALSE(MagnetogramFileDate("9912310"));
  EXPECT_FALSE(MagnetogramFileDate("99a231"));
}

TEST(MagnetogramFile, MissingDayIsNoDataAndHugeFileIsReadOnlyToItsLimit) {
  TempFolder folder;
  EXPECT_FALSE(ReadMagnetogramDay(folder.Path(), {2003, 5, 1}, kMapMagnetogramHeaderWords));

  // Points all the way, no end word, far past the limit.
  std::string huge = Words({426});
  const std::string row = Words({Point(300, 9), 64});
  while (huge.size() <= kMaxMagnetogramBytes + 4096) huge += row;
  folder.Write("Magneto/030502", huge);
  const auto day = ReadMagnetogramDay(folder.Path(), {2003, 5, 2}, kMapMagnetogramHeaderWords);
  ASSERT_TRUE(day);
  EXPECT_TRUE(day->CutAtSizeLimit);
  EXPECT_FALSE(day->EndWordFound);
  // After the header word, points and row ends alternate up to the last word read.
  EXPECT_EQ(day->Points.size(), kMaxMagnetogramBytes / 4);
}

// The disk centre, the directions north and west and the limb pin the orientation of the images.
TEST(MagnetogramConversion, ImageOrientationOnTheSun) {
  const SolarEphemeris eph = Ephemeris({2003, 5, 1}, 0);
  const auto centre = MagnetogramToHeliographic(
      eph, MagnetogramPlanePosition({kMagnetogramCentreRow, kUnderlayCentreColumn, 0},
                                    kUnderlayCentreColumn));
  ASSERT_TRUE(centre);
  EXPECT_NEAR(centre->HelioLatitude, eph.EphB0, 1e-6);
  EXPECT_NEAR(centre->HelioLongitude, eph.EphL0, 1e-6);

  const auto north = MagnetogramToHeliographic(eph, {0, 100});
  const auto west = MagnetogramToHeliographic(eph, {100, 0});
  ASSERT_TRUE(north && west);
  EXPECT_GT(north->HelioLatitude, eph.EphB0 + 20);
  EXPECT_NEAR(north->CentralMeridianDistance, 0, 1e-3);
  EXPECT_GT(west->CentralMeridianDistance, 20) << "west of the central meridian";
  EXPECT_FALSE(MagnetogramToHeliographic(eph, {200, 160})) << "outside the disk";
}

struct Place {
  double l;
  double b;
};

// Within the pixel resolution: one image pixel is about 0.3 degrees at the centre and grows
// towards the limb, so places are kept within 60 degrees of the centre.
TEST(MagnetogramConversion, GeneratedDayFileLandsAtItsPlaces) {
  TempFolder folder;
  const CalendarDate date{2003, 5, 1};
  const SolarEphemeris eph = Ephemeris(date, kMagnetogramTimeUT);
  std::vector<Place> places;
  for (double dl : {-50.0, -20.0, 0.0, 15.0, 45.0})
    for (double b : {-35.0, -10.0, 0.0, 12.0, 40.0})
      places.push_back({std::fmod(eph.EphL0 + dl + 360, 360), b});
  for (int centre : {kUnderlayCentreColumn, kSummationCentreColumn}) {
    std::vector<MagnetogramPoint> points;
    for (const Place& p : places) {
      const auto point =
          MagnetogramPointAt(eph, p.l, p.b, centre, 1 + static_cast<int>(points.size()));
      ASSERT_TRUE(point) << p.l << " " << p.b;
      points.push_back(*point);
    }
    folder.Write("Magneto/030501", EncodeMagnetogram(points, kMapMagnetogramHeaderWords));
    const auto day = ReadMagnetogramDay(folder.Path(), date, kMapMagnetogramHeaderWords);
    ASSERT_TRUE(day);
    ASSERT_TRUE(day->EndWordFound);
    ASSERT_EQ(day->Points.size(), places.size());
    for (const MagnetogramPoint& point : day->Points) {
      const Place& expected = places[static_cast<std::size_t>(point.Code - 1)];
      const auto found = MagnetogramToHeliographic(eph, MagnetogramPlanePosition(point, centre));
      ASSERT_TRUE(found);
      EXPECT_NEAR(found->HelioLatitude, expected.b, 1.0) << "centre " << centre;
      EXPECT_NEAR(std::remainder(found->HelioLongitude - expected.l, 360.0), 0, 1.5)
          << "centre " << centre << " b " << expected.b;
    }
  }
  EXPECT_FALSE(MagnetogramPointAt(eph, std::fmod(eph.EphL0 + 180, 360), 0, 250, 1)) << "far side";
}

}  // namespace
}  // namespace ardeno
