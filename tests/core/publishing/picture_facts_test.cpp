// SPDX-License-Identifier: GPL-3.0-or-later
// What the program writes into its pictures about a drawing and about a database.
#include "core/publishing/picture_facts.h"

#include <gtest/gtest.h>

#include "core/shell/program_version.h"
#include "core/solar/ephemeris.h"
#include "core/text/number_format.h"
#include "support/database_builders.h"

namespace ardeno {
namespace {

ObservationRecord Drawing(const char* date, std::uint16_t timeUT, const char* observer,
                          const char* station) {
  ObservationRecord record;
  record.SetDate(date);
  record.SetTimeUT(timeUT);
  record.SetObserver(observer);
  record.SetStation(station);
  return record;
}

std::string Value(const PictureFacts& facts, std::string_view key) {
  const std::string* value = FactValue(facts, key);
  return value ? *value : "(none)";
}

TEST(DrawingFacts, NameTheMomentItsEphemerisAndWhoDrewIt) {
  const ObservationRecord record = Drawing("19.12.2024", 1005, "Růžička Tomáš", "Ondřejov");
  const PictureFacts facts = DrawingFacts(kDrawingView, record);
  const SolarEphemeris eph = Ephemeris({2024, 12, 19}, 1005);
  EXPECT_EQ(Value(facts, kFactView), "zákres");
  EXPECT_EQ(Value(facts, kFactDate), "19.12.2024");
  EXPECT_EQ(Value(facts, kFactTimeUT), "10:05");
  EXPECT_EQ(Value(facts, kFactP), FormatFloat("##0.00", eph.EphP));
  EXPECT_EQ(Value(facts, kFactB0), FormatFloat("##0.00", eph.EphB0));
  EXPECT_NEAR(std::stod(Value(facts, kFactL0)), eph.EphL0, 0.005);
  EXPECT_EQ(Value(facts, kFactRotation), std::to_string(eph.RotationNumber));
  EXPECT_EQ(Value(facts, kFactObserver), "Růžička Tomáš");
  EXPECT_EQ(Value(facts, kFactStation), "Ondřejov");
  EXPECT_EQ(Value(facts, kFactSoftware), "Ardeno " + std::string(kProgramVersion));
}

TEST(DrawingFacts, AnUnreadableDateHasNoEphemerisAndALineBreakStaysOneLine) {
  const ObservationRecord record = Drawing("31.02.2024", 2359, "Novák\r\nJan", "");
  const PictureFacts facts = DrawingFacts("drawing", record);
  EXPECT_EQ(FactValue(facts, kFactL0), nullptr);
  EXPECT_EQ(FactValue(facts, kFactRotation), nullptr);
  EXPECT_EQ(FactValue(facts, kFactStation), nullptr);  // empty: left out
  EXPECT_EQ(Value(facts, kFactTimeUT), "23:59");
  EXPECT_EQ(Value(facts, kFactObserver), "Novák  Jan");
}

TEST(DatabaseFacts, ThePeriodRunsFromTheEarliestToTheLatestDrawing) {
  std::vector<ObservationRecord> records = {
      Drawing("05.03.2014", 800, "A", "Praha"), Drawing("xx", 800, "A", "Brno"),
      Drawing("28.02.2014", 800, "A", "Praha"), Drawing("31.03.2014", 800, "B", "Ondřejov")};
  const Database db = test::DatabaseOf(records, 10);
  const PictureFacts facts = DatabaseFacts("daily-graph --index r", db);
  EXPECT_EQ(Value(facts, kFactView), "daily-graph --index r");
  EXPECT_EQ(Value(facts, kFactPeriod), "28.02.2014 - 31.03.2014");
  EXPECT_EQ(Value(facts, kFactStation), "Ondřejov");
}

TEST(DatabaseFacts, NoDatedDrawingNoPeriod) {
  const Database db = test::DatabaseOf({Drawing("", 0, "", "")}, 10);
  const PictureFacts facts = DatabaseFacts("map", db);
  EXPECT_EQ(FactValue(facts, kFactPeriod), nullptr);
  EXPECT_EQ(Value(facts, kFactSoftware), "Ardeno " + std::string(kProgramVersion));
}

}  // namespace
}  // namespace ardeno
