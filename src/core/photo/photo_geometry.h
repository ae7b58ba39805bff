// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Geometry of a photographed drawing: the user marks the disk centre and the north point (or a
// point of the solar rotation axis) on the picture, and every later click is turned into a
// position angle and a distance on the standard drawing of radius 125 mm.
#include <cstdint>

#include "core/solar/ephemeris.h"

namespace ardeno {

inline constexpr double kPhotoStandardRadiusMm = 125.0;

// Calibration of a picture: centre pixel, disk radius in picture pixels (0 = not calibrated)
// and the direction of north, degrees clockwise from the picture's up direction.
struct PhotoCalibration {
  int CentreX = 0;
  int CentreY = 0;
  int Radius = 0;
  double Rotation = 0;

  bool IsCalibrated() const { return Radius > 0; }
};

// A clicked pixel on the standard drawing.
struct PhotoPoint {
  double Angle = 0;          // degrees, -0.1 < Angle <= 359.9 (a hair below 360 is taken as 0)
  double DistanceMm = 0;     // millimetres of the 125 mm drawing, unrounded
  int AngleDegrees = 0;      // Round(Angle), as facular vertices store it
  int DistanceWhole = 0;     // Trunc(DistanceMm), as facular vertices store it
  double PixelDistance = 0;  // distance from the centre in picture pixels
};

// Converts the pixel (px, py) of the picture. The calibration must have a radius above 0.
PhotoPoint PixelToDrawing(const PhotoCalibration& calibration, int px, int py);

// A point of the standard drawing in millimetres from its centre: x towards the position angle
// 90 degrees, y towards north (as the recognized spots are given).
struct DrawingMm {
  double X = 0;
  double Y = 0;
};
// The same point as PixelToDrawing's angle and distance.
DrawingMm DrawingMmOf(const PhotoPoint& point);

// Where a point of the drawing lies on the picture, in pixels (unrounded): the inverse of
// PixelToDrawing. The calibration must have a radius above 0.
struct PicturePoint {
  double X = 0;
  double Y = 0;
};
PicturePoint DrawingToPixel(const PhotoCalibration& calibration, const DrawingMm& point);

// Radius and direction from the centre to the marked point (nx, ny): the north point, or a
// point of the rotation axis before the position angle is taken off.
struct MarkedDirection {
  int Radius = 0;
  double Angle = 0;  // degrees 0..360 clockwise from up
};
MarkedDirection DirectionFromCentre(int cx, int cy, int nx, int ny);

// Calibration by the north point.
PhotoCalibration CalibrateByNorth(int cx, int cy, int nx, int ny);
// Calibration by a point of the rotation axis: north lies P degrees from the axis, P being the
// position angle of the record's moment.
PhotoCalibration CalibrateByAxis(int cx, int cy, int ax, int ay, const SolarEphemeris& eph);

}  // namespace ardeno
