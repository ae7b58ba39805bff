// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/quality/station_file.h"

#include <gtest/gtest.h>

#include <string>

#include "support/temp_folder.h"

namespace ardeno {
namespace {

struct StationCase {
  const char* Name;
  const char* Text;
  std::optional<StationPlace> Place;
  const char* ProblemPart;  // nullptr when the file reads
};

const StationCase kCases[] = {
    {"CrLf", "49.9100\r\n14.7800\r\n", StationPlace{49.91, 14.78}, nullptr},
    {"LfWithBlanksAndSigns", " -33.5 \n+151.25", StationPlace{-33.5, 151.25}, nullptr},
    {"WholeDegrees", "50\n15\n", StationPlace{50, 15}, nullptr},
    {"DecimalComma", "49,91\n14,78\n", std::nullopt, "řádek 1"},
    {"MissingLongitude", "49.91\n", std::nullopt, "řádek 2"},
    {"TextAfterNumber", "49.91 N\n14.78\n", std::nullopt, "řádek 1"},
    {"LatitudeBeyondPole", "91\n14\n", std::nullopt, "šířka"},
    {"LongitudeBeyond180", "49\n181\n", std::nullopt, "délka"},
};

class StationFileTest : public ::testing::TestWithParam<StationCase> {};

TEST_P(StationFileTest, ReadsPlaceOrNamesTheLine) {
  const StationCase& c = GetParam();
  const StationReading reading = ParseStationFile(c.Text);
  EXPECT_EQ(reading.Place, c.Place);
  if (c.ProblemPart == nullptr) {
    EXPECT_FALSE(reading.Problem) << *reading.Problem;
  } else {
    ASSERT_TRUE(reading.Problem);
    EXPECT_NE(reading.Problem->find(c.ProblemPart), std::string::npos) << *reading.Problem;
  }
}

INSTANTIATE_TEST_SUITE_P(Texts, StationFileTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(StationFileRoundTripTest, WrittenPlaceReadsBackAndBadPlaceIsRefused) {
  test::TempFolder folder;
  EXPECT_FALSE(ReadStationFile(folder.Path()).Place);
  EXPECT_FALSE(ReadStationFile(folder.Path()).Problem);
  ASSERT_TRUE(Succeeded(WriteStationFile(folder.Path(), {49.91, -14.78})));
  EXPECT_EQ(ReadStationFile(folder.Path()).Place, (StationPlace{49.91, -14.78}));
  EXPECT_FALSE(Succeeded(WriteStationFile(folder.Path(), {95, 14})));
  EXPECT_EQ(ReadStationFile(folder.Path()).Place, (StationPlace{49.91, -14.78}));
}

}  // namespace
}  // namespace ardeno
