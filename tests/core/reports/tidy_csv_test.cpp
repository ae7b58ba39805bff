// SPDX-License-Identifier: GPL-3.0-or-later
// The tables for data tools: quoting, the columns of a drawing, of a special drawing with and
// without a hemisphere marker, and the settings record of a new database, which is no drawing.
#include <gtest/gtest.h>

#include "core/reports/tidy_csv.h"
#include "core/solar/day_results.h"
#include "support/database_builders.h"
#include "support/temp_folder.h"

namespace ardeno {
namespace {

std::vector<std::string> Lines(const std::string& table) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < table.size()) {
    const std::size_t end = table.find("\r\n", start);
    lines.push_back(table.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

TEST(TidyCsv, FieldsAreQuotedOnlyWhenTheyMustBe) {
  EXPECT_EQ(CsvField("Novák Jan"), "Novák Jan");
  EXPECT_EQ(CsvField("Novák, Jan"), "\"Novák, Jan\"");
  EXPECT_EQ(CsvField("\"Honza\""), "\"\"\"Honza\"\"\"");
  EXPECT_EQ(CsvField("a\nb"), "\"a\nb\"");
  EXPECT_EQ(CsvField(""), "");
}

// 1 June 2003 09:00: a Cso of 4 spots at 45.0 degrees, 50.0 mm (north of the centre), area 120;
// 2 June a special drawing without places; 3 June a special one whose group stands at the
// south marker.
Database June2003() {
  ObservationRecord normal = test::OneGroupRecord({2003, 6, 1}, "Novák, Jan");
  normal.SetGroupNumber(1, 7);
  normal.SetRotationGroupNumber(1, 3);
  normal.SetFacularCount(1);
  normal.SetFaculaVertex(1, 1, 90 * 128 + 100);
  normal.SetFaculaVertex(1, 2, 92 * 128 + 101);
  StoreDayResults(normal, Ephemeris({2003, 6, 1}, 900));
  ObservationRecord counted = test::OneGroupRecord({2003, 6, 2}, "Zeman");
  counted.SetKind("zvlášťní");
  StoreDayResults(counted, Ephemeris({2003, 6, 2}, 900));
  ObservationRecord marked = counted;
  marked.SetDate("03.06.2003");
  marked.SetAngle10(1, kSouthMarkerAngle10);
  marked.SetDistance10(1, kMarkerDistance10);
  StoreDayResults(marked, Ephemeris({2003, 6, 3}, 900));
  return test::DatabaseOf({normal, counted, marked});
}

TEST(TidyCsv, DaysCarryTheIndicesAStatisticCounts) {
  const Database db = June2003();
  const TidyTables tables = BuildTidyTables(db, ComputeRecordPositions(db));
  const auto days = Lines(tables.Days);
  ASSERT_EQ(days.size(), 4u);
  EXPECT_EQ(days[0],
            "date,ut,observer,station,kind,p,b0,l0,rotation,g,g_n,g_s,f,f_n,f_s,r,r_n,r_s,cv,cv_n,"
            "cv_s,sn,sn_n,sn_s,rb,rb_n,rb_s,area,area_n,area_s,corrected_area,corrected_area_n,"
            "corrected_area_s");
  // Cso: CV 11, SN 4 (no penumbral spots), RB 8 * 4; area 120, corrected at 0.4 of the
  // radius 60 / 0.9166 = 65.
  EXPECT_TRUE(days[1].starts_with("2003-06-01,09:00,\"Novák, Jan\",Ondřejov,,"));
  EXPECT_TRUE(
      days[1].ends_with(",1,1,0,4,4,0,14,14,0,11,11,0,4,4,0,32,32,0,120,120,0,"
                        "65,65,0"))
      << days[1];
  // Without a marker: whole-disk counts only; no areas for any special drawing.
  EXPECT_NE(days[2].find(",zvlášťní,"), std::string::npos);
  EXPECT_TRUE(days[2].ends_with(",1,,,4,,,14,,,11,,,4,,,32,,,,,,,,")) << days[2];
  EXPECT_TRUE(days[3].ends_with(",1,0,1,4,0,4,14,0,14,11,0,11,4,0,4,32,0,32,,,,,,")) << days[3];
  EXPECT_EQ(tables.Drawings, 3);
}

TEST(TidyCsv, GroupsAndVerticesKeepTheirDrawingsKey) {
  const Database db = June2003();
  const TidyTables tables = BuildTidyTables(db, ComputeRecordPositions(db));
  const auto groups = Lines(tables.Groups);
  ASSERT_EQ(groups.size(), 4u);
  EXPECT_TRUE(groups[1].starts_with("2003-06-01,09:00,\"Novák, Jan\",7,3,Cso,4,120,65,"));
  EXPECT_TRUE(groups[1].ends_with(",45.0,50.0")) << groups[1];
  // Groups without a drawn place have no place columns.
  EXPECT_EQ(groups[2], "2003-06-02,09:00,Zeman,0,0,Cso,4,120,65,,,,,");
  EXPECT_EQ(groups[3].substr(groups[3].size() - 5), ",,,,,");
  const auto faculae = Lines(tables.Faculae);
  ASSERT_EQ(faculae.size(), 3u);
  EXPECT_TRUE(faculae[1].starts_with("2003-06-01,09:00,\"Novák, Jan\",1,1,90,100,"));
  EXPECT_TRUE(faculae[2].starts_with("2003-06-01,09:00,\"Novák, Jan\",1,2,92,101,"));
}

TEST(TidyCsv, TheSettingsRecordOfANewDatabaseIsNoDrawing) {
  ObservationRecord settings;
  settings.SetDate("09.12.2026");
  settings.SetTimeUT(1200);
  settings.SetRadiusWord(125);
  const Database db = test::DatabaseOf({settings});
  const TidyTables tables = BuildTidyTables(db, ComputeRecordPositions(db));
  EXPECT_EQ(tables.Drawings, 0);
  EXPECT_EQ(Lines(tables.Days).size(), 1u);
}

TEST(TidyCsv, ThreeFilesWrittenTogether) {
  const test::TempFolder folder;
  const Database db = June2003();
  const auto out = folder.Path() / "tables";
  ASSERT_TRUE(Succeeded(WriteTidyTables(out, BuildTidyTables(db, ComputeRecordPositions(db)))));
  for (const char* name : {kTidyDaysFile, kTidyGroupsFile, kTidyFaculaeFile})
    EXPECT_TRUE(std::filesystem::exists(out / name)) << name;
}

}  // namespace
}  // namespace ardeno
