// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The CSV file of the measured or smoothed monthly table ("Do CSV souboru").
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/results/month_totals.h"
#include "core/results/monthly_table.h"
#include "core/text/refusal.h"

namespace ardeno {

inline constexpr std::string_view kCsvFolderName = "CSVsoubory";

enum class MonthlyTableKind { Measured, Smoothed };

// "Namerene-celkove" ... "Vyhlazene-jih".
std::string MonthlyCsvName(MonthlyTableKind kind, Hemisphere hemisphere);
// DIR/CSVsoubory/<name>.csv
std::filesystem::path MonthlyCsvPath(const std::filesystem::path& progDir, MonthlyTableKind kind,
                                     Hemisphere hemisphere);

// One line per grid row (row 0 first), each cell followed by ";": every column for the whole
// disk, columns 0..8 for a hemisphere (the rest of a hemisphere's measured table is empty).
// Lines end with CR LF.
std::string MonthlyCsvText(const MonthlyTable& table, Hemisphere hemisphere);

// What a table without months (too few records) says instead of writing a file.
inline constexpr const char* kEmptyTableMessage = "Tabulka nemá žádné měsíce, soubor se nezapíše.";

// Creates CSVsoubory when missing and replaces the file whole. Returns the Czech message of a
// failure or of a table without months; the old file then stays as it was.
Refusal WriteMonthlyCsv(const std::filesystem::path& progDir, const MonthlyTable& table,
                        MonthlyTableKind kind, Hemisphere hemisphere);

}  // namespace ardeno
