// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Everything one picture of the butterfly diagram shows, in drawing order, for the data prepared
// once per change of the records and the view the window shows (scale, scroll, switches). The
// window builds a scene when the view or the data change and its paint only walks the scene.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/butterfly/butterfly_corona.h"
#include "core/butterfly/butterfly_curves.h"
#include "core/butterfly/butterfly_frame.h"
#include "core/butterfly/butterfly_marks.h"
#include "core/butterfly/supplementary_marks.h"
#include "core/groups/group_statistics.h"

namespace ardeno {

enum class ButterflyMode { Spots = 1, Faculae = 2, Both = 3 };

inline bool ShowsSpots(ButterflyMode mode) { return mode != ButterflyMode::Faculae; }
inline bool ShowsFaculae(ButterflyMode mode) { return mode != ButterflyMode::Spots; }

// What the diagram draws from the records, the supplementary data and the corona rows; the
// group marks are reduced once per height scale in use.
class ButterflyData {
 public:
  ButterflyData() = default;
  ButterflyData(const Database& db, const GroupStatistics& stats,
                const SupplementaryData* supplementary, const CoronaData* corona);

  bool HasRecords() const { return m_hasRecords; }
  // Record 1's rotation by the ephemeris of its date and time (its stored one without a date).
  int FirstRotation() const { return m_firstRotation; }
  const CalendarDate& FirstDate() const { return m_firstDate; }
  // The newest rotation that holds a mark, a facula or a rotation statistic.
  int LastRotation() const { return m_lastRotation; }
  const RotationStatistics& Rotations() const { return m_rotations; }
  const ObservationSightings& Sightings() const { return m_sightings; }
  const SupplementaryEntries& Supplementary() const { return m_supplementary; }
  bool SupplementaryPresent() const { return m_supplementaryPresent; }
  const std::vector<CoronaColumn>& Corona() const { return m_corona; }
  const std::vector<GroupMarkCell>& GroupCells(int heightScale);

 private:
  bool m_hasRecords = false;
  int m_firstRotation = 0;
  int m_lastRotation = 0;
  CalendarDate m_firstDate;
  RotationStatistics m_rotations;
  ObservationSightings m_sightings;
  SupplementaryEntries m_supplementary;
  bool m_supplementaryPresent = false;
  std::vector<CoronaColumn> m_corona;
  std::array<std::optional<std::vector<GroupMarkCell>>, 10> m_cells;  // by H
};

// The window's switches.
struct ButterflyLayers {
  ButterflyMode Mode = ButterflyMode::Spots;
  bool Observations = true;  // "Podkreslit"
  bool MeanCurves = false;
  bool SmoothedCurves = false;
  bool Bounds = false;
  bool All = false;            // "Kreslit vše": the three curves
  bool Corona = false;         // the corona underlay (data loaded)
  bool Supplementary = false;  // "Doplňková data" switched on
  bool FaculaeBars = false;    // FaculaeWidthFlag
  bool LeftEdgeScale = false;  // "Stupnice"
  bool operator==(const ButterflyLayers&) const = default;
};

struct ButterflyView {
  ButterflyLayers Layers;
  int TimeFactor = 1;
  int HeightScale = 3;
  int Width = 0;  // client area
  int Height = 0;
  int VerticalOffset = 0;
  int ScrollX = 0;
  int ScrollY = 0;
  int ScrollRange = 2000;
  bool operator==(const ButterflyView&) const = default;
};

struct ButterflyScene {
  ButterflyScale Scale;
  std::vector<CoronaBandMark> Corona;
  ButterflyFrame Frame;
  std::vector<MarkRect> SupplementaryFaculae;
  std::vector<MarkRect> SupplementarySpots;
  std::vector<MarkRect> OwnFaculae;
  std::vector<MarkRect> Groups;
  bool FaculaeBars = false;  // faculae marks are bars, otherwise lines
  LatitudeCurves Mean;
  LatitudeCurves Smoothed;
  std::array<std::vector<CurvePoint>, 4> Bounds;
  std::vector<FrameLabel> LeftEdgeLabels;
};

ButterflyScene BuildButterflyScene(ButterflyData& data, const ButterflyView& view);

// The horizontal scroll range of a view: the window's own range (view.ScrollRange), widened so
// that the newest rotation of the data can be scrolled into the picture.
int ButterflyScrollRangeFor(const ButterflyData& data, const ButterflyView& view);

// The window caption of a mode: "Motýlek   Skvrny", "Motýlek   Fakule", "Motýlek   Skvrny a
// fakule".
std::string ButterflyCaption(ButterflyMode mode);

}  // namespace ardeno
