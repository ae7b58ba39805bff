// SPDX-License-Identifier: GPL-3.0-or-later
// Q02 class against the drawn extent, Q03 high latitude, Q10 a group given twice in a drawing.
#include <algorithm>
#include <cmath>
#include <optional>

#include "core/data/record_fields.h"
#include "core/maps/map_sightings.h"
#include "core/quality/quality_check_parts.h"
#include "core/solar/differential_rotation.h"
#include "core/text/core_text.h"

namespace ardeno {

namespace {

// Longitudinal extents (degrees) the Zurich classes of the McIntosh scheme allow: A and H are
// single spots, D at most 10-12 degrees long, E 10-15 (taken 8-17), F above 15 (taken 13).
struct ExtentRule {
  char Letter;
  std::optional<double> Least;
  std::optional<double> Most;
};
constexpr ExtentRule kExtentRules[] = {{'A', std::nullopt, 3.0},
                                       {'H', std::nullopt, 3.0},
                                       {'D', std::nullopt, 12.0},
                                       {'E', 8.0, 17.0},
                                       {'F', 13.0, std::nullopt}};

std::string RuleText(const ExtentRule& rule) {
  const std::string letter(1, rule.Letter);
  if (rule.Least && rule.Most)
    return FillText(CoreText("Quality", "pro %1 %2° až %3°"),
                    {letter, Degrees(*rule.Least), Degrees(*rule.Most)});
  if (rule.Least)
    return FillText(CoreText("Quality", "pro %1 nejméně %2°"), {letter, Degrees(*rule.Least)});
  return FillText(CoreText("Quality", "pro %1 nejvýše %2°"), {letter, Degrees(*rule.Most)});
}

}  // namespace

void CheckGroupPlaces(const QualityInputs& in, const CheckedRecords& checked,
                      std::vector<QualityFinding>& out) {
  for (int i = 1; i <= static_cast<int>(checked.Own.size()); ++i) {
    if (!checked.Own[static_cast<std::size_t>(i - 1)]) continue;
    const ObservationRecord& r = in.Db.Record(i);
    const auto groups = in.Positions.GroupsOf(i);
    for (int k = 1; k <= static_cast<int>(groups.size()); ++k) {
      if (IsMarkerPosition(r, k)) continue;
      const HeliographicPosition& g = groups[static_cast<std::size_t>(k - 1)];
      auto add = [&](const char* code, Severity level, std::string text) {
        out.push_back(MakeFinding(in.Db, in.Positions, i, k, code, level, std::move(text)));
      };
      const double latitude = std::abs(g.HelioLatitude);
      if (latitude > kHighLatitudeWarning)
        add("Q03", latitude > kHighLatitudeError ? Severity::Error : Severity::Warning,
            FillText(CoreText("Quality",
                              "Skupina leží na šířce %1°, kde skvrny skoro nebývají (nad %2°); "
                              "není chybně zadán úhel nebo vzdálenost?"),
                     {Degrees(g.HelioLatitude), Degrees(kHighLatitudeWarning)}));
      const char letter = GroupTypeLetter(r, k);
      const auto rule = std::find_if(std::begin(kExtentRules), std::end(kExtentRules),
                                     [&](const ExtentRule& e) { return e.Letter == letter; });
      if (rule == std::end(kExtentRules)) continue;
      // Longitudes of the auxiliary spots from the group's own, across the 0/360 seam.
      double west = 0, east = 0;
      bool auxiliary = false;
      const std::uint16_t words[2] = {r.Aux1Position(k), r.Aux2Position(k)};
      for (const std::uint16_t word : words) {
        if (word == 0) continue;
        auxiliary = true;
        const double offset = std::remainder(
            AuxSpotPlace(in.Positions.Record(i).Eph, word).Longitude - g.HelioLongitude, 360.0);
        west = std::min(west, offset);
        east = std::max(east, offset);
      }
      const double extent = east - west;
      // Without an auxiliary spot only an upper limit can be judged.
      const bool tooShort = auxiliary && rule->Least && extent < *rule->Least - kClassExtentSlack;
      const bool tooLong = rule->Most && extent > *rule->Most + kClassExtentSlack;
      if (!tooShort && !tooLong) continue;
      add("Q02", Severity::Warning,
          FillText(CoreText("Quality",
                            "Třída %1 neodpovídá délkovému rozsahu skupiny %2° (%3); není chybná "
                            "třída nebo poloha pomocné skvrny?"),
                   {r.GroupType(k), Degrees(extent), RuleText(*rule)}));
    }
  }
}

void CheckRepeatedGroups(const QualityInputs& in, const CheckedRecords& checked,
                         std::vector<QualityFinding>& out) {
  for (int i = 1; i <= static_cast<int>(checked.Own.size()); ++i) {
    if (!checked.Own[static_cast<std::size_t>(i - 1)]) continue;
    const ObservationRecord& r = in.Db.Record(i);
    const auto groups = in.Positions.GroupsOf(i);
    for (int k = 2; k <= static_cast<int>(groups.size()); ++k) {
      if (IsMarkerPosition(r, k)) continue;
      const HeliographicPosition& g = groups[static_cast<std::size_t>(k - 1)];
      // The later of the two is named: the first is the one usually kept.
      for (int earlier = 1; earlier < k; ++earlier) {
        if (IsMarkerPosition(r, earlier)) continue;
        const HeliographicPosition& e = groups[static_cast<std::size_t>(earlier - 1)];
        const double apart =
            Separation(g.HelioLongitude, g.HelioLatitude, e.HelioLongitude, e.HelioLatitude);
        if (apart > kRepeatedGroupDegrees) continue;
        out.push_back(MakeFinding(
            in.Db, in.Positions, i, k, "Q10", Severity::Warning,
            FillText(
                CoreText("Quality",
                         "Skupina (%1) leží jen %2° od skupiny %3 (%4) téhož zákresu; není "
                         "zapsána dvakrát?"),
                {r.GroupType(k), Degrees(apart), std::to_string(earlier), r.GroupType(earlier)})));
        break;
      }
    }
  }
}

}  // namespace ardeno
