// SPDX-License-Identifier: GPL-3.0-or-later
// The picture of a drawing given to "read-drawing" or the photo window: any bytes are refused or
// read, and a read picture goes through the whole recognition without reading past its pixels.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/solar/ephemeris.h"
#include "vision/drawing_reader.h"
#include "vision/image_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace ardeno;
  const std::vector<unsigned char> bytes(data, data + size);
  const vision::LoadedImage image = vision::DecodeDrawingImage(bytes);
  if (image.Problem != vision::ImageProblem::None) {
    if (!image.Gray.empty()) __builtin_trap();
    return 0;
  }
  if (image.Gray.empty() || image.Gray.total() > vision::kMaxImagePixels) __builtin_trap();
  static const SolarEphemeris kMoment = Ephemeris(CalendarDate{2014, 3, 20}, 1030);
  const vision::DrawingReading reading = vision::ReadDrawing(image, kMoment, std::nullopt);
  if (reading.Outcome == vision::ReadingOutcome::Read &&
      !(std::isfinite(reading.CentreX) && std::isfinite(reading.Radius)))
    __builtin_trap();
  return 0;
}
