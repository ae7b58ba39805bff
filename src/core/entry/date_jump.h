// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Going to a date in the record list: the observer types a day ("5.3.2014"), a month ("3.2014")
// or a year ("2014") and the list moves to the first drawing on or after its first day.
#include <optional>
#include <string>
#include <string_view>

#include "core/data/database.h"
#include "core/text/dates.h"

namespace ardeno {

// The first day the typed text names: "d.m.yyyy" that day, "m.yyyy" the first of the month,
// "yyyy" the first of January; the year always has four digits, blanks around the text are
// allowed. Nothing for any other text or a day that does not exist.
std::optional<CalendarDate> ParseJumpDate(std::string_view text);

// Where the list goes for a typed text: the record to show, or the Czech message saying why
// there is none.
struct DateJump {
  int Index = 0;  // 1..RecordCount, or 0 with Message
  std::string Message;
  // With a record: the Czech note that the day, month or year typed has no drawing and the
  // record shown is the next one; empty when the record lies in what was typed.
  std::string Note;
};

// The first record whose date is `date` or later. The records are in date order, but a record
// whose date does not read may stand anywhere, so each record is looked at by its own date.
DateJump FindDateJump(const Database& db, std::string_view text);

}  // namespace ardeno
