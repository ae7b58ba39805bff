// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Calendar dates as the records keep them: the text "dd.mm.yyyy".
#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>

namespace ardeno {

struct CalendarDate {
  int Year = 0;
  int Month = 0;
  int Day = 0;
  auto operator<=>(const CalendarDate&) const = default;
};

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);
bool IsValidDate(const CalendarDate& date);

// Parses day.month.year: one or two digits for day and month, one to four for the year, blanks
// around the parts allowed (the entry mask leaves them); the date must exist in the Gregorian
// calendar. Anything else gives nothing.
std::optional<CalendarDate> ParseDate(std::string_view text);

// A date as the record editor takes it: one or two digits for day and month and exactly four
// for the year, so that "05.03.24" is never stored as a date of the year 24.
std::optional<CalendarDate> ParseEnteredDate(std::string_view text);

// The text parses as a date but its year has fewer than four digits ("05.03.24"), as older
// versions of the entry let through.
bool HasShortYear(std::string_view text);

// "dd.mm.yyyy"
std::string FormatDate(const CalendarDate& date);

// Days since 30.12.1899 (day 0), so differences of serials count days.
std::int64_t DaySerial(const CalendarDate& date);
CalendarDate DateFromSerial(std::int64_t serial);
std::int64_t DaysBetween(const CalendarDate& from, const CalendarDate& to);

// The moment in the local time zone (the system's thread-safe call on every platform).
std::tm LocalTime(std::time_t moment);

// Today's date in the local time zone.
CalendarDate Today();

}  // namespace ardeno
