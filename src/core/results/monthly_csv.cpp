// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/results/monthly_csv.h"

#include <algorithm>
#include <system_error>

#include "core/data/file_error_text.h"
#include "core/data/file_replace.h"
#include "core/text/path_text.h"

namespace ardeno {

namespace {

constexpr int kHemisphereLastColumn = 8;

}  // namespace

std::string MonthlyCsvName(MonthlyTableKind kind, Hemisphere hemisphere) {
  std::string name = kind == MonthlyTableKind::Measured ? "Namerene-" : "Vyhlazene-";
  switch (hemisphere) {
    case Hemisphere::Whole:
      return name + "celkove";
    case Hemisphere::North:
      return name + "sever";
    case Hemisphere::South:
      return name + "jih";
  }
  return name;
}

std::filesystem::path MonthlyCsvPath(const std::filesystem::path& progDir, MonthlyTableKind kind,
                                     Hemisphere hemisphere) {
  return progDir / kCsvFolderName / (MonthlyCsvName(kind, hemisphere) + ".csv");
}

std::string MonthlyCsvText(const MonthlyTable& table, Hemisphere hemisphere) {
  const int columns = hemisphere == Hemisphere::Whole
                          ? table.ColumnCount
                          : std::min(table.ColumnCount, kHemisphereLastColumn + 1);
  std::string text;
  for (const auto& row : table.Rows) {
    for (int c = 0; c < columns; ++c) {
      text += row[static_cast<std::size_t>(c)];
      text += ';';
    }
    text += "\r\n";
  }
  return text;
}

Refusal WriteMonthlyCsv(const std::filesystem::path& progDir, const MonthlyTable& table,
                        MonthlyTableKind kind, Hemisphere hemisphere) {
  // A file of headers alone would pass for a result; the old file stays.
  if (table.RowCount() <= 1) return std::string(kEmptyTableMessage);
  const std::filesystem::path file = MonthlyCsvPath(progDir, kind, hemisphere);
  std::error_code error = CreateFolders(file.parent_path());
  if (!error) error = ReplaceOutputFile(file, MonthlyCsvText(table, hemisphere));
  if (!error) return std::nullopt;
  return "Soubor " + PathUtf8(file.filename()) + " nelze zapsat: " + FileErrorText(error) +
         ". Původní soubor zůstal beze změny.";
}

}  // namespace ardeno
