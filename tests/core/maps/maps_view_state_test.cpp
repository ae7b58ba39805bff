// SPDX-License-Identifier: GPL-3.0-or-later
// What the maps window's commands do to its view, switches and comparison, with and without the
// corona and magnetogram data; the controls, scale, image name and size each view takes.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>

#include "core/maps/maps_view_state.h"

namespace ardeno {
namespace {

constexpr MapsDataPresent kAllData{true, true};
constexpr MapsDataPresent kNoData{false, false};

struct CommandCase {
  const char* Name;
  std::function<MapsCommand(MapsViewState&)> Commands;  // returns what the last one did
  MapsCommand Result;
  MapsView View;
  MapSwitches Switches;
  bool Comparison = false;
};

class MapsCommandTest : public ::testing::TestWithParam<CommandCase> {};

TEST_P(MapsCommandTest, LeavesTheStateItShould) {
  const CommandCase& c = GetParam();
  MapsViewState state;
  EXPECT_EQ(c.Commands(state), c.Result);
  EXPECT_EQ(state.View(), c.View);
  EXPECT_EQ(state.Switches(), c.Switches);
  EXPECT_EQ(state.ComparisonShown(), c.Comparison);
}

MapsCommand Done() { return MapsCommand::Done; }

INSTANTIATE_TEST_SUITE_P(
    Commands, MapsCommandTest,
    ::testing::Values(
        CommandCase{"Opens", [](MapsViewState&) { return Done(); }, MapsCommand::Done,
                    MapsView::Map, MapSwitches{}},
        // The corona under the map belongs to one rotation's days: the strips take it off.
        CommandCase{"StripViewTakesTheCoronaOff",
                    [](MapsViewState& s) {
                      s.ToggleCoronaUnderlay(kAllData);
                      s.Show(MapsView::HighMap);
                      return Done();
                    },
                    MapsCommand::Done, MapsView::HighMap, MapSwitches{true, true, false}},
        CommandCase{"CoronaUnderlayShowsTheSingleMap",
                    [](MapsViewState& s) {
                      s.Show(MapsView::CoronaButterfly);
                      return s.ToggleCoronaUnderlay(kAllData);
                    },
                    MapsCommand::Done, MapsView::Map, MapSwitches{true, true, true}},
        CommandCase{"CoronaUnderlayWithoutData",
                    [](MapsViewState& s) {
                      s.Show(MapsView::TwoMaps);
                      return s.ToggleCoronaUnderlay(kNoData);
                    },
                    MapsCommand::Refused, MapsView::TwoMaps, MapSwitches{}},
        // Switching off needs no data.
        CommandCase{"CoronaUnderlayOffWithoutData",
                    [](MapsViewState& s) {
                      s.ToggleCoronaUnderlay(kAllData);
                      return s.ToggleCoronaUnderlay(kNoData);
                    },
                    MapsCommand::Done, MapsView::Map, MapSwitches{}},
        CommandCase{"CoronaGraphWithoutDataFallsBackToTheMap",
                    [](MapsViewState& s) {
                      s.Show(MapsView::LongMap);
                      return s.ShowCoronaView(MapsView::CoronaGraph, kNoData);
                    },
                    MapsCommand::Refused, MapsView::Map, MapSwitches{}},
        CommandCase{"CoronaButterflyWithoutDataStays",
                    [](MapsViewState& s) {
                      s.Show(MapsView::LongMap);
                      return s.ShowCoronaView(MapsView::CoronaButterfly, kNoData);
                    },
                    MapsCommand::Refused, MapsView::LongMap, MapSwitches{}},
        CommandCase{"MagnetosphereMenuShowsTheMap",
                    [](MapsViewState& s) {
                      s.Show(MapsView::RealCorona);
                      return s.ShowMagnetosphere(kAllData);
                    },
                    MapsCommand::Done, MapsView::Map, MapSwitches{true, true, false, true}},
        CommandCase{"MagnetosphereWithoutMagnetograms",
                    [](MapsViewState& s) {
                      s.ToggleMagnetPicture(kNoData);
                      return s.ToggleMagnetUnderlay(kNoData);
                    },
                    MapsCommand::Refused, MapsView::Map, MapSwitches{}},
        CommandCase{"SwitchesFromOutside",
                    [](MapsViewState& s) {
                      s.SetSwitches(false, false, true, true, kNoData);
                      return Done();
                    },
                    MapsCommand::Done, MapsView::Map, MapSwitches{false, false, false, true}},
        // The comparison is a way of showing the single map: it brings it back, and any other
        // view ends it.
        CommandCase{"ComparisonBringsTheMap",
                    [](MapsViewState& s) {
                      s.Show(MapsView::CoronaGraph);
                      s.ShowComparison(true);
                      s.Show(MapsView::Map);
                      return Done();
                    },
                    MapsCommand::Done, MapsView::Map, MapSwitches{}, true},
        CommandCase{"OtherViewEndsTheComparison",
                    [](MapsViewState& s) {
                      s.ShowComparison(true);
                      s.Show(MapsView::TwoMaps);
                      return Done();
                    },
                    MapsCommand::Done, MapsView::TwoMaps, MapSwitches{}, false}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(MapsComparisonTest, HalvesKeepOnlyWhatTheirDataAllow) {
  MapsViewState state;
  EXPECT_EQ(state.Layers(ComparisonHalf::Upper), (ComparisonLayers{true, false, false, false}));
  EXPECT_EQ(state.Layers(ComparisonHalf::Lower), (ComparisonLayers{false, true, false, false}));
  const ComparisonLayers all{true, true, true, true};
  auto refused = state.SetLayers(all, all, MapsDataPresent{true, false});
  EXPECT_FALSE(refused.Corona);
  EXPECT_TRUE(refused.Magnetosphere);
  EXPECT_EQ(state.Layers(ComparisonHalf::Upper), (ComparisonLayers{true, true, true, false}));
  // The spots are the upper half's only.
  EXPECT_EQ(state.Layers(ComparisonHalf::Lower), (ComparisonLayers{false, true, true, false}));
  refused = state.SetLayers(all, all, kNoData);
  EXPECT_TRUE(refused.Corona);
  EXPECT_EQ(state.Layers(ComparisonHalf::Lower), (ComparisonLayers{false, true, false, false}));
  state.ClearLayers(ComparisonHalf::Upper);
  EXPECT_EQ(state.Layers(ComparisonHalf::Upper), ComparisonLayers{});
}

TEST(MapsComparisonTest, ShiftStaysOnTheBar) {
  MapsViewState state;
  EXPECT_EQ(state.Shift(), 0);
  const std::pair<int, int> positions[] = {{-3, 0}, {7, 7}, {25, kComparisonShiftPositions}};
  for (const auto& [position, kept] : positions) {
    state.SetShiftPosition(position);
    EXPECT_EQ(state.ShiftPosition(), kept) << position;
    EXPECT_EQ(state.Shift(), ComparisonShift(kept)) << position;
  }
}

// A picture is prepared again when anything it shows changes, and only then.
TEST(MapsSceneKeyTest, FollowsEveryChange) {
  MapsViewState state;
  const MapsSceneKey first = state.SceneKey(2100, 1200, 900, 1);
  EXPECT_EQ(state.SceneKey(2100, 1200, 900, 1), first);
  EXPECT_NE(state.SceneKey(2101, 1200, 900, 1), first);
  EXPECT_NE(state.SceneKey(2100, 1200, 901, 1), first);
  EXPECT_NE(state.SceneKey(2100, 1200, 900, 2), first);
  const std::function<void(MapsViewState&)> changes[] = {
      [](MapsViewState& s) { s.ToggleFaculae(); },
      [](MapsViewState& s) { s.SetOutlines(false); },
      [](MapsViewState& s) { s.ToggleMagnetPicture(kAllData); },
      [](MapsViewState& s) { s.ShowComparison(true); },
      [](MapsViewState& s) { s.SetShiftPosition(3); },
      [](MapsViewState& s) { s.ClearLayers(ComparisonHalf::Lower); },
      [](MapsViewState& s) { s.Show(MapsView::LongMap); }};
  for (std::size_t i = 0; i < std::size(changes); ++i) {
    MapsViewState changed;
    changes[i](changed);
    EXPECT_NE(changed.SceneKey(2100, 1200, 900, 1), first) << "change " << i;
  }
}

TEST(MapsViewsTest, ControlsOfEachView) {
  const struct {
    MapsView View;
    MapsControls Controls;
  } cases[] = {
      {MapsView::Map, {false, false, true, false}},
      {MapsView::HighMap, {false, false, true, false}},
      {MapsView::CoronaGraph, {true, false, true, false}},
      {MapsView::RealCorona, {false, true, false, false}},
      {MapsView::MagnetCycles, {false, false, true, true}},
  };
  for (const auto& c : cases) EXPECT_EQ(ControlsOf(c.View), c.Controls) << static_cast<int>(c.View);
  EXPECT_TRUE(IsSynopticView(MapsView::TwoMaps));
  EXPECT_FALSE(IsSynopticView(MapsView::CoronaButterfly));
  EXPECT_FALSE(IsStripView(MapsView::Map));
}

TEST(MapsViewsTest, StripsFitTheClientArea) {
  const struct {
    MapsView View;
    int Width, Height, First, Last;
    StripVariant Variant;
    int K, Count;
  } cases[] = {
      {MapsView::LongMap, 1900, 1000, 2100, 2105, StripVariant::Long, 2, kLongMapRotations},
      {MapsView::TwoMaps, 1400, 980, 2100, 2100, StripVariant::Two, 2, 2},
      // As many rotations as fit under one another, up to the data's last.
      {MapsView::HighMap, 960, 830, 2100, 2200, StripVariant::High, 1, 20},
      {MapsView::HighMap, 960, 830, 2100, 2104, StripVariant::High, 1, 5},
  };
  for (const auto& c : cases) {
    const StripPlan plan = PlanStrips(c.View, c.Width, c.Height, c.First, c.Last);
    EXPECT_EQ(plan.Variant, c.Variant);
    EXPECT_EQ(plan.K, c.K) << c.Width << "x" << c.Height;
    EXPECT_EQ(plan.Count, c.Count) << c.Width << "x" << c.Height;
  }
}

TEST(MapsViewsTest, ImageNames) {
  const struct {
    MapsView View;
    std::string Name;
  } cases[] = {
      {MapsView::Map, "Mapa  2150"},
      {MapsView::TwoMaps, "Mapa  2150"},
      {MapsView::LongMap, "Dlouhamapa  2150"},
      {MapsView::HighMap, "Vysokamapa  2150"},
      {MapsView::CoronaGraph, "Korona_graf1339"},  // position 12 is rotation 1327 + 12
      {MapsView::CoronaButterfly, "Korona_motyl"},
      {MapsView::RealCorona, "Korona 02.01.1940"},  // day row 1
      {MapsView::MagnetCycles, "Cykly_magnet"},
  };
  for (const auto& c : cases) {
    const MapsImageName name = ImageNameOf(c.View, 2150, 12, 1);
    EXPECT_EQ(std::string(name.Stem) + name.Suffix, c.Name);
  }
}

TEST(MapsViewsTest, SmallerAndLargerWindow) {
  EXPECT_EQ(ToggledMapsWindowSize(true, WindowSize{1900, 1000}), kSmallMapsWindow);
  EXPECT_EQ(ToggledMapsWindowSize(false, WindowSize{1900, 1000}), (WindowSize{1892, 963}));
  // Outside a main window there is nothing larger to take.
  EXPECT_EQ(ToggledMapsWindowSize(false, std::nullopt), kSmallMapsWindow);
}

}  // namespace
}  // namespace ardeno
