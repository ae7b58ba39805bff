// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A sunspot group followed across days: each drawing's groups are linked to the tracks of the
// drawings before it by place alone, never by the typed numbers (which the tracks then check).
// Each track's group should stand at its recent places rotated to the drawing's moment by the
// differential rotation of Howard, Harvey and Snodgrass (1990); of the pairs within a tolerance
// that grows with the time since the last sighting, the one-to-one choice of least cost in sum
// is linked. A track
// ends when its group passes the west limb, or when it is missing where it should stand on the
// visible disk on more than kTrackMissedDays drawing days. A lone sighting on a day a track
// misses, fitting that track's place but for one coordinate misread, is given back to it. The
// rule and its limits are in track_rule.h.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/data/database.h"
#include "core/reference/source_day.h"
#include "core/solar/record_positions.h"

namespace ardeno {

struct TrackSighting {
  int Record = 0;  // 1-based record index
  int Group = 0;   // 1-based group slot
  CalendarDate Date;
  double Moment = 0;     // days (MomentOf)
  double Meridian = 0;   // degrees from the central meridian, positive towards the east limb
  double Latitude = 0;   // degrees, north positive
  double Longitude = 0;  // Carrington degrees
  int CorrectedArea = 0;
  std::string Class;
  int Number = 0;          // the typed group number
  int RotationNumber = 0;  // the typed rotation group number
  int Rotation = 0;        // the drawing's Carrington rotation
  std::uint16_t TimeUT = 0;
};

struct GroupTrack {
  int Id = 0;  // 1.. in the order the tracks begin
  std::vector<TrackSighting> Sightings;
  CalendarDate First;
  CalendarDate Last;
  int Days = 0;  // distinct dates with a sighting
  // When the group crossed the central meridian, interpolated between the sightings on either
  // side; nothing when the track never crossed it.
  std::optional<double> MeridianPassage;
  double MeanLatitude = 0;
  int MaxArea = 0;
  CalendarDate MaxAreaDate;
  std::vector<std::string> Classes;  // in order of first appearance
  std::vector<int> Numbers;          // typed group numbers, in order of first appearance
  std::vector<int> RotationNumbers;  // typed rotation group numbers, likewise
  // NOAA's regions its sightings lie on, in the order they are first met: more than one shows a
  // track that joined regions NOAA keeps apart.
  std::vector<int> NoaaRegions;
  // The Carrington rotation of the sighting nearest the central meridian: the synoptic map the
  // track belongs on.
  int Rotation = 0;
};

struct TrackOptions {
  std::optional<std::string> Observer;  // only this observer's drawings
  // When set, only the records i with (*Records)[i - 1].
  const std::vector<bool>* Records = nullptr;
};

// Tracks of the ordinary drawings (no special records), in the order they begin.
std::vector<GroupTrack> TrackGroups(const Database& db, const RecordPositions& positions,
                                    const TrackOptions& options = {});

// NOAA's regions for the tracks: every group of a NOAA record of the database and every region of
// `reports`, rotated to each sighting's moment from within a day; the nearest within 5 degrees
// names the sighting's region, and a track lists every region its sightings name.
void AssignNoaaRegions(std::vector<GroupTrack>& tracks, const Database& db,
                       const RecordPositions& positions, const std::vector<SourceDay>& reports);

// How well the typed numbers agree with the tracks: the share of the sightings (of the records
// `counted` accepts, and of `year` only when given) lying in a track that carries their number
// alone, and of the numbers seen on three days or more (of that year) whose sightings all lie in
// one track.
struct TrackAgreement {
  int Sightings = 0;
  int SightingsInOwnTrack = 0;
  int Numbers = 0;
  int NumbersInOneTrack = 0;
};
TrackAgreement CompareWithNumbers(const std::vector<GroupTrack>& tracks, const Database& db,
                                  bool (*counted)(const ObservationRecord&),
                                  std::optional<int> year = std::nullopt);

// The tracks of a year (any sighting in it) or of a rotation (their map's rotation).
bool TrackInYear(const GroupTrack& track, int year);
std::vector<GroupTrack> TracksOfYear(const std::vector<GroupTrack>& tracks, int year);
std::vector<GroupTrack> TracksOfRotation(const std::vector<GroupTrack>& tracks, int rotation);

// The header "stopa;od;do;dní;centrální meridián;šířka;max plocha;typy;čísla;NOAA" and a row per
// track: dates dd.mm.yyyy (the passage on the day it falls on), the latitude with one decimal and
// a decimal point, classes, numbers and NOAA's regions joined by "+"; empty cells for what is not
// known.
std::vector<std::vector<std::string>> TrackRows(const std::vector<GroupTrack>& tracks);
// The rows as semicolon CSV, lines ending with CR LF.
std::string TracksCsv(const std::vector<GroupTrack>& tracks);

// The header "datum;UT;pozorovatel;skupina;číslo;typ;plocha;šířka;délka;CM" and a row per
// sighting: the date, UT as hh:mm, the drawing's observer, the group's slot and typed number,
// class, corrected area, latitude and Carrington longitude with one decimal, and the distance
// from the central meridian in whole degrees (E positive, W negative, as the program's CMD).
std::vector<std::vector<std::string>> TrackDayRows(const GroupTrack& track, const Database& db);

}  // namespace ardeno
