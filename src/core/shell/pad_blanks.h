// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Right-aligning short texts for drawing: blanks are prepended, each counted as 3 pixels.

namespace ardeno {

inline constexpr int kBlankWidth = 3;

// Blanks to prepend to a text `textWidth` pixels wide to right-align it in `width` pixels:
// (width - textWidth) div kBlankWidth - 1 when there is room for at least one blank, at most 15.
int PadBlankCount(int width, int textWidth);

}  // namespace ardeno
