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

}  // namespace

std::optional<CalendarDate> ParseJumpDate(std::string_view text) {
  const std::string_view trimmed = Trimmed(text);
  if (trimmed.empty()) return std::nullopt;
  // A month or a year stands for its first day; the rest is the editor's date rule (four-digit
  // year, a day that exists).
  std::string full(trimmed);
  switch (std::count(trimmed.begin(), trimmed.end(), '.')) {
    case 0:
      full = "1.1." + full;
      break;
    case 1:
      full = "1." + full;
      break;
    case 2:
      break;
    default:
      return std::nullopt;
  }
  return ParseEnteredDate(full);
}

DateJump FindDateJump(const Database& db, std::string_view text) {
  const std::optional<CalendarDate> date = ParseJumpDate(text);
  if (!date)
    return {0, FillText(CoreText("DateJump",
                                 "\"%1\" není datum. Napiš den, měsíc a rok (5.3.2014), měsíc a "
                                 "rok (3.2014) nebo rok (2014)."),
                        {std::string(Trimmed(text))})};
  for (int i = 1; i <= db.RecordCount; ++i) {
    const std::optional<CalendarDate> recorded = ParseDate(db.Record(i).Date());
    if (recorded && *recorded >= *date) return {i, {}};
  }
  if (db.RecordCount == 0) return {0, CoreText("DateJump", "V databázi zatím není žádný zákres.")};
  return {0, FillText(CoreText("DateJump", "Od %1 není žádný zákres; poslední je z %2."),
                      {FormatDate(*date), ShownText(db.Record(db.RecordCount).Date())})};
}

}  // namespace ardeno
