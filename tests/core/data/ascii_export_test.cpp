// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/data/ascii_export.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/solar/ephemeris.h"
#include "core/solar/heliographic.h"
#include "core/text/encoding.h"
#include "core/text/number_format.h"
#include "support/database_builders.h"
#include "support/temp_folder.h"

namespace ardeno {
namespace {

using test::TempFolder;

const std::string kHeaderLine = "   Datum    čas   č typ  l   b  ploch lv  bv plo.v";

struct Place {
  std::uint16_t Angle10, Distance10;
};

// The drawing position of a heliographic place at the record's moment, as the editor stores it.
Place PlaceOf(const ObservationRecord& record, float longitude, float latitude) {
  const auto eph = *RecordEphemeris(record);
  const auto polar = HeliographicToPolar(eph, longitude, latitude, 125.0f);
  double angle = std::fmod(polar.PolarAngle, 360.0);
  if (angle < 0) angle += 360.0;
  return {static_cast<std::uint16_t>(Round(angle * 10)),
          static_cast<std::uint16_t>(Round(polar.PolarDistance * 10))};
}

void SetGroup(ObservationRecord& record, int k, const char* type, float longitude, float latitude,
              std::uint16_t area, std::uint16_t smallSpots, std::uint16_t number) {
  record.SetGroupCount(std::max(record.GroupCount(), k));
  record.SetGroupType(k, type);
  const Place place = PlaceOf(record, longitude, latitude);
  record.SetAngle10(k, place.Angle10);
  record.SetDistance10(k, place.Distance10);
  record.SetArea(k, area);
  record.SetSmallSpots(k, smallSpots);
  record.SetRotationGroupNumber(k, number);
}

// Longitudes in these tests lie within 70 degrees of the central meridian of their dates
// (L0 about 104 on 5.3.2001, 80 on 31.12.2001, 263 on 10.10.2010).
ObservationRecord Drawing(const char* date, std::uint16_t timeUT) {
  ObservationRecord record;
  record.SetDate(date);
  record.SetTimeUT(timeUT);
  return record;
}

std::vector<std::string> Lines(const std::string& cp1250) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < cp1250.size()) {
    const std::size_t end = cp1250.find("\r\n", start);
    EXPECT_NE(end, std::string::npos) << "every line ends with CR LF";
    if (end == std::string::npos) break;
    lines.push_back(Cp1250ToUtf8(cp1250.substr(start, end - start)));
    start = end + 2;
  }
  return lines;
}

TEST(AsciiExport, EmptyDatabaseWritesOnlyTheHeader) {
  Database db = test::DatabaseOf({Drawing("01.01.2001", 1200)});
  const std::string text = AsciiExportText(db);
  EXPECT_EQ(text, Utf8ToCp1250(kHeaderLine) + "\r\n");
  EXPECT_EQ(static_cast<unsigned char>(text[12]), 0xE8) << "\"č\" in Windows-1250";
}

TEST(AsciiExport, LinesFollowTheLayoutRules) {
  ObservationRecord first = Drawing("5.3.2001", 705);
  SetGroup(first, 1, "Dkc", 123.2f, 3.4f, 150, 2, 7);  // area 150 + 2 * 7.6 = 165.2
  SetGroup(first, 2, "Bxo", 84.3f, -3.4f, 20, 3, 12);  // 20 + 22.8 = 42.8
  first.SetAux1Position(2, 45 * 128 + 60);
  first.SetAux1Area(2, 9);
  SetGroup(first, 3, "Bxi", 140.0f, 12.0f, 5, 0, 3);      // a B group without auxiliary spot
  ObservationRecord empty = Drawing("06.03.2001", 1000);  // no groups: no line
  ObservationRecord late = Drawing("31.12.2001", 2359);
  SetGroup(late, 1, "", 59.6f, -20.2f, 1234, 0, 99);  // empty class

  Database db = test::DatabaseOf({first, empty, late});
  const auto lines = Lines(AsciiExportText(db));
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[0], kHeaderLine);

  EXPECT_EQ(lines[1], "05:03:2001 07 05 07 Dkc 123  03 0165              ");
  // The auxiliary spot: angle 45 degrees, distance 60 mm, converted at the record's moment.
  const auto eph = Ephemeris(CalendarDate{2001, 3, 5}, 705);
  const auto spot = PolarToHeliographic(eph, 450.0, 600.0);
  EXPECT_EQ(lines[2], "05:03:2001 07 05 12 Bxo 084 -03 0043 " +
                          FormatFloat("000", spot.HelioLongitude) + " " +
                          FormatFloat(" 00;-00", spot.HelioLatitude) + " 0009");
  EXPECT_EQ(lines[3], "05:03:2001 07 05 03 Bxi 140  12 0005              ");
  EXPECT_EQ(lines[4], "31:12:2001 23 59 99 *** 060 -20 1234              ");
  for (const auto& line : lines) EXPECT_LE(line.size(), 100u);
}

TEST(AsciiExport, EmptyClassIsRepairedInTheDatabase) {
  ObservationRecord record = Drawing("10.10.2010", 1130);
  SetGroup(record, 1, "", 250.0f, 10.0f, 10, 0, 1);
  Database db = test::DatabaseOf({record});
  AsciiExportText(db);
  EXPECT_EQ(db.Record(1).GroupType(1), "***");
  EXPECT_FALSE(db.DataChanged);
}

TEST(AsciiExport, MinutesPastFiftyNineCarryIntoTheHour) {
  ObservationRecord record = Drawing("10.10.2010", 790);  // 7 h 90 min
  SetGroup(record, 1, "Axx", 250.0f, 10.0f, 10, 0, 1);
  Database db = test::DatabaseOf({record});
  EXPECT_EQ(Lines(AsciiExportText(db))[1].substr(11, 5), "08 30");
}

TEST(AsciiExport, UnparsableDateRefusesBeforeAnythingChanges) {
  ObservationRecord good = Drawing("10.10.2010", 1130);
  SetGroup(good, 1, "", 250.0f, 10.0f, 10, 0, 1);
  ObservationRecord bad = Drawing("31.02.2010", 1130);
  bad.SetGroupCount(1);
  Database db = test::DatabaseOf({good, bad});
  const auto refusal = CheckAsciiExport(db);
  ASSERT_TRUE(refusal.has_value());
  EXPECT_NE(refusal->find("Záznam č. 2"), std::string::npos) << *refusal;
  EXPECT_THROW(AsciiExportText(db), std::invalid_argument);
  EXPECT_EQ(db.Record(1).GroupType(1), "") << "no repair when the export is refused";

  TempFolder folder;
  folder.Write(kAsciiExportFileName, "previous export");
  EXPECT_EQ(WriteAsciiExport(db, folder.Path()), refusal);
  EXPECT_EQ(folder.Read(kAsciiExportFileName), "previous export");
}

TEST(AsciiExport, WritesTheFileWhole) {
  ObservationRecord record = Drawing("10.10.2010", 1130);
  SetGroup(record, 1, "Hsx", 250.0f, 10.0f, 10, 0, 1);
  Database db = test::DatabaseOf({record});
  TempFolder folder;
  folder.Write(kAsciiExportFileName, std::string(5000, 'x'));
  ASSERT_TRUE(Succeeded(WriteAsciiExport(db, folder.Path())));
  EXPECT_EQ(folder.Read(kAsciiExportFileName), AsciiExportText(db));
  EXPECT_FALSE(std::filesystem::exists(folder.Path() / "SoubASCI.dat.tmp"));
  EXPECT_TRUE(WriteAsciiExport(db, folder.Path() / "missing").has_value());
}

}  // namespace
}  // namespace ardeno
