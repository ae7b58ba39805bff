// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/entry/date_jump.h"
#include "core/text/core_text.h"
#include "core/text/shown_text.h"

#include <algorithm>
#include <cctype>

namespace ardeno {

namespace {

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
    text.remove_prefix(1);
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
    text.remove_suffix(1);
  return text;
}

// What the typed text names, by its dots: a year, a month or a day; nothing past three parts.
enum class JumpPeriod { Day, Month, Year };

std::optional<JumpPeriod> PeriodOf(std::string_view text) {
  switch (std::count(text.begin(), text.end(), '.')) {
    case 0:
      return JumpPeriod::Year;
    case 1:
      return JumpPeriod::Month;
    case 2:
      return JumpPeriod::Day;
    default:
      return std::nullopt;
  }
}

bool LiesIn(const CalendarDate& recorded, const CalendarDate& first, JumpPeriod period) {
  switch (period) {
    case JumpPeriod::Year:
      return recorded.Year == first.Year;
    case JumpPeriod::Month:
      return recorded.Year == first.Year && recorded.Month == first.Month;
    case JumpPeriod::Day:
      return recorded == first;
  }
  return false;
}

std::string NoDrawingIn(std::string_view typed, JumpPeriod period, const std::string& next) {
  const std::string text = period == JumpPeriod::Year ? CoreText("DateJump",
                                                                 "V roce %1 není žádný zákres; "
                                                                 "ukazuje se další, z %2.")
                           : period == JumpPeriod::Month
                               ? CoreText("DateJump",
                                          "V měsíci %1 není žádný zákres; "
                                          "ukazuje se další, z %2.")
                               : CoreText("DateJump",
                                          "Dne %1 není žádný zákres; ukazuje "
                                          "se další, z %2.");
  return FillText(text, {std::string(typed), next});
}

DateJump Refused(std::string message) { return {0, std::move(message), {}}; }

}  // namespace

std::optional<CalendarDate> ParseJumpDate(std::string_view text) {
  const std::string_view trimmed = Trimmed(text);
  if (trimmed.empty()) return std::nullopt;
  // A month or a year stands for its first day; the rest is the editor's date rule (four-digit
  // year, a day that exists).
  const std::optional<JumpPeriod> period = PeriodOf(trimmed);
  if (!period) return std::nullopt;
  const std::string_view firstDay = *period == JumpPeriod::Year    ? "1.1."
                                    : *period == JumpPeriod::Month ? "1."
                                                                   : "";
  return ParseEnteredDate(std::string(firstDay) + std::string(trimmed));
}

DateJump FindDateJump(const Database& db, std::string_view text) {
  const std::optional<CalendarDate> date = ParseJumpDate(text);
  if (!date)
    return Refused(
        FillText(CoreText("DateJump",
                          "\"%1\" není datum. Napiš den, měsíc a rok (5.3.2014), měsíc a "
                          "rok (3.2014) nebo rok (2014)."),
                 {std::string(Trimmed(text))}));
  for (int i = 1; i <= db.RecordCount; ++i) {
    const std::optional<CalendarDate> recorded = ParseDate(db.Record(i).Date());
    if (!recorded || *recorded < *date) continue;
    const std::string_view typed = Trimmed(text);
    const JumpPeriod period = *PeriodOf(typed);  // the date was read, so it names a period
    if (LiesIn(*recorded, *date, period)) return {i, {}, {}};
    return {i, {}, NoDrawingIn(typed, period, ShownText(db.Record(i).Date()))};
  }
  if (db.RecordCount == 0)
    return Refused(CoreText("DateJump", "V databázi zatím není žádný zákres."));
  return Refused(FillText(CoreText("DateJump", "Od %1 není žádný zákres; poslední je z %2."),
                          {FormatDate(*date), ShownText(db.Record(db.RecordCount).Date())}));
}

}  // namespace ardeno
