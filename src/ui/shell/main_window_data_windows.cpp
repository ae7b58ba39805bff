// SPDX-License-Identifier: GPL-3.0-or-later
// The windows that show the data for the whole run (drawing and record list) and the commands
// that open the record editor.
#include <QAction>
#include <QCoreApplication>
#include <QLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QToolButton>
#include <algorithm>

#include "core/entry/record_input.h"
#include "ui/drawing/drawing_window.h"
#include "ui/entry/record_editor.h"
#include "ui/entry/record_list_window.h"
#include "ui/graphs/daily_graphs_window.h"
#include "ui/graphs/mdi_child.h"
#include "ui/graphs/smoothed_graphs_window.h"
#include "ui/shell/main_window.h"
#include "ui/shell/toolbar_panels.h"

namespace ardeno {

namespace {
// Menu bar, toolbar, status bar and the sub-window frame take this much of the frame's height.
constexpr int kListHeightMargin = 130;
// The list stands this far right of the drawing window.
constexpr int kGapBesideDrawing = 2;
// Smaller than any frame on a real screen: the area has not been laid out yet.
constexpr QSize kSmallestArea(400, 300);
}  // namespace

namespace {

// Places a window that sized itself into the frame, keeping its own client size.
QMdiSubWindow* AddSizedChild(QMdiArea* area, QWidget* child) {
  const QSize client = child->size();
  QMdiSubWindow* frame = area->addSubWindow(child);
  DropFrameCloseKey(frame);
  frame->move(0, 0);
  frame->show();
  frame->resize(client + (frame->size() - child->size()));
  return frame;
}

}  // namespace

void MainWindow::CreateDataWindows() {
  // The frame's area as it is laid out now: both windows must fit it, down to 1024 x 768.
  if (layout() != nullptr) layout()->activate();
  const QSize area = m_mdi->viewport()->size();
  const bool areaKnown =
      area.width() >= kSmallestArea.width() && area.height() >= kSmallestArea.height();

  m_drawing = new DrawingWindow(m_ctx);
  const QMdiSubWindow* drawingFrame = AddSizedChild(m_mdi, m_drawing);
  int listHeight = height() - m_ctx.Scaled(kListHeightMargin);
  if (areaKnown) {
    const int chrome = drawingFrame->height() - m_drawing->height();
    listHeight = std::min(listHeight, area.height() - chrome);
  }
  m_list = new RecordListWindow(m_ctx, listHeight);
  m_list->SetDrawingWindow(m_drawing);
  const QMdiSubWindow* listFrame = AddSizedChild(m_mdi, m_list);
  if (areaKnown) {
    // The list keeps its width; the drawing gives up what is missing and scales its picture.
    const int room = area.width() - listFrame->width() - kGapBesideDrawing;
    if (drawingFrame->width() > room) {
      QWidget* frame = m_drawing->parentWidget();
      frame->resize(std::max(room, kSmallestArea.width() / 2), frame->height());
    }
  }
  m_drawing->KeepBeside(m_list);

  // After a store the list moves to the stored record, which the drawing window then shows.
  connect(&m_ctx.Events, &DataEvents::DataChanged, this, [this](DataChange change) {
    if (change == DataChange::Records) ShowChangedRecords();
    if (AltersRecords(change)) NameHistorySteps();
  });
  ShowChangedRecords();
  // The key runs the menu item, and only while the item may run.
  connect(m_list, &RecordListWindow::RemoveRequested, Action("odstranit"), &QAction::trigger);

  connect(m_drawing, &DrawingWindow::PhotoWindowRequested, this, &MainWindow::OpenPhotoWindow);
  connect(m_drawing, &DrawingWindow::CompactChanged, this, [this](bool compact) {
    if (QToolButton* button = m_toolbar->Button("menvet"))
      button->setText(compact ? QCoreApplication::translate("Ardeno", "Zvětšit")
                              : QCoreApplication::translate("Ardeno", "Zmenšit"));
  });
  UpdateCommands();
}

void MainWindow::ShowChangedRecords() {
  const Database& db = m_ctx.Db;
  // The asymmetry tables are ready before the first window asks (start-up and every change).
  m_ctx.Groups.Asymmetry(db);
  const int index = db.CurrentIndex >= 1 ? db.CurrentIndex : db.RecordCount;
  m_list->ShowRecord(index);
  m_drawing->Refresh();
}

void MainWindow::OpenEditor(const QString& actionName, int mode) {
  QAction* action = Action(actionName);
  // One editor at a time: the command waits until the editor closes.
  action->setStatusTip(QCoreApplication::translate("Ardeno", "Editor záznamu je už otevřený"));
  action->setEnabled(false);
  RecordEditor::Run(m_ctx, static_cast<EditorMode>(mode), this);
  UpdateCommands();
}

void MainWindow::CorrectRecord() {
  if (!m_ctx.Db.HasCurrentRecord()) {
    m_ctx.Msg.ShowMessageText(
        QCoreApplication::translate("Ardeno", "Oprava až po kliknutí na záznam ve výběru  "));
    return;
  }
  OpenEditor("oprava", static_cast<int>(EditorMode::Correction));
}

}  // namespace ardeno
