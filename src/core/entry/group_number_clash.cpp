// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/entry/group_number_clash.h"

#include <algorithm>
#include <cmath>
#include <set>

#include "core/maps/map_rotation.h"
#include "core/maps/map_sightings.h"
#include "core/solar/heliographic.h"
#include "core/text/core_text.h"
#include "core/text/number_format.h"

namespace ardeno {

namespace {

// The highest rotation group number the editor takes.
constexpr int kMaxEnteredGroupNumber = 70;

struct NumberedSighting {
  int Row = 0;
  int GroupNumber = 0;
  int Rotation = 0;
  MapPlace Place;
};

std::vector<NumberedSighting> NumberedSightings(const ObservationRecord& record) {
  std::vector<NumberedSighting> sightings;
  if (record.IsSpecial()) return sightings;
  const auto eph = RecordEphemeris(record);
  if (!eph) return sightings;
  for (int k = 1; k <= record.GroupCount(); ++k) {
    const int number = record.RotationGroupNumber(k);
    if (number < 1 || number > kMapGroupNumbers) continue;
    // A group whose place is not known stands at a marker, not where it was: no place to compare.
    const bool marker =
        record.Distance10(k) == kMarkerDistance10 &&
        (record.Angle10(k) == kNorthMarkerAngle10 || record.Angle10(k) == kSouthMarkerAngle10);
    if (marker) continue;
    const HeliographicPosition p =
        PolarToHeliographic(*eph, record.Angle10(k), record.Distance10(k));
    sightings.push_back(
        {k,
         number,
         SightingRotation(eph->EphL0, p.CentralMeridianDistance, eph->RotationNumber),
         {p.HelioLongitude, p.HelioLatitude}});
  }
  return sightings;
}

double DegreesApart(const MapPlace& a, const MapPlace& b) {
  return std::max(std::abs(std::remainder(a.Longitude - b.Longitude, 360.0)),
                  std::abs(a.Latitude - b.Latitude));
}

// A record's groups can belong to its own rotation or a neighbour's (by their longitude).
constexpr int kRotationReach = 1;

}  // namespace

std::vector<GroupNumberClash> FindGroupNumberClashes(const Database& db,
                                                     const ObservationRecord& record,
                                                     int replacedIndex,
                                                     const std::vector<KeptGroupNumber>& kept) {
  std::vector<GroupNumberClash> clashes;
  const std::vector<NumberedSighting> own = NumberedSightings(record);
  if (own.empty()) return clashes;

  // The other drawings' sightings of the rotations this drawing's groups belong to.
  std::vector<std::pair<int, NumberedSighting>> others;
  for (int i = 1; i <= db.RecordCount; ++i) {
    if (i == replacedIndex) continue;
    const ObservationRecord& other = db.Record(i);
    if (std::abs(static_cast<int>(other.Rotation()) - static_cast<int>(record.Rotation())) >
        kRotationReach + 1)
      continue;
    for (const NumberedSighting& s : NumberedSightings(other)) others.emplace_back(i, s);
  }

  for (const NumberedSighting& mine : own) {
    if (std::find(kept.begin(), kept.end(), KeptGroupNumber{mine.Row, mine.GroupNumber}) !=
        kept.end())
      continue;
    for (const auto& [index, theirs] : others) {
      if (theirs.Rotation != mine.Rotation || theirs.GroupNumber != mine.GroupNumber) continue;
      if (IsSameGroupPlace(mine.Place, theirs.Place)) continue;
      GroupNumberClash clash;
      clash.Row = mine.Row;
      clash.GroupNumber = mine.GroupNumber;
      clash.Rotation = mine.Rotation;
      clash.OtherRecord = index;
      clash.ApartDegrees = DegreesApart(mine.Place, theirs.Place);
      std::set<int> used;
      for (const auto& [i, s] : others)
        if (s.Rotation == mine.Rotation) used.insert(s.GroupNumber);
      for (const NumberedSighting& s : own)
        if (s.Rotation == mine.Rotation) used.insert(s.GroupNumber);
      for (const GroupNumberClash& earlier : clashes)
        if (earlier.SuggestedNumber) used.insert(*earlier.SuggestedNumber);
      for (int n = 1; n <= kMaxEnteredGroupNumber && !clash.SuggestedNumber; ++n)
        if (!used.contains(n)) clash.SuggestedNumber = n;
      clashes.push_back(clash);
      break;
    }
  }
  return clashes;
}

std::vector<KeptGroupNumber> UnchangedGroupNumbers(const ObservationRecord& original,
                                                   const ObservationRecord& corrected) {
  std::vector<KeptGroupNumber> kept;
  if (original.Date() != corrected.Date() || original.TimeUT() != corrected.TimeUT()) return kept;
  const int count = std::min<int>(original.GroupCount(), corrected.GroupCount());
  for (int k = 1; k <= count; ++k) {
    if (original.RotationGroupNumber(k) == corrected.RotationGroupNumber(k) &&
        original.Angle10(k) == corrected.Angle10(k) &&
        original.Distance10(k) == corrected.Distance10(k))
      kept.push_back({k, corrected.RotationGroupNumber(k)});
  }
  return kept;
}

std::string GroupNumberClashMessage(const Database& db, const GroupNumberClash& clash) {
  const ObservationRecord& other = db.Record(clash.OtherRecord);
  std::string text = FillText(
      CoreText("GroupNumberClash",
               "Číslo skupiny %1 (řádek %2) už má v otočce %3 jiná skupina: zákres %4 %5:%6, o "
               "%7° dál."),
      {std::to_string(clash.GroupNumber), std::to_string(clash.Row), std::to_string(clash.Rotation),
       other.Date(), FormatFloat("00", other.TimeUT() / 100),
       FormatFloat("00", other.TimeUT() % 100), FormatFixed(clash.ApartDegrees, 1, 0)});
  if (clash.SuggestedNumber) {
    text += FillText(CoreText("GroupNumberClash",
                              "\rNavrženo další volné číslo %1. Pro původní číslo ho přepište "
                              "zpět a potvrďte znovu."),
                     {std::to_string(*clash.SuggestedNumber)});
  } else {
    text += CoreText("GroupNumberClash",
                     "\rV otočce už není volné číslo. Pro původní číslo potvrďte znovu.");
  }
  return text;
}

}  // namespace ardeno
