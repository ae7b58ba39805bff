// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The month a monthly report is about, as the user names it ("2.2000").
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/data/database.h"
#include "core/text/core_text.h"

namespace ardeno {

inline constexpr std::string_view kReportMonthPrompt = "Zadej měsíc a rok ? (2.2000)";

struct ReportMonth {
  int Year = 0;
  int Month = 0;
  int Key() const { return Year * 100 + Month; }
};

// The answer is split at the first "." (or, without one, at the first ","): the text before it
// is the month, the next four characters the year; a part that is not a number gives 0.
ReportMonth ParseReportMonth(std::string_view answer);

// A month named by a script in full: "M.YYYY" with nothing before or after it, month 1..12 in
// one or two digits, year 1..9999 in four digits. Nothing for any other text ("3.2014x",
// "3.2014.1", "13.2014", "3.14"), which the prompt's lenient reading would take for a month.
std::optional<ReportMonth> ParseWholeReportMonth(std::string_view text);
// Shown through CoreText("ReportMonth", ...).
inline constexpr const char* kWholeReportMonthRule = CoreTextNoop(
    "ReportMonth",
    "Měsíc se zadává jako M.RRRR: měsíc 1 až 12, rok čtyřmi číslicemi od 0001 do 9999 (například "
    "3.2014).");

// Indices (1-based) of the first and last record of the month; nothing when it has none.
struct MonthRecords {
  int First = 0;
  int Last = 0;
};
std::optional<MonthRecords> FindMonthRecords(const Database& db, const ReportMonth& month);

// The station a chosen report month puts into the instrument panel's station field: that of the
// last record, when the database holds more than one record; nothing otherwise (the field keeps
// its text).
std::optional<std::string> ReportMonthStation(const Database& db);

// Asks until a month with records is named. `ask` returns the typed answer, or nothing when the
// user cancelled; a cancel or an empty answer ends the prompt with nothing chosen.
std::optional<ReportMonth> SelectReportMonth(
    const Database& db, const std::function<std::optional<std::string>()>& ask);

}  // namespace ardeno
