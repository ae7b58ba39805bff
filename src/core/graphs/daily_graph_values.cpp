// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/graphs/daily_graph_values.h"

#include <algorithm>
#include <charconv>

namespace ardeno {

namespace {

constexpr double kCentreZoneHalfWidth = 30.0;  // degrees of central-meridian distance

}  // namespace

int FaculaAreaValue(const ObservationRecord& record) {
  const std::string text = record.FaculaAreaText();
  const std::size_t start = std::min(text.find_first_not_of(' '), text.size());
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data() + start, end, value);
  if (ec != std::errc() || ptr != end) return 0;
  return value;
}

CentralZone ZoneOfCentralMeridianDistance(double distance) {
  if (distance == 0.0) return CentralZone::None;
  if (distance > -kCentreZoneHalfWidth && distance < kCentreZoneHalfWidth)
    return CentralZone::Centre;
  if (distance < -kCentreZoneHalfWidth) return CentralZone::Negative;
  if (distance > kCentreZoneHalfWidth) return CentralZone::Positive;
  return CentralZone::None;
}

CentralZoneCounts CountGroupsByZone(std::span<const HeliographicPosition> groups) {
  CentralZoneCounts counts;
  for (const HeliographicPosition& pos : groups) {
    switch (ZoneOfCentralMeridianDistance(pos.CentralMeridianDistance)) {
      case CentralZone::Centre:
        ++counts.Centre;
        break;
      case CentralZone::Negative:
        ++counts.Negative;
        break;
      case CentralZone::Positive:
        ++counts.Positive;
        break;
      case CentralZone::None:
        break;
    }
  }
  return counts;
}

int DailyPanelValue(const DailyValues& values, DailyGraph graph, int panel, std::size_t i) {
  switch (panel) {
    case 1:
      return graph == DailyGraph::EastWest ? values.Third[i] : values.First[i] + values.Second[i];
    case 2:
      return values.First[i];
    default:
      return values.Second[i];
  }
}

DailyValues ReadDailyValues(const Database& db, const RecordPositions& positions,
                            const DailyTimeAxis& axis, DailyGraph graph) {
  const DailyGraphInfo& info = DailyGraphInfoOf(graph);
  const std::size_t n = axis.RecordIndex.size();
  DailyValues values;
  values.First.assign(n, 0);
  values.Second.assign(n, 0);
  values.Third.assign(n, 0);
  for (std::size_t i = 0; i < n; ++i) {
    const ObservationRecord& record = db.Record(axis.RecordIndex[i]);
    if (graph == DailyGraph::EastWest) {
      const CentralZoneCounts counts = CountGroupsByZone(positions.GroupsOf(axis.RecordIndex[i]));
      values.First[i] = counts.Centre;
      values.Second[i] = counts.Negative;
      values.Third[i] = counts.Positive;
    } else if (graph == DailyGraph::FaculaArea) {
      values.First[i] = FaculaAreaValue(record);
    } else {
      values.First[i] = record.ResultWord(info.NorthWord);
      values.Second[i] = record.ResultWord(info.SouthWord);
    }
  }
  return values;
}

int ScaledValue(int value, int rowHeight, int unitsPerRow) {
  return static_cast<int>(static_cast<long long>(value) * rowHeight / unitsPerRow);
}

DailyValues ScaleDailyValues(const DailyValues& values, int rowHeight, int unitsPerRow) {
  const auto scale = [&](const std::vector<int>& from) {
    std::vector<int> to(from.size());
    std::transform(from.begin(), from.end(), to.begin(),
                   [&](int v) { return ScaledValue(v, rowHeight, unitsPerRow); });
    return to;
  };
  return {scale(values.First), scale(values.Second), scale(values.Third)};
}

DailyGeometry DailyGeometryFor(int clientHeight) {
  DailyGeometry geometry;
  geometry.RowHeight = std::max(1, ((clientHeight - 120) / 3) / 11);
  geometry.PanelHeight = geometry.RowHeight * 11;
  return geometry;
}

}  // namespace ardeno

namespace ardeno {

DailyPrintLayout DailyPrintLayoutFor(int pageWidth, int pageHeight) {
  const int stack =
      pageHeight < pageWidth ? pageHeight - pageHeight / 6 : pageWidth * 3 / 4 - pageWidth / 6;
  DailyPrintLayout layout;
  layout.RowHeight = std::max(1, (stack / 3) / 11);
  layout.DayWidth = std::max(1, pageWidth / 500);
  return layout;
}

}  // namespace ardeno
