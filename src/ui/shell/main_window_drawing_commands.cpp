// The commands of the main window that open the drawing window's boxes and the windows of the
// drawing subsystem: printing and saving drawings, orientation, compact view, auxiliary spots,
// coordinate tables.
#include <QAction>
#include <QMdiArea>
#include <QToolButton>

#include "core/text/dates.h"
#include "ui/coordinates/coordinate_tables_window.h"
#include "ui/drawing/drawing_window.h"
#include "ui/entry/record_list_window.h"
#include "ui/shell/main_window.h"
#include "ui/shell/toolbar_panels.h"

namespace ardeno {

void MainWindow::OpenCoordinateTables() {
  // The year of the drawing shown, as the table is wanted for the drawings at hand.
  const std::optional<CalendarDate> date = ParseDate(m_ctx.Db.WorkRecord.Date());
  CoordinateTablesWindow::Open(m_ctx, m_mdi, date ? date->Year : Today().Year);
}

void MainWindow::ConnectDrawingCommands() {
  for (const char* name : {"tisk1", "Ulozkresy"}) {
    QAction* action = Action(name);
    action->setEnabled(true);
    action->setStatusTip({});
    action->setToolTip({});
  }
  connect(Action("tisk1"), &QAction::triggered, m_drawing, &DrawingWindow::ShowPrintBox);
  connect(Action("Ulozkresy"), &QAction::triggered, m_drawing,
          [this] { m_drawing->ShowSaveRangeBox(DrawingImageFormat::Bmp); });
  connect(m_drawing, &DrawingWindow::CompactChanged, this, [this](bool compact) {
    if (QToolButton* button = m_toolbar->Button("menvet"))
      button->setText(compact ? QStringLiteral("Zvětšit") : QStringLiteral("Zmenšit"));
  });
}

void MainWindow::RunDrawingButton(const QString& name) {
  if (m_drawing == nullptr) return;
  if (name == "SpeedButton14") m_drawing->ShowSaveRangeBox(DrawingImageFormat::Jpg);
  if (name == "menvet") m_drawing->ToggleCompact();
  if (name == "pomocnaskvrna") m_drawing->ShowAuxSpotPanel();
}

}  // namespace ardeno
