// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/reports/ussps_message.h"

#include <algorithm>
#include <cmath>

#include "core/data/group_types.h"
#include "core/reports/network_seeing.h"
#include "core/reports/report_text.h"
#include "core/results/month_totals.h"
#include "core/results/month_walk.h"
#include "core/solar/day_results.h"
#include "core/solar/heliographic.h"
#include "core/text/number_format.h"

namespace ardeno {

namespace {

constexpr float kSmallDiskDiameterMm = 150.0f;
constexpr float kLargeDiskDiameterMm = 300.0f;
constexpr std::string_view kPenumbraLetters = "xrsahk";
// The code book's Zurich figures h: A B C D E F H are 1..7. It has no figure for G or J (a G is
// sent as an open E or F, a J as an H with a small penumbra); the McIntosh classes the program
// stores never hold either.
constexpr std::string_view kZurichLetters = "ABCDEFH";
constexpr std::string_view kUnknownPlace = "/////";

// A count in a field of `digits` figures; a larger one is written as the field's largest value.
std::string Figures(long long value, int digits) {
  const long long largest = static_cast<long long>(std::pow(10, digits)) - 1;
  return Digits(std::clamp(value, 0LL, largest), digits);
}

// QXXYY: quadrant 1 NE, 2 SE, 3 SW, 4 NW; the program's central-meridian distance is positive
// towards the east limb (L = L0 - CMD), so east is a positive distance.
std::string Place(const HeliographicPosition& p) {
  const bool north = p.HelioLatitude >= 0;
  const bool east = p.CentralMeridianDistance > 0;
  const char quadrant = north ? (east ? '1' : '4') : (east ? '2' : '3');
  return quadrant + Figures(Round(std::fabs(p.CentralMeridianDistance)), 2) +
         Figures(Round(std::fabs(p.HelioLatitude)), 2);
}

}  // namespace

char UsspsDiskSize(float drawingRadiusMm) {
  const float diameter = 2 * drawingRadiusMm;
  if (diameter < kSmallDiskDiameterMm) return '1';
  return diameter <= kLargeDiskDiameterMm ? '2' : '3';
}

std::string UsspsClassFigures(std::string_view groupType) {
  if (GroupTypeCvValue(groupType) == 0) return "///";
  const char zurich = groupType[0];
  const char penumbra = static_cast<char>('0' + kPenumbraLetters.find(groupType[1]));
  char distribution = '/';
  if (zurich != 'A' && zurich != 'H') {
    distribution = groupType[2] == 'o' ? '1' : groupType[2] == 'i' ? '4' : '7';
  }
  const char zurichFigure = static_cast<char>('1' + kZurichLetters.find(zurich));
  return {penumbra, distribution, zurichFigure};
}

std::vector<std::string> UsspsMessage(const Database& db, int index, std::string_view station) {
  const ObservationRecord& r = db.Record(index);
  const auto date = RecordDate(r);
  const int hours = r.TimeUT() / 100;
  const int tenths = (r.TimeUT() % 100) / 6;
  const int relative = r.ResultWord(kRelativeN) + r.ResultWord(kRelativeS);
  std::vector<std::string> lines = {"USSPS " + std::string(station) + " " +
                                    Figures(date ? date->Day : 0, 2) +
                                    Figures(10 * hours + tenths, 3) + " " + Figures(relative, 3) +
                                    UsspsSeeing(r.Conditions()) + UsspsDiskSize(db.DrawingRadius)};
  const auto eph = RecordEphemeris(r);
  for (int k = 1; k <= r.GroupCount(); ++k) {
    const bool placed = eph && GroupHasPlace(r, k);
    const std::string area =
        placed ? Figures(Round(GroupCorrectedArea(r, k) / 10.0), 3) : std::string("///");
    const std::string place = placed
                                  ? Place(PolarToHeliographic(*eph, r.Angle10(k), r.Distance10(k)))
                                  : std::string(kUnknownPlace);
    lines.push_back(Figures(k, 2) + area + " " + place + " " +
                    UsspsClassFigures(r.GroupTypeRaw(k)) + Figures(r.SpotCount(k), 2));
  }
  return lines;
}

std::vector<std::string> UsspsMonthMessages(const Database& db, const ReportDays& days,
                                            std::string_view station) {
  std::vector<std::string> lines;
  for (int day = 1; day <= days.DayCount; ++day) {
    const int index = days.RecordOn(day);
    if (index == 0) continue;
    if (!lines.empty()) lines.emplace_back();
    const auto message = UsspsMessage(db, index, station);
    lines.insert(lines.end(), message.begin(), message.end());
  }
  return lines;
}

}  // namespace ardeno
