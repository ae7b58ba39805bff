// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/graphs/plot_data.h"

#include "core/text/number_format.h"

namespace ardeno {

namespace {

void AppendLine(std::string& text, const std::vector<std::string>& cells) {
  for (std::size_t i = 0; i < cells.size(); ++i) {
    if (i > 0) text += ';';
    text += cells[i];
  }
  text += "\r\n";
}

}  // namespace

std::string PlotDataCsv(const PlotData& data) {
  std::string text;
  AppendLine(text, data.Columns);
  for (const auto& row : data.Rows) AppendLine(text, row);
  return text;
}

std::string PlotNumber(double value, int decimals) {
  if (decimals <= 0) return FormatFloat("0", value);
  return FormatFloat("0." + std::string(static_cast<std::size_t>(decimals), '#'), value);
}

}  // namespace ardeno
