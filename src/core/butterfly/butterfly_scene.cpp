// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/butterfly/butterfly_scene.h"

#include <algorithm>

#include "core/text/core_text.h"

namespace ardeno {

ButterflyData::ButterflyData(const Database& db, const GroupStatistics& stats,
                             const SupplementaryData* supplementary, const CoronaData* corona)
    : m_rotations(stats.Rotations) {
  m_hasRecords = db.RecordCount > 0 && stats.Positions.Count() >= db.RecordCount;
  if (m_hasRecords) {
    const RecordPosition& first = stats.Positions.Record(1);
    m_firstRotation = first.HasDate ? first.Eph.RotationNumber : db.Record(1).Rotation();
    m_firstDate = first.Date;
    m_sightings = CollectObservationSightings(db, stats.Positions);
    m_lastRotation = m_firstRotation + m_rotations.RotationStatsCount() - 1;
    for (const GroupSighting& group : m_sightings.Groups)
      m_lastRotation = std::max(m_lastRotation, group.Rotation);
    // A facula lies up to one rotation after its record's.
    for (const FaculaSpan& facula : m_sightings.Faculae)
      m_lastRotation = std::max(m_lastRotation, facula.Rotation + 1);
  }
  if (supplementary != nullptr && supplementary->Present()) {
    m_supplementaryPresent = true;
    m_supplementary = ReadSupplementaryEntries(*supplementary);
  }
  if (corona != nullptr) m_corona = CoronaColumns(*corona);
}

const std::vector<GroupMarkCell>& ButterflyData::GroupCells(int heightScale) {
  auto& cells = m_cells[static_cast<std::size_t>(heightScale)];
  if (!cells) cells = ReduceGroupSightings(m_sightings, heightScale);
  return *cells;
}

namespace {

// The main window keeps T in 1..16 and H in 1..9; a picture outside them is not drawn wider.
ButterflyView WithinScaleLimits(const ButterflyView& shown) {
  ButterflyView view = shown;
  view.TimeFactor = std::clamp(view.TimeFactor, 1, 16);
  view.HeightScale = std::clamp(view.HeightScale, 1, 9);
  return view;
}

bool SupplementaryShown(const ButterflyData& data, const ButterflyLayers& layers) {
  return layers.Supplementary && data.SupplementaryPresent();
}

bool CoronaShown(const ButterflyData& data, const ButterflyLayers& layers) {
  return layers.Corona && !data.Corona().empty();
}

ButterflyScale ScaleOf(const ButterflyData& data, const ButterflyView& view) {
  ButterflyScale s;
  s.TimeFactor = view.TimeFactor;
  s.HeightScale = view.HeightScale;
  s.EquatorY = view.Height / 2 + view.VerticalOffset - view.ScrollY;
  s.ScrollX = view.ScrollX;
  s.StartRotation = ChooseStartRotation(data.FirstRotation(), SupplementaryShown(data, view.Layers),
                                        CoronaShown(data, view.Layers));
  return s;
}

}  // namespace

int ButterflyScrollRangeFor(const ButterflyData& data, const ButterflyView& shown) {
  if (!data.HasRecords()) return shown.ScrollRange;
  ButterflyView view = WithinScaleLimits(shown);
  view.ScrollX = 0;
  const ButterflyScale s = ScaleOf(data, view);
  // The newest mark is up to T + 1 pixels wide; the left axis' margin is kept on the right.
  const int newest = RotationX(s, data.LastRotation()) + s.TimeFactor + 1 + kButterflyLeftAxisX;
  return std::max(shown.ScrollRange, newest);
}

ButterflyScene BuildButterflyScene(ButterflyData& data, const ButterflyView& shown) {
  const ButterflyView view = WithinScaleLimits(shown);
  const ButterflyLayers& layers = view.Layers;
  ButterflyScene scene;
  const bool supplementary = SupplementaryShown(data, layers);
  const bool corona = CoronaShown(data, layers);
  scene.Scale = ScaleOf(data, view);
  const ButterflyScale& s = scene.Scale;
  // One rotation of margin either side: marks are up to T + 1 pixels wide.
  const VisibleColumns visible{-view.TimeFactor - 2, view.Width + view.TimeFactor + 2};

  if (corona) scene.Corona = PlaceCoronaBands(data.Corona(), s, visible);
  scene.Frame = BuildButterflyFrame(s, ButterflyScrollRangeFor(data, view), visible);
  if (layers.LeftEdgeScale) scene.LeftEdgeLabels = LeftEdgeLatitudeLabels(s);
  scene.FaculaeBars = layers.FaculaeBars;
  if (layers.Observations) {
    if (supplementary) {
      if (ShowsFaculae(layers.Mode))
        scene.SupplementaryFaculae =
            PlaceSupplementaryFaculae(data.Supplementary(), s, layers.FaculaeBars, visible);
      if (ShowsSpots(layers.Mode))
        scene.SupplementarySpots = PlaceSupplementarySpots(data.Supplementary(), s, visible);
    }
    if (ShowsFaculae(layers.Mode))
      scene.OwnFaculae = PlaceOwnFaculae(data.Sightings().Faculae, s, layers.FaculaeBars, visible);
    if (ShowsSpots(layers.Mode))
      scene.Groups = PlaceGroupMarks(data.GroupCells(view.HeightScale), s, visible);
  }
  if (!data.HasRecords()) return scene;
  if (layers.MeanCurves || layers.All) scene.Mean = MeanLatitudeCurves(data.Rotations(), s);
  if (layers.SmoothedCurves || layers.All)
    scene.Smoothed = SmoothedLatitudeCurves(data.Rotations(), s);
  if (layers.Bounds || layers.All)
    scene.Bounds = BoundaryCurves(data.Rotations(), data.FirstDate(), s);
  return scene;
}

std::string ButterflyCaption(ButterflyMode mode) {
  switch (mode) {
    case ButterflyMode::Faculae:
      return CoreText("Butterfly", "Motýlek   Fakule");
    case ButterflyMode::Both:
      return CoreText("Butterfly", "Motýlek   Skvrny a fakule");
    default:
      return CoreText("Butterfly", "Motýlek   Skvrny");
  }
}

}  // namespace ardeno
