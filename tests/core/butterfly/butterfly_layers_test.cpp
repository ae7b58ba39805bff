// SPDX-License-Identifier: GPL-3.0-or-later
// The other layers of the butterfly diagram: own faculae, the supplementary data of Motfakul.dat,
// the start rotation, the yearly boundary steps, the corona bands, the frame and the scene that
// puts them together.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/butterfly/butterfly_plot_data.h"
#include "core/butterfly/butterfly_scene.h"
#include "core/groups/group_records.h"
#include "core/maps/corona_views.h"
#include "core/maps/map_rotation.h"
#include "core/text/number_format.h"

namespace ardeno {
namespace {

using test::DatabaseOf;
using test::Drawing;

// Vertex value of a facula corner at a position angle in whole degrees and a distance in mm.
std::uint16_t Vertex(int degrees, int millimetres) {
  return static_cast<std::uint16_t>(degrees * 128 + millimetres);
}

TEST(ButterflyFaculae, FirstVertexZeroIsNoFieldAndLaterVerticesStopAtTheFirstZero) {
  ObservationRecord record = Drawing("10.05.2014");
  record.SetFacularCount(2);
  record.SetFaculaVertex(1, 1, 0);
  record.SetFaculaVertex(1, 2, Vertex(30, 60));
  record.SetFaculaVertex(2, 1, Vertex(20, 40));
  record.SetFaculaVertex(2, 2, Vertex(35, 70));
  record.SetFaculaVertex(2, 3, 0);
  record.SetFaculaVertex(2, 4, Vertex(300, 120));  // far south-east, after the end
  Database db = DatabaseOf({record});
  const RecordPositions positions = ComputeRecordPositions(db);
  const ObservationSightings sightings = CollectObservationSightings(db, positions);
  ASSERT_EQ(sightings.Faculae.size(), 1u);
  const SolarEphemeris eph = *RecordEphemeris(record);
  const auto a = PolarToHeliographic(eph, 200, 400);
  const auto b = PolarToHeliographic(eph, 350, 700);
  const FaculaSpan& span = sightings.Faculae[0];
  EXPECT_EQ(span.HalfDegreesMax, std::max(Trunc(2 * a.HelioLatitude), Trunc(2 * b.HelioLatitude)));
  EXPECT_EQ(span.HalfDegreesMin, std::min(Trunc(2 * a.HelioLatitude), Trunc(2 * b.HelioLatitude)));

  const ButterflyScale scale{4, 3, 401, 7, 2100};
  const int turns = static_cast<int>(Trunc(
      (360 - eph.EphL0 + a.CentralMeridianDistance + (record.Rotation() - 2100) * 360.0) / 360));
  const int x = turns * 4 + 50 - 7;
  const int top = (802 - 3 * span.HalfDegreesMax) / 2;
  const int bottom = (802 - 3 * span.HalfDegreesMin) / 2;
  EXPECT_EQ(PlaceOwnFaculae(sightings.Faculae, scale, true)[0],
            (MarkRect{x, top, x + 4 - 2 + 1, bottom}));
  EXPECT_EQ(PlaceOwnFaculae(sightings.Faculae, scale, false)[0],
            (MarkRect{x - 1, top, x - 1, bottom}));
}

// Motfakul.dat with the given runs of spot codes and facula code pairs, one run per rotation
// from 1266.
SupplementaryData Supplementary(const std::vector<std::vector<int>>& spotRuns,
                                const std::vector<std::vector<std::pair<int, int>>>& faculaRuns) {
  SupplementaryData data;
  std::size_t i = 0;
  for (const auto& run : spotRuns) {
    for (int c : run) data.Bytes[i++] = static_cast<std::uint8_t>(c);
    data.Bytes[i++] = 255;
  }
  i = 15000;
  for (const auto& run : faculaRuns) {
    for (const auto& [c, b] : run) {
      data.Bytes[i + 5000] = static_cast<std::uint8_t>(b);
      data.Bytes[i++] = static_cast<std::uint8_t>(c);
    }
    data.Bytes[i++] = 255;
  }
  return data;
}

TEST(SupplementaryMarks, RunsAdvanceTheRotationAndCodesOutsideTheirRangeAreNotDrawn) {
  // Rotation 1266: latitude +20 and the code 223 (latitude 95, not drawn); 1267: none; 1268: -15.
  const SupplementaryData data =
      Supplementary({{148, 223}, {}, {113}}, {{{140, 150}, {30, 150}}, {{200, 240}, {100, 11}}});
  const SupplementaryEntries entries = ReadSupplementaryEntries(data);
  const ButterflyScale scale{2, 3, 400, 10, 1200};
  const auto spots = PlaceSupplementarySpots(entries, scale);
  ASSERT_EQ(spots.size(), 2u);
  const int x1266 = 66 * 2 + 50 - 10;
  EXPECT_EQ(spots[0], (MarkRect{x1266 - 1, 400 + 2 - 60, x1266 + 1, 400 - 2 - 60}));
  EXPECT_EQ(spots[1].X1, x1266 + 2 * 2 - 1);
  EXPECT_EQ(spots[1].Y1, 400 + 2 + 45);

  // First codes 30 and second codes 240 are outside; (140,150) and (100,11) are drawn.
  const auto lines = PlaceSupplementaryFaculae(entries, scale, false);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], (MarkRect{x1266 - 1, 400 - 36, x1266 - 1, 400 - 66}));
  EXPECT_EQ(lines[1], (MarkRect{x1266 + 1, 400 + 84, x1266 + 1, 400 + 351}));
  const auto bars = PlaceSupplementaryFaculae(entries, scale, true);
  EXPECT_EQ(bars[0], (MarkRect{x1266 - 1, 400 + 2 - 36, x1266 + 1, 400 - 2 - 66}));
}

