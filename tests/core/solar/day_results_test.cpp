// SPDX-License-Identifier: GPL-3.0-or-later
// Daily results of one record: hemisphere assignment, each index's rule, wrapping sums, and the
// bytes StoreDayResults writes.
#include "core/solar/day_results.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>

#include "core/solar/heliographic.h"

namespace ardeno {
namespace {

std::uint16_t Word(const DayResults& block, int word) {
  return static_cast<std::uint16_t>(block[static_cast<std::size_t>(2 * word)] |
                                    block[static_cast<std::size_t>(2 * word + 1)] << 8);
}

struct Group {
  const char* type;
  std::uint8_t spots;
  std::uint8_t penumbral;
  std::uint16_t smallSpots;
  std::uint16_t area;
  std::uint16_t angle10;
  std::uint16_t distance10;
};

ObservationRecord RecordWith(std::initializer_list<Group> groups) {
  ObservationRecord record;
  record.SetDate("15.05.2014");
  record.SetTimeUT(830);
  int k = 0;
  for (const Group& g : groups) {
    ++k;
    record.SetGroupType(k, g.type);
    record.SetSpotCount(k, g.spots);
    record.SetPenumbralCount(k, g.penumbral);
    record.SetSmallSpots(k, g.smallSpots);
    record.SetArea(k, g.area);
    record.SetAngle10(k, g.angle10);
    record.SetDistance10(k, g.distance10);
  }
  record.SetGroupCount(k);
  return record;
}

const SolarEphemeris kMay2014 = Ephemeris({2014, 5, 15}, 830);

// A north group ("s" marker) and the hemisphere words it must leave in the block.
struct NorthGroupCase {
  const char* name;
  Group group;
  std::uint16_t cv, sn, rb, area;
};

class NorthGroup : public ::testing::TestWithParam<NorthGroupCase> {};

TEST_P(NorthGroup, AddsItsIndicesToTheNorthOnly) {
  const auto& c = GetParam();
  const auto block = ComputeDayResults(RecordWith({c.group}), kMay2014);
  EXPECT_EQ(Word(block, kGroupsN), 1);
  EXPECT_EQ(Word(block, kSpotsN), c.group.spots);
  EXPECT_EQ(Word(block, kRelativeN), 10 + c.group.spots);
  EXPECT_EQ(Word(block, kCVN), c.cv);
  EXPECT_EQ(Word(block, kSNN), c.sn);
  EXPECT_EQ(Word(block, kRBN), c.rb);
  EXPECT_EQ(Word(block, kAreaN), c.area);
  for (int w = kGroupsS; w <= kHemisphereAreaS; ++w) EXPECT_EQ(Word(block, w), 0) << w;
}

INSTANTIATE_TEST_SUITE_P(
    Rules, NorthGroup,
    ::testing::Values(
        // Hsx is the tenth class; H weighs 44 per spot; no penumbra: SN counts the spots.
        NorthGroupCase{"HsxOneSpot", {"Hsx", 1, 0, 0, 0, 10, 1200}, 10, 1, 44, 0},
        // With penumbral spots SN is the small spots plus ten per penumbral spot.
        NorthGroupCase{"PenumbralSpot", {"Cso", 3, 1, 2, 0, 10, 1200}, 11, 12, 24, 31},
        // A cleared slot: no CV, no RB, but spots and group still count.
        NorthGroupCase{"ClearedClass", {"***", 2, 0, 0, 0, 10, 1200}, 0, 2, 0, 0},
        // 10 + 2 small spots * 15.3 = 40.6 -> 41.
        NorthGroupCase{"SmallSpotArea", {"Axx", 1, 0, 2, 10, 10, 1200}, 1, 1, 4, 41},
        NorthGroupCase{"LastClass", {"Fhc", 30, 4, 10, 500, 10, 1200}, 60, 50, 36 * 30, 653},
        // The class comparison is exact: lower case is not the class, nor a weight.
        NorthGroupCase{"LowerCase", {"dkc", 5, 0, 0, 0, 10, 1200}, 0, 5, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

struct WeightCase {
  char letter;
  int weight;
};

class ZurichWeight : public ::testing::TestWithParam<WeightCase> {};

TEST_P(ZurichWeight, MultipliesTheSpotCount) {
  const auto& c = GetParam();
  EXPECT_EQ(RbWeight(c.letter), c.weight);
  const std::string type = std::string(1, c.letter) + "xx";
  const auto block =
      ComputeDayResults(RecordWith({{type.c_str(), 7, 0, 0, 0, 1790, 1200}}), kMay2014);
  EXPECT_EQ(Word(block, kRBS), 7 * c.weight);
}

INSTANTIATE_TEST_SUITE_P(
    Letters, ZurichWeight,
    ::testing::Values(WeightCase{'A', 4}, WeightCase{'B', 4}, WeightCase{'C', 8},
                      WeightCase{'D', 18}, WeightCase{'E', 25}, WeightCase{'F', 36},
                      WeightCase{'G', 50}, WeightCase{'H', 44}, WeightCase{'J', 37},
                      WeightCase{'I', 0}, WeightCase{'*', 0}),
    [](const auto& info) {
      return info.param.letter == '*' ? std::string("Star") : std::string(1, info.param.letter);
    });

TEST(DayResults, EmptyRecordGivesZeros) {
  ObservationRecord record;
  record.SetDate("01.01.2001");
  record.SetArea(1, 500);  // leftovers in an unused slot do not count
  record.SetSpotCount(1, 9);
  const auto block = ComputeDayResults(record, Ephemeris({2001, 1, 1}, 1200));
  for (std::uint8_t byte : block) EXPECT_EQ(byte, 0);
}

TEST(DayResults, MarkersCountInTheirHemisphereAllYear) {
  const auto record = RecordWith({{"Axx", 1, 0, 0, 0, kNorthMarkerAngle10, kMarkerDistance10},
                                  {"Bxo", 2, 0, 0, 0, kSouthMarkerAngle10, kMarkerDistance10},
                                  {"Bxo", 3, 0, 0, 0, kSouthMarkerAngle10, kMarkerDistance10}});
  for (CalendarDate d{2015, 1, 1}; d.Year == 2015; d = DateFromSerial(DaySerial(d) + 7)) {
    const auto block = ComputeDayResults(record, Ephemeris(d, 1200));
    EXPECT_EQ(Word(block, kGroupsN), 1) << FormatDate(d);
    EXPECT_EQ(Word(block, kSpotsN), 1) << FormatDate(d);
    EXPECT_EQ(Word(block, kGroupsS), 2) << FormatDate(d);
    EXPECT_EQ(Word(block, kSpotsS), 5) << FormatDate(d);
    EXPECT_EQ(Word(block, kRelativeS), 25) << FormatDate(d);
  }
}

TEST(DayResults, HemisphereFollowsTheLatitudeAtTheEquatorItself) {
  // A group placed at latitude 0 exactly counts north (b >= 0); just south of it counts south.
  SolarEphemeris eph;  // P = B0 = 0: the disk centre lies on the equator
  ASSERT_EQ(PolarToHeliographic(eph, 900, 0).HelioLatitude, 0.0);
  ASSERT_LT(PolarToHeliographic(eph, 1801, 10).HelioLatitude, 0.0);
  const auto block = ComputeDayResults(
      RecordWith({{"Axx", 1, 0, 0, 0, 900, 0}, {"Axx", 1, 0, 0, 0, 1801, 10}}), eph);
  EXPECT_EQ(Word(block, kGroupsN), 1);
  EXPECT_EQ(Word(block, kGroupsS), 1);
}

struct ForeshorteningCase {
  std::uint16_t distance10;
  int area;
  int expected;
};

class Foreshortening : public ::testing::TestWithParam<ForeshorteningCase> {};

TEST_P(Foreshortening, HalvesAndCorrectsTowardsTheLimb) {
  const auto& c = GetParam();
  const auto record =
      RecordWith({{"Axx", 1, 0, 0, static_cast<std::uint16_t>(c.area), 0, c.distance10}});
  EXPECT_EQ(HemisphereArea(c.area, record, 1), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Distances, Foreshortening,
    ::testing::Values(ForeshorteningCase{0, 100, 50},
                      // rho = 0.7999: 50 / sqrt(1 - 0.63984) = 83.3
                      ForeshorteningCase{1000, 100, 83},
                      // rho = 0.9999 on the limb: finite, about 70.7 times the half area
                      ForeshorteningCase{1250, 100, 3536},
                      // The limb margin shifts the centre too (rho = -0.0001): 2.5 grows a hair.
                      ForeshorteningCase{0, 5, 3}),
    [](const auto& info) {
      return "Distance" + std::to_string(info.param.distance10) + "Area" +
             std::to_string(info.param.area);
    });

TEST(DayResults, DamagedDistanceCountsOnTheLimbWithoutNaN) {
  for (std::uint16_t distance10 : {1251, 1300, 65535}) {
    const auto damaged = RecordWith({{"Dkc", 4, 1, 0, 200, 450, distance10}});
    const auto limb = RecordWith({{"Dkc", 4, 1, 0, 200, 450, 1250}});
    EXPECT_EQ(HemisphereArea(200, damaged, 1), HemisphereArea(200, limb, 1)) << distance10;
    EXPECT_EQ(ComputeDayResults(damaged, kMay2014), ComputeDayResults(limb, kMay2014))
        << distance10;
  }
}

TEST(DayResults, SumsWrapAt65536) {
  ObservationRecord record;
  record.SetDate("15.05.2014");
  record.SetGroupCount(kMaxGroups);
  for (int k = 1; k <= kMaxGroups; ++k) {
    record.SetGroupType(k, "Gxx");
    record.SetSpotCount(k, 255);
    record.SetArea(k, 65535);
    record.SetAngle10(k, kNorthMarkerAngle10);
    record.SetDistance10(k, kMarkerDistance10);
  }
  const auto block = ComputeDayResults(record, kMay2014);
  EXPECT_EQ(Word(block, kAreaN), static_cast<std::uint16_t>(kMaxGroups * 65535u));
  EXPECT_EQ(Word(block, kRBN), static_cast<std::uint16_t>(kMaxGroups * 50u * 255u));
  const auto halfArea = static_cast<unsigned>(HemisphereArea(65535, record, 1));
  EXPECT_EQ(Word(block, kHemisphereAreaN), static_cast<std::uint16_t>(kMaxGroups * halfArea));
  EXPECT_EQ(Word(block, kSpotsN), kMaxGroups * 255);
  EXPECT_EQ(Word(block, kRelativeN), 10 * kMaxGroups + kMaxGroups * 255);
}

TEST(StoreDayResults, WritesResultsAndCopiesAndKeepsEverythingElse) {
  auto record = RecordWith({{"Hsx", 1, 0, 0, 30, kSouthMarkerAngle10, kMarkerDistance10}});
  record.SetCentralGroups(3);
  record.SetCentralSpots(14);
  record.SetCentralR(44);
  record.SetFacularFields(6);
  record.SetConditions(2);
  record.SetImageQuality(3);
  record.SetQualityQ(4);
  record.Bytes[kRecordSize - 1] = 0xA5;         // reserved: not the results' to set
  record.SetResultWord(kHemisphereAreaN, 999);  // stale value from an earlier store
  const ObservationRecord before = record;

  StoreDayResults(record, kMay2014);

  const auto computed = ComputeDayResults(before, kMay2014);
  for (int w = kGroupsN; w <= kHemisphereAreaS; ++w) {
    EXPECT_EQ(record.ResultWord(w), Word(computed, w)) << w;
  }
  EXPECT_EQ(record.ResultWord(kHemisphereAreaN), 0);
  EXPECT_EQ(record.ResultWord(kCVS), 10);
  EXPECT_EQ(record.ResultWord(kResultTime), 830);
  EXPECT_EQ(record.ResultWord(kCentralGroupsCopy), 3);
  EXPECT_EQ(record.ResultWord(kCentralSpotsCopy), 14);
  EXPECT_EQ(record.ResultWord(kCentralRCopy), 44);
  EXPECT_EQ(record.ResultWord(kFacularFieldsCopy), 6);
  EXPECT_EQ(record.Bytes[kConditionsCopyOffset], 2);
  EXPECT_EQ(record.Bytes[kImageQualityCopyOffset], 3);
  EXPECT_EQ(record.Bytes[kQualityQCopyOffset], 4);
  EXPECT_EQ(record.Bytes[kRecordSize - 1], 0xA5);
  EXPECT_TRUE(std::equal(record.Bytes.begin(), record.Bytes.begin() + kResultsOffset,
                         before.Bytes.begin()));
}

}  // namespace
}  // namespace ardeno
