// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the drawing window reads out under the mouse: heliographic coordinates of a point of the
// disk (left button) and the angular distance between two points of the disk (right-button drag).
// Pixel positions are window pixels at the given scale.
#include <optional>
#include <string>

#include "core/drawing/drawing_scale.h"
#include "core/solar/heliographic.h"

namespace ardeno {

// Whether the pixel lies on the disk (not farther from the centre than S(250)).
bool InsideDisk(const DrawingScale& scale, int x, int y);

// Heliographic coordinates of the pixel; nothing outside the disk.
std::optional<HeliographicPosition> PointReadout(const SolarEphemeris& eph,
                                                 const DrawingScale& scale, int mirrorX,
                                                 int mirrorY, int x, int y);

// "lll.l , bb.b": longitude with width 3 and latitude with width 2, one decimal each, each cut to
// 5 characters.
std::string PointReadoutText(const HeliographicPosition& position);

// Offset of a pixel from the disk centre, y towards the top of the window.
struct CentreOffset {
  int Dx = 0;
  int Dy = 0;
};
CentreOffset OffsetFromCentre(const DrawingScale& scale, int x, int y);

// Angular distance in degrees on the sphere between the drag start and the pixel, from their
// offsets projected on a disk of DiskRadiusPixels; 0 when the chord reaches the limb.
double DragAngle(const DrawingScale& scale, CentreOffset start, int x, int y);

// The drag read-out, "#0.00".
std::string DragAngleText(double degrees);

}  // namespace ardeno
