// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/reference/source_day.h"

#include <algorithm>
#include <set>

namespace ardeno {

namespace {
// Greenwich measured the photoheliograms to the end of 1976; the file continues with the
// USAF/NOAA network's reports.
constexpr int kLastGreenwichYear = 1976;
}  // namespace

int DropRepeatedGroups(SourceDay& day) {
  std::set<int> regions;
  std::vector<SourceGroup> kept;
  for (SourceGroup& group : day.Groups) {
    const bool repeated = group.Region != 0
                              ? !regions.insert(group.Region).second
                              : std::find(kept.begin(), kept.end(), group) != kept.end();
    if (!repeated) kept.push_back(std::move(group));
  }
  const int dropped = static_cast<int>(day.Groups.size() - kept.size());
  day.Groups = std::move(kept);
  return dropped;
}

std::string SourceObserver(GroupSource source) {
  return source == GroupSource::Greenwich ? "RGO" : "NOAA";
}

std::string SourceStation(GroupSource source, int year) {
  if (source != GroupSource::Greenwich) return "NOAA SWPC";
  return year <= kLastGreenwichYear ? "RGO Greenwich" : "USAF/NOAA SOON";
}

bool IsCatalogueRecord(const ObservationRecord& record) {
  const std::string observer = record.Observer();
  if (observer != SourceObserver(GroupSource::NoaaReport) &&
      observer != SourceObserver(GroupSource::Greenwich))
    return false;
  const std::string station = record.Station();
  return station == SourceStation(GroupSource::NoaaReport, 0) ||
         station == SourceStation(GroupSource::Greenwich, kLastGreenwichYear) ||
         station == SourceStation(GroupSource::Greenwich, kLastGreenwichYear + 1);
}

}  // namespace ardeno
