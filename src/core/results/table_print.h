// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Page arithmetic of the print panel ("Tiskový panel") for the monthly tables.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/text/core_text.h"

namespace ardeno {

inline constexpr const char* kNoPrintTypeMessage =
    CoreTextNoop("TablePrint", "Nebyl zabrán typ tisku! ");

// Lines on a page of the given size in printer pixels: (height - reserve) div
// ((width div 704) x 15). The panel's estimate reserves 200 pixels, the printout 400. A page
// narrower than 704 pixels counts as one 15-pixel line step; the result is at least 1.
int LinesPerPage(int pageWidth, int pageHeight, int reservedHeight);
// Height of one printed line in printer pixels.
int PrintLineHeight(int pageWidth);

// "Počet hodnot je = 15   (  0.3  str.)": the panel's label for a table of rows 1..L + 1.
std::string PrintPanelLabel(int lastMonthRow, int linesPerPage);

// The three print types of "Výběr typu tisku".
enum class PrintType { AllRows = 0, FromCursor = 1, OnePageFromCursor = 2 };

// Grid rows printed on each page. Printing starts at row 1 (all rows) or at the selected row and
// stops before the row of the last month; one page from the cursor prints at most one page.
std::vector<std::vector<int>> PlanTablePages(PrintType type, int selectedRow, int lastMonthRow,
                                             int linesPerPage);

}  // namespace ardeno