TEST(SupplementaryMarks, RotationIndicesFrom820OfTheStartAreNotDrawn) {
  // 754 empty runs put the next code at rotation 2020, index 820 from 1200 and 920 from 1100.
  std::vector<std::vector<int>> runs(754);
  runs.push_back({140});
  const SupplementaryEntries entries = ReadSupplementaryEntries(Supplementary(runs, {}));
  ASSERT_EQ(entries.Spots.size(), 1u);
  EXPECT_EQ(entries.Spots[0].Rotation, 2020);
  EXPECT_TRUE(PlaceSupplementarySpots(entries, {1, 3, 400, 0, 1200}).empty());
  EXPECT_EQ(PlaceSupplementarySpots(entries, {1, 3, 400, 0, 1201}).size(), 1u);
}

TEST(SupplementaryMarks, AFileWithoutItsFirstByteIsNotThere) {
  SupplementaryData data = Supplementary({{140}}, {});
  data.Bytes[0] = 0;
  const SupplementaryEntries entries = ReadSupplementaryEntries(data);
  EXPECT_TRUE(entries.Spots.empty());
  EXPECT_TRUE(entries.Faculae.empty());
}

TEST(ButterflyStart, CoronaBeforeSupplementaryBeforeTheHundredOfRecordOne) {
  EXPECT_EQ(ChooseStartRotation(2087, false, false), 2000);
  EXPECT_EQ(ChooseStartRotation(2087, true, false), 1200);
  EXPECT_EQ(ChooseStartRotation(2087, false, true), 1100);
  EXPECT_EQ(ChooseStartRotation(2087, true, true), 1100);
}

TEST(ButterflyBounds, YearsStepAtTheirStartAndYearsWithoutDataRunAlongTheEquator) {
  RotationStatistics stats;
  stats.FirstRotation = 2150;
  stats.Years = {{30.5f, 8.0f, -25.0f, -5.5f}, {20.0f, 4.0f, -18.0f, -2.0f}};
  const ButterflyScale scale{2, 3, 400, 0, 2100};
  // 10 March: 68 days in, round(2.49) - 1 = 1 rotation before the first record.
  const auto curves = BoundaryCurves(stats, {2014, 3, 10}, scale);
  const int x1 = 50 * 2 + 50 - 2;
  const std::vector<CurvePoint> firstYears = {
      {50, 400},
      {x1 + static_cast<int>(Trunc((0 - 1.0) * 2)), 400},
      {x1 - 2, 400 - 91},
      {x1 + static_cast<int>(Trunc((13.4 - 1) * 2)), 400 - 91},
      {x1 + 24, 400 - 91},
      {x1 + 24, 400 - 60},
      {x1 + static_cast<int>(Trunc((26.8 - 1) * 2)), 400 - 60},
      {x1 + 51, 400 - 60},
      {x1 + 51, 400}};
  ASSERT_EQ(curves[0].size(), 301u);
  EXPECT_EQ(std::vector<CurvePoint>(curves[0].begin(), curves[0].begin() + 9), firstYears);
  EXPECT_EQ(curves[1][2].Y, 400 + 75);  // most southern
  EXPECT_EQ(curves[2][2].Y, 400 - 24);  // lowest north
  EXPECT_EQ(curves[3][2].Y, 400 + 16);  // trunc(-16.5)
  EXPECT_EQ(curves[0].back().Y, 400);
}

