// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Facular outlines clicked on a photographed drawing: up to 6 vertices for each of the 40
// fields, kept as picture pixels until the user ends the entry, then converted into the
// record's vertex words (angle in whole degrees * 128 + distance in millimetres).
#include <array>
#include <optional>
#include <string>

#include "core/data/observation_record.h"
#include "core/photo/photo_geometry.h"
#include "core/text/core_text.h"
#include "core/text/refusal.h"

namespace ardeno {

// Every vertex must lie inside the disk: the largest distance of a field is brought to this.
inline constexpr int kOutlineLimitMm = 124;

inline constexpr const char* kFaculaNumberZeroMessage =
    CoreTextNoop("PhotoEntry", "Číslo fakule nula");
inline constexpr const char* kTooManyFaculaeMessage =
    CoreTextNoop("PhotoEntry", "Počet fakulí jen 40 !");
inline constexpr const char* kBeyondDrawingRadiusMessage =
    CoreTextNoop("PhotoEntry", "Pozice přesahuje poloměr zákresu, změnit");
inline constexpr const char* kMaxVerticesText = CoreTextNoop("PhotoEntry", "Max. 6 bodů");

struct OutlinePixel {
  int X = 0;
  int Y = 0;
  bool Set = false;
};

class FacularOutlines {
 public:
  // Starts the outline of field 1..40 with its first vertex (the right button). The field's
  // earlier vertices are cleared.
  void Start(int field, int x, int y);
  // Adds the next vertex of the outline being clicked; false when it already has 6.
  bool AddVertex(int x, int y);
  // Vertex index the next click fills, 1..7 (7: the outline is full).
  int NextVertex() const { return m_nextVertex; }
  int ActiveField() const { return m_field; }
  bool Active() const { return m_field > 0; }
  const OutlinePixel& Vertex(int field, int vertex) const {
    return m_points[static_cast<std::size_t>(field - 1)][static_cast<std::size_t>(vertex - 1)];
  }
  void Clear();

 private:
  std::array<std::array<OutlinePixel, kFaculaVertices>, kMaxFaculae> m_points{};
  int m_field = 0;
  int m_nextVertex = 1;
};

using VertexWords = std::array<std::uint16_t, kFaculaVertices>;
// The vertex words of each field that has a clicked outline (nothing for the others). A vertex
// never clicked gives angle 0 and distance 0. Each field whose largest distance reaches 125 mm is
// scaled so that its farthest vertex lies at 124: the field alone, so one outline clicked past
// the limb does not shrink the others.
std::array<std::optional<VertexWords>, kMaxFaculae> OutlineVertexWords(
    const FacularOutlines& outlines, const PhotoCalibration& calibration);

// Writes the vertex words of the clicked fields and FacularCount (the number the user ended
// at). Fields not clicked in this entry keep what the record holds, so faculae entered in an
// earlier session are not wiped.
void StoreOutlines(ObservationRecord& record,
                   const std::array<std::optional<VertexWords>, kMaxFaculae>& words,
                   int facularCount);

// Refusal of a facula number typed in the facula field; nothing when it can be used.
Refusal CheckFaculaNumber(int number);

}  // namespace ardeno
