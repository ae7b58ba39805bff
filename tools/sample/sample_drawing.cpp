// SPDX-License-Identifier: GPL-3.0-or-later
#include "sample/sample_drawing.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/data/database_ops.h"
#include "core/data/group_types.h"
#include "core/maps/map_sightings.h"
#include "core/solar/day_results.h"
#include "core/solar/heliographic.h"
#include "core/text/number_format.h"

namespace ardeno {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr float kSampleRadiusMm = 125.0f;
constexpr double kVisibleMeridianDistance = 85.0;  // groups nearer the limb are not drawn
constexpr std::uint16_t kSampleRadiusWord = 125;   // polar mode, radius 125 mm
constexpr int kCentralZone10 = 625;                // half the radius, in tenths of a millimetre
constexpr int kPositionDegreeFactor = 128;         // packed place: degrees * 128 + millimetres
constexpr double kAuxExtentTolerance = 2.0;        // degrees the stored places may miss by

struct PlacedGroup {
  const SampleGroup* Group;
  double Size;
  double AngleDeg;    // position angle on the drawing, 0..360
  double DistanceMm;  // from the centre of the 125 mm drawing
  double MeridianDistance;
};

std::uint16_t PackPlace(double angleDeg, double distanceMm) {
  const int degrees = static_cast<int>(Round(angleDeg)) % 360;
  const int millimetres = std::clamp(static_cast<int>(Round(distanceMm)), 0, 125);
  return static_cast<std::uint16_t>((degrees + 360) % 360 * kPositionDegreeFactor + millimetres);
}

// Zurich class from the group's size: small groups are A, B or unipolar H, the large ones D to F.
char ZurichClass(double size, SampleRandom& random) {
  if (size < 0.08) return random.Chance(0.6) ? 'A' : 'H';
  if (size < 0.18) return random.Chance(0.6) ? 'B' : 'H';
  if (size < 0.35) return random.Chance(0.7) ? 'C' : 'H';
  if (size < 0.6) return 'D';
  if (size < 0.8) return 'E';
  return random.Chance(0.5) ? 'F' : 'E';
}

std::string McIntoshClass(char zurich, SampleRandom& random) {
  std::vector<std::string_view> matching;
  for (const auto type : GroupTypes)
    if (type[0] == zurich) matching.push_back(type);
  return std::string(matching[static_cast<std::size_t>(random.Int(0, int(matching.size()) - 1))]);
}

struct ClassRanges {
  int MinSpots, MaxSpots, MinArea, MaxArea;
};

ClassRanges RangesOf(char zurich) {
  switch (zurich) {
    case 'A':
      return {1, 2, 3, 15};
    case 'B':
      return {2, 8, 5, 40};
    case 'C':
      return {3, 14, 20, 150};
    case 'H':
      return {1, 3, 20, 300};
    case 'D':
      return {6, 30, 60, 500};
    case 'E':
      return {12, 45, 150, 1000};
    default:
      return {20, 80, 300, 2500};
  }
}

void WriteGroup(ObservationRecord& record, int k, const PlacedGroup& placed,
                const SolarEphemeris& eph, SampleRandom& random) {
  const char zurich = ZurichClass(placed.Size, random);
  const ClassRanges ranges = RangesOf(zurich);
  const int spots = random.Int(ranges.MinSpots, ranges.MaxSpots);
  const bool hasPenumbra = zurich != 'A' && zurich != 'B';
  const int penumbral = !hasPenumbra    ? 0
                        : zurich == 'H' ? 1
                                        : random.Int(1, std::max(1, spots / 3));
  // The drawing shows the area foreshortened towards the limb.
  const double foreshortening =
      std::sqrt(std::max(0.05, 1 - std::pow(placed.DistanceMm / kSampleRadiusMm, 2)));
  const int area =
      static_cast<int>(random.Uniform(ranges.MinArea, ranges.MaxArea) * foreshortening);

  record.SetGroupType(k, McIntoshClass(zurich, random));
  record.SetSpotCount(k, static_cast<std::uint8_t>(spots));
  record.SetPenumbralCount(k, static_cast<std::uint8_t>(penumbral));
  record.SetAngle10(k, static_cast<std::uint16_t>(Round(placed.AngleDeg * 10) % 3600));
  record.SetDistance10(
      k, static_cast<std::uint16_t>(std::min<std::int64_t>(1249, Round(placed.DistanceMm * 10))));
  record.SetArea(k, static_cast<std::uint16_t>(std::max(1, area)));
  record.SetSmallSpots(
      k, static_cast<std::uint16_t>(zurich == 'A' || zurich == 'H' ? 0 : random.Int(0, 3)));
  record.SetGroupNumber(k, static_cast<std::uint16_t>(placed.Group->Number));
  if (zurich >= 'D' && zurich <= 'F')
    WriteLeaderAndFollower(record, k, eph, placed.Group->CarringtonLongitude,
                           placed.Group->Latitude, zurich, area);
}

void WriteHeader(ObservationRecord& record, const CalendarDate& date, const DrawingMarks& marks,
                 const SolarEphemeris& eph, SampleRandom& random) {
  record.SetDate(FormatDate(date));
  record.SetTimeUT(marks.TimeUT);
  record.SetObserver(marks.Observer);
  record.SetStation(marks.Station);
  record.SetConditions(static_cast<std::uint8_t>(random.Int(1, 5)));
  record.SetImageQuality(static_cast<std::uint8_t>(random.Int(1, 5)));
  record.SetQualityQ(static_cast<std::uint8_t>(random.Int(1, 5)));
  record.SetRotation(static_cast<std::uint16_t>(eph.RotationNumber & 0xFFFF));
  record.SetCentralL0(static_cast<std::uint16_t>(Trunc(eph.EphL0)));
  record.SetRadiusWord(kSampleRadiusWord);
}

}  // namespace

