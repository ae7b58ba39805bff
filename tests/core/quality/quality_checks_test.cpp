// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/quality/quality_checks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "core/solar/day_results.h"
#include "support/map_records.h"

namespace ardeno {
namespace {

using test::AddGroup;
using test::AuxWord;
using test::DatabaseOf;
using test::MapRecord;

// Ondřejov observatory.
constexpr StationPlace kOndrejov{49.9100, 14.7800};
constexpr CalendarDate kDay{2014, 3, 10};

CalendarDate Later(int days) { return DateFromSerial(DaySerial(kDay) + days); }

// A drawing by Novák at Ondřejov with its results stored as the editor stores them.
ObservationRecord Drawing(const CalendarDate& date, std::uint16_t timeUT = 1000) {
  ObservationRecord r = MapRecord(date, timeUT);
  r.SetObserver("Novák");
  r.SetStation("Ondřejov");
  r.SetConditions(2);
  r.SetImageQuality(3);
  r.SetQualityQ(2);
  return r;
}

ObservationRecord Stored(ObservationRecord r) {
  StoreDayResults(r, *RecordEphemeris(r));
  return r;
}

double CentralLongitude(const ObservationRecord& r) { return RecordEphemeris(r)->EphL0; }

// A drawing with one group of class `type` at the central meridian and latitude b, its
// auxiliary spots `extent` degrees apart in longitude (none when 0).
ObservationRecord ClassDrawing(const char* type, double extent, double b = 12) {
  ObservationRecord r = Drawing(kDay);
  const double l = CentralLongitude(r);
  AddGroup(r, 1, l, b, 100);
  r.SetGroupType(1, type);
  if (extent > 0) {
    r.SetAux1Position(1, AuxWord(r, l - extent / 2, b));
    r.SetAux2Position(1, AuxWord(r, l + extent / 2, b));
  }
  return Stored(r);
}

// Drawings of group `number` (rotation numbering) on two days, the second at l + dl, b + db.
std::vector<ObservationRecord> TwoSightings(double dl, double db, bool globalNumber) {
  ObservationRecord first = Drawing(kDay);
  const double l = CentralLongitude(first) + 20;
  AddGroup(first, 5, l, 10, 100);
  ObservationRecord second = Drawing(Later(1));
  AddGroup(second, 5, l + dl, 10 + db, 100);
  if (globalNumber) {
    first.SetGroupNumber(1, 1234);
    second.SetGroupNumber(1, 1234);
  }
  return {Stored(first), Stored(second)};
}

// One group at one place on three consecutive days, typed with the three numbers.
std::vector<ObservationRecord> TypedThreeDays(int first, int second, int third) {
  std::vector<ObservationRecord> records;
  for (const int number : {first, second, third}) {
    ObservationRecord r = Drawing(Later(static_cast<int>(records.size())));
    AddGroup(r, 5, CentralLongitude(Drawing(kDay)) + 20, 10, 100);
    r.SetGroupNumber(1, static_cast<std::uint16_t>(number));
    records.push_back(Stored(r));
  }
  return records;
}

// Ten days of one group with 40 spots (R = 50) against SILSO's numbers from `silso`.
struct Scene {
  std::vector<ObservationRecord> Records;
  ReferenceNumbers Reference;
  std::optional<std::int64_t> LastChangeSeconds;
};

Scene SilsoDays(int lastOwnSpots, int lastSilso) {
  Scene scene;
  for (int d = 0; d < 10; ++d) {
    ObservationRecord r = Drawing(Later(d));
    AddGroup(r, 0, CentralLongitude(r), 10, 100);
    r.SetSpotCount(1, d == 9 ? static_cast<std::uint8_t>(lastOwnSpots) : 40);
    if (d == 9 && lastOwnSpots == 0) r.SetGroupCount(0);
    scene.Records.push_back(Stored(r));
    scene.Reference[DaySerial(Later(d))].Total = d == 9 ? lastSilso : 50;
  }
  return scene;
}

struct CheckCase {
  const char* Name;
  std::function<Scene()> Build;
  const char* Code;  // the only code expected; nullptr: nothing at all
  Severity Level = Severity::Warning;
  int Group = 0;
};

Scene Only(std::vector<ObservationRecord> records) { return {std::move(records), {}, {}}; }

const CheckCase kCases[] = {
    {"LocalTimeBeforeSunrise",
     [] {
       ObservationRecord r = Drawing({2014, 12, 15}, 530);
       AddGroup(r, 1, CentralLongitude(r), 10, 100);
       return Only({Stored(r)});
     },
     "Q01", Severity::Error},
    {"MorningDrawingAfterSunrise",
     [] {
       return Only({Stored(Drawing({2014, 12, 15}, 800))});
     },
     nullptr},
    {"ClassDTooLong", [] { return Only({ClassDrawing("Dao", 16)}); }, "Q02", Severity::Warning, 1},
    {"ClassDWithinSlack", [] { return Only({ClassDrawing("Dao", 13.5)}); }, nullptr},
    {"ClassETooShort", [] { return Only({ClassDrawing("Eai", 4)}); }, "Q02", Severity::Warning, 1},
    {"ClassEInRange", [] { return Only({ClassDrawing("Eai", 12)}); }, nullptr},
    {"ClassFWithoutAuxiliarySpots", [] { return Only({ClassDrawing("Fkc", 0)}); }, nullptr},
    {"ClassFTooShort", [] { return Only({ClassDrawing("Fkc", 9)}); }, "Q02", Severity::Warning, 1},
    {"ClassHSpreadOut", [] { return Only({ClassDrawing("Hsx", 6)}); }, "Q02", Severity::Warning, 1},
    {"ClassAFromSlackEdge", [] { return Only({ClassDrawing("Axx", 4.5)}); }, nullptr},
    {"LatitudeAbove45", [] { return Only({ClassDrawing("Cso", 0, -50)}); }, "Q03",
     Severity::Warning, 1},
    {"LatitudeAbove60", [] { return Only({ClassDrawing("Cso", 0, 63)}); }, "Q03", Severity::Error,
     1},
    {"LatitudeUsual", [] { return Only({ClassDrawing("Cso", 0, 40)}); }, nullptr},
    {"CatalogueDayNotChecked",
     [] {
       ObservationRecord r = ClassDrawing("Dao", 30, 63);
       r.SetObserver("NOAA");
       r.SetStation("NOAA SWPC");
       return Only({r});
     },
     nullptr},
    {"NumberReusedFarAway", [] { return Only(TwoSightings(40, 0, false)); }, "Q04", Severity::Error,
     1},
    {"NumberKeptByMovingGroup", [] { return Only(TwoSightings(1, 1, false)); }, nullptr},
    {"GroupJumpedInLatitude", [] { return Only(TwoSightings(0, 6, true)); }, "Q05",
     Severity::Warning, 1},
    {"GroupFollowedRotation", [] { return Only(TwoSightings(0.2, 0.5, true)); }, nullptr},
    {"NumberMistypedOnOneDayOfATrack", [] { return Only(TypedThreeDays(1234, 1234, 1243)); }, "Q09",
     Severity::Warning, 1},
    {"OneNumberAlongATrack", [] { return Only(TypedThreeDays(1234, 1234, 1234)); }, nullptr},
    {"HemisphereSumsStale",
     [] {
       ObservationRecord r = ClassDrawing("Cso", 0);
       r.SetResultWord(kGroupsS, 1);
       return Only({r});
     },
     "Q06", Severity::Error},
    {"HemisphereSpotsStale",
     [] {
       ObservationRecord r = ClassDrawing("Cso", 0);
       r.SetSpotCount(1, 9);
       return Only({r});
     },
     "Q06", Severity::Error},
    {"MarkerWithBothHemispheres",
     [] {
       ObservationRecord r = Drawing(kDay);
       AddGroup(r, 0, CentralLongitude(r), 10, 0);
       r.SetAngle10(1, kNorthMarkerAngle10);
       r.SetDistance10(1, kMarkerDistance10);
       AddGroup(r, 0, CentralLongitude(r), -15, 100);
       r.SetKind("zvlášťní");
       return Only({Stored(r)});
     },
     "Q06", Severity::Warning, 1},
    {"MarkerWithOneHemisphere",
     [] {
       ObservationRecord r = Drawing(kDay);
       AddGroup(r, 0, CentralLongitude(r), 10, 0);
       r.SetAngle10(1, kNorthMarkerAngle10);
       r.SetDistance10(1, kMarkerDistance10);
       AddGroup(r, 0, CentralLongitude(r), 15, 100);
       r.SetKind("zvlášťní");
       return Only({Stored(r)});
     },
     nullptr},
    {"FarAboveSilso", [] { return SilsoDays(40, 160); }, "Q07"},
    {"SpotlessAgainstSilso", [] { return SilsoDays(0, 45); }, "Q07"},
    {"CloseToSilso", [] { return SilsoDays(40, 110); }, nullptr},
    {"SmallNumbersNotJudged", [] { return SilsoDays(2, 1); }, nullptr},
    {"ConditionsOutOfRange",
     [] {
       ObservationRecord r = Drawing(kDay);
       r.SetConditions(7);
       return Only({Stored(r)});
     },
     "Q08", Severity::Error},
    {"RatingsNotGiven",
     [] {
       ObservationRecord r = Drawing(kDay);
       r.SetImageQuality(0);
       r.SetQualityQ(0);
       return Only({Stored(r)});
     },
     "Q11"},
    {"GroupTypedTwice",
     [] {
       ObservationRecord r = ClassDrawing("Cso", 0);
       AddGroup(r, 0, CentralLongitude(r) + 0.6, 12.3, 100);
       r.SetGroupType(2, "Cso");
       return Only({Stored(r)});
     },
     "Q10", Severity::Warning, 2},
    {"NeighbouringGroupsApart",
     [] {
       ObservationRecord r = ClassDrawing("Cso", 0);
       AddGroup(r, 0, CentralLongitude(r) + 2, 12, 100);
       r.SetGroupType(2, "Cso");
       return Only({Stored(r)});
     },
     nullptr},
    {"TimeNotGiven", [] { return Only({Stored(Drawing(kDay, 0))}); }, "Q08", Severity::Error},
    {"MinutesPastSixty", [] { return Only({Stored(Drawing(kDay, 1075))}); }, "Q08",
     Severity::Error},
    {"DrawingAfterFileChanged",
     [] {
       Scene scene = Only({Stored(Drawing(kDay, 1000))});
       // 10.3.2014 9:00 UT
       scene.LastChangeSeconds = (DaySerial(kDay) - 25569) * 86400 + 9 * 3600;
       return scene;
     },
     "Q08", Severity::Error},
    {"DrawingBeforeFileChanged",
     [] {
       Scene scene = Only({Stored(Drawing(kDay, 1000))});
       scene.LastChangeSeconds = (DaySerial(kDay) - 25569) * 86400 + 10 * 3600 + 60;
       return scene;
     },
     nullptr},
};

class QualityCheckTest : public ::testing::TestWithParam<CheckCase> {};

TEST_P(QualityCheckTest, FindsThePlantedFaultAndNothingElse) {
  const CheckCase& c = GetParam();
  const Scene scene = c.Build();
  const Database db = DatabaseOf(scene.Records);
  const RecordPositions positions = ComputeRecordPositions(db);
  const QualityReport report =
      CheckQuality({db, positions, {kOndrejov, {}}, &scene.Reference, scene.LastChangeSeconds});
  if (c.Code == nullptr) {
    for (const auto& f : report.Findings) ADD_FAILURE() << FindingLine(f);
    return;
  }
  ASSERT_EQ(report.Findings.size(), 1u)
      << (report.Findings.empty() ? std::string("none") : FindingLine(report.Findings.front()));
  const QualityFinding& f = report.Findings.front();
  EXPECT_EQ(f.Code, c.Code) << FindingLine(f);
  EXPECT_EQ(f.Level, c.Level) << FindingLine(f);
  EXPECT_EQ(f.Group, c.Group) << FindingLine(f);
  EXPECT_EQ(f.RecordIndex, static_cast<int>(scene.Records.size())) << FindingLine(f);
  EXPECT_EQ(f.Observer, db.Record(f.RecordIndex).Observer());
}

INSTANTIATE_TEST_SUITE_P(Checks, QualityCheckTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.Name); });

