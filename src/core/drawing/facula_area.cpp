// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/drawing/facula_area.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

#include "core/drawing/drawing_scale.h"
#include "core/solar/angles.h"
#include "core/text/number_format.h"

namespace ardeno {
namespace {

constexpr int kCountFirst = 30;
constexpr int kCountLast = 529;
constexpr int kClearFirst = 3;
constexpr int kClearLast = 530;

RefPoint VertexPoint(std::uint16_t vertex, int mirrorX, int mirrorY) {
  const double angle = (vertex / 128) * kRecordDegToRad;
  const double distance = (vertex % 128) * 2.0;
  return {static_cast<int>(Trunc(std::sin(angle) * mirrorX * distance)) + kCanvasCentre,
          static_cast<int>(Trunc(-std::cos(angle) * mirrorY * distance)) + kCanvasCentre};
}

}  // namespace

std::vector<RefPoint> FaculaPolygon(const ObservationRecord& record, int k, int mirrorX,
                                    int mirrorY) {
  std::vector<RefPoint> outline;
  for (int v = 1; v <= kFaculaVertices; ++v) {
    const std::uint16_t vertex = record.FaculaVertex(k, v);
    if (v > 2 && vertex % 128 == 0) break;
    outline.push_back(VertexPoint(vertex, mirrorX, mirrorY));
  }
  outline.push_back(outline.front());
  return outline;
}

FaculaBitmap::FaculaBitmap() : m_pixels(static_cast<std::size_t>(kSize) * kSize, 0) { Clear(); }

void FaculaBitmap::Clear() {
  for (int y = kClearFirst; y <= kClearLast; ++y) {
    auto row = m_pixels.begin() + static_cast<std::ptrdiff_t>(y) * kSize;
    std::fill(row + kClearFirst, row + kClearLast + 1, std::uint8_t{255});
  }
}

void FaculaBitmap::Set(int x, int y) {
  if (x < 0 || y < 0 || x >= kSize || y >= kSize) return;
  m_pixels[static_cast<std::size_t>(y) * kSize + x] = 0;
}

void FaculaBitmap::Line(RefPoint a, RefPoint b) {
  const int dx = std::abs(b.X - a.X);
  const int dy = -std::abs(b.Y - a.Y);
  const int sx = a.X < b.X ? 1 : -1;
  const int sy = a.Y < b.Y ? 1 : -1;
  int err = dx + dy;
  for (;;) {
    Set(a.X, a.Y);
    if (a.X == b.X && a.Y == b.Y) return;
    const int e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      a.X += sx;
    }
    if (e2 <= dx) {
      err += dx;
      a.Y += sy;
    }
  }
}

void FaculaBitmap::FillPolygon(const std::vector<RefPoint>& outline) {
  if (outline.size() < 2) return;
  int top = outline.front().Y;
  int bottom = top;
  for (const RefPoint& p : outline) {
    top = std::min(top, p.Y);
    bottom = std::max(bottom, p.Y);
  }
  top = std::max(top, 0);
  bottom = std::min(bottom, kSize - 1);
  std::vector<double> crossings;
  // Interior: pixel centres inside the outline, row by row.
  for (int y = top; y <= bottom; ++y) {
    const double cy = y + 0.5;
    crossings.clear();
    for (std::size_t i = 0; i + 1 < outline.size(); ++i) {
      const RefPoint a = outline[i];
      const RefPoint b = outline[i + 1];
      if ((a.Y <= cy) == (b.Y <= cy)) continue;
      crossings.push_back(a.X + (cy - a.Y) * (b.X - a.X) / static_cast<double>(b.Y - a.Y));
    }
    std::sort(crossings.begin(), crossings.end());
    for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
      const int from = std::max(0, static_cast<int>(std::ceil(crossings[i] - 0.5)));
      const int to = std::min(kSize - 1, static_cast<int>(std::ceil(crossings[i + 1] - 0.5)) - 1);
      for (int x = from; x <= to; ++x) Set(x, y);
    }
  }
  for (std::size_t i = 0; i + 1 < outline.size(); ++i) Line(outline[i], outline[i + 1]);
}

int FaculaBitmap::CountAndReset() {
  int count = 0;
  for (int y = kCountFirst; y <= kCountLast; ++y) {
    std::uint8_t* row = m_pixels.data() + static_cast<std::size_t>(y) * kSize;
    for (int x = kCountFirst; x <= kCountLast; ++x) {
      if (row[x] < 255) {
        ++count;
        row[x] = 255;
      }
    }
  }
  return count;
}

int MeasureFaculaPixels(const ObservationRecord& record, int mirrorX, int mirrorY,
                        FaculaBitmap& bitmap) {
  const int fields = record.FacularCount();
  if (fields == 0) return 0;
  for (int k = 1; k <= fields; ++k) bitmap.FillPolygon(FaculaPolygon(record, k, mirrorX, mirrorY));
  return bitmap.CountAndReset();
}

std::int64_t FaculaAreaFromPixels(int pixels) { return Round(pixels * kFaculaAreaPerPixel); }

bool StoreFaculaArea(Database& db, int pixels) {
  if (db.WorkRecord.FacularCount() == 0) return false;
  if (!db.HasCurrentRecord()) return false;
  ObservationRecord& current = db.Record(db.CurrentIndex);
  if (current.DateRaw() != db.WorkRecord.DateRaw()) return false;
  current.SetFaculaAreaText(std::to_string(FaculaAreaFromPixels(pixels)));
  return true;
}

}  // namespace ardeno
