// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The working picture of a photographed drawing: the size it is brought to when opened, its
// brightness and contrast, the zoom of its view and the region the magnifier shows.
#include <array>
#include <cstdint>

namespace ardeno {

// Pictures wider than this are reduced on opening; a scan at this width still shows the spots
// sharply while a 24-bit copy of it stays small enough to adjust at once.
inline constexpr int kWidestWorkingPicture = 2800;

struct PictureSize {
  int Width = 0;
  int Height = 0;
  bool operator==(const PictureSize&) const = default;
};

// The size a picture of width x height is brought to for a view `clientWidth` pixels wide:
// down to 2800 pixels when wider, up to the client width when narrower than the client width
// less 20, otherwise as it is; the height follows in proportion (at least 1).
PictureSize WorkingPictureSize(int width, int height, int clientWidth);

// Brightness and contrast as the scroll bars set them: every colour byte becomes
// (loaded + brightness) * contrast div 80, kept within 0..255. Contrast 80 and brightness 0
// leave the picture as loaded.
inline constexpr int kNeutralContrast = 80;
using ByteTable = std::array<std::uint8_t, 256>;
ByteTable BrightnessContrastTable(int brightness, int contrast);

// Zoom of the picture's view in steps of a tenth: 10 shows one picture pixel per screen pixel.
inline constexpr int kZoomOneToOne = 10;
inline constexpr int kZoomLeast = 2;
inline constexpr int kZoomMost = 40;
int ZoomIn(int zoom);
int ZoomOut(int zoom);
// A point of the zoomed view (scroll offsets included) as a picture pixel, and the first view
// pixel of a picture pixel.
int ViewToPicture(int view, int zoom);
int PictureToView(int picture, int zoom);

// The magnifier shows this many picture pixels around the pointer, enlarged ten times.
inline constexpr int kMagnifiedSide = 40;
inline constexpr int kMagnifierZoom = 10;
struct PictureRegion {
  int Left = 0;
  int Top = 0;
  int Side = 0;
};
// The region around (x, y), moved inside a picture of the given size when the pointer is near
// its edge (a picture smaller than the region gives the region at 0, 0).
PictureRegion MagnifiedRegion(int x, int y, PictureSize picture);

}  // namespace ardeno
