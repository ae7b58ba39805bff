// SPDX-License-Identifier: GPL-3.0-or-later
// The coordinate tables of L0, B0 and P, opened for the year of the drawing shown.
#include <QMdiArea>

#include "core/text/dates.h"
#include "ui/coordinates/coordinate_tables_window.h"
#include "ui/shell/main_window.h"

namespace ardeno {

void MainWindow::OpenCoordinateTables() {
  // The year of the drawing shown, as the table is wanted for the drawings at hand.
  const std::optional<CalendarDate> date = ParseDate(m_ctx.Db.WorkRecord.Date());
  CoordinateTablesWindow::Open(m_ctx, m_mdi, date ? date->Year : m_ctx.Today.Year);
}

}  // namespace ardeno