// Corona rows from 1.1.1940 to `days`, dark everywhere except the north-pole sectors (1 east,
// 72 west) on the rows [brightFirst, brightEnd).
CoronaData CoronaBrightOn(int days, int brightFirst, int brightEnd) {
  CoronaData corona;
  corona.FolderFound = true;
  corona.CoronaDays.assign(static_cast<std::size_t>(days) * kCoronaRowBytes, 0);
  for (int d = brightFirst; d < brightEnd && d < days; ++d) {
    corona.CoronaDays[static_cast<std::size_t>(d) * kCoronaRowBytes + 6] = 40;
    corona.CoronaDays[static_cast<std::size_t>(d) * kCoronaRowBytes + 77] = 20;
  }
  corona.CoronaByteCount = static_cast<int>(corona.CoronaDays.size());
  return corona;
}

TEST(ButterflyCorona, OneBrightRotationLandsWhereTheMapOfThatRotationShowsIt) {
  // The map of 2200 reads the 27 rows from its start day; only those rows are bright.
  const int mapFirst = static_cast<int>(RotationDates(2200).CoronaDayIndex);
  const CoronaData corona = CoronaBrightOn(mapFirst + 200, mapFirst, mapFirst + 27);
  const auto columns = CoronaColumns(corona);
  ASSERT_FALSE(columns.empty());
  EXPECT_EQ(columns.front().Rotation, 1154) << "1.1.1940 lies in rotation 1154";
  int darkest = 0;
  int darkestGrey = 256;
  for (const CoronaColumn& column : columns) {
    if (column.Greys[0] < darkestGrey) {
      darkestGrey = column.Greys[0];
      darkest = column.Rotation;
    }
    if (column.Rotation == 2189 || column.Rotation == 2190 || column.Rotation == 2199)
      EXPECT_EQ(column.Greys[0], 255) << column.Rotation;
  }
  EXPECT_EQ(darkest, 2200);
  // The map's 27 bright rows averaged over the rotation's own rows (27 or 28).
  const CoronaRowSpan own = CoronaRowsOfRotation(2200);
  const int rows = own.End - own.First;
  const int grey = 255 - (27 * 40 / rows + 27 * 20 / rows);
  EXPECT_EQ(darkestGrey, grey);

  const ButterflyScale scale{2, 3, 400, 0, 1100};
  const auto bands = PlaceCoronaBands(columns, scale);
  ASSERT_EQ(bands.size(), columns.size() * 36);
  const auto at2200 = std::find_if(bands.begin(), bands.end(),
                                   [grey](const CoronaBandMark& b) { return b.Grey == grey; });
  ASSERT_NE(at2200, bands.end());
  EXPECT_EQ(at2200->Rect, (MarkRect{RotationX(scale, 2200), 400 - 255 + 1,
                                    RotationX(scale, 2200) + 2, 400 - 255 + 1 - 15}));
}

TEST(ButterflyCorona, PartlyLoadedRotationsAverageOnlyTheirLoadedRows) {
  // 20 loaded rows, all bright: rotation 1154 has rows 0..13, 1155 rows 14..19 of 14..40.
  const auto columns = CoronaColumns(CoronaBrightOn(20, 0, 20));
  ASSERT_EQ(columns.size(), 2u);
  EXPECT_EQ(columns[0].Greys[0], 255 - 60);
  EXPECT_EQ(columns[1].Rotation, 1155);
  EXPECT_EQ(columns[1].Greys[0], 255 - 60) << "missing rows are not dark days";
  EXPECT_EQ(columns[1].Greys[1], 255);
}