// Group 1234 on four consecutive days with latitude offsets from its first place: one drawing
// that disagrees with both neighbours is the only one named; a group that really moved is named
// where it moved.
struct JumpCase {
  const char* Name;
  std::vector<double> Latitudes;
  std::vector<int> Named;  // records with a Q05
};

class GroupJumpTest : public ::testing::TestWithParam<JumpCase> {};

TEST_P(GroupJumpTest, NamesOnlyTheDrawingThatDisagrees) {
  std::vector<ObservationRecord> records;
  const double l = CentralLongitude(Drawing(kDay)) + 20;
  for (const double db : GetParam().Latitudes) {
    ObservationRecord r = Drawing(Later(static_cast<int>(records.size())));
    AddGroup(r, 5, l, 10 + db, 100);
    r.SetGroupNumber(1, 1234);
    records.push_back(Stored(r));
  }
  const Database db = DatabaseOf(records);
  const RecordPositions positions = ComputeRecordPositions(db);
  std::vector<int> named;
  for (const auto& f : CheckQuality({db, positions, {kOndrejov, {}}, nullptr, {}}).Findings) {
    if (f.Code == "Q05") named.push_back(f.RecordIndex);
  }
  EXPECT_EQ(named, GetParam().Named);
}

INSTANTIATE_TEST_SUITE_P(Q05, GroupJumpTest,
                         ::testing::Values(JumpCase{"OneFaultyDrawing", {0, 6, 0, 0}, {2}},
                                           JumpCase{"FaultyLastDrawing", {0, 0, 0, 6}, {4}},
                                           JumpCase{
                                               "TwoFaultyDrawingsInARow", {0, 6, -6, 0}, {2, 3}},
                                           JumpCase{"GroupMovedForGood", {0, 6, 6, 6}, {2}},
                                           JumpCase{"NoJump", {0, 0.5, 1, 1.5}, {}}),
                         [](const auto& info) { return std::string(info.param.Name); });