void WriteLeaderAndFollower(ObservationRecord& record, int k, const SolarEphemeris& eph,
                            double longitude, double latitude, char zurich, int area) {
  // The middle of what the class spans in longitude (D up to 12°, E 8° to 17°, F from 13°),
  // varied by two degrees either way with the area so that the groups are not all alike.
  const double classExtent = zurich == 'D' ? 7 : zurich == 'E' ? 12 : 17;
  const double extent = classExtent + (area / 7 % 5) - 2;
  const auto packed = [&eph, latitude](double l) {
    const PolarPosition polar = HeliographicToPolar(eph, static_cast<float>(l),
                                                    static_cast<float>(latitude), kSampleRadiusMm);
    return PackPlace(std::fmod(std::fmod(polar.PolarAngle, 360.0) + 360.0, 360.0),
                     polar.PolarDistance);
  };
  // West is the larger Carrington longitude (L = L0 - CMD with the CMD east-positive).
  const std::uint16_t leader = packed(longitude + extent / 2);
  const std::uint16_t follower = packed(longitude - extent / 2);
  // Near the limb a whole millimetre of the stored places is several degrees: an observer there
  // draws the group without its auxiliary spots rather than with an extent it does not have.
  const double stored = std::abs(std::remainder(
      AuxSpotPlace(eph, leader).Longitude - AuxSpotPlace(eph, follower).Longitude, 360.0));
  if (std::abs(stored - extent) > kAuxExtentTolerance) return;
  record.SetAux1Position(k, leader);
  record.SetAux1Area(k, static_cast<std::uint16_t>(area * 0.35));
  record.SetAux2Position(k, follower);
  record.SetAux2Area(k, static_cast<std::uint16_t>(area * 0.15));
}

void WriteFacula(ObservationRecord& record, int k, double angleDeg, double distanceMm,
                 SampleRandom& random) {
  const int vertices = random.Int(4, kFaculaVertices);
  const double halfWidth = random.Uniform(1.5, 4);
  const double radius = std::clamp(distanceMm, 20.0, 121.0);
  for (int v = 1; v <= vertices; ++v) {
    const double turn = 2 * kPi * (v - 1) / vertices;
    const double along = halfWidth * 1.6 * std::cos(turn) / radius * 180 / kPi;
    const double across = halfWidth * std::sin(turn);
    record.SetFaculaVertex(k, v, PackPlace(angleDeg + 360 + along, radius + across));
  }
}

