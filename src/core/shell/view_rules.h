// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The limits of the toolbar buttons that change the analysis windows' scales.
#include <cstdint>

#include "core/data/database.h"

namespace ardeno {

// Butterfly diagram: pixels per rotation, 1..16 in powers of two.
std::uint16_t NarrowerTimeFactor(std::uint16_t factor);
std::uint16_t WiderTimeFactor(std::uint16_t factor);
// The horizontal scroll range that fits the diagram at a time factor.
int ButterflyScrollRange(std::uint16_t factor);
// Butterfly diagram: pixels per degree, 1..9.
std::int32_t HigherHeightScale(std::int32_t scale);
std::int32_t LowerHeightScale(std::int32_t scale);

// Smoothed graphs: days per pixel, 1..16 when compressing.
std::int32_t MoreCompression(std::int32_t compression);
// Halves the compression (at least 1), then doubles it once when the span of `daySpan` days
// would exceed 32000 pixels (the widest the graph can be scrolled).
std::int32_t LessCompression(std::int32_t compression, std::int32_t daySpan);

// Days between the first and the last record's date, 0 when either date does not parse.
std::int32_t DaySpanOf(const Database& db);

}  // namespace ardeno
