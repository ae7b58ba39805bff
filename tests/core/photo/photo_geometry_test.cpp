// SPDX-License-Identifier: GPL-3.0-or-later
// Clicked pixels of a photographed drawing turned into drawing positions, and the calibration.
#include "core/photo/photo_geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>

namespace ardeno {
namespace {

struct PixelCase {
  std::string Name;
  PhotoCalibration Calibration;
  int Px = 0;
  int Py = 0;
  int AngleDegrees = 0;
  int Distance = 0;
};

class PixelToDrawingTest : public ::testing::TestWithParam<PixelCase> {};

TEST_P(PixelToDrawingTest, GivesWholeDegreesAndTruncatedMillimetres) {
  const PixelCase& c = GetParam();
  const PhotoPoint point = PixelToDrawing(c.Calibration, c.Px, c.Py);
  EXPECT_EQ(point.AngleDegrees, c.AngleDegrees);
  EXPECT_EQ(point.DistanceWhole, c.Distance);
}

// Centre (1000, 1000), radius 500 px: 4 px per millimetre of the 125 mm drawing.
constexpr PhotoCalibration kUpright{1000, 1000, 500, 0};

INSTANTIATE_TEST_SUITE_P(
    Cases, PixelToDrawingTest,
    ::testing::Values(PixelCase{"NorthOnTheUpDirection", kUpright, 1000, 600, 0, 100},
                      PixelCase{"RightOfCentreIsNinety", kUpright, 1250, 999, 90, 62},
                      // 250 px of 500: Trunc(62.5) = 62.
                      PixelCase{"HalfTheRadiusTruncatesTo62", kUpright, 1000, 1250, 180, 62},
                      PixelCase{"LowerLeftQuadrant", kUpright, 800, 1200, 225, 70},
                      PixelCase{"UpperLeftQuadrant", kUpright, 800, 800, 315, 70},
                      // Level with the centre: dy is taken as 0.2, so the direction is defined.
                      PixelCase{"LevelRightOfCentre", kUpright, 1300, 1000, 90, 75},
                      PixelCase{"LevelLeftOfCentre", kUpright, 700, 1000, 270, 75},
                      PixelCase{"LevelWithRotationTakenOff", PhotoCalibration{1000, 1000, 500, 30},
                                1300, 1000, 60, 75},
                      PixelCase{"RotationPastNorthWrapsBelowZero",
                                PhotoCalibration{1000, 1000, 500, 10}, 1000, 600, 350, 100},
                      PixelCase{"CentreItselfIsNorthAtDistanceZero", kUpright, 1000, 1000, 0, 0}),
    [](const auto& info) { return info.param.Name; });

TEST(PixelToDrawing, AngleJustBelowFullCircleIsStoredAsZero) {
  // The point lies at 359.95 degrees after the rotation is taken off: it becomes -0.05, 0.
  const double rotation = 0.05;
  const PhotoPoint point = PixelToDrawing({1000, 1000, 500, rotation}, 1000, 600);
  EXPECT_NEAR(point.Angle, -0.05, 1e-9);
  EXPECT_EQ(point.AngleDegrees, 0);
}

struct CalibrationCase {
  std::string Name;
  int Nx = 0;
  int Ny = 0;
  int Radius = 0;
  double Rotation = 0;
};

class CalibrateByNorthTest : public ::testing::TestWithParam<CalibrationCase> {};

TEST_P(CalibrateByNorthTest, RadiusAndClockwiseAngleFromUp) {
  const CalibrationCase& c = GetParam();
  const PhotoCalibration calibration = CalibrateByNorth(500, 500, c.Nx, c.Ny);
  EXPECT_EQ(calibration.CentreX, 500);
  EXPECT_EQ(calibration.CentreY, 500);
  EXPECT_EQ(calibration.Radius, c.Radius);
  EXPECT_NEAR(calibration.Rotation, c.Rotation, 0.01);
}

INSTANTIATE_TEST_SUITE_P(Quadrants, CalibrateByNorthTest,
                         ::testing::Values(CalibrationCase{"StraightUp", 500, 100, 400, 0.0014},
                                           CalibrationCase{"UpperRight", 800, 200, 424, 45.0},
                                           CalibrationCase{"LowerRight", 800, 800, 424, 135.0},
                                           CalibrationCase{"LowerLeft", 200, 800, 424, 225.0},
                                           CalibrationCase{"UpperLeft", 200, 200, 424, 315.0}),
                         [](const auto& info) { return info.param.Name; });

TEST(Calibration, ClicksOnARotatedPictureComeBackUpright) {
  // A picture turned 30 degrees clockwise: north is marked 30 degrees right of up, and a point
  // at position angle 100 degrees, 80 mm out, is found where the turned picture shows it.
  const double turn = 30 * 3.141592653589793 / 180;
  const int cx = 1200, cy = 900, r = 600;
  const PhotoCalibration calibration =
      CalibrateByNorth(cx, cy, cx + static_cast<int>(std::lround(r * std::sin(turn))),
                       cy - static_cast<int>(std::lround(r * std::cos(turn))));
  EXPECT_EQ(calibration.Radius, 600);
  EXPECT_NEAR(calibration.Rotation, 30, 0.1);
  const double angle = (100 + 30) * 3.141592653589793 / 180;
  const double pixels = 80.0 * r / 125;
  const PhotoPoint point =
      PixelToDrawing(calibration, cx + static_cast<int>(std::lround(pixels * std::sin(angle))),
                     cy - static_cast<int>(std::lround(pixels * std::cos(angle))));
  EXPECT_EQ(point.AngleDegrees, 100);
  EXPECT_NEAR(point.DistanceMm, 80, 0.3);
}

TEST(Calibration, TheAxisPointTakesThePositionAngleOff) {
  SolarEphemeris eph;
  eph.EphP = 20;
  // The axis marked straight up: north lies 20 degrees to the left, at -20 degrees.
  const PhotoCalibration calibration = CalibrateByAxis(500, 500, 500, 100, eph);
  EXPECT_EQ(calibration.Radius, 400);
  EXPECT_NEAR(calibration.Rotation, -20, 0.01);
  // A click on the axis itself reads as position angle P.
  EXPECT_EQ(PixelToDrawing(calibration, 500, 300).AngleDegrees, 20);
}

// A spot found on the picture is drawn back where it was found: pixel -> drawing -> pixel, whatever
// the north's turn, in every quadrant.
TEST(DrawingToPixel, GivesBackThePixelPixelToDrawingRead) {
  for (const double rotation : {0.0, 17.5, 90.0, 200.25, 359.0}) {
    const PhotoCalibration calibration{812, 640, 433, rotation};
    for (const auto& [px, py] : {std::pair{812, 300}, {1100, 640}, {700, 900}, {500, 420}}) {
      const PicturePoint back =
          DrawingToPixel(calibration, DrawingMmOf(PixelToDrawing(calibration, px, py)));
      // A pixel level with the centre is read 0.2 px above it, as clicks always were.
      const double tolerance = py == calibration.CentreY ? 0.2 + 1e-6 : 1e-6;
      EXPECT_NEAR(back.X, px, tolerance) << rotation;
      EXPECT_NEAR(back.Y, py, tolerance) << rotation;
    }
  }
  // 125 mm north of the centre lies one radius towards the turned north.
  const PicturePoint north = DrawingToPixel({1000, 1000, 500, 90}, {0, kPhotoStandardRadiusMm});
  EXPECT_NEAR(north.X, 1500, 1e-9);
  EXPECT_NEAR(north.Y, 1000, 1e-9);
}

}  // namespace
}  // namespace ardeno
