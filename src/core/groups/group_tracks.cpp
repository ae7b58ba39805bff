// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/groups/group_tracks.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <numeric>
#include <set>

#include "core/groups/cheapest_links.h"
#include "core/groups/rotation_evolution.h"
#include "core/groups/track_rule.h"
#include "core/quality/noaa_regions.h"
#include "core/quality/quality_check_parts.h"
#include "core/solar/differential_rotation.h"
#include "core/text/core_text.h"
#include "core/text/number_format.h"

namespace ardeno {

namespace {

// A track ends once its group should stand this far west of the central meridian: well past the
// limb, as a group on the limb is read (and catalogued) at 85..90 degrees for a day after its
// turn has carried it there, where the turn alone puts it at 95..100.
constexpr double kWestLimb = 105.0;
// The mean rate at which groups cross the disk, degrees per day; only a first guess of the turn
// since the last sighting, corrected by the exact place.
constexpr double kSynodicRate = 13.2;
// NOAA's regions: the distance within which a region names a group, and how far in time a region's
// place is rotated.
constexpr double kRegionDegrees = 5.0;
constexpr double kRegionDays = 1.0;

// Degrees from the central meridian, positive towards the east limb as the program's CMD, of
// Carrington longitude l when the central meridian stands at l0 (L = L0 - CMD).
double MeridianOf(double longitude, double l0) { return std::remainder(l0 - longitude, 360.0); }

template <typename T>
void AddOnce(std::vector<T>& list, const T& value) {
  if (std::find(list.begin(), list.end(), value) == list.end()) list.push_back(value);
}

// A track while drawings are still being linked.
struct OpenTrack {
  std::size_t Index;           // into the result
  std::int64_t MissedDay = 0;  // the last date counted as missed
  int Missed = 0;
};

// The drawings to follow, in time order.
std::vector<int> DrawingsInTime(const Database& db, const RecordPositions& positions,
                                const TrackOptions& options) {
  struct Drawing {
    double Moment;
    int Record;
  };
  std::vector<Drawing> drawings;
  for (int i = 1; i <= positions.Count(); ++i) {
    const ObservationRecord& r = db.Record(i);
    if (!positions.Record(i).HasDate || r.IsSpecial()) continue;
    if (options.Observer && r.Observer() != *options.Observer) continue;
    if (options.Records != nullptr && !(*options.Records)[static_cast<std::size_t>(i - 1)])
      continue;
    drawings.push_back({MomentOf(positions.Record(i).Date, r.TimeUT()), i});
  }
  std::stable_sort(drawings.begin(), drawings.end(),
                   [](const Drawing& a, const Drawing& b) { return a.Moment < b.Moment; });
  std::vector<int> order;
  order.reserve(drawings.size());
  for (const Drawing& d : drawings) order.push_back(d.Record);
  return order;
}

bool Earlier(double moment, const TrackSighting& s) { return moment < s.Moment; }

// The track (index) a lone sighting belongs to, when exactly one fits: one running past it, or
// beginning or ending on the drawing day next to it, with no sighting on its date. The tracks
// begin in time order and none lasts longer than `longest` days: only those begun within that
// time (and the drawing day next to it) before the sighting can reach it.
std::optional<std::size_t> HomeOfStray(const std::vector<GroupTrack>& tracks,
                                       const std::vector<bool>& gone, std::size_t stray,
                                       double longest) {
  const TrackSighting& s = tracks[stray].Sightings.front();
  const std::int64_t day = DaySerial(s.Date);
  const auto first = std::lower_bound(
      tracks.begin(), tracks.end(), s.Moment - longest - kTrackStrayEndDays,
      [](const GroupTrack& t, double moment) { return t.Sightings.front().Moment < moment; });
  std::optional<std::size_t> home;
  for (auto t = static_cast<std::size_t>(first - tracks.begin()); t < tracks.size(); ++t) {
    const auto& v = tracks[t].Sightings;
    if (v.front().Moment > s.Moment + kTrackStrayEndDays) break;
    if (t == stray || gone[t] || v.back().Moment < s.Moment - kTrackStrayEndDays) continue;
    const auto after = std::upper_bound(v.begin(), v.end(), s.Moment, Earlier);
    const bool inside = after != v.begin() && after != v.end();
    if ((after != v.end() && DaySerial(after->Date) == day) ||
        (after != v.begin() && DaySerial((after - 1)->Date) == day))
      continue;
    // Between the sightings around it; before the first or after the last, turned from there.
    const TrackSighting& from = after == v.begin() ? *after : *(after - 1);
    TrackPlace place{RotatedLongitude(from.Longitude, from.Latitude, s.Moment - from.Moment),
                     from.Latitude};
    if (inside) {
      const double share = (s.Moment - from.Moment) / (after->Moment - from.Moment);
      place.Latitude += share * (after->Latitude - from.Latitude);
    }
    if (!StrayFits(place, s, inside)) continue;
    if (home) return std::nullopt;
    home = t;
  }
  return home;
}

// Lone sightings given back to the track they belong to; the tracks numbered again in order.
void GiveBackStrays(std::vector<GroupTrack>& tracks) {
  double longest = 0;
  for (const GroupTrack& t : tracks)
    longest = std::max(longest, t.Sightings.back().Moment - t.Sightings.front().Moment);
  std::vector<bool> gone(tracks.size(), false);
  for (std::size_t t = 0; t < tracks.size(); ++t) {
    if (tracks[t].Sightings.size() != 1) continue;
    const auto home = HomeOfStray(tracks, gone, t, longest);
    if (!home) continue;
    const TrackSighting& s = tracks[t].Sightings.front();
    auto& v = tracks[*home].Sightings;
    v.insert(std::upper_bound(v.begin(), v.end(), s.Moment, Earlier), s);
    gone[t] = true;
  }
  std::vector<GroupTrack> kept;
  for (std::size_t t = 0; t < tracks.size(); ++t) {
    if (gone[t]) continue;
    kept.push_back(std::move(tracks[t]));
    kept.back().Id = static_cast<int>(kept.size());
  }
  tracks = std::move(kept);
}

void Summarise(GroupTrack& track) {
  const auto& s = track.Sightings;
  track.First = s.front().Date;
  track.Last = s.back().Date;
  std::set<std::int64_t> days;
  double latitudes = 0;
  for (std::size_t k = 0; k < s.size(); ++k) {
    days.insert(DaySerial(s[k].Date));
    latitudes += s[k].Latitude;
    if (k == 0 || s[k].CorrectedArea > track.MaxArea) {
      track.MaxArea = s[k].CorrectedArea;
      track.MaxAreaDate = s[k].Date;
    }
    AddOnce(track.Classes, s[k].Class);
    AddOnce(track.Numbers, s[k].Number);
    AddOnce(track.RotationNumbers, s[k].RotationNumber);
    if (k > 0 && !track.MeridianPassage && s[k - 1].Meridian > 0 && s[k].Meridian <= 0) {
      const double share = s[k - 1].Meridian / (s[k - 1].Meridian - s[k].Meridian);
      track.MeridianPassage = s[k - 1].Moment + share * (s[k].Moment - s[k - 1].Moment);
    }
  }
  if (!track.MeridianPassage && s.front().Meridian == 0) track.MeridianPassage = s.front().Moment;
  track.Rotation = std::min_element(s.begin(), s.end(), [](const auto& a, const auto& b) {
                     return std::fabs(a.Meridian) < std::fabs(b.Meridian);
                   })->Rotation;
  track.Days = static_cast<int>(days.size());
  track.MeanLatitude = latitudes / static_cast<double>(s.size());
}

}  // namespace

std::vector<GroupTrack> TrackGroups(const Database& db, const RecordPositions& positions,
                                    const TrackOptions& options) {
  std::vector<GroupTrack> tracks;
  std::vector<OpenTrack> open;
  LinkChooser chooser;
  std::vector<AllowedLink> allowed;  // kept from drawing to drawing, as the chooser's tables
  for (const int i : DrawingsInTime(db, positions, options)) {
    const ObservationRecord& r = db.Record(i);
    const RecordPosition& pos = positions.Record(i);
    const double moment = MomentOf(pos.Date, r.TimeUT());
    const std::int64_t day = DaySerial(pos.Date);
    const auto places = positions.GroupsOf(i);
    std::vector<TrackSighting> seen;
    for (int k = 1; k <= static_cast<int>(places.size()); ++k) {
      if (IsMarkerPosition(r, k)) continue;
      const HeliographicPosition& p = places[static_cast<std::size_t>(k - 1)];
      seen.push_back({i, k, pos.Date, moment, MeridianOf(p.HelioLongitude, pos.Eph.EphL0),
                      p.HelioLatitude, p.HelioLongitude, EvolutionCorrectedArea(r, k),
                      r.GroupType(k), r.GroupNumber(k), r.RotationGroupNumber(k),
                      pos.Eph.RotationNumber, r.TimeUT()});
    }
    // Where each open track's group should stand now; those past the west limb end here.
    struct Expected {
      std::size_t Open;
      LinkCandidate Candidate;
    };
    std::vector<Expected> expected;
    for (std::size_t t = 0; t < open.size(); ++t) {
      const auto& v = tracks[open[t].Index].Sightings;
      const TrackSighting& last = v.back();
      const double days = moment - last.Moment;
      const TrackPlace place = ExpectedPlace(v, moment);
      // Counted on from the last sighting (westwards, so downwards), so that a group carried
      // round behind the west limb never reappears at the east limb.
      const double turned = kSynodicRate * days;
      const double meridian =
          last.Meridian - turned +
          std::remainder(MeridianOf(place.Longitude, pos.Eph.EphL0) - last.Meridian + turned,
                         360.0);
      if (meridian < -kWestLimb) continue;
      expected.push_back({t, {place, meridian, days, open[t].Missed > 0, last.CorrectedArea}});
    }
    allowed.clear();
    for (std::size_t e = 0; e < expected.size(); ++e)
      for (std::size_t g = 0; g < seen.size(); ++g)
        if (const auto cost = LinkCost(expected[e].Candidate, seen[g]))
          allowed.push_back({e, g, *cost});
    const auto& links = chooser.Choose(expected.size(), seen.size(), allowed, kTrackUnlinkedCost);
    std::vector<bool> expectedTaken(expected.size()), seenTaken(seen.size());
    for (std::size_t e = 0; e < expected.size(); ++e) {
      if (!links[e]) continue;
      expectedTaken[e] = seenTaken[*links[e]] = true;
      OpenTrack& track = open[expected[e].Open];
      tracks[track.Index].Sightings.push_back(seen[*links[e]]);
      track.Missed = 0;
    }
    // Open tracks not linked now: missing on the visible disk counts once a date; past the limb
    // or missing too often, they end.
    std::vector<bool> keep(open.size(), false);
    for (std::size_t e = 0; e < expected.size(); ++e) {
      OpenTrack& track = open[expected[e].Open];
      keep[expected[e].Open] = true;
      if (expectedTaken[e] || track.MissedDay == day) continue;
      track.MissedDay = day;
      if (++track.Missed > kTrackMissedDays) keep[expected[e].Open] = false;
    }
    std::vector<OpenTrack> still;
    for (std::size_t t = 0; t < open.size(); ++t)
      if (keep[t]) still.push_back(open[t]);
    open = std::move(still);
    for (std::size_t g = 0; g < seen.size(); ++g) {
      if (seenTaken[g]) continue;
      GroupTrack track;
      track.Id = static_cast<int>(tracks.size()) + 1;
      track.Sightings.push_back(seen[g]);
      tracks.push_back(std::move(track));
      open.push_back({tracks.size() - 1});
    }
  }
  GiveBackStrays(tracks);
  for (GroupTrack& track : tracks) Summarise(track);
  return tracks;
}

void AssignNoaaRegions(std::vector<GroupTrack>& tracks, const Database& db,
                       const RecordPositions& positions, const std::vector<SourceDay>& reports) {
  struct RegionPlace {
    double Moment, Longitude, Latitude;
    int Region;
  };
  std::vector<RegionPlace> places;
  const std::string noaa = SourceObserver(GroupSource::NoaaReport);
  for (int i = 1; i <= positions.Count(); ++i) {
    const ObservationRecord& r = db.Record(i);
    if (!positions.Record(i).HasDate || r.IsSpecial() || r.Observer() != noaa) continue;
    const double moment = MomentOf(positions.Record(i).Date, r.TimeUT());
    const auto groups = positions.GroupsOf(i);
    for (int k = 1; k <= static_cast<int>(groups.size()); ++k)
      if (r.GroupNumber(k) > 0 && !IsMarkerPosition(r, k))
        places.push_back({moment, groups[static_cast<std::size_t>(k - 1)].HelioLongitude,
                          groups[static_cast<std::size_t>(k - 1)].HelioLatitude, r.GroupNumber(k)});
  }
  for (const SourceDay& report : reports)
    for (const SourceGroup& g : report.Groups)
      if (g.Region > 0)
        places.push_back(
            {MomentOf(g.EpochDate, g.EpochTime), g.CarringtonLongitude, g.Latitude, g.Region});
  std::sort(places.begin(), places.end(),
            [](const RegionPlace& a, const RegionPlace& b) { return a.Moment < b.Moment; });
  for (GroupTrack& track : tracks) {
    std::vector<int> named;
    for (const TrackSighting& s : track.Sightings) {
      auto from =
          std::lower_bound(places.begin(), places.end(), s.Moment - kRegionDays,
                           [](const RegionPlace& p, double moment) { return p.Moment < moment; });
      std::optional<int> nearest;
      double best = kRegionDegrees;
      for (auto p = from; p != places.end() && p->Moment <= s.Moment + kRegionDays; ++p) {
        const double longitude = RotatedLongitude(p->Longitude, p->Latitude, s.Moment - p->Moment);
        const double d = Separation(longitude, p->Latitude, s.Longitude, s.Latitude);
        if (d <= best) {
          best = d;
          nearest = p->Region;
        }
      }
      if (nearest) AddOnce(named, *nearest);
    }
    track.NoaaRegions = std::move(named);
  }
}

TrackAgreement CompareWithNumbers(const std::vector<GroupTrack>& tracks, const Database& db,
                                  bool (*counted)(const ObservationRecord&),
                                  std::optional<int> year) {
  TrackAgreement agreement;
  // The tracks of each number, and its days.
  std::map<int, std::set<int>> tracksOfNumber;
  std::map<int, std::set<std::int64_t>> daysOfNumber;
  for (const GroupTrack& track : tracks)
    for (const TrackSighting& s : track.Sightings) {
      if (!counted(db.Record(s.Record)) || s.Number == 0 || (year && s.Date.Year != *year))
        continue;
      ++agreement.Sightings;
      if (track.Numbers.size() == 1) ++agreement.SightingsInOwnTrack;
      tracksOfNumber[s.Number].insert(track.Id);
      daysOfNumber[s.Number].insert(DaySerial(s.Date));
    }
  for (const auto& [number, days] : daysOfNumber) {
    if (days.size() < 3) continue;
    ++agreement.Numbers;
    if (tracksOfNumber[number].size() == 1) ++agreement.NumbersInOneTrack;
  }
  return agreement;
}

bool TrackInYear(const GroupTrack& track, int year) {
  return track.First.Year <= year && track.Last.Year >= year;
}

std::vector<GroupTrack> TracksOfYear(const std::vector<GroupTrack>& tracks, int year) {
  std::vector<GroupTrack> chosen;
  for (const GroupTrack& t : tracks)
    if (TrackInYear(t, year)) chosen.push_back(t);
  return chosen;
}

std::vector<GroupTrack> TracksOfRotation(const std::vector<GroupTrack>& tracks, int rotation) {
  std::vector<GroupTrack> chosen;
  for (const GroupTrack& t : tracks)
    if (t.Rotation == rotation) chosen.push_back(t);
  return chosen;
}

namespace {

// A decimal point, as every other table and CSV file of the program writes, in either language.
std::string Decimal(double value, int decimals) { return FormatFixed(value, 0, decimals); }

template <typename List, typename ToText>
std::string Joined(const List& list, ToText toText) {
  std::string out;
  for (const auto& item : list) out += (out.empty() ? "" : "+") + toText(item);
  return out;
}

}  // namespace

std::vector<std::vector<std::string>> TrackRows(const std::vector<GroupTrack>& tracks) {
  std::vector<std::vector<std::string>> rows = {
      {CoreText("GroupTables", "stopa"), CoreText("GroupTables", "od"),
       CoreText("GroupTables", "do"), CoreText("GroupTables", "dní"),
       CoreText("GroupTables", "centrální meridián"), CoreText("GroupTables", "šířka"),
       CoreText("GroupTables", "max plocha"), CoreText("GroupTables", "typy"),
       CoreText("GroupTables", "čísla"), "NOAA"}};
  for (const GroupTrack& t : tracks) {
    const std::string passage =
        t.MeridianPassage
            ? FormatDate(DateFromSerial(static_cast<std::int64_t>(std::floor(*t.MeridianPassage))))
            : std::string();
    rows.push_back({std::to_string(t.Id), FormatDate(t.First), FormatDate(t.Last),
                    std::to_string(t.Days), passage, Decimal(t.MeanLatitude, 1),
                    std::to_string(t.MaxArea),
                    Joined(t.Classes, [](const std::string& c) { return c; }),
                    Joined(t.Numbers, [](int n) { return std::to_string(n); }),
                    Joined(t.NoaaRegions, [](int n) { return std::to_string(n); })});
  }
  return rows;
}

std::string TracksCsv(const std::vector<GroupTrack>& tracks) {
  // The file is read by tools that know its Czech header, whatever the language of the windows.
  const CzechTexts czechFile;
  std::string text;
  for (const auto& row : TrackRows(tracks)) {
    for (std::size_t c = 0; c < row.size(); ++c) text += (c == 0 ? "" : ";") + row[c];
    text += "\r\n";
  }
  return text;
}

std::vector<std::vector<std::string>> TrackDayRows(const GroupTrack& track, const Database& db) {
  std::vector<std::vector<std::string>> rows = {
      {CoreText("GroupTables", "datum"), "UT", CoreText("GroupTables", "pozorovatel"),
       CoreText("GroupTables", "skupina"), CoreText("GroupTables", "číslo"),
       CoreText("GroupTables", "typ"), CoreText("GroupTables", "plocha"),
       CoreText("GroupTables", "šířka"), CoreText("GroupTables", "délka"), "CM"}};
  for (const TrackSighting& s : track.Sightings) {
    char ut[8];
    std::snprintf(ut, sizeof ut, "%02d:%02d", s.TimeUT / 100 % 100, s.TimeUT % 100);
    rows.push_back({FormatDate(s.Date), ut, db.Record(s.Record).Observer(), std::to_string(s.Group),
                    std::to_string(s.Number), s.Class, std::to_string(s.CorrectedArea),
                    Decimal(s.Latitude, 1), Decimal(s.Longitude, 1),
                    std::to_string(static_cast<int>(std::lround(s.Meridian)))});
  }
  return rows;
}

}  // namespace ardeno
