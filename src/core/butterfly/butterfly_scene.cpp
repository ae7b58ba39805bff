#include "core/butterfly/butterfly_scene.h"

#include <algorithm>

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

ButterflyScene BuildButterflyScene(ButterflyData& data, const ButterflyView& shown) {
  // The main window keeps T in 1..16 and H in 1..9; a picture outside them is not drawn wider.
  ButterflyView view = shown;
  view.TimeFactor = std::clamp(view.TimeFactor, 1, 16);
  view.HeightScale = std::clamp(view.HeightScale, 1, 9);
  const ButterflyLayers& layers = view.Layers;
  ButterflyScene scene;
  const bool supplementary = layers.Supplementary && data.SupplementaryPresent();
  const bool corona = layers.Corona && !data.Corona().empty();
  ButterflyScale& s = scene.Scale;
  s.TimeFactor = view.TimeFactor;
  s.HeightScale = view.HeightScale;
  s.EquatorY = view.Height / 2 + view.VerticalOffset - view.ScrollY;
  s.ScrollX = view.ScrollX;
  s.StartRotation = ChooseStartRotation(data.FirstRotation(), supplementary, corona);
  // One rotation of margin either side: marks are up to T + 1 pixels wide.
  const VisibleColumns visible{-view.TimeFactor - 2, view.Width + view.TimeFactor + 2};

  if (corona) scene.Corona = PlaceCoronaBands(data.Corona(), s, visible);
  scene.Frame = BuildButterflyFrame(s, view.ScrollRange, visible);
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

const char* ButterflyCaption(ButterflyMode mode) {
  switch (mode) {
    case ButterflyMode::Faculae:
      return "Motýlek   Fakule";
    case ButterflyMode::Both:
      return "Motýlek   Skvrny a fakule";
    default:
      return "Motýlek   Skvrny";
  }
}

}  // namespace ardeno
