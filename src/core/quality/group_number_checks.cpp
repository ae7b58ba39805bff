// SPDX-License-Identifier: GPL-3.0-or-later
// Q04 a rotation group number given twice in a rotation, Q05 a numbered group that jumped.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <optional>
#include <unordered_map>
#include <vector>

#include "core/groups/group_tracks.h"
#include "core/maps/map_rotation.h"
#include "core/maps/map_sightings.h"
#include "core/quality/noaa_regions.h"
#include "core/quality/quality_check_parts.h"
#include "core/solar/differential_rotation.h"
#include "core/text/core_text.h"

namespace ardeno {

namespace {

// The sightings of one rotation group number that the maps would draw as one group.
struct NumberedGroup {
  double SumLongitude = 0;  // relative to the first sighting, across the 0/360 seam
  double SumLatitude = 0;
  int Count = 0;
  MapPlace First;
  int FirstRecord = 0;
  MapPlace Mean() const {
    return {std::fmod(First.Longitude + SumLongitude / Count + 360.0, 360.0), SumLatitude / Count};
  }
  void Add(const MapPlace& p) {
    SumLongitude += std::remainder(p.Longitude - First.Longitude, 360.0);
    SumLatitude += p.Latitude;
    ++Count;
  }
};

}  // namespace

void CheckRotationNumbers(const QualityInputs& in, const CheckedRecords& checked,
                          std::vector<QualityFinding>& out) {
  // Keyed by rotation * 128 + number.
  std::unordered_map<std::int64_t, std::vector<NumberedGroup>> groups;
  for (int i = 1; i <= static_cast<int>(checked.Own.size()); ++i) {
    if (!checked.Own[static_cast<std::size_t>(i - 1)]) continue;
    const ObservationRecord& r = in.Db.Record(i);
    const SolarEphemeris& eph = in.Positions.Record(i).Eph;
    const auto places = in.Positions.GroupsOf(i);
    for (int k = 1; k <= static_cast<int>(places.size()); ++k) {
      const int number = r.RotationGroupNumber(k);
      if (number < 1 || number > kMapGroupNumbers || IsMarkerPosition(r, k)) continue;
      const HeliographicPosition& g = places[static_cast<std::size_t>(k - 1)];
      const int rotation =
          SightingRotation(eph.EphL0, g.CentralMeridianDistance, eph.RotationNumber);
      const MapPlace place{g.HelioLongitude, g.HelioLatitude};
      auto& same = groups[static_cast<std::int64_t>(rotation) * 128 + number];
      NumberedGroup* found = nullptr;
      for (NumberedGroup& group : same)
        if (IsSameGroupPlace(group.Mean(), place)) {
          found = &group;
          break;
        }
      if (found != nullptr) {
        found->Add(place);
        continue;
      }
      if (!same.empty()) {
        const NumberedGroup& first = same.front();
        const MapPlace mean = first.Mean();
        out.push_back(MakeFinding(
            in.Db, in.Positions, i, k, "Q04", Severity::Error,
            FillText(
                CoreText("Quality",
                         "Číslo %1 má v otočce %2 už skupina ze zákresu %3 na délce %4° a šířce "
                         "%5°, o %6° dál; nemá tato skupina dostat nové číslo?"),
                {std::to_string(number), std::to_string(rotation),
                 FormatDate(in.Positions.Record(first.FirstRecord).Date), Degrees(mean.Longitude),
                 Degrees(mean.Latitude),
                 Degrees(std::max(std::abs(std::remainder(place.Longitude - mean.Longitude, 360.0)),
                                  std::abs(place.Latitude - mean.Latitude)))})));
      }
      NumberedGroup group;
      group.First = place;
      group.FirstRecord = i;
      group.Add(place);
      same.push_back(group);
    }
  }
}

void CheckGroupJumps(const QualityInputs& in, const CheckedRecords& checked,
                     std::vector<QualityFinding>& out) {
  struct Sighting {
    int Record = 0;
    int Group = 0;
    double Moment = 0;
    double Longitude = 0;
    double Latitude = 0;
  };
  // Every sighting of each group number, in record order.
  std::map<int, std::vector<Sighting>> sightings;
  for (int i = 1; i <= static_cast<int>(checked.Own.size()); ++i) {
    if (!checked.Own[static_cast<std::size_t>(i - 1)]) continue;
    const ObservationRecord& r = in.Db.Record(i);
    const double moment = MomentOf(in.Positions.Record(i).Date, r.TimeUT());
    const auto places = in.Positions.GroupsOf(i);
    for (int k = 1; k <= static_cast<int>(places.size()); ++k) {
      const int number = r.GroupNumber(k);
      if (number == 0 || IsMarkerPosition(r, k)) continue;
      const HeliographicPosition& g = places[static_cast<std::size_t>(k - 1)];
      sightings[number].push_back({i, k, moment, g.HelioLongitude, g.HelioLatitude});
    }
  }
  struct Offset {
    double Longitude = 0;
    double Latitude = 0;
    bool Jumped = false;
  };
  // How far `later` is from where rotation took `before`; drawings too far apart (or a group
  // given twice in one drawing) are not compared.
  const auto offset = [](const Sighting& before, const Sighting& later) -> std::optional<Offset> {
    const double days = later.Moment - before.Moment;
    if (before.Record == later.Record || days > kGroupJumpMaxDays) return std::nullopt;
    const double predicted = RotatedLongitude(before.Longitude, before.Latitude, days);
    Offset o{std::remainder(later.Longitude - predicted, 360.0), later.Latitude - before.Latitude};
    o.Jumped =
        std::abs(o.Longitude) > kGroupJumpDegrees || std::abs(o.Latitude) > kGroupJumpDegrees;
    return o;
  };
  for (const auto& [number, seen] : sightings) {
    std::vector<bool> named(seen.size(), false);
    std::size_t lastGood = 0;  // the latest sighting not named
    for (std::size_t j = 1; j < seen.size(); ++j) {
      const auto o = offset(seen[j - 1], seen[j]);
      if (o && o->Jumped) {
        // The drawing before was named for a jump from the last good sighting: when this one
        // agrees with that sighting, the one before disagrees with both neighbours and is the
        // only one named.
        const bool backInPlace = named[j - 1] && [&] {
          const auto acrossFaulty = offset(seen[lastGood], seen[j]);
          return !acrossFaulty || !acrossFaulty->Jumped;
        }();
        named[j] = !backInPlace;
      }
      if (!named[j]) {
        lastGood = j;
        continue;
      }
      out.push_back(MakeFinding(
          in.Db, in.Positions, seen[j].Record, seen[j].Group, "Q05", Severity::Warning,
          FillText(
              CoreText("Quality",
                       "Skupina č. %1 je od zákresu %2 o %3° v šířce a o %4° v délce jinde, "
                       "než ji mohla posunout rotace Slunce; není to jiná skupina nebo "
                       "chybná poloha?"),
              {std::to_string(number), FormatDate(in.Positions.Record(seen[j - 1].Record).Date),
               Degrees(o->Latitude), Degrees(o->Longitude)})));
    }
  }
}

void CheckTrackNumbers(const QualityInputs& in, const CheckedRecords& checked,
                       std::vector<QualityFinding>& out) {
  TrackOptions own;
  own.Records = &checked.Own;
  for (const GroupTrack& track : TrackGroups(in.Db, in.Positions, own)) {
    if (track.Numbers.size() < 2) continue;
    // The number most of its days carry is the group's; the others are slips.
    std::map<int, int> days;
    for (const TrackSighting& s : track.Sightings)
      if (s.Number != 0) ++days[s.Number];
    const auto usual = std::max_element(
        days.begin(), days.end(), [](const auto& a, const auto& b) { return a.second < b.second; });
    for (const TrackSighting& s : track.Sightings) {
      if (s.Number == 0 || s.Number == usual->first) continue;
      out.push_back(MakeFinding(
          in.Db, in.Positions, s.Record, s.Group, "Q09", Severity::Warning,
          FillText(CoreText("Quality",
                            "Skupina, kterou zákresy od %1 do %2 vedou %3x jako č. %4, má tu "
                            "číslo %5 (sledováno podle polohy); není to překlep?"),
                   {FormatDate(track.First), FormatDate(track.Last), std::to_string(usual->second),
                    std::to_string(usual->first), std::to_string(s.Number)})));
    }
  }
}

}  // namespace ardeno
