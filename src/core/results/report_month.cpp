// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/results/report_month.h"

#include <charconv>

#include "core/results/month_walk.h"

namespace ardeno {

namespace {

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

// The whole text as a decimal integer, else 0.
int NumberOrZero(std::string_view text) {
  text = Trimmed(text);
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size()) return 0;
  return value;
}

}  // namespace

ReportMonth ParseReportMonth(std::string_view answer) {
  auto separator = answer.find('.');
  if (separator == std::string_view::npos) separator = answer.find(',');
  if (separator == std::string_view::npos) return {0, NumberOrZero(answer)};
  return {NumberOrZero(answer.substr(separator + 1, 4)), NumberOrZero(answer.substr(0, separator))};
}

std::optional<ReportMonth> ParseWholeReportMonth(std::string_view text) {
  constexpr std::size_t kYearDigits = 4;
  constexpr int kLastMonth = 12;
  const auto separator = text.find('.');
  if (separator == std::string_view::npos || separator == 0 || separator > 2 ||
      text.size() != separator + 1 + kYearDigits)
    return std::nullopt;
  const auto digits = [](std::string_view part) {
    return part.find_first_not_of("0123456789") == std::string_view::npos;
  };
  const std::string_view month = text.substr(0, separator);
  const std::string_view year = text.substr(separator + 1);
  if (!digits(month) || !digits(year)) return std::nullopt;
  const ReportMonth parsed{NumberOrZero(year), NumberOrZero(month)};
  if (parsed.Month < 1 || parsed.Month > kLastMonth || parsed.Year < 1) return std::nullopt;
  return parsed;
}

std::optional<MonthRecords> FindMonthRecords(const Database& db, const ReportMonth& month) {
  MonthRecords found;
  for (int i = 1; i <= db.RecordCount; ++i) {
    const auto date = RecordDate(db.Record(i));
    if (!date || date->Year != month.Year || date->Month != month.Month) continue;
    if (found.First == 0) found.First = i;
    found.Last = i;
  }
  if (found.First == 0) return std::nullopt;
  return found;
}

std::optional<std::string> ReportMonthStation(const Database& db) {
  if (db.RecordCount <= 1) return std::nullopt;
  return db.Record(db.RecordCount).Station();
}

std::optional<ReportMonth> SelectReportMonth(
    const Database& db, const std::function<std::optional<std::string>()>& ask) {
  for (;;) {
    const auto answer = ask();
    if (!answer || Trimmed(*answer).empty()) return std::nullopt;
    const ReportMonth month = ParseReportMonth(*answer);
    if (FindMonthRecords(db, month)) return month;
  }
}

}  // namespace ardeno
