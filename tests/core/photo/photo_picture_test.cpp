// SPDX-License-Identifier: GPL-3.0-or-later
// The working picture: the size it is opened at, brightness and contrast, zoom and the
// magnifier's region.
#include <gtest/gtest.h>

#include "core/photo/photo_picture.h"

namespace ardeno {
namespace {

struct SizeCase {
  const char* Name;
  int Width, Height, Client;
  PictureSize Expected;
};

class WorkingPictureSizeTest : public ::testing::TestWithParam<SizeCase> {};

TEST_P(WorkingPictureSizeTest, ScaledAsOpened) {
  const SizeCase& c = GetParam();
  EXPECT_EQ(WorkingPictureSize(c.Width, c.Height, c.Client), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, WorkingPictureSizeTest,
    ::testing::Values(SizeCase{"WideScanReducedTo2800", 5600, 4200, 1200, {2800, 2100}},
                      SizeCase{"Exactly2800Kept", 2800, 2000, 1200, {2800, 2000}},
                      SizeCase{"SmallPhotoEnlargedToTheClient", 600, 450, 1200, {1200, 900}},
                      SizeCase{"Within20PixelsOfTheClientKept", 1185, 900, 1200, {1185, 900}},
                      SizeCase{"WideWindowStillNotBeyond2800", 1000, 500, 4000, {2800, 1400}},
                      SizeCase{"EmptyPictureStaysEmpty", 0, 0, 1200, {0, 0}}),
    [](const ::testing::TestParamInfo<SizeCase>& info) { return std::string(info.param.Name); });

TEST(BrightnessContrast, NeutralLeavesEveryByteAndTheRuleClampsBothEnds) {
  const ByteTable neutral = BrightnessContrastTable(0, kNeutralContrast);
  for (int v = 0; v < 256; ++v) EXPECT_EQ(neutral[static_cast<std::size_t>(v)], v);
  // (100 + 20) * 120 div 80 = 180; (200 + 20) * 120 div 80 = 330 -> 255.
  const ByteTable brighter = BrightnessContrastTable(20, 120);
  EXPECT_EQ(brighter[100], 180);
  EXPECT_EQ(brighter[200], 255);
  // Integer division: (7 + 0) * 70 div 80 = 6, not 6.125 rounded elsewhere.
  EXPECT_EQ(BrightnessContrastTable(0, 70)[7], 6);
  // A darkening below zero stays black.
  EXPECT_EQ(BrightnessContrastTable(-50, kNeutralContrast)[30], 0);
}

TEST(PictureZoom, StepsStayInRangeAndPixelsMapBothWays) {
  EXPECT_EQ(ZoomIn(kZoomMost), kZoomMost);
  EXPECT_EQ(ZoomOut(kZoomLeast), kZoomLeast);
  // At 2:1 both screen pixels of a picture pixel report it.
  EXPECT_EQ(ViewToPicture(200, 20), 100);
  EXPECT_EQ(ViewToPicture(201, 20), 100);
  EXPECT_EQ(PictureToView(100, 20), 200);
  // At 1:2 a screen pixel covers two picture pixels.
  EXPECT_EQ(ViewToPicture(150, 5), 300);
  EXPECT_EQ(ViewToPicture(-1, 20), -1);
  // Enlarged views reach every picture pixel.
  for (int zoom = kZoomOneToOne; zoom <= kZoomMost; ++zoom)
    for (int p : {0, 1, 17, 1399, 2799})
      EXPECT_EQ(ViewToPicture(PictureToView(p, zoom), zoom), p) << zoom << " " << p;
}

TEST(Magnifier, RegionAroundThePointerKeptInsideThePicture) {
  const PictureSize picture{1000, 800};
  EXPECT_EQ(MagnifiedRegion(500, 400, picture).Left, 480);
  EXPECT_EQ(MagnifiedRegion(500, 400, picture).Top, 380);
  EXPECT_EQ(MagnifiedRegion(3, 2, picture).Left, 0);
  EXPECT_EQ(MagnifiedRegion(999, 799, picture).Left, 960);
  EXPECT_EQ(MagnifiedRegion(999, 799, picture).Top, 760);
  EXPECT_EQ(MagnifiedRegion(10, 10, {30, 20}).Left, 0);
}

}  // namespace
}  // namespace ardeno
