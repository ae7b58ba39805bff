// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The records as three plain tables for data tools (pandas, DuckDB, a spreadsheet): days.csv, a
// row per drawing with its ephemeris and every daily index; groups.csv, a row per group of each
// drawing with its place; faculae.csv, a row per vertex of each facular field. UTF-8, commas,
// decimal point, ISO dates, one header line of snake_case names; the columns are documented in
// docs/data-format.md.
#include <filesystem>
#include <string>
#include <string_view>

#include "core/data/database.h"
#include "core/solar/record_positions.h"
#include "core/text/refusal.h"

namespace ardeno {

inline constexpr const char* kTidyDaysFile = "days.csv";
inline constexpr const char* kTidyGroupsFile = "groups.csv";
inline constexpr const char* kTidyFaculaeFile = "faculae.csv";

// A field as RFC 4180 writes it: quoted, with its quotes doubled, when it holds a comma, a quote
// or a line end.
std::string CsvField(std::string_view text);

struct TidyTables {
  std::string Days;
  std::string Groups;
  std::string Faculae;
  int Drawings = 0;  // rows of days.csv
};

// The tables of records 1..RecordCount (the first record of a new database, which holds only its
// settings, is no drawing and has no row); `positions` are those of the same database.
TidyTables BuildTidyTables(const Database& db, const RecordPositions& positions);

// Writes the three files into `folder` (created when missing): all of them, or none changes.
Refusal WriteTidyTables(const std::filesystem::path& folder, const TidyTables& tables);

}  // namespace ardeno