// Without the station's place and without SILSO's numbers the two checks say once why they
// did not run, and the others still do.
TEST(QualityReportTest, SkippedChecksSayWhyOnce) {
  const Database db = DatabaseOf({ClassDrawing("Cso", 0, 63), ClassDrawing("Cso", 0, 63)});
  const RecordPositions positions = ComputeRecordPositions(db);
  const QualityReport report = CheckQuality({db, positions, {}, nullptr, {}});
  ASSERT_EQ(report.Skipped.size(), 2u);
  EXPECT_EQ(report.Skipped[0].rfind("Q01 vynechána: ", 0), 0u) << report.Skipped[0];
  EXPECT_NE(report.Skipped[0].find("stanice.dat"), std::string::npos);
  EXPECT_EQ(report.Skipped[1].rfind("Q07 vynechána: ", 0), 0u) << report.Skipped[1];
  EXPECT_EQ(report.Findings.size(), 2u);
  const QualityReport damaged =
      CheckQuality({db, positions, {std::nullopt, "stanice.dat, řádek 1: vadné"}, nullptr, {}});
  EXPECT_EQ(damaged.Skipped[0], "Q01 vynechána: stanice.dat, řádek 1: vadné");
}

TEST(QualityReportTest, PeriodsChooseFindingsByDate) {
  ObservationRecord march = ClassDrawing("Cso", 0, 63);
  ObservationRecord april = Drawing({2014, 4, 2});
  AddGroup(april, 1, CentralLongitude(april), 63, 100);
  const Database db = DatabaseOf({march, Stored(april)});
  const RecordPositions positions = ComputeRecordPositions(db);
  const QualityReport report = CheckQuality({db, positions, {kOndrejov, {}}, nullptr, {}});
  struct Row {
    QualityPeriod Period;
    std::size_t Count;
  };
  for (const Row& row : {Row{{0, 0}, 2}, Row{{2014, 0}, 2}, Row{{2014, 3}, 1}, Row{{2014, 4}, 1},
                         Row{{2014, 5}, 0}, Row{{2013, 0}, 0}})
    EXPECT_EQ(FindingsIn(report, row.Period).size(), row.Count)
        << row.Period.Year << "/" << row.Period.Month;
}