TEST(ButterflyFrame, RotationGridFollowsTheTimeFactor) {
  auto verticalGreys = [](int t, VisibleColumns visible) {
    const ButterflyFrame frame = BuildButterflyFrame({t, 2, 300, 0, 2000}, 2000, visible);
    std::vector<int> greys;
    for (const FrameLine& line : frame.Lines)
      if (line.X1 == line.X2) greys.push_back(line.Grey);
    return greys;
  };
  EXPECT_EQ(verticalGreys(1, {}).size(), 1u + 20);  // axis and hundreds
  EXPECT_EQ(verticalGreys(4, {}).size(), 80u + 1 + 20);
  const auto dense = verticalGreys(16, {0, 1000});
  // Lines at 16k + 50 within 0..1000: k = 1..59, the axis, no hundred yet.
  EXPECT_EQ(dense.size(), 59u + 1);
  EXPECT_EQ(std::count(dense.begin(), dense.end(), 180), 5);
  const ButterflyFrame frame = BuildButterflyFrame({1, 2, 300, 0, 2000}, 2000);
  EXPECT_EQ(frame.Labels[0].Text, "2100");
  EXPECT_EQ(frame.Labels[0].Y, 300 + 180 + 10);
  EXPECT_EQ(frame.Labels.back().Text, "-90");
  EXPECT_EQ(frame.Labels.back().Y, 300 + 180 - 5);
}

class ButterflySceneTest : public ::testing::Test {
 protected:
  void SetUp() override {
    db = DatabaseOf({Drawing("10.05.2014", {{-20, 10.0, "Dso", 4}, {5, -12.0, "Cso", 5}}),
                     Drawing("11.06.2014", {{-7, 11.0, "Dso", 2}})});
    db.Record(1).SetFacularCount(1);
    db.Record(1).SetFaculaVertex(1, 1, Vertex(20, 40));
    stats = ComputeGroupStatistics(db);
    supplementary = Supplementary({{148}}, {{{140, 150}}});
    data = ButterflyData(db, stats, &supplementary, nullptr);
    view.Width = 4000;
    view.Height = 600;
  }
  Database db;
  GroupStatistics stats;
  SupplementaryData supplementary;
  ButterflyData data;
  ButterflyView view;
};

TEST_F(ButterflySceneTest, ModesChooseTheMarksAndTheSwitchesTheLayers) {
  ButterflyScene scene = BuildButterflyScene(data, view);
  EXPECT_EQ(scene.Scale.StartRotation, 2100);
  EXPECT_EQ(scene.Groups.size(), 3u);
  EXPECT_TRUE(scene.OwnFaculae.empty());
  EXPECT_TRUE(scene.SupplementarySpots.empty());
  EXPECT_TRUE(scene.Mean.North.empty());

  view.Layers.Mode = ButterflyMode::Faculae;
  view.Layers.Supplementary = true;
  scene = BuildButterflyScene(data, view);
  EXPECT_EQ(scene.Scale.StartRotation, 1200);
  EXPECT_TRUE(scene.Groups.empty());
  EXPECT_EQ(scene.OwnFaculae.size(), 1u);
  EXPECT_EQ(scene.SupplementaryFaculae.size(), 1u);
  EXPECT_TRUE(scene.SupplementarySpots.empty());

  view.Layers.Mode = ButterflyMode::Both;
  view.Layers.All = true;
  scene = BuildButterflyScene(data, view);
  EXPECT_EQ(scene.Groups.size(), 3u);
  EXPECT_EQ(scene.SupplementarySpots.size(), 1u);
  ASSERT_EQ(scene.Mean.North.size(), 1u);  // consecutive rotations: one run
  EXPECT_EQ(scene.Mean.North[0].size(), 2u);
  EXPECT_EQ(scene.Bounds[0].size(), 301u);

  view.Layers.Observations = false;
  scene = BuildButterflyScene(data, view);
  EXPECT_TRUE(scene.Groups.empty());
  EXPECT_TRUE(scene.OwnFaculae.empty());
  EXPECT_TRUE(scene.SupplementarySpots.empty());
  ASSERT_EQ(scene.Mean.North.size(), 1u);  // consecutive rotations: one run
  EXPECT_EQ(scene.Mean.North[0].size(), 2u);
}

