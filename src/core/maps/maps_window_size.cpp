// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/maps/maps_window_size.h"

#include <algorithm>

namespace ardeno {

namespace {
constexpr int kFullHeightMargin = 5;
constexpr int kFullWidthMargin = 8;
constexpr int kNarrowWidth = 1450;  // below this on a wide frame the map had no room
constexpr int kWideFrame = 1452;
constexpr int kWidenedWidthMargin = 20;
constexpr int kTwoMapsWidth = 1400;
constexpr int kTwoMapsHeightMargin = 60;

// A window wider than the frame would hide its right part and the frame's close box.
int WithinFrame(int width, WindowSize mainClient) {
  return std::min(width, mainClient.Width - kFullWidthMargin);
}
}  // namespace

WindowSize SingleMapWindowSize(WindowSize now, WindowSize mainClient, int toolbarHeight) {
  WindowSize size = now;
  if (size.Height == kMapsDesignHeight) {
    size.Height = mainClient.Height - toolbarHeight - kFullHeightMargin;
    size.Width = mainClient.Width - kFullWidthMargin;
  }
  if (size.Width < kNarrowWidth && mainClient.Width > kWideFrame)
    size.Width = mainClient.Width - kWidenedWidthMargin;
  size.Width = WithinFrame(size.Width, mainClient);
  return size;
}

WindowSize TwoMapsWindowSize(WindowSize mainClient) {
  return {WithinFrame(kTwoMapsWidth, mainClient), mainClient.Height - kTwoMapsHeightMargin};
}

}  // namespace ardeno