TEST(QualityFindingTest, LineAndCounts) {
  QualityFinding f{"Q02", Severity::Warning, 12, {2014, 3, 5}, "Novák", 3, "Třída Dao."};
  EXPECT_EQ(FindingLine(f), "05.03.2014 č.12 skupina 3 Q02 varování Třída Dao.");
  QualityFinding g{"Q01", Severity::Error, 7, {2014, 12, 1}, "Novák", 0, "Slunce."};
  EXPECT_EQ(FindingLine(g), "01.12.2014 č.7 Q01 chyba Slunce.");
  const auto counts = CountsByCode({f, g, f});
  ASSERT_EQ(counts.size(), 2u);
  EXPECT_EQ(counts[0], (std::pair<std::string, int>{"Q01", 1}));
  EXPECT_EQ(counts[1], (std::pair<std::string, int>{"Q02", 2}));
  EXPECT_EQ(FindingCells(f), (std::array<std::string, 7>{"05.03.2014", "12", "3", "Q02", "varování",
                                                         "Novák", "Třída Dao."}));
  EXPECT_EQ(FindingCells(g)[2], "");
  EXPECT_EQ(CountOf({f, g, f}, Severity::Warning), 2);
  EXPECT_EQ(CountOf({f, g, f}, Severity::Error), 1);
  EXPECT_FALSE(HasError({f}));
  EXPECT_TRUE(HasError({f, g}));
}

