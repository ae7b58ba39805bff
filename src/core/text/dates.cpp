// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text/dates.h"

#include <chrono>
#include <cstdio>
#include <ctime>

namespace ardeno {

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool IsValidDate(const CalendarDate& date) {
  return date.Year >= 1 && date.Year <= 9999 && date.Month >= 1 && date.Month <= 12 &&
         date.Day >= 1 && date.Day <= DaysInMonth(date.Year, date.Month);
}

namespace {

struct DateParts {
  CalendarDate Date;
  int YearDigits = 0;
};

// Reads blanks, then 1..maxDigits digits, then blanks; advances pos and counts the digits.
std::optional<int> ReadNumber(std::string_view text, std::size_t& pos, int maxDigits,
                              int* digitsRead = nullptr) {
  while (pos < text.size() && text[pos] == ' ') ++pos;
  int value = 0;
  int digits = 0;
  while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
    if (++digits > maxDigits) return std::nullopt;
    value = value * 10 + (text[pos] - '0');
    ++pos;
  }
  while (pos < text.size() && text[pos] == ' ') ++pos;
  if (digits == 0) return std::nullopt;
  if (digitsRead != nullptr) *digitsRead = digits;
  return value;
}

std::optional<DateParts> ParseDateParts(std::string_view text) {
  std::size_t pos = 0;
  const auto day = ReadNumber(text, pos, 2);
  if (!day || pos >= text.size() || text[pos] != '.') return std::nullopt;
  ++pos;
  const auto month = ReadNumber(text, pos, 2);
  if (!month || pos >= text.size() || text[pos] != '.') return std::nullopt;
  ++pos;
  int yearDigits = 0;
  const auto year = ReadNumber(text, pos, 4, &yearDigits);
  if (!year || pos != text.size()) return std::nullopt;
  const CalendarDate date{*year, *month, *day};
  if (!IsValidDate(date)) return std::nullopt;
  return DateParts{date, yearDigits};
}

}  // namespace

std::optional<CalendarDate> ParseDate(std::string_view text) {
  const auto parts = ParseDateParts(text);
  if (!parts) return std::nullopt;
  return parts->Date;
}

std::optional<CalendarDate> ParseEnteredDate(std::string_view text) {
  const auto parts = ParseDateParts(text);
  if (!parts || parts->YearDigits != 4) return std::nullopt;
  return parts->Date;
}

bool HasShortYear(std::string_view text) {
  const auto parts = ParseDateParts(text);
  return parts && parts->YearDigits < 4;
}

std::string FormatDate(const CalendarDate& date) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d.%02d.%04d", date.Day % 100, date.Month % 100,
                date.Year % 10000);
  return buf;
}

std::int64_t DaySerial(const CalendarDate& date) {
  using namespace std::chrono;
  const sys_days days = year{date.Year} / month{static_cast<unsigned>(date.Month)} /
                        day{static_cast<unsigned>(date.Day)};
  constexpr sys_days kEpoch = year{1899} / December / day{30};
  return (days - kEpoch).count();
}

CalendarDate DateFromSerial(std::int64_t serial) {
  using namespace std::chrono;
  constexpr sys_days kEpoch = year{1899} / December / day{30};
  const year_month_day ymd{kEpoch + days{serial}};
  return {static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
          static_cast<int>(static_cast<unsigned>(ymd.day()))};
}

std::int64_t DaysBetween(const CalendarDate& from, const CalendarDate& to) {
  return DaySerial(to) - DaySerial(from);
}

std::tm LocalTime(std::time_t moment) {
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &moment);
#else
  localtime_r(&moment, &local);
#endif
  return local;
}

CalendarDate Today() {
  const std::tm local = LocalTime(std::time(nullptr));
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

}  // namespace ardeno
