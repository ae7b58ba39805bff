// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The numbers behind a picture: one row per plotted point or mark, with the x value (a date, a
// month or a rotation) and each series the picture draws. ardeno-render writes them beside the
// image, so that the values of a figure can be read and compared with the tables.
#include <string>
#include <vector>

namespace ardeno {

struct PlotData {
  std::vector<std::string> Columns;
  std::vector<std::vector<std::string>> Rows;
};

// The column names, then one line per row; cells separated by ";" and lines ended by CR LF, as
// the program's other CSV files.
std::string PlotDataCsv(const PlotData& data);

// A plotted value with up to `decimals` decimals, trailing zeros dropped ("12", "3.125").
std::string PlotNumber(double value, int decimals);

}  // namespace ardeno
