// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/photo/photo_picture.h"

#include <algorithm>
#include <cmath>

namespace ardeno {

namespace {

PictureSize ScaledToWidth(int width, int height, int newWidth) {
  const double scale = static_cast<double>(newWidth) / width;
  return {newWidth, std::max(1, static_cast<int>(std::lround(height * scale)))};
}

}  // namespace

PictureSize WorkingPictureSize(int width, int height, int clientWidth) {
  if (width <= 0 || height <= 0) return {std::max(0, width), std::max(0, height)};
  if (width > kWidestWorkingPicture) return ScaledToWidth(width, height, kWidestWorkingPicture);
  // Never beyond the widest picture, however wide the window.
  const int target = std::min(clientWidth, kWidestWorkingPicture);
  if (width < clientWidth - 20) return ScaledToWidth(width, height, target);
  return {width, height};
}

ByteTable BrightnessContrastTable(int brightness, int contrast) {
  ByteTable table{};
  for (int v = 0; v < 256; ++v) {
    const int adjusted = (v + brightness) * contrast / kNeutralContrast;
    table[static_cast<std::size_t>(v)] = static_cast<std::uint8_t>(std::clamp(adjusted, 0, 255));
  }
  return table;
}

int ZoomIn(int zoom) { return std::min(zoom + 1, kZoomMost); }
int ZoomOut(int zoom) { return std::max(zoom - 1, kZoomLeast); }

int ViewToPicture(int view, int zoom) {
  // Floor, so every screen pixel of an enlarged picture pixel reports that pixel.
  const int scaled = view * kZoomOneToOne;
  return scaled >= 0 ? scaled / zoom : -((-scaled + zoom - 1) / zoom);
}

int PictureToView(int picture, int zoom) {
  // The first screen pixel of the picture pixel: rounded up, so it maps back to that pixel.
  const int scaled = picture * zoom;
  return scaled >= 0 ? (scaled + kZoomOneToOne - 1) / kZoomOneToOne : scaled / kZoomOneToOne;
}

PictureRegion MagnifiedRegion(int x, int y, PictureSize picture) {
  const int half = kMagnifiedSide / 2;
  const int left = std::clamp(x - half, 0, std::max(0, picture.Width - kMagnifiedSide));
  const int top = std::clamp(y - half, 0, std::max(0, picture.Height - kMagnifiedSide));
  return {left, top, kMagnifiedSide};
}

}  // namespace ardeno
