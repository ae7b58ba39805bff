// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Conversions between a place on a drawing and heliographic coordinates, for one moment given by
// its ephemeris. Drawing frame: position angle in tenths of a degree from the north point,
// distance in tenths of a millimetre of the standard drawing of radius 125 mm.
#include <optional>

#include "core/solar/ephemeris.h"

namespace ardeno {

inline constexpr double kStandardRadius10 = 1250.0;   // limb distance in tenths of a millimetre
inline constexpr float kStandardDiskPixels = 250.0f;  // screen radius of the standard disk

struct HeliographicPosition {
  double CentralMeridianDistance = 0;  // degrees, positive towards the east limb
  double HelioLatitude = 0;            // degrees, north positive
  double HelioLongitude = 0;           // Carrington degrees, 0..360
};

// What every conversion of one moment shares: the position angle, the central longitude and the
// sine and cosine of the disk centre's latitude. Prepared once for a record, it serves all its
// groups and facula vertices; the results are exactly those of the ephemeris overload.
struct DiskOrientation {
  explicit DiskOrientation(const SolarEphemeris& eph);
  double EphP = 0;
  double EphL0 = 0;
  double SinB0 = 0;
  double CosB0 = 0;
};

// angle10 in tenths of a degree, distance10 in tenths of a millimetre of the 125 mm drawing.
// A distance beyond the limb (only a damaged record holds one) is taken on the limb.
HeliographicPosition PolarToHeliographic(const DiskOrientation& disk, double angle10,
                                         double distance10);
inline HeliographicPosition PolarToHeliographic(const SolarEphemeris& eph, double angle10,
                                                double distance10) {
  return PolarToHeliographic(DiskOrientation(eph), angle10, distance10);
}

struct PolarPosition {
  double PolarAngle = 0;     // degrees; not reduced to 0..360
  double PolarDistance = 0;  // millimetres of a drawing of the given radius
};

// l = Carrington longitude, b = latitude (degrees); drawingRadius in millimetres.
PolarPosition HeliographicToPolar(const SolarEphemeris& eph, float l, float b, float drawingRadius);

// Heliographic latitudes run from -90 to 90 degrees.
inline constexpr double kMaxHelioLatitude = 90.0;

// The point l, b (degrees) lies on the hemisphere turned to the Earth at that moment, so that it
// can be drawn; a point behind the limb has no place on a drawing.
bool IsOnVisibleHemisphere(const SolarEphemeris& eph, double l, double b);

// x, y: pixel offset from the centre of the standard 250-pixel disk, y towards north.
// Nothing for a point outside the disk.
std::optional<HeliographicPosition> PixelToHeliographic(const SolarEphemeris& eph, float x,
                                                        float y);

}  // namespace ardeno