TEST_F(ButterflySceneTest, PlotDataListsEveryMarkTheSceneDraws) {
  view.Layers.Mode = ButterflyMode::Both;
  view.Layers.Supplementary = true;
  view.Layers.MeanCurves = true;
  const ButterflyScene scene = BuildButterflyScene(data, view);
  const PlotData plot = ButterflyPlotData(data, view.Layers, scene.Scale);
  EXPECT_EQ(plot.Columns, (std::vector<std::string>{"otocka", "delka", "sirka", "sirka_do",
                                                    "skupina", "druh", "hodnota"}));
  auto rowsOf = [&plot](const std::string& kind) {
    std::vector<std::vector<std::string>> rows;
    for (const auto& row : plot.Rows)
      if (row[5] == kind) rows.push_back(row);
    return rows;
  };
  const std::string first = std::to_string(db.Record(1).Rotation());
  const std::string second = std::to_string(db.Record(2).Rotation());
  // As many marks of each kind as the scene draws, at the groups' latitudes and numbers.
  const auto groups = rowsOf("skupina");
  ASSERT_EQ(groups.size(), scene.Groups.size());
  struct Expected {
    std::string Rotation;
    double Latitude;
    std::string Number;
  };
  const Expected expected[] = {{first, 10, "4"}, {first, -12, "5"}, {second, 11, "2"}};
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(groups[i][0], expected[i].Rotation);
    EXPECT_NEAR(std::stod(groups[i][2]), expected[i].Latitude, 0.11) << "placed to 0.1 mm";
    EXPECT_EQ(groups[i][4], expected[i].Number);
  }
  EXPECT_EQ(rowsOf("fakule").size(), scene.OwnFaculae.size());
  const auto spots = rowsOf("doplnkova_skvrna");
  ASSERT_EQ(spots.size(), scene.SupplementarySpots.size());
  EXPECT_EQ(spots[0][2], "20") << "code 148";
  const auto faculae = rowsOf("doplnkova_fakule");
  ASSERT_EQ(faculae.size(), scene.SupplementaryFaculae.size());
  EXPECT_EQ(faculae[0][2], "12");
  EXPECT_EQ(faculae[0][3], "22");
  // Mean latitude curves: one point per rotation with groups in the hemisphere.
  std::size_t northPoints = 0;
  for (const auto& run : scene.Mean.North) northPoints += run.size();
  EXPECT_EQ(rowsOf("stredni_sever").size(), northPoints);
  EXPECT_TRUE(rowsOf("korona").empty());
}

TEST(ButterflyCorona, PlotDataGivesEachBandItsLatitudesAndGrey) {
  CoronaColumn column;
  column.Rotation = 2200;
  column.Greys.fill(255);
  column.Greys[0] = 195;
  const PlotData plot = CoronaBandPlotData({column});
  ASSERT_EQ(plot.Rows.size(), 36u);
  EXPECT_EQ(plot.Rows[0], (std::vector<std::string>{"2200", "", "90", "85", "", "korona", "195"}));
  EXPECT_EQ(plot.Rows[35][2], "-85");
  EXPECT_EQ(plot.Rows[35][3], "-90");
}

TEST_F(ButterflySceneTest, EquatorFollowsTheDragOffsetAndTheVerticalScroll) {
  view.VerticalOffset = 40;
  view.ScrollY = 15;
  const ButterflyScene scene = BuildButterflyScene(data, view);
  EXPECT_EQ(scene.Scale.EquatorY, 300 + 40 - 15);
  // Every layer uses the same equator: the frame's equator line and a southern group's mark.
  bool equatorLine = false;
  for (const FrameLine& line : scene.Frame.Lines)
    equatorLine = equatorLine || (line.Y1 == line.Y2 && line.Y1 == 325);
  EXPECT_TRUE(equatorLine);
  EXPECT_TRUE(std::any_of(scene.Groups.begin(), scene.Groups.end(),
                          [](const MarkRect& m) { return m.Y2 > 325; }));
}

TEST_F(ButterflySceneTest, MarksOutsideThePictureAreLeftOut) {
  view.TimeFactor = 16;
  view.ScrollX = 0;
  view.Width = 500;  // rotation 2100 + 28 at most
  EXPECT_TRUE(BuildButterflyScene(data, view).Groups.empty());
  view.ScrollX = (db.Record(1).Rotation() - 2100) * 16;
  EXPECT_EQ(BuildButterflyScene(data, view).Groups.size(), 3u);
}

}  // namespace
}  // namespace ardeno