void WriteCentralZone(ObservationRecord& record) {
  int groups = 0;
  int spots = 0;
  for (int k = 1; k <= record.GroupCount(); ++k) {
    if (record.Distance10(k) >= kCentralZone10) continue;
    ++groups;
    spots += record.SpotCount(k);
  }
  record.SetCentralGroups(static_cast<std::uint16_t>(groups));
  record.SetCentralSpots(static_cast<std::uint16_t>(spots));
  record.SetCentralR(static_cast<std::uint16_t>(10 * groups + spots));
}

ObservationRecord DrawSun(const SampleSun& sun, const CalendarDate& date, const DrawingMarks& marks,
                          RotationGroupNumbers& numbers, SampleRandom& random) {
  ObservationRecord record;
  const SolarEphemeris eph = Ephemeris(date, marks.TimeUT);
  WriteHeader(record, date, marks, eph, random);

  const std::int64_t day = DaySerial(date);
  std::vector<PlacedGroup> visible;
  for (const SampleGroup& group : sun.Groups()) {
    const double size = SampleSun::SizeOn(group, day);
    const double meridian = std::remainder(group.CarringtonLongitude - eph.EphL0, 360.0);
    if (size <= 0.02 || std::abs(meridian) > kVisibleMeridianDistance) continue;
    const PolarPosition polar =
        HeliographicToPolar(eph, static_cast<float>(group.CarringtonLongitude),
                            static_cast<float>(group.Latitude), kSampleRadiusMm);
    const double angle = std::fmod(std::fmod(polar.PolarAngle, 360.0) + 360.0, 360.0);
    visible.push_back({&group, size, angle, polar.PolarDistance, meridian});
  }
  if (visible.size() > static_cast<std::size_t>(kMaxGroups)) visible.resize(kMaxGroups);

  int faculae = 0;
  for (std::size_t i = 0; i < visible.size(); ++i) {
    const int k = static_cast<int>(i) + 1;
    WriteGroup(record, k, visible[i], eph, random);
    // The passage is judged from the place as drawn, as the maps judge it.
    const HeliographicPosition drawn =
        PolarToHeliographic(eph, record.Angle10(k), record.Distance10(k));
    record.SetRotationGroupNumber(
        k, numbers.NumberFor(visible[i].Group->Number, PassageRotation(eph, drawn.HelioLongitude)));
    // Faculae show best near the limb, around the groups there.
    if (std::abs(visible[i].MeridianDistance) > 45 && random.Chance(0.7))
      WriteFacula(record, ++faculae, visible[i].AngleDeg + random.Uniform(-3, 3),
                  visible[i].DistanceMm + random.Uniform(-3, 3), random);
  }
  // Polar faculae, mostly around the minimum.
  const int polar = random.Poisson(1.5 * (1 - SampleSun::Activity(day)));
  for (int i = 0; i < polar && faculae < kMaxFaculae; ++i) {
    const double angle = (random.Chance(0.5) ? 0 : 180) + random.Uniform(-35, 35);
    WriteFacula(record, ++faculae, angle + 360, random.Uniform(105, 121), random);
  }
  record.SetGroupCount(static_cast<int>(visible.size()));
  record.SetFacularCount(faculae);
  record.SetFacularFields(static_cast<std::uint16_t>(faculae));
  if (faculae > 0 && random.Chance(0.4))
    record.SetFaculaAreaText(std::to_string(faculae * random.Int(60, 900)));
  WriteCentralZone(record);
  StoreDayResults(record, eph);
  return record;
}

ObservationRecord SpecialDrawing(const ObservationRecord& drawing, const std::string& observer,
                                 bool withMarkers) {
  ObservationRecord special = drawing;
  special.SetKind(kSpecialKind);
  special.SetObserver(observer);
  if (withMarkers) {
    const auto eph = RecordEphemeris(special);
    for (int k = 1; k <= special.GroupCount(); ++k) {
      const bool north =
          eph &&
          PolarToHeliographic(*eph, special.Angle10(k), special.Distance10(k)).HelioLatitude >= 0;
      special.SetAngle10(k, north ? kNorthMarkerAngle10 : kSouthMarkerAngle10);
      special.SetDistance10(k, kMarkerDistance10);
    }
  }
  if (const auto eph = RecordEphemeris(special)) StoreDayResults(special, *eph);
  return special;
}

}  // namespace ardeno
