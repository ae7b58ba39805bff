// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The asymmetry tables as the results window's grid shows them, and their text files.
#include <filesystem>
#include <optional>
#include <string>

#include "core/groups/asymmetry.h"
#include "core/groups/text_grid.h"
#include "core/text/refusal.h"

namespace ardeno {

enum class AsymmetryPeriod { Monthly, Yearly };

// Row 0 the headers; one row per table row, empty where the period has no normal record.
TextGrid AsymmetryGrid(const AsymmetryTables& tables, AsymmetryPeriod period);

// "asimemes.dat" or "asimerocni.dat"
const char* AsymmetryFileName(AsymmetryPeriod period);

// One line per grid row from row 1: the label right-aligned in 10, columns 1..17 in 7 each.
std::vector<std::string> AsymmetryFileLines(const TextGrid& grid);

// Writes the grid into Polohy-skupin; the Czech error text, or nothing.
Refusal WriteAsymmetryFile(const std::filesystem::path& progDir, const AsymmetryTables& tables,
                           AsymmetryPeriod period);

}  // namespace ardeno
