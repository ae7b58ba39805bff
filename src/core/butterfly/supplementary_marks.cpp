// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/butterfly/supplementary_marks.h"

#include <algorithm>

namespace ardeno {

namespace {

// Rotation index n of the diagram (n T + 50 - S is its x); the walk ends at 820.
bool WithinRotations(const ButterflyScale& scale, int rotation) {
  const int n = rotation - scale.StartRotation;
  return n >= 0 && n < kSupplementaryRotations;
}

}  // namespace

bool IsDrawn(const SupplementarySpot& spot, const ButterflyScale& scale) {
  return spot.Code - 128 < 95 && WithinRotations(scale, spot.Rotation);
}

bool IsDrawn(const SupplementaryFacula& f, const ButterflyScale& scale) {
  return f.FirstCode >= 31 && f.FirstCode < 220 && f.SecondCode > 10 && f.SecondCode < 240 &&
         WithinRotations(scale, f.Rotation);
}

SupplementaryEntries ReadSupplementaryEntries(const SupplementaryData& data) {
  SupplementaryEntries entries;
  if (!data.Present() || data.Bytes.size() < kSupplementaryDataSize) return entries;
  int rotation = kSupplementaryFirstRotation;
  for (std::size_t i = 0; i < kSupplementarySpotBytes; ++i) {
    const std::uint8_t c = data.Bytes[i];
    if (c == kSupplementaryRunEnd) {
      ++rotation;
      continue;
    }
    // Zero bytes fill the table after the last run: latitude -128 is no spot.
    if (c != 0) entries.Spots.push_back({rotation, c});
  }
  rotation = kSupplementaryFirstRotation;
  for (std::size_t i = kSupplementaryFaculaStart;
       i < kSupplementaryFaculaStart + kSupplementaryFaculaBytes; ++i) {
    const std::uint8_t c = data.Bytes[i];
    if (c == kSupplementaryRunEnd) {
      ++rotation;
      continue;
    }
    if (c != 0) entries.Faculae.push_back({rotation, c, data.Bytes[i + kSupplementaryFaculaBytes]});
  }
  return entries;
}

std::vector<MarkRect> PlaceSupplementarySpots(const SupplementaryEntries& entries,
                                              const ButterflyScale& scale, VisibleColumns visible) {
  const int t = scale.TimeFactor;
  const int e = scale.EquatorY;
  std::vector<MarkRect> marks;
  for (const SupplementarySpot& s : entries.Spots) {
    if (!IsDrawn(s, scale)) continue;
    const int x = RotationX(scale, s.Rotation);
    if (!visible.Holds(x - 1, x + t / 2)) continue;
    const int dc = (s.Code - 128) * scale.HeightScale;
    marks.push_back({x - 1, e + 2 - dc, x + t / 2, e - 2 - dc});
  }
  return marks;
}

std::vector<MarkRect> PlaceSupplementaryFaculae(const SupplementaryEntries& entries,
                                                const ButterflyScale& scale, bool bars,
                                                VisibleColumns visible) {
  const int t = scale.TimeFactor;
  const int e = scale.EquatorY;
  std::vector<MarkRect> marks;
  for (const SupplementaryFacula& f : entries.Faculae) {
    if (!IsDrawn(f, scale)) continue;
    const int x = RotationX(scale, f.Rotation);
    const int dc = (f.FirstCode - 128) * scale.HeightScale;
    const int db = (f.SecondCode - 128) * scale.HeightScale;
    const MarkRect mark = bars ? MarkRect{x - 1, e + 2 - dc, x + t / 2, e - 2 - db}
                               : MarkRect{x - 1, e - dc, x - 1, e - db};
    if (visible.Holds(std::min(mark.X1, mark.X2), std::max(mark.X1, mark.X2)))
      marks.push_back(mark);
  }
  return marks;
}

}  // namespace ardeno
