// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/shell/interface_scale.h"

#include <algorithm>

#include "core/text/number_format.h"

namespace ardeno {

int ScalePercentFor(int screenHeight, float zoom) {
  // Single precision as the zoom is kept: 76 * 1.2f is 91.2 and rounds to 91.
  const float scaled = static_cast<float>(screenHeight / 10) * zoom;
  return std::max(100, static_cast<int>(Round(scaled)));
}

}  // namespace ardeno
