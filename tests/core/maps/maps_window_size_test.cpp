// SPDX-License-Identifier: GPL-3.0-or-later
// The maps window's sizes for the single map and the two maps on small and large frames.
#include <gtest/gtest.h>

#include "core/maps/maps_window_size.h"

namespace ardeno {
namespace {

struct SizeCase {
  const char* Name;
  WindowSize Now;
  WindowSize MainClient;
  WindowSize Single;
  WindowSize Two;
};

class MapsWindowSizeTest : public ::testing::TestWithParam<SizeCase> {};

TEST_P(MapsWindowSizeTest, SingleAndTwoMaps) {
  const SizeCase& c = GetParam();
  constexpr int kToolbar = 31;
  EXPECT_EQ(SingleMapWindowSize(c.Now, c.MainClient, kToolbar), c.Single);
  EXPECT_EQ(TwoMapsWindowSize(c.MainClient), c.Two);
}

INSTANTIATE_TEST_SUITE_P(
    Frames, MapsWindowSizeTest,
    ::testing::Values(
        // The design height takes the frame's size less the toolbar.
        SizeCase{"DesignHeight", {1200, 1008}, {1900, 1100}, {1892, 1064}, {1400, 1040}},
        // Below 1450 on a frame wider than 1452 the window widens to the frame less 20.
        SizeCase{"NarrowOnWideFrame", {1000, 800}, {1900, 1100}, {1880, 800}, {1400, 1040}},
        SizeCase{"WideEnoughStays", {1500, 800}, {1900, 1100}, {1500, 800}, {1400, 1040}},
        // The frame of a 1024 x 768 screen: nothing wider than the frame's client area.
        SizeCase{"SmallScreen", {1002, 600}, {1004, 640}, {996, 600}, {996, 580}},
        SizeCase{"SmallScreenDesignHeight", {1200, 1008}, {1004, 640}, {996, 604}, {996, 580}},
        SizeCase{"JustAtTheWideFrame", {1000, 800}, {1452, 900}, {1000, 800}, {1400, 840}},
        SizeCase{"JustAboveTheWideFrame", {1000, 800}, {1453, 900}, {1433, 800}, {1400, 840}}),
    [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
}  // namespace ardeno
