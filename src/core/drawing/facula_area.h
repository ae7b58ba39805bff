// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Facular fields of a drawing as polygons, and their area measured by counting the pixels they
// cover on an 8-bit bitmap of the unscaled drawing (one pixel per reference unit, so a pixel is
// 0.5 mm of the paper drawing and 4.533 millionths of the disk).
#include <array>
#include <cstdint>
#include <vector>

#include "core/data/database.h"
#include "core/data/observation_record.h"
#include "core/drawing/disk_grid.h"

namespace ardeno {

inline constexpr double kFaculaAreaPerPixel = 4.533;

// Outline of facular field k (1-based slot) in reference units, closed by repeating its first
// vertex. Vertices 1 and 2 always count; 3..6 only up to the first one with distance 0.
std::vector<RefPoint> FaculaPolygon(const ObservationRecord& record, int k, int mirrorX,
                                    int mirrorY);

// The off-screen counting bitmap: 532 x 532 pixels, 255 = empty, anything lower = covered.
class FaculaBitmap {
 public:
  static constexpr int kSize = 532;

  FaculaBitmap();
  // Sets rows and columns 3..530 to 255.
  void Clear();
  // Fills the polygon (interior by the even-odd rule, and its outline) with 0; points outside
  // the bitmap are clipped.
  void FillPolygon(const std::vector<RefPoint>& outline);
  // Counts the covered pixels of rows and columns 30..529 and resets each to 255, so a second
  // count of the same bitmap starts from clean pixels.
  int CountAndReset();
  std::uint8_t Pixel(int x, int y) const {
    return m_pixels[static_cast<std::size_t>(y) * kSize + x];
  }

 private:
  void Set(int x, int y);
  void Line(RefPoint a, RefPoint b);
  std::vector<std::uint8_t> m_pixels;
};

// Draws every facular field of the record onto the bitmap and returns the covered pixel count
// (0 without facular fields).
int MeasureFaculaPixels(const ObservationRecord& record, int mirrorX, int mirrorY,
                        FaculaBitmap& bitmap);

// Facular area in millionths of the disk for a pixel count.
std::int64_t FaculaAreaFromPixels(int pixels);

// Writes the measured area into FaculaAreaText of the current record when the work record shown
// has facular fields and is that record (same date, byte for byte); returns true when written.
// A drawing painted for another record (printing or saving a range) never writes its area into
// the current one.
bool StoreFaculaArea(Database& db, int pixels);

}  // namespace ardeno
