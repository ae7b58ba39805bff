// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/butterfly/butterfly_plot_data.h"

#include <map>
#include <utility>

namespace ardeno {

namespace {

PlotData MarkTable() {
  PlotData data;
  data.Columns = {"otocka", "delka", "sirka", "sirka_do", "skupina", "druh", "hodnota"};
  return data;
}

void AddMark(PlotData& data, int rotation, const std::string& latitude, const std::string& to,
             const std::string& group, const char* kind, const std::string& value = "") {
  data.Rows.push_back({std::to_string(rotation), "", latitude, to, group, kind, value});
}

void AppendGroupRows(PlotData& data, const ObservationSightings& sightings) {
  // One mark per group number and rotation, at the mean latitude of its sightings there.
  std::map<std::pair<int, int>, std::pair<double, int>> cells;
  for (const GroupSighting& s : sightings.Groups) {
    auto& cell = cells[{s.Rotation, s.Number}];
    cell.first += s.Latitude;
    cell.second += 1;
  }
  for (const auto& [key, cell] : cells)
    AddMark(data, key.first, PlotNumber(cell.first / cell.second, 1), "",
            std::to_string(key.second), "skupina");
}

void AppendCurveRows(PlotData& data, const RotationStatistics& stats, bool mean, bool smoothed) {
  for (int k = 1; k <= stats.RotationStatsCount(); ++k) {
    const int rotation = stats.FirstRotation + k - 1;
    const RotationStats& r = stats.At(k);
    if (mean) {
      if (r.SightingsNorth > 0)
        AddMark(data, rotation, PlotNumber(r.MeanNorth, 2), "", "", "stredni_sever");
      if (r.SightingsSouth > 0)
        AddMark(data, rotation, PlotNumber(r.MeanSouth, 2), "", "", "stredni_jih");
    }
    if (smoothed && k >= 3 && k <= stats.RotationStatsCount() - 3) {
      // A rotation whose window holds no mean has no smoothed value: the curve has a gap there.
      const SmoothedLatitudes& s = stats.SmoothedAt(k);
      if (s.HasNorth) AddMark(data, rotation, PlotNumber(s.North, 2), "", "", "vyhlazena_sever");
      if (s.HasSouth) AddMark(data, rotation, PlotNumber(s.South, 2), "", "", "vyhlazena_jih");
    }
  }
}

void AppendCoronaRows(PlotData& data, const std::vector<CoronaColumn>& columns) {
  for (const CoronaColumn& column : columns) {
    for (int j = 1; j <= kCoronaBands; ++j) {
      // Band j runs from latitude 95 - 5j down to 90 - 5j.
      AddMark(data, column.Rotation, std::to_string(95 - 5 * j), std::to_string(90 - 5 * j), "",
              "korona", std::to_string(column.Greys[static_cast<std::size_t>(j - 1)]));
    }
  }
}

}  // namespace

PlotData CoronaBandPlotData(const std::vector<CoronaColumn>& columns) {
  PlotData data = MarkTable();
  AppendCoronaRows(data, columns);
  return data;
}

PlotData ButterflyPlotData(const ButterflyData& data, const ButterflyLayers& layers,
                           const ButterflyScale& scale) {
  PlotData plot = MarkTable();
  if (layers.Corona) AppendCoronaRows(plot, data.Corona());
  if (layers.Observations) {
    if (layers.Supplementary && data.SupplementaryPresent()) {
      if (ShowsFaculae(layers.Mode))
        for (const SupplementaryFacula& f : data.Supplementary().Faculae)
          if (IsDrawn(f, scale))
            AddMark(plot, f.Rotation, std::to_string(SupplementaryLatitude(f.FirstCode)),
                    std::to_string(SupplementaryLatitude(f.SecondCode)), "", "doplnkova_fakule");
      if (ShowsSpots(layers.Mode))
        for (const SupplementarySpot& s : data.Supplementary().Spots)
          if (IsDrawn(s, scale))
            AddMark(plot, s.Rotation, std::to_string(SupplementaryLatitude(s.Code)), "", "",
                    "doplnkova_skvrna");
    }
    if (ShowsFaculae(layers.Mode))
      for (const FaculaSpan& f : data.Sightings().Faculae)
        AddMark(plot, FaculaSpanRotation(f, scale.StartRotation),
                PlotNumber(f.HalfDegreesMax / 2.0, 1), PlotNumber(f.HalfDegreesMin / 2.0, 1), "",
                "fakule");
    if (ShowsSpots(layers.Mode)) AppendGroupRows(plot, data.Sightings());
  }
  AppendCurveRows(plot, data.Rotations(), layers.MeanCurves || layers.All,
                  layers.SmoothedCurves || layers.All);
  return plot;
}

}  // namespace ardeno
