// SPDX-License-Identifier: GPL-3.0-or-later
// Q01 the Sun above the horizon, Q06 hemisphere sums and markers, Q08 header values, Q11 header
// ratings not given.
#include <cmath>
#include <utility>

#include "core/quality/quality_check_parts.h"
#include "core/solar/sun_altitude.h"
#include "core/text/core_text.h"
#include "core/text/number_format.h"

namespace ardeno {

namespace {

constexpr std::int64_t kUnixEpochSerial = 25569;  // DaySerial of 1.1.1970
constexpr std::int64_t kSecondsPerDay = 86400;

bool IsValidTime(std::uint16_t timeUT) { return timeUT / 100 < 24 && timeUT % 100 < 60; }

}  // namespace

void CheckSunAboveHorizon(const QualityInputs& in, const CheckedRecords& checked,
                          std::vector<QualityFinding>& out) {
  const StationPlace& station = *in.Station.Place;
  for (int i = 1; i <= static_cast<int>(checked.Own.size()); ++i) {
    if (!checked.Own[static_cast<std::size_t>(i - 1)]) continue;
    const std::uint16_t time = in.Db.Record(i).TimeUT();
    if (time == 0 || !IsValidTime(time)) continue;  // Q08 names it
    const double altitude =
        SunAltitude(in.Positions.Record(i).Date, time, station.Latitude, station.Longitude);
    if (altitude >= kSunriseAltitude) continue;
    out.push_back(MakeFinding(in.Db, in.Positions, i, 0, "Q01", Severity::Error,
                              FillText(CoreText("Quality",
                                                "Slunce bylo v %1 UT pod obzorem stanice (výška "
                                                "%2°); není zapsán místní čas místo UT?"),
                                       {TimeText(time), Degrees(altitude)})));
  }
}

void CheckHemisphereSums(const QualityInputs& in, const CheckedRecords& checked,
                         std::vector<QualityFinding>& out) {
  for (int i = 1; i <= static_cast<int>(checked.Included.size()); ++i) {
    if (!checked.Included[static_cast<std::size_t>(i - 1)]) continue;
    const ObservationRecord& r = in.Db.Record(i);
    auto add = [&](int k, Severity level, std::string text) {
      out.push_back(MakeFinding(in.Db, in.Positions, i, k, "Q06", level, std::move(text)));
    };
    int spots = 0;
    for (int k = 1; k <= r.GroupCount(); ++k) spots += r.SpotCount(k);
    const int groupsN = r.ResultWord(kGroupsN), groupsS = r.ResultWord(kGroupsS);
    const int spotsN = r.ResultWord(kSpotsN), spotsS = r.ResultWord(kSpotsS);
    const auto number = [](int value) { return std::to_string(value); };
    if (groupsN + groupsS != r.GroupCount())
      add(0, Severity::Error,
          FillText(CoreText("Quality",
                            "Skupiny polokoulí g %1 + %2 nedávají %3 skupin zákresu; přepočítejte "
                            "výsledky zákresu."),
                   {number(groupsN), number(groupsS), number(r.GroupCount())}));
    else if (spotsN + spotsS != (spots & 0xFFFF))
      add(0, Severity::Error,
          FillText(CoreText("Quality",
                            "Skvrny polokoulí f %1 + %2 nedávají %3 skvrn zákresu; přepočítejte "
                            "výsledky zákresu."),
                   {number(spotsN), number(spotsS), number(spots)}));
    else if (r.ResultWord(kRelativeN) != ((10 * groupsN + spotsN) & 0xFFFF) ||
             r.ResultWord(kRelativeS) != ((10 * groupsS + spotsS) & 0xFFFF))
      add(0, Severity::Error,
          FillText(CoreText("Quality",
                            "Relativní čísla polokoulí R %1 a %2 nejsou 10g + f; přepočítejte "
                            "výsledky zákresu."),
                   {number(r.ResultWord(kRelativeN)), number(r.ResultWord(kRelativeS))}));
    // A marker stands for the hemisphere of the whole drawing in the monthly sums.
    if (r.GroupCount() >= 1 && IsMarkerPosition(r, 1)) {
      bool north = false, south = false;
      const auto groups = in.Positions.GroupsOf(i);
      for (int k = 1; k <= static_cast<int>(groups.size()); ++k) {
        const bool inNorth = IsMarkerPosition(r, k)
                                 ? r.Angle10(k) == kNorthMarkerAngle10
                                 : groups[static_cast<std::size_t>(k - 1)].HelioLatitude >= 0;
        (inNorth ? north : south) = true;
      }
      if (north && south)
        add(1, Severity::Warning,
            r.Angle10(1) == kNorthMarkerAngle10
                ? CoreText("Quality",
                           "Zákres nese značku severní polokoule, ale má skupiny na obou "
                           "polokoulích; patří značka jen zákresu s jednou polokoulí.")
                : CoreText("Quality",
                           "Zákres nese značku jižní polokoule, ale má skupiny na obou "
                           "polokoulích; patří značka jen zákresu s jednou polokoulí."));
    }
  }
}

void CheckHeaderValues(const QualityInputs& in, const CheckedRecords& checked,
                       std::vector<QualityFinding>& out) {
  struct Code {
    const char* Name;
    std::uint8_t (ObservationRecord::*Read)() const;
  };
  const Code codes[] = {
      {CoreTextNoop("Quality", "Podmínky pozorování (PP)"), &ObservationRecord::Conditions},
      {CoreTextNoop("Quality", "Kvalita obrazu (Obr.)"), &ObservationRecord::ImageQuality},
      {CoreTextNoop("Quality", "Hodnocení Q"), &ObservationRecord::QualityQ}};
  for (int i = 1; i <= static_cast<int>(checked.Included.size()); ++i) {
    if (!checked.Included[static_cast<std::size_t>(i - 1)]) continue;
    const ObservationRecord& r = in.Db.Record(i);
    auto add = [&](std::string text) {
      out.push_back(
          MakeFinding(in.Db, in.Positions, i, 0, "Q08", Severity::Error, std::move(text)));
    };
    for (const Code& code : codes) {
      const int value = (r.*code.Read)();
      if (value > kHighestHeaderCode)
        add(FillText(CoreText("Quality", "%1 %2 je mimo rozsah 0 až %3; nejde o překlep?"),
                     {CoreText("Quality", code.Name), std::to_string(value),
                      std::to_string(kHighestHeaderCode)}));
    }
    const std::uint16_t time = r.TimeUT();
    if (time == 0) {
      add(CoreText("Quality", "Čas 0:00 UT; nejspíš nebyl zadán."));
      continue;
    }
    if (!IsValidTime(time)) {
      add(FillText(CoreText("Quality", "Čas %1 není platný čas hhmm; nejsou přehozeny číslice?"),
                   {std::to_string(time)}));
      continue;
    }
    if (!in.LastChangeSeconds) continue;
    const std::int64_t moment =
        (DaySerial(in.Positions.Record(i).Date) - kUnixEpochSerial) * kSecondsPerDay +
        (time / 100) * 3600 + (time % 100) * 60;
    if (moment > *in.LastChangeSeconds) {
      const std::int64_t changed = *in.LastChangeSeconds;
      const std::int64_t day = changed >= 0 ? changed / kSecondsPerDay
                                            : -((-changed + kSecondsPerDay - 1) / kSecondsPerDay);
      const std::int64_t second = changed - day * kSecondsPerDay;
      const auto hhmm = static_cast<std::uint16_t>(second / 3600 * 100 + second % 3600 / 60);
      add(FillText(
          CoreText("Quality",
                   "Zákres je z %1 UT, tedy později, než byl soubor dat naposledy změněn "
                   "(%2 %3 UT); není chybné datum nebo čas?"),
          {TimeText(time), FormatDate(DateFromSerial(day + kUnixEpochSerial)), TimeText(hhmm)}));
    }
  }
}

void CheckRatingsGiven(const QualityInputs& in, const CheckedRecords& checked,
                       std::vector<QualityFinding>& out) {
  const std::pair<const char*, std::uint8_t (ObservationRecord::*)() const> ratings[] = {
      {"PP", &ObservationRecord::Conditions},
      {"Obr.", &ObservationRecord::ImageQuality},
      {"Q", &ObservationRecord::QualityQ}};
  for (int i = 1; i <= static_cast<int>(checked.Included.size()); ++i) {
    if (!checked.Included[static_cast<std::size_t>(i - 1)]) continue;
    const ObservationRecord& r = in.Db.Record(i);
    std::string missing;
    for (const auto& [name, read] : ratings) {
      if ((r.*read)() != 0) continue;
      missing += (missing.empty() ? "" : ", ") + std::string(name);
    }
    if (missing.empty()) continue;
    out.push_back(MakeFinding(
        in.Db, in.Positions, i, 0, "Q11", Severity::Warning,
        FillText(CoreText("Quality",
                          "Podmínky/obraz/kvalita nezadány: %1 = 0 (stupnice je 1 až 5); "
                          "doplňte je opravou zákresu."),
                 {missing})));
  }
}

}  // namespace ardeno
