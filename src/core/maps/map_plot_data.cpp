// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/maps/map_plot_data.h"

#include "core/maps/corona_views.h"
#include "core/maps/map_faculae.h"

namespace ardeno {

namespace {

// Map units back to degrees: longitude 360 at x = 20, 0 at x = 740; the equator at y = 220,
// two units a degree.
double UnitLongitude(double x) { return (740 - x) / 2; }
double UnitLatitude(double y) { return (220 - y) / 2; }

void AddMark(PlotData& data, int rotation, double longitude, double latitude,
             const std::string& group, const char* kind) {
  data.Rows.push_back(
      {std::to_string(rotation), PlotNumber(longitude, 1), PlotNumber(latitude, 1), group, kind});
}

}  // namespace

PlotData MapPlotData(const Database& db, const MapSightings& sightings,
                     const std::vector<int>& rotations, MapMarks marks) {
  PlotData data;
  data.Columns = {"otocka", "delka", "sirka", "skupina", "druh"};
  static const char* const kAuxKinds[2] = {"pomocna_skvrna_1", "pomocna_skvrna_2"};
  for (const int rotation : rotations) {
    const MapRecordRange range = RecordRangeOf(db, rotation);
    // The places do not depend on the scale; 16 sixteenths make a map unit one pixel.
    for (const GroupMapEntry& entry : AccumulateGroups(sightings, range, rotation, 16)) {
      const std::string number = std::to_string(entry.GroupNumber);
      if (marks.Groups && entry.Group.Count > 0)
        AddMark(data, rotation, entry.MeanLongitude, entry.MeanLatitude, number, "skupina");
      if (!marks.AuxSpots) continue;
      for (std::size_t a = 0; a < 2; ++a) {
        const SpotSums& aux = entry.Aux[a];
        if (aux.Count == 0) continue;
        AddMark(data, rotation, UnitLongitude(static_cast<double>(aux.X) / aux.Count),
                UnitLatitude(static_cast<double>(aux.Y) / aux.Count), number, kAuxKinds[a]);
      }
    }
    if (!marks.Faculae) continue;
    int field = 0;
    for (const MapPolygon& polygon : MapFaculae(sightings, range, rotation)) {
      ++field;
      for (const MapUnitPoint& vertex : polygon)
        AddMark(data, rotation, UnitLongitude(vertex.X), UnitLatitude(vertex.Y),
                std::to_string(field), "fakule");
    }
  }
  return data;
}

PlotData CoronaGraphPlotData(const CoronaData& corona, int firstRow) {
  PlotData data;
  data.Columns = {"datum", "sektor", "intenzita"};
  for (int sector = 1; sector <= kCoronaSectors; ++sector)
    for (const int row : CoronaGraphRows(corona, firstRow, sector))
      data.Rows.push_back({FormatDate(CoronaRowDate(row)), std::to_string(sector),
                           std::to_string(CoronaValue(corona, row, sector))});
  return data;
}

}  // namespace ardeno
