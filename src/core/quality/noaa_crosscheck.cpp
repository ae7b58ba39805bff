// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/quality/noaa_crosscheck.h"

#include <algorithm>
#include <cmath>

#include "core/quality/noaa_regions.h"
#include "core/quality/quality_check_parts.h"
#include "core/reference/k_factors.h"
#include "core/solar/angles.h"
#include "core/solar/differential_rotation.h"
#include "core/text/core_text.h"

namespace ardeno {

namespace {

// A region at the drawing's moment, and whether a group has taken it.
struct Region : RegionAtMoment {
  bool Used = false;
  int TakenBy = 0;  // the group (slot) matched to it in its own hemisphere
};

std::string Head(const CalendarDate& date, int record, int group) {
  if (group > 0)
    return FillText(CoreText("CrossCheck", "%1 č.%2 skupina %3"),
                    {FormatDate(date), std::to_string(record), std::to_string(group)});
  return FillText(CoreText("CrossCheck", "%1 č.%2"), {FormatDate(date), std::to_string(record)});
}

}  // namespace

CrossCheckResult CrossCheck(const Database& db, const RecordPositions& positions,
                            const std::vector<SourceDay>& reports) {
  CrossCheckResult result;
  const CheckedRecords checked = ClassifyRecords(db, positions);
  std::vector<double> absB, absL;
  for (int i = 1; i <= static_cast<int>(checked.Own.size()); ++i) {
    if (!checked.Own[static_cast<std::size_t>(i - 1)]) continue;
    const ObservationRecord& r = db.Record(i);
    const RecordPosition& pos = positions.Record(i);
    const auto atMoment = RegionsAtMoment(reports, pos.Date, r.TimeUT(), pos.Eph);
    if (!atMoment) continue;
    ++result.Drawings;
    std::vector<Region> regions;
    for (const RegionAtMoment& region : *atMoment) regions.push_back({region});
    struct Own {
      int Slot;
      double Longitude, Latitude;
      bool Used = false;
    };
    std::vector<Own> own;
    const auto places = positions.GroupsOf(i);
    for (int k = 1; k <= static_cast<int>(places.size()); ++k) {
      if (IsMarkerPosition(r, k)) continue;
      const auto& p = places[static_cast<std::size_t>(k - 1)];
      own.push_back({k, p.HelioLongitude, p.HelioLatitude});
    }
    result.Groups += static_cast<int>(own.size());
    // Nearest pairs first, one to one.
    struct Pair {
      double Distance;
      std::size_t Own, Region;
    };
    const auto pairsWithin = [&](bool mirrored) {
      std::vector<Pair> pairs;
      for (std::size_t a = 0; a < own.size(); ++a)
        for (std::size_t b = 0; b < regions.size(); ++b) {
          if (own[a].Used || regions[b].Used) continue;
          const double d =
              Separation(own[a].Longitude, mirrored ? -own[a].Latitude : own[a].Latitude,
                         regions[b].Longitude, regions[b].Latitude);
          if (d <= kMatchDegrees) pairs.push_back({d, a, b});
        }
      std::sort(pairs.begin(), pairs.end(),
                [](const Pair& x, const Pair& y) { return x.Distance < y.Distance; });
      std::vector<Pair> taken;
      for (const Pair& p : pairs) {
        if (own[p.Own].Used || regions[p.Region].Used) continue;
        own[p.Own].Used = regions[p.Region].Used = true;
        if (!mirrored) regions[p.Region].TakenBy = own[p.Own].Slot;
        taken.push_back(p);
      }
      return taken;
    };
    for (const Pair& p : pairsWithin(false)) {
      const Own& o = own[p.Own];
      const Region& g = regions[p.Region];
      const double db = o.Latitude - g.Latitude;
      const double dl = std::remainder(o.Longitude - g.Longitude, 360.0);
      absB.push_back(std::abs(db));
      absL.push_back(std::abs(dl));
      const std::string ownClass = r.GroupType(o.Slot);
      const bool agrees = ownClass == g.Source->Class;
      result.Lines.push_back(FillText(
          agrees ? CoreText("CrossCheck", "%1 = AR %2: Δb %3°, Δl %4°, třída %5 / %6 (shoda)")
                 : CoreText("CrossCheck", "%1 = AR %2: Δb %3°, Δl %4°, třída %5 / %6 (rozdíl)"),
          {Head(pos.Date, i, o.Slot), std::to_string(g.Source->Region), Degrees(db), Degrees(dl),
           ownClass, g.Source->Class.empty() ? "-" : g.Source->Class}));
    }
    for (const Pair& p : pairsWithin(true)) {
      ++result.WrongHemisphere;
      result.Lines.push_back(FillText(
          CoreText("CrossCheck", "%1: opačná polokoule, AR %2 leží na šířce %3°"),
          {Head(pos.Date, i, own[p.Own].Slot), std::to_string(regions[p.Region].Source->Region),
           Degrees(regions[p.Region].Latitude)}));
    }
    for (const Own& o : own) {
      if (o.Used) continue;
      // A region within reach that another group took: this group is most likely that one
      // drawn or typed twice, not a group NOAA lacks.
      const Region* nearest = nullptr;
      double nearestDistance = kMatchDegrees;
      for (const Region& g : regions) {
        if (g.TakenBy == 0) continue;
        const double d = Separation(o.Longitude, o.Latitude, g.Longitude, g.Latitude);
        if (d <= nearestDistance) {
          nearest = &g;
          nearestDistance = d;
        }
      }
      if (nearest != nullptr)
        result.Lines.push_back(FillText(
            CoreText("CrossCheck", "%1: AR %2 leží %3° odtud, ale je už přiřazena skupině %4"),
            {Head(pos.Date, i, o.Slot), std::to_string(nearest->Source->Region),
             Degrees(nearestDistance), std::to_string(nearest->TakenBy)}));
      else
        result.Lines.push_back(FillText(CoreText("CrossCheck", "%1: žádná oblast NOAA do %2°"),
                                        {Head(pos.Date, i, o.Slot), Degrees(kMatchDegrees)}));
    }
    for (const Region& g : regions) {
      if (g.Used || g.Source->CorrectedArea < kVisibleRegionArea ||
          std::abs(g.Meridian) >= kVisibleRegionMeridian)
        continue;
      ++result.MissedRegions;
      result.Lines.push_back(FillText(
          CoreText("CrossCheck",
                   "%1: chybí AR %2 (plocha %3, šířka %4°, od středního poledníku %5°)"),
          {Head(pos.Date, i, 0), std::to_string(g.Source->Region),
           std::to_string(g.Source->CorrectedArea), Degrees(g.Latitude), Degrees(g.Meridian)}));
    }
  }
  result.Matched = static_cast<int>(absB.size());
  if (!absB.empty()) {
    result.MedianAbsLatitude = QuantileInPlace(absB, 0.5);
    result.MedianAbsLongitude = QuantileInPlace(absL, 0.5);
  }
  return result;
}

std::string CrossCheckSummary(const CrossCheckResult& result) {
  return FillText(CoreText("CrossCheck",
                           "Shoda: %1 z %2 skupin; medián |Δb| %3°, |Δl| %4°; opačná polokoule: "
                           "%5; chybějící oblasti: %6"),
                  {std::to_string(result.Matched), std::to_string(result.Groups),
                   Degrees(result.MedianAbsLatitude), Degrees(result.MedianAbsLongitude),
                   std::to_string(result.WrongHemisphere), std::to_string(result.MissedRegions)});
}

}  // namespace ardeno
