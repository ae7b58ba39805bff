// SPDX-License-Identifier: GPL-3.0-or-later
// The coordinate-tables window's picture: four months of L0, B0, P of a year.
#include "core/solar/coordinate_table.h"
#include "core/text/core_text.h"
#include "ui/coordinates/coordinate_table_painter.h"
#include "views/render_view.h"

namespace ardeno::render {

namespace {

std::optional<std::string> PaintTable(RenderSession&, const OptionValues& options,
                                      QPainter& painter, QSize size) {
  const int year = options.Number("year");
  if (year < 1 || year > 9999) return CoreText("ardeno-render", "Rok musí být číslo od 1 do 9999.");
  const int firstMonth = std::stoi(options.Text("months"));
  // The table fills the width of the picture, as on a printed page.
  PaintCoordinateTable(painter, BuildCoordinateTable(year, firstMonth - 1),
                       size.width() * 16 / kCoordinateTableWidth, 0);
  return std::nullopt;
}

const bool kRegistered = RegisterView(
    {"coordinates",
     CoreTextNoop("ardeno-render", "tabulka heliografických souřadnic L0, B0, P na čtyři měsíce"),
     {{"year", "2024", {}, true, CoreTextNoop("ardeno-render", "rok tabulky")},
      {"months",
       "1",
       {"1", "5", "9"},
       false,
       CoreTextNoop("ardeno-render",
                    "první měsíc: 1 leden-duben, 5 květen-srpen, 9 září-prosinec")}},
     PaintTable,
     QSize(900, 1000)});

}  // namespace

}  // namespace ardeno::render
