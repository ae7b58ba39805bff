// SPDX-License-Identifier: GPL-3.0-or-later
// Removing a drawing, and undo and redo of the changes to the records made in this run.
#include <QAction>

#include "core/data/database_ops.h"
#include "core/data/removed_records.h"
#include "ui/shell/main_window.h"

namespace ardeno {

void MainWindow::RemoveCurrentDrawing() {
  Database& db = m_ctx.Db;
  const int index = db.CurrentIndex;
  if (const Refusal refused = CheckRemoval(db, index)) {
    m_ctx.Msg.ShowMessageText(QString::fromStdString(*refused));
    return;
  }
  if (!m_ctx.Msg.AskChoice(QString::fromStdString(RemoveQuestion(db.Record(index))))) return;
  const std::string date = db.Record(index).Date();
  if (const Refusal refused = RemoveDrawing(db, m_ctx.ProgDir, index)) {
    m_ctx.Msg.ShowMessageText(QString::fromStdString(*refused));
    return;
  }
  m_ctx.RecordsEdited(EditKind::Removal, date);
}

void MainWindow::StepThroughHistory(bool redo) {
  Database& db = m_ctx.Db;
  const int first = redo ? m_ctx.History.Redo(db) : m_ctx.History.Undo(db);
  if (first == 0) return;
  // The observers follow the drawings; the list and the drawing window show the first drawing
  // the step changed.
  CollectObservers(db);
  db.ChooseRecord(first);
  m_ctx.Events.NotifyRecordsChanged();
}

void MainWindow::NameHistorySteps() {
  const EditHistory& history = m_ctx.History;
  Action("zpet")->setText(history.CanUndo() ? QString::fromStdString(history.UndoText())
                                            : tr("Zpět"));
  Action("znovu")->setText(history.CanRedo() ? QString::fromStdString(history.RedoText())
                                             : tr("Znovu"));
  UpdateCommands();
}

}  // namespace ardeno
