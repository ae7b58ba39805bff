// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Drawings per observer and year: the observer grid with its "Suma" column and row, and its CSV
// file "Pozorovatelé.csv".
#include <filesystem>
#include <string>
#include <vector>

#include "core/data/database.h"

namespace ardeno {

inline constexpr const char* kObserversCsvName = "Pozorovatelé.csv";
inline constexpr const char* kObserversCsvMessage = "Data se uloží do souboru  Pozorovatele.csv";
inline constexpr const char* kNoObserverMessage = "Ještě není znám žádný pozorovatel";

// Cells of the grid, row 0 the years and "Suma", column 0 the observer names; the last row is
// "Suma". Names not in the observer list (only possible when the list is full) are counted in a
// row "Ostatní" before the sums rather than in the sums row.
struct ObserverTable {
  std::vector<std::vector<std::string>> Cells;
};
ObserverTable BuildObserverTable(const Database& db);

// One line per grid row: each cell followed by ";", an empty cell written " ;". UTF-8, CR LF.
std::string ObserversCsvText(const ObserverTable& table);

}  // namespace ardeno
