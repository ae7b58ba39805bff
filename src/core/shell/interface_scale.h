// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The interface scale: pixel sizes of the windows follow the screen height and the zoom file.

namespace ardeno {

// Round((screenHeight div 10) * zoom) in percent, raised to 100 when lower.
int ScalePercentFor(int screenHeight, float zoom);

// n * scalePercent div 100.
inline int ScaledBy(int n, int scalePercent) { return n * scalePercent / 100; }

// The program needs a screen at least this wide.
inline constexpr int kMinimumScreenWidth = 1020;

}  // namespace ardeno
