// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Painting the synoptic maps: the single map of one rotation with its underlays, facular fields,
// groups and b/l table, and the strip maps (long, high, two maps). The scenes are prepared when
// the data, the rotation, the size or a switch change; painting only walks them.
#include <QImage>
#include <QSize>
#include <optional>
#include <string>
#include <vector>

#include "core/data/corona_data.h"
#include "core/maps/magnetosphere_underlay.h"
#include "core/maps/map_faculae.h"
#include "core/maps/map_groups.h"
#include "core/maps/map_strips.h"

class QPainter;

namespace ardeno {

struct SingleMapScene {
  int Rotation = 0;
  int K = 16;  // sixteenths of a pixel per map unit
  std::vector<MapPolygon> Faculae;
  std::vector<MapGroupDrawing> Groups;
  std::vector<MapTableCell> Table;
  bool NarrowFont = false;  // client width below 1000
  // Underlays, each drawn when present.
  std::optional<QImage> MagnetospherePicture;
  const CoronaData* Corona = nullptr;  // corona under the map from the rotation's day index
  std::int64_t CoronaDayIndex = 0;
  const MagnetosphereUnderlay* Magnetosphere = nullptr;
  // Written after the rotation number when set (the halves of the comparison).
  std::string Dates;
};

// Every how many degrees of latitude the map's frame is labelled at scale k (10, 20, 30 or 90):
// labels of `textHeight` pixels never overlap on a small map.
int MapLatitudeLabelStep(int k, int textHeight);

// Map scale for a client height: height * 16 div 510.
int SingleMapScale(int clientHeight);

SingleMapScene PrepareSingleMapScene(const Database& db, const MapSightings& sightings,
                                     int rotation, int k, int areaMultiple, bool faculae,
                                     bool outlines);

// printing: the grid is drawn black instead of light grey.
void PaintSingleMap(QPainter& painter, const SingleMapScene& scene, QSize client, bool printing);

// A group's track over a single map of scale k: its sightings joined in order, each marked.
void PaintTrackPath(QPainter& painter, const std::vector<MapUnitPoint>& path, int k);

// The comparison: two single-map scenes, each painted in its half of the client area.
struct ComparisonScene {
  SingleMapScene Upper;
  SingleMapScene Lower;
};
void PaintComparison(QPainter& painter, const ComparisonScene& scene, QSize client, bool printing);

struct StripScene {
  StripVariant Variant = StripVariant::Long;
  int K = 1;
  std::vector<Strip> Strips;
  std::vector<int> StartYears;  // year of each strip's rotation start (two maps)
};

StripScene PrepareStripScene(const Database& db, const MapSightings& sightings,
                             StripVariant variant, int k, int first, int count, int areaMultiple);

void PaintStrips(QPainter& painter, const StripScene& scene, QSize client);

}  // namespace ardeno
