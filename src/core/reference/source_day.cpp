#include "core/reference/source_day.h"

namespace ardeno {

namespace {
// Greenwich measured the photoheliograms to the end of 1976; the file continues with the
// USAF/NOAA network's reports.
constexpr int kLastGreenwichYear = 1976;
}  // namespace

std::string SourceObserver(GroupSource source) {
  return source == GroupSource::Greenwich ? "RGO" : "NOAA";
}

std::string SourceStation(GroupSource source, int year) {
  if (source != GroupSource::Greenwich) return "NOAA SWPC";
  return year <= kLastGreenwichYear ? "RGO Greenwich" : "USAF/NOAA SOON";
}

}  // namespace ardeno
