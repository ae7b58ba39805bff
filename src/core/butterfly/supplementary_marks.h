// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The historical spots and facular fields of "Motfakul.dat" in the butterfly diagram. The file's
// sections are runs of latitude codes per Carrington rotation from rotation 1266, each run ended
// by the byte 255; a code c stands for latitude c - 128 degrees.
#include <cstdint>
#include <vector>

#include "core/butterfly/butterfly_marks.h"
#include "core/data/supplementary_data.h"

namespace ardeno {

inline constexpr int kSupplementaryFirstRotation = 1266;
// Rotation indices (counted from the diagram's start rotation) the supplementary data reach.
inline constexpr int kSupplementaryRotations = 820;
inline constexpr std::size_t kSupplementarySpotBytes = 15000;
inline constexpr std::size_t kSupplementaryFaculaStart = 15000;
inline constexpr std::size_t kSupplementaryFaculaBytes = 5000;
inline constexpr std::uint8_t kSupplementaryRunEnd = 255;

struct SupplementarySpot {
  int Rotation = 0;
  int Code = 0;
};
struct SupplementaryFacula {
  int Rotation = 0;
  int FirstCode = 0;
  int SecondCode = 0;
};

// The codes of the file, each with its rotation; walked once when the file is read.
struct SupplementaryEntries {
  std::vector<SupplementarySpot> Spots;
  std::vector<SupplementaryFacula> Faculae;
};
SupplementaryEntries ReadSupplementaryEntries(const SupplementaryData& data);

// Latitude of a code: c - 128 degrees.
inline int SupplementaryLatitude(int code) { return code - 128; }
// Whether the diagram draws an entry at this scale (its codes and its rotation).
bool IsDrawn(const SupplementarySpot& spot, const ButterflyScale& scale);
bool IsDrawn(const SupplementaryFacula& facula, const ButterflyScale& scale);

// Spots with c - 128 < 95 as small bars; faculae with 31 <= c < 220 and 10 < b < 240 as bars
// (faculae width switch on) or vertical lines. Only rotation indices below 820 of the scale's
// start rotation are drawn.
std::vector<MarkRect> PlaceSupplementarySpots(const SupplementaryEntries& entries,
                                              const ButterflyScale& scale,
                                              VisibleColumns visible = {});
std::vector<MarkRect> PlaceSupplementaryFaculae(const SupplementaryEntries& entries,
                                                const ButterflyScale& scale, bool bars,
                                                VisibleColumns visible = {});

}  // namespace ardeno