struct PeriodCase {
  const char* Name;
  const char* Text;
  std::optional<QualityPeriod> Period;
};

const PeriodCase kPeriods[] = {
    {"WholeDatabase", "", QualityPeriod{0, 0}},
    {"Month", "3.2014", QualityPeriod{2014, 3}},
    {"MonthTwoDigits", "11.2014", QualityPeriod{2014, 11}},
    {"Year", "2014", QualityPeriod{2014, 0}},
    {"MonthThirteen", "13.2014", std::nullopt},
    {"ShortYear", "3.14", std::nullopt},
    {"YearWithText", "2014x", std::nullopt},
    {"ThreeDigitYear", "214", std::nullopt},
    {"Blank", " ", std::nullopt},
};

class QualityPeriodTest : public ::testing::TestWithParam<PeriodCase> {};

TEST_P(QualityPeriodTest, ReadsMonthYearOrWhole) {
  const auto period = ParseQualityPeriod(GetParam().Text);
  ASSERT_EQ(period.has_value(), GetParam().Period.has_value());
  if (!period) return;
  EXPECT_EQ(period->Year, GetParam().Period->Year);
  EXPECT_EQ(period->Month, GetParam().Period->Month);
}

INSTANTIATE_TEST_SUITE_P(Texts, QualityPeriodTest, ::testing::ValuesIn(kPeriods),
                         [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
}  // namespace ardeno
