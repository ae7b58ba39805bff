// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/groups/asymmetry_grid.h"

#include <cmath>

#include "core/groups/group_text_files.h"
#include "core/text/core_text.h"
#include "core/text/number_format.h"

namespace ardeno {

namespace {

constexpr const char* kQuantityNames[kAsymmetryQuantities] = {"g",  "f",  "R",   "CV",
                                                              "SN", "RB", "plo", "pol"};
constexpr const char* kCountHeader = CoreTextNoop("GroupTables", "p.zákre");
constexpr int kGridColumns = 18;
// A value whose magnitude is this small is the equal-hemispheres mark (or nothing).
constexpr float kShownThreshold = 0.001f;
constexpr float kMarkCeiling = 0.0002f;

bool IsMark(float v) { return v > 0 && v < kMarkCeiling; }

std::string CellText(float v, AsymmetryPeriod period, bool rowHasValues) {
  if (period == AsymmetryPeriod::Yearly && v > 0 && v <= kEqualHemispheresMark)
    return CoreText("GroupTables", "rov");
  if (std::fabs(v) > kShownThreshold) return FormatFloat("0.0", v);
  if (period == AsymmetryPeriod::Monthly && rowHasValues && IsMark(v)) return "0.0";
  return {};
}

std::string Label(const AsymmetryTables& tables, AsymmetryPeriod period, int row) {
  if (period == AsymmetryPeriod::Yearly) return std::to_string(tables.FirstYear + row - 1);
  const int months = tables.FirstMonth - 1 + row - 1;
  return FormatFloat("   00", months % 12 + 1) + " . " +
         std::to_string(tables.FirstYear + months / 12);
}

}  // namespace

TextGrid AsymmetryGrid(const AsymmetryTables& tables, AsymmetryPeriod period) {
  TextGrid grid;
  auto& headers = grid.AddRow(kGridColumns);
  headers[0] = period == AsymmetryPeriod::Monthly ? CoreText("GroupTables", "Měsíc")
                                                  : CoreText("GroupTables", "Rok");
  for (int q = 0; q < kAsymmetryQuantities; ++q) {
    headers[static_cast<std::size_t>(2 * q + 1)] = std::string(kQuantityNames[q]) + "  P";
    headers[static_cast<std::size_t>(2 * q + 2)] = std::string(kQuantityNames[q]) + "  R";
  }
  headers[kGridColumns - 1] = CoreText("GroupTables", kCountHeader);

  const auto& rows = period == AsymmetryPeriod::Monthly ? tables.MonthAsym : tables.YearAsym;
  for (std::size_t r = 0; r < rows.size(); ++r) {
    auto& cells = grid.AddRow();
    const AsymmetryRow& row = rows[r];
    if (AsymmetryCount(row) == 0) continue;
    bool rowHasValues = false;
    for (int v = 0; v < kAsymmetryCountPosition; ++v) {
      if (std::fabs(row[static_cast<std::size_t>(v)]) > kMarkCeiling) rowHasValues = true;
    }
    cells[0] = Label(tables, period, static_cast<int>(r) + 1);
    for (int v = 0; v < kAsymmetryCountPosition; ++v) {
      cells[static_cast<std::size_t>(v + 1)] =
          CellText(row[static_cast<std::size_t>(v)], period, rowHasValues);
    }
    cells[kGridColumns - 1] = FormatFloat("0", row[kAsymmetryCountPosition]);
  }
  return grid;
}

const char* AsymmetryFileName(AsymmetryPeriod period) {
  return period == AsymmetryPeriod::Monthly ? "asimemes.dat" : "asimerocni.dat";
}

std::vector<std::string> AsymmetryFileLines(const TextGrid& grid) {
  std::vector<std::string> lines;
  for (int r = 1; r < grid.RowCount(); ++r) {
    std::string line = TrimmedRight(grid.Cell(r, 0), 10);
    for (int c = 1; c < kGridColumns; ++c) line += TrimmedRight(grid.Cell(r, c), 7);
    lines.push_back(line);
  }
  return lines;
}

Refusal WriteAsymmetryFile(const std::filesystem::path& progDir, const AsymmetryTables& tables,
                           AsymmetryPeriod period) {
  // The file is the observatory's: its cells are Czech whatever the language of the windows.
  const CzechTexts czechFile;
  return WriteGroupTextFile(progDir, AsymmetryFileName(period),
                            AsymmetryFileLines(AsymmetryGrid(tables, period)));
}

}  // namespace ardeno
