// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The magnetosphere underlay of a drawing: the points of the day's magnetogram placed on the
// drawing's disk for the record's moment, prepared once when the underlay is switched on or
// the drawing changes, so a paint only sets the prepared pixels.
#include <vector>

#include "core/maps/magnetogram.h"
#include "core/solar/ephemeris.h"
#include "core/text/core_text.h"
#include "core/text/dates.h"

namespace ardeno {

inline constexpr const char* kNoMagnetoDataMessage =
    CoreTextNoop("MagnetoUnderlay", "Nejsou data pro magnetosféru");

struct UnderlayPixel {
  int X = 0;  // reference units of the drawing frame (disk centre 280, 280)
  int Y = 0;
  int Shade = 0;  // the pixel is RGB(Shade, Shade, 255); 80..255
};

// The day's image scale: the images follow the Sun's apparent size through the year.
double MagnetogramDayScale(const CalendarDate& date);

// Every point of the magnetogram that lies on the visible disk, at the record's ephemeris
// (date and time of the drawing); points right of the disk's frame are left out.
std::vector<UnderlayPixel> MagnetoUnderlay(const Magnetogram& magnetogram, const CalendarDate& date,
                                           const SolarEphemeris& eph);

}  // namespace ardeno
