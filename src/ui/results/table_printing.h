// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Printing a monthly table: each page starts with "Stránka n" and the header row, then one line
// per month row with the label and the value columns.
#include <QString>
#include <optional>

#include "core/results/monthly_table.h"
#include "core/results/table_print.h"

class QPrinter;

namespace ardeno {

// Prints columns 0..valueColumns of the rows the print type selects (from grid row
// `selectedRow` for the cursor types). Returns the Czech message when no row is to be printed.
std::optional<QString> PrintMonthlyTable(QPrinter& printer, const MonthlyTable& table,
                                         int valueColumns, PrintType type, int selectedRow);

}  // namespace ardeno
