// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/shell/pad_blanks.h"

#include <algorithm>

namespace ardeno {

int PadBlankCount(int width, int textWidth) {
  const int room = width - textWidth;
  if (room < kBlankWidth) return 0;
  return std::clamp(room / kBlankWidth - 1, 0, 15);
}

}  // namespace ardeno
