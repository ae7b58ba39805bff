// SPDX-License-Identifier: GPL-3.0-or-later
// Groups followed across days by place alone: a group rotating at its latitude's rate is one
// track however its numbers were typed, two groups are two tracks however alike their numbers,
// a track survives eight missed drawing days and not nine, keeps its group against a close one
// that was missing or much unlike it in area, keeps a group read on the limb and a place misread
// for one day (also on its first or last day, or in the other hemisphere), ends past the west
// limb, takes NOAA's regions and summarises its days, passage, latitude, area, classes and
// numbers.
#include "core/groups/group_tracks.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/quality/noaa_regions.h"
#include "core/solar/differential_rotation.h"
#include "support/map_records.h"

namespace ardeno {
namespace {

// A group at Carrington longitude l0 on 1 March 2014 12 h UT, moving at its latitude's rate.
struct Group {
  int Number;
  double Longitude;  // on 1 March 2014, 12 h UT
  double Latitude;
  std::uint16_t Area = 100;
  const char* Class = "Dao";
};

constexpr CalendarDate kStart{2014, 3, 1};

double LongitudeOn(const Group& g, int day) {
  return RotatedLongitude(g.Longitude, g.Latitude, day);
}

// The drawing of 1 March + `day` at 12 h UT with the groups on the visible disk.
ObservationRecord DayDrawing(int day, const std::vector<Group>& groups,
                             const std::string& observer = "Novák") {
  ObservationRecord r = test::MapRecord(DateFromSerial(DaySerial(kStart) + day));
  r.SetObserver(observer);
  r.SetRadiusWord(125);
  const SolarEphemeris eph = *RecordEphemeris(r);
  for (const Group& g : groups) {
    const double l = LongitudeOn(g, day);
    if (std::fabs(std::remainder(l - eph.EphL0, 360.0)) > 85) continue;
    const int k = test::AddGroup(r, g.Number, l, g.Latitude, g.Area);
    r.SetGroupNumber(k, static_cast<std::uint16_t>(g.Number));
    r.SetGroupType(k, g.Class);
  }
  return r;
}

std::vector<GroupTrack> Track(const std::vector<ObservationRecord>& records,
                              const TrackOptions& options = {}) {
  const Database db = test::DatabaseOf(records);
  return TrackGroups(db, ComputeRecordPositions(db), options);
}

// Where the central meridian stands on 1 March 2014 12 h UT: a group there crosses it that day.
double CentreLongitude() { return test::MapRecord(kStart).CentralL0(); }

TEST(GroupTracks, OneGroupAcrossTheDiskIsOneTrackWithItsSummary) {
  // East of the centre by 40 degrees: it crosses the meridian about three days later.
  const Group g{11, std::fmod(CentreLongitude() - 40 + 360, 360), 15.3};
  std::vector<ObservationRecord> records;
  for (int day = 0; day <= 9; ++day) {
    Group today = g;
    // Largest on the sixth day even after the correction for foreshortening near the limb.
    today.Area = static_cast<std::uint16_t>(day <= 5 ? 100 + 20 * day : 200 - 45 * (day - 5));
    today.Class = day < 2 ? "Bxo" : day < 6 ? "Dai" : "Cso";
    records.push_back(DayDrawing(day, {today}));
  }
  // Typed as 12 on the fifth day: the tracker follows the place, not the number.
  records[4].SetGroupNumber(1, 12);
  const auto tracks = Track(records);
  ASSERT_EQ(tracks.size(), 1u);
  const GroupTrack& t = tracks[0];
  EXPECT_EQ(t.Days, 10);
  EXPECT_EQ(FormatDate(t.First), "01.03.2014");
  EXPECT_EQ(FormatDate(t.Last), "10.03.2014");
  EXPECT_NEAR(t.MeanLatitude, 15.3, 0.2);
  ASSERT_TRUE(t.MeridianPassage);
  // 40 degrees at about 13.3 degrees a day after 1 March 12 h.
  EXPECT_NEAR(*t.MeridianPassage - MomentOf(kStart, 1200), 40 / 13.3, 0.25);
  EXPECT_EQ(FormatDate(t.MaxAreaDate), "06.03.2014");
  EXPECT_EQ(t.Classes, (std::vector<std::string>{"Bxo", "Dai", "Cso"}));
  EXPECT_EQ(t.Numbers, (std::vector<int>{11, 12}));
  // On the map of the rotation it crossed the meridian in; its days as the window lists them.
  EXPECT_EQ(t.Rotation, RecordEphemeris(records[3])->RotationNumber);
  const auto days = TrackDayRows(t, test::DatabaseOf(records));
  ASSERT_EQ(days.size(), 11u);
  EXPECT_EQ(days[0], (std::vector<std::string>{"datum", "UT", "pozorovatel", "skupina", "číslo",
                                               "typ", "plocha", "šířka", "délka", "CM"}));
  EXPECT_EQ(days[5][0], "05.03.2014");
  EXPECT_EQ(days[5][1], "12:00");
  EXPECT_EQ(days[5][2], "Novák");
  EXPECT_EQ(days[5][4], "12");
  EXPECT_EQ(days[5][5], "Dai");
  EXPECT_EQ(days[5][7].substr(0, 3), "15.");
  // 40 degrees east on the first day (east positive, as NOAA's E40), about 13 degrees a day
  // westwards.
  EXPECT_EQ(days[1][9], "40");
  EXPECT_NEAR(std::stoi(days[10][9]), 40 - 9 * 13.3, 2);
}

TEST(GroupTracks, NearbyGroupsStayApartAndLikeNumbersDoNotJoinThem) {
  const double centre = CentreLongitude();
  // Two groups 8 degrees apart in longitude at the same latitude, and one in the south carrying
  // the same number as the first.
  const std::vector<Group> groups = {{21, std::fmod(centre - 30 + 360, 360), 12},
                                     {22, std::fmod(centre - 38 + 360, 360), 12},
                                     {21, std::fmod(centre - 30 + 360, 360), -12}};
  std::vector<ObservationRecord> records;
  for (int day = 0; day <= 5; ++day) records.push_back(DayDrawing(day, groups));
  const auto tracks = Track(records);
  ASSERT_EQ(tracks.size(), 3u);
  for (const GroupTrack& t : tracks) {
    EXPECT_EQ(t.Days, 6);
    EXPECT_EQ(t.Numbers.size(), 1u);
  }
  EXPECT_LT(tracks[2].MeanLatitude, 0);
  const Database db = test::DatabaseOf(records);
  const TrackAgreement a =
      CompareWithNumbers(tracks, db, [](const ObservationRecord&) { return true; });
  EXPECT_EQ(a.Sightings, 18);
  EXPECT_EQ(a.SightingsInOwnTrack, 18);
  // Number 21 lies on two tracks.
  EXPECT_EQ(a.Numbers, 2);
  EXPECT_EQ(a.NumbersInOneTrack, 1);
}

struct GapCase {
  const char* Name;
  std::vector<int> MissingDays;  // days 1.. on which the group is not drawn
  std::size_t Tracks;
};

class GroupTrackGaps : public testing::TestWithParam<GapCase> {};

TEST_P(GroupTrackGaps, MissedDrawingDays) {
  const Group g{5, std::fmod(CentreLongitude() - 60 + 360, 360), -8};
  const Group other{6, std::fmod(CentreLongitude() - 40 + 360, 360), 25};
  std::vector<ObservationRecord> records;
  for (int day = 0; day <= 10; ++day) {
    const auto& missing = GetParam().MissingDays;
    const bool drawn = std::find(missing.begin(), missing.end(), day) == missing.end();
    // The other group keeps every day a drawing day.
    records.push_back(drawn ? DayDrawing(day, {g, other}) : DayDrawing(day, {other}));
  }
  const auto tracks = Track(records);
  std::size_t ofG = 0;
  for (const GroupTrack& t : tracks) ofG += t.Numbers == std::vector<int>{5};
  EXPECT_EQ(ofG, GetParam().Tracks);
}

INSTANTIATE_TEST_SUITE_P(
    Days, GroupTrackGaps,
    testing::Values(GapCase{"NoGap", {}, 1}, GapCase{"TwoDaysMissed", {2, 3}, 1},
                    GapCase{"TwoDaysApartMissed", {2, 5}, 1},
                    // A region a catalogue leaves out while it is a plage.
                    GapCase{"FourDaysMissed", {2, 3, 4, 5}, 1},
                    GapCase{"EightDaysMissed", {1, 2, 3, 4, 5, 6, 7, 8}, 1},
                    GapCase{"NineDaysMissed", {1, 2, 3, 4, 5, 6, 7, 8, 9}, 2},
                    // Missing after its last sighting: no second track.
                    GapCase{"GoneAfterTheSecondDay", {3, 4, 5, 6, 7, 8, 9, 10}, 1}),
    [](const testing::TestParamInfo<GapCase>& info) { return std::string(info.param.Name); });

// The numbers of each track, for cases whose tracks are told apart by their numbers.
std::vector<std::vector<int>> NumbersOf(const std::vector<GroupTrack>& tracks) {
  std::vector<std::vector<int>> numbers;
  for (const GroupTrack& t : tracks) numbers.push_back(t.Numbers);
  return numbers;
}

// Two groups 6 degrees apart; the eastern one is missing for three days, and on the third the
// western one is read 4 degrees towards it. The track seen on the drawing before keeps its group
// (as NOAA's region 11295 on the west limb in September 2011, taken by the track of 11296 that
// had been missing), and the missing one takes its own group back when it is seen again.
TEST(GroupTracks, ATrackSeenTheDayBeforeKeepsItsGroupAgainstOneThatWasMissing) {
  const Group west{61, std::fmod(CentreLongitude() - 30 + 360, 360), 12};
  const Group east{62, std::fmod(west.Longitude - 6 + 360, 360), 12};
  std::vector<ObservationRecord> records;
  for (int day = 0; day <= 3; ++day) records.push_back(DayDrawing(day, {west, east}));
  for (int day = 4; day <= 5; ++day) records.push_back(DayDrawing(day, {west}));
  Group towardsEast = west;
  towardsEast.Longitude = std::fmod(west.Longitude - 4 + 360, 360);
  records.push_back(DayDrawing(6, {towardsEast}));
  for (int day = 7; day <= 8; ++day) records.push_back(DayDrawing(day, {west, east}));
  const auto tracks = Track(records);
  EXPECT_EQ(NumbersOf(tracks), (std::vector<std::vector<int>>{{61}, {62}}));
  ASSERT_EQ(tracks.size(), 2u);
  EXPECT_EQ(tracks[0].Days, 9);
  EXPECT_EQ(tracks[1].Days, 6);
}

// Two groups 6 degrees apart, both read some degrees east on one day, the western one's reading
// landing nearer the eastern track's place (NOAA's regions 11381 and 11382 on 18 December 2011):
// linking the nearest pair first would swap them for that day; the links chosen together keep
// each group in its track.
TEST(GroupTracks, TwoNeighboursReadOffOnOneDayAreNotSwapped) {
  const Group west{91, std::fmod(CentreLongitude() - 30 + 360, 360), -18};
  const Group east{92, std::fmod(west.Longitude - 6 + 360, 360), -18};
  std::vector<ObservationRecord> records;
  for (int day = 0; day <= 2; ++day) records.push_back(DayDrawing(day, {west, east}));
  Group westOff = west, eastOff = east;
  westOff.Longitude = std::fmod(west.Longitude - 4 + 360, 360);
  eastOff.Longitude = std::fmod(east.Longitude - 3 + 360, 360);
  records.push_back(DayDrawing(3, {westOff, eastOff}));
  for (int day = 4; day <= 5; ++day) records.push_back(DayDrawing(day, {west, east}));
  EXPECT_EQ(NumbersOf(Track(records)), (std::vector<std::vector<int>>{{91}, {92}}));
}

// A large group whose centre moves 3.5 degrees north on one day, while a small new group is born
// 2.5 degrees from its place: the nearer is the newcomer, but the one of like area continues the
// track, and the newcomer has a track of its own.
TEST(GroupTracks, OfTwoCloseGroupsTheOneOfLikeAreaContinuesTheTrack) {
  const Group large{71, std::fmod(CentreLongitude() - 30 + 360, 360), 12, 300, "Eki"};
  const Group born{72, std::fmod(large.Longitude - 2.5 + 360, 360), 12, 10, "Axx"};
  std::vector<ObservationRecord> records;
  for (int day = 0; day <= 2; ++day) records.push_back(DayDrawing(day, {large}));
  Group moved = large;
  moved.Latitude = 15.5;
  records.push_back(DayDrawing(3, {moved, born}));
  for (int day = 4; day <= 5; ++day) records.push_back(DayDrawing(day, {large, born}));
  const auto tracks = Track(records);
  EXPECT_EQ(NumbersOf(tracks), (std::vector<std::vector<int>>{{71}, {72}}));
}

// A small group seen for four days, missing on the fifth, and on the sixth a new group 10 degrees
// east of its place at the same latitude (NOAA's regions 12579 and 12583 in August 2016): a
// track that was missing is not continued so far off in longitude.
TEST(GroupTracks, ANewGroupBesideAMissingOneStartsItsOwnTrack) {
  const Group fading{81, std::fmod(CentreLongitude() - 16 + 360, 360), 12, 10, "Axx"};
  const Group born{82, std::fmod(fading.Longitude - 10 + 360, 360), 13, 30, "Dao"};
  std::vector<ObservationRecord> records;
  for (int day = 0; day <= 3; ++day) records.push_back(DayDrawing(day, {fading}));
  records.push_back(DayDrawing(4, {}));
  for (int day = 5; day <= 7; ++day) records.push_back(DayDrawing(day, {born}));
  EXPECT_EQ(NumbersOf(Track(records)), (std::vector<std::vector<int>>{{81}, {82}}));
}

struct MisreadCase {
  const char* Name;
  int Day;  // of days 0..6
  double Latitude, LongitudeOff;
};

class GroupTrackMisreads : public testing::TestWithParam<MisreadCase> {};

// One day's place misread in one coordinate only, as the catalogues' slips are: the day stays in
// the track, also on the track's first or last day.
TEST_P(GroupTrackMisreads, OneDayOffInOneCoordinateStaysInTheTrack) {
  const Group g{91, std::fmod(CentreLongitude() - 40 + 360, 360), 14};
  std::vector<ObservationRecord> records;
  for (int day = 0; day <= 6; ++day) {
    Group today = g;
    if (day == GetParam().Day) {
      // Read where the group stands that day, but for the misread.
      today.Latitude = GetParam().Latitude;
      today.Longitude = std::fmod(
          RotatedLongitude(LongitudeOn(g, day) + GetParam().LongitudeOff, today.Latitude, -day) +
              360,
          360);
    }
    records.push_back(DayDrawing(day, {today}));
  }
  const auto tracks = Track(records);
  ASSERT_EQ(tracks.size(), 1u);
  EXPECT_EQ(tracks[0].Sightings.size(), 7u);
}

INSTANTIATE_TEST_SUITE_P(
    Days, GroupTrackMisreads,
    testing::Values(
        // NOAA's region 11024 on 10 July 2009: S09 between days at S25.
        MisreadCase{"LatitudeBy16", 3, -2, 0},
        // NOAA's region 11321 on 16 October 2011: N13 for S14 on its first day.
        MisreadCase{"OtherHemisphereOnTheFirstDay", 0, -14, 0},
        MisreadCase{"LatitudeBy12OnTheLastDay", 6, 26, 0},
        // NOAA's regions of 27 May 2012: the distance from the meridian printed 17-25 degrees off.
        MisreadCase{"LongitudeBy20", 3, 14, 20}),
    [](const testing::TestParamInfo<MisreadCase>& info) { return std::string(info.param.Name); });

// NOAA's region 11944 in January 2014: W83 on the 13th, then read on the limb at W88 the next
// day, where the turn alone would put it at W96. Still the same track.
TEST(GroupTracks, AGroupReadOnTheLimbADayLaterStaysInItsTrack) {
  const Group g{44, std::fmod(CentreLongitude() + 70, 360), -10};
  std::vector<ObservationRecord> records = {DayDrawing(0, {g}), DayDrawing(1, {g})};
  ObservationRecord limb = test::MapRecord(DateFromSerial(DaySerial(kStart) + 2));
  limb.SetObserver("Novák");
  limb.SetRadiusWord(125);
  const int k =
      test::AddGroup(limb, 44, std::fmod(RecordEphemeris(limb)->EphL0 + 88, 360), -10, 60);
  limb.SetGroupNumber(k, 44);
  records.push_back(limb);
  const auto tracks = Track(records);
  ASSERT_EQ(tracks.size(), 1u);
  EXPECT_EQ(tracks[0].Days, 3);
}

// One day's place misread by 6 degrees in latitude (as NOAA printed region 12148 on 26 August
// 2014): the lone sighting goes back to the track it interrupts. A group born beside a fading
// one the next day, 4 degrees off in latitude and 6 in longitude at once, is a group of its own.
TEST(GroupTracks, AMisreadDayRejoinsItsTrackAndANewNeighbourDoesNot) {
  const Group g{48, std::fmod(CentreLongitude() - 40 + 360, 360), 7};
  std::vector<ObservationRecord> records;
  for (int day = 0; day <= 6; ++day) {
    Group today = g;
    if (day == 3) today.Latitude = 1;
    records.push_back(DayDrawing(day, {today}));
  }
  auto tracks = Track(records);
  ASSERT_EQ(tracks.size(), 1u);
  EXPECT_EQ(tracks[0].Sightings.size(), 7u);
  EXPECT_EQ(tracks[0].Id, 1);

  const Group fading{50, std::fmod(CentreLongitude() - 20 + 360, 360), 12};
  const Group born{51, std::fmod(fading.Longitude - 6 + 360, 360), 16};
  records.clear();
  for (int day = 0; day <= 2; ++day) records.push_back(DayDrawing(day, {fading}));
  for (int day = 3; day <= 5; ++day) records.push_back(DayDrawing(day, {born}));
  tracks = Track(records);
  ASSERT_EQ(tracks.size(), 2u);
  EXPECT_EQ(tracks[0].Numbers, std::vector<int>{50});
  EXPECT_EQ(tracks[1].Numbers, std::vector<int>{51});
}

TEST(GroupTracks, EndsAtTheWestLimbAndASecondDrawingOfTheDayJoins) {
  const double centre = CentreLongitude();
  // A group 60 degrees west of the centre leaves the disk within two days; a new group appears
  // at the east limb at the same latitude a day later (where the old one would be after half a
  // rotation, it is not the same).
  const Group leaving{31, std::fmod(centre + 60, 360), 10};
  const Group arriving{32, std::fmod(centre - 84 + 360, 360), 10};
  std::vector<ObservationRecord> records = {DayDrawing(0, {leaving})};
  records.push_back(DayDrawing(1, {leaving}, "Novák"));
  ObservationRecord afternoon = DayDrawing(1, {leaving}, "Dvořák");
  afternoon.SetTimeUT(1500);
  records.push_back(afternoon);
  for (int day = 3; day <= 14; ++day) records.push_back(DayDrawing(day, {arriving}));
  const auto tracks = Track(records);
  ASSERT_EQ(tracks.size(), 2u);
  EXPECT_EQ(tracks[0].Sightings.size(), 3u);
  EXPECT_EQ(tracks[0].Days, 2);
  EXPECT_FALSE(tracks[0].MeridianPassage);
  EXPECT_EQ(tracks[1].Numbers, std::vector<int>{32});
  // Only one observer's drawings.
  TrackOptions dvorak;
  dvorak.Observer = "Dvořák";
  EXPECT_EQ(Track(records, dvorak).size(), 1u);
}

TEST(GroupTracks, NoaaRegionFromTheRecordsOfTheDayOrTheReports) {
  const Group g{0, std::fmod(CentreLongitude() - 20 + 360, 360), 14};
  std::vector<ObservationRecord> records;
  for (int day = 0; day <= 3; ++day) records.push_back(DayDrawing(day, {g}));
  // NOAA's record of day 2 names the group 12000, a second region far away.
  ObservationRecord noaa = DayDrawing(
      2, {{12000, g.Longitude, g.Latitude}, {12001, std::fmod(g.Longitude + 25, 360), -5}}, "NOAA");
  records.push_back(noaa);
  TrackOptions novak;
  novak.Observer = "Novák";
  const Database db = test::DatabaseOf(records);
  const RecordPositions positions = ComputeRecordPositions(db);
  auto tracks = TrackGroups(db, positions, novak);
  ASSERT_EQ(tracks.size(), 1u);
  AssignNoaaRegions(tracks, db, positions, {});
  EXPECT_EQ(tracks[0].NoaaRegions, std::vector<int>{12000});
  // Without NOAA's record, a report of the first day gives it.
  const Database own = test::DatabaseOf({records.begin(), records.begin() + 4});
  const RecordPositions ownPositions = ComputeRecordPositions(own);
  tracks = TrackGroups(own, ownPositions);
  SourceDay report;
  report.Date = kStart;
  report.Groups.push_back({12003, "Cso", 3, g.Latitude, 0, LongitudeOn(g, 0), 50, kStart, 1200});
  AssignNoaaRegions(tracks, own, ownPositions, {report});
  EXPECT_EQ(tracks[0].NoaaRegions, std::vector<int>{12003});
  AssignNoaaRegions(tracks, own, ownPositions, {});
  EXPECT_TRUE(tracks[0].NoaaRegions.empty());
}

// A track whose days lie on two of NOAA's regions (one region fading as another is born at its
// place) lists both, in the order its days meet them, so that the mix shows.
TEST(GroupTracks, NoaaColumnListsEveryRegionTheTrackHolds) {
  const Group g{0, std::fmod(CentreLongitude() - 20 + 360, 360), 14};
  std::vector<ObservationRecord> records;
  for (int day = 0; day <= 4; ++day) records.push_back(DayDrawing(day, {g}));
  const Database own = test::DatabaseOf(records);
  const RecordPositions positions = ComputeRecordPositions(own);
  auto tracks = TrackGroups(own, positions);
  ASSERT_EQ(tracks.size(), 1u);
  std::vector<SourceDay> reports;
  for (int day = 0; day <= 4; ++day) {
    SourceDay report;
    report.Date = DateFromSerial(DaySerial(kStart) + day);
    report.Groups.push_back({day < 3 ? 11970 : 11975, "Cso", 3, g.Latitude, 0, LongitudeOn(g, day),
                             50, report.Date, 1200});
    reports.push_back(report);
  }
  AssignNoaaRegions(tracks, own, positions, reports);
  EXPECT_EQ(tracks[0].NoaaRegions, (std::vector<int>{11970, 11975}));
  EXPECT_EQ(TrackRows(tracks)[1][9], "11970+11975");
}

// With a year, the agreement counts that year's sightings and regions only: a region seen on the
// last two days of 2013 and the first three of 2014 is one region of 2014 seen on 3 days, none
// of 2013, and its two sightings of 2013 are left out.
TEST(GroupTracks, AgreementOfOneYearCountsThatYearOnly) {
  std::vector<ObservationRecord> records;
  for (int day = -2; day <= 2; ++day) {
    const CalendarDate date = DateFromSerial(DaySerial({2014, 1, 1}) + day);
    ObservationRecord r = test::MapRecord(date);
    r.SetRadiusWord(125);
    const SolarEphemeris eph = *RecordEphemeris(r);
    // 30 degrees east of the centre on 1 January, moving west with the Sun's turn.
    const int k = test::AddGroup(r, 0, std::fmod(eph.EphL0 - 30 + 13.3 * day + 720, 360), 12, 80);
    r.SetGroupNumber(k, 11944);
    records.push_back(r);
  }
  const Database db = test::DatabaseOf(records);
  const auto tracks = TrackGroups(db, ComputeRecordPositions(db));
  ASSERT_EQ(tracks.size(), 1u);
  const auto all = [](const ObservationRecord&) { return true; };
  const TrackAgreement whole = CompareWithNumbers(tracks, db, all);
  EXPECT_EQ(whole.Sightings, 5);
  EXPECT_EQ(whole.Numbers, 1);
  const TrackAgreement of2014 = CompareWithNumbers(tracks, db, all, 2014);
  EXPECT_EQ(of2014.Sightings, 3);
  EXPECT_EQ(of2014.SightingsInOwnTrack, 3);
  EXPECT_EQ(of2014.Numbers, 1);
  EXPECT_EQ(of2014.NumbersInOneTrack, 1);
  const TrackAgreement of2013 = CompareWithNumbers(tracks, db, all, 2013);
  EXPECT_EQ(of2013.Sightings, 2);
  EXPECT_EQ(of2013.Numbers, 0);
}

TEST(GroupTracks, CsvLinesAsWritten) {
  GroupTrack t;
  t.Id = 7;
  t.First = {2014, 3, 1};
  t.Last = {2014, 3, 12};
  t.Days = 9;
  t.MeridianPassage = MomentOf({2014, 3, 6}, 1800);
  t.MeanLatitude = -12.34;
  t.MaxArea = 420;
  t.Classes = {"Cso", "Eai"};
  t.Numbers = {14, 15};
  t.NoaaRegions = {12002};
  GroupTrack lone;
  lone.Id = 8;
  lone.First = lone.Last = {2014, 3, 2};
  lone.Days = 1;
  lone.MeanLatitude = 3.05;
  lone.Classes = {"Axx"};
  lone.Numbers = {3};
  EXPECT_EQ(TracksCsv({t, lone}),
            "stopa;od;do;dní;centrální meridián;šířka;max plocha;typy;čísla;NOAA\r\n"
            "7;01.03.2014;12.03.2014;9;06.03.2014;-12.3;420;Cso+Eai;14+15;12002\r\n"
            "8;02.03.2014;02.03.2014;1;;3.1;0;Axx;3;\r\n");
}

}  // namespace
}  // namespace ardeno
