// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/photo/photo_faculae.h"

#include <algorithm>

#include "core/text/core_text.h"
#include "core/text/number_format.h"

namespace ardeno {

void FacularOutlines::Start(int field, int x, int y) {
  if (field < 1 || field > kMaxFaculae) return;
  auto& points = m_points[static_cast<std::size_t>(field - 1)];
  points.fill(OutlinePixel{});
  points[0] = {x, y, true};
  m_field = field;
  m_nextVertex = 2;
}

bool FacularOutlines::AddVertex(int x, int y) {
  if (m_field == 0 || m_nextVertex > kFaculaVertices) return false;
  m_points[static_cast<std::size_t>(m_field - 1)][static_cast<std::size_t>(m_nextVertex - 1)] = {
      x, y, true};
  ++m_nextVertex;
  return true;
}

void FacularOutlines::Clear() {
  for (auto& field : m_points) field.fill(OutlinePixel{});
  m_field = 0;
  m_nextVertex = 1;
}

std::array<std::optional<VertexWords>, kMaxFaculae> OutlineVertexWords(
    const FacularOutlines& outlines, const PhotoCalibration& calibration) {
  std::array<std::optional<VertexWords>, kMaxFaculae> words{};
  for (int field = 1; field <= kMaxFaculae; ++field) {
    std::array<PhotoPoint, kFaculaVertices> points{};
    bool clicked = false;
    int largest = 0;
    for (int v = 0; v < kFaculaVertices; ++v) {
      const OutlinePixel& pixel = outlines.Vertex(field, v + 1);
      if (!pixel.Set) continue;
      clicked = true;
      points[v] = PixelToDrawing(calibration, pixel.X, pixel.Y);
      largest = std::max(largest, points[v].DistanceWhole);
    }
    if (!clicked) continue;
    VertexWords& fieldWords = words[static_cast<std::size_t>(field - 1)].emplace();
    for (int v = 0; v < kFaculaVertices; ++v) {
      int distance = points[v].DistanceWhole;
      if (largest >= kPhotoStandardRadiusMm)
        distance =
            static_cast<int>(Round(static_cast<double>(distance) * kOutlineLimitMm / largest));
      fieldWords[v] = static_cast<std::uint16_t>(points[v].AngleDegrees * 128 + distance);
    }
  }
  return words;
}

void StoreOutlines(ObservationRecord& record,
                   const std::array<std::optional<VertexWords>, kMaxFaculae>& words,
                   int facularCount) {
  for (int field = 1; field <= kMaxFaculae; ++field) {
    const std::optional<VertexWords>& fieldWords = words[static_cast<std::size_t>(field - 1)];
    if (!fieldWords) continue;
    for (int v = 1; v <= kFaculaVertices; ++v)
      record.SetFaculaVertex(field, v, (*fieldWords)[static_cast<std::size_t>(v - 1)]);
  }
  record.SetFacularCount(facularCount);
}

Refusal CheckFaculaNumber(int number) {
  if (number == 0) return CoreText("PhotoEntry", kFaculaNumberZeroMessage);
  if (number > kMaxFaculae) return CoreText("PhotoEntry", kTooManyFaculaeMessage);
  return std::nullopt;
}

}  // namespace ardeno
