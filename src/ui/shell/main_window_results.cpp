// SPDX-License-Identifier: GPL-3.0-or-later
// The results window: one at a time, with its button panel in place of the basic one.
#include <QLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QToolButton>

#include "ui/drawing/drawing_window.h"
#include "ui/entry/record_list_window.h"
#include "ui/graphs/mdi_child.h"
#include "ui/results/results_window.h"
#include "ui/shell/main_window.h"
#include "ui/shell/toolbar_buttons.h"
#include "ui/shell/toolbar_panels.h"

namespace ardeno {

namespace {
// The drawing keeps this fraction (one over it) of the frame's width beside the results.
constexpr int kDrawingShareOfFrame = 3;
constexpr int kGapBesideResults = 2;
// Narrower than this the drawing would say nothing: it then stands over the results instead.
constexpr int kNarrowestDrawing = 200;
}  // namespace

ResultsWindow* MainWindow::Results() const { return m_results; }

void MainWindow::OpenResults() {
  if (m_results) {
    m_mdi->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(m_results->parentWidget()));
    ShowResultsPanelAgain();
    return;
  }
  auto* window = new ResultsWindow(m_ctx);
  m_results = window;
  QMdiSubWindow* frame = AddAnalysisFrame(m_mdi, window);
  // The tables take the right two thirds of the frame: the drawing stays in sight at the left,
  // where a chosen finding brings it.
  if (layout() != nullptr) layout()->activate();
  const QSize area = m_mdi->viewport()->size();
  const int left = area.width() / kDrawingShareOfFrame;
  frame->resize(area.width() - left, area.height());
  frame->move(left, 0);
  frame->show();
  // The drawing's frame is watched, not assumed: when the program closes, the frames go in any
  // order, and the drawing's may be gone before the results'.
  const QPointer<QWidget> drawingFrame = m_drawing != nullptr ? m_drawing->parentWidget() : nullptr;
  connect(window, &QObject::destroyed, this, [this, drawingFrame] {
    if (m_drawingSizeBeforeResults.isEmpty() || drawingFrame.isNull()) return;
    drawingFrame->resize(m_drawingSizeBeforeResults);
    m_drawingSizeBeforeResults = QSize();
  });
  m_toolbar->ShowPanel(kResultsPanel, window);
  QToolButton* csv = m_toolbar->Button("SpeedButton8");
  // The button keeps its place while hidden: the buttons after it never move under the mouse.
  QSizePolicy keepPlace = csv->sizePolicy();
  keepPlace.setRetainSizeWhenHidden(true);
  csv->setSizePolicy(keepPlace);
  csv->setVisible(false);
  connect(window, &ResultsWindow::CsvExportOffered, csv, &QWidget::setVisible);
  connect(window, &ResultsWindow::DrawingChosen, this, &MainWindow::BringDrawingForward);
  // Another analysis window took the toolbar and was closed: the results' buttons come back
  // when the results are chosen again.
  connect(m_mdi, &QMdiArea::subWindowActivated, window, [this, frame](QMdiSubWindow* active) {
    if (active == frame) ShowResultsPanelAgain();
  });
  // The window opens on the measured monthly table, at the month of the drawing shown.
  window->PanelButtonClicked(QStringLiteral("namercelek"));
}

void MainWindow::ShowResultsPanelAgain() {
  if (m_results && m_toolbar->VisiblePanel() == QLatin1String(kBasicPanel))
    m_toolbar->ShowPanel(kResultsPanel, m_results);
}

void MainWindow::BringDrawingForward() {
  m_list->ShowRecord(m_ctx.Db.CurrentIndex);
  auto* frame = qobject_cast<QMdiSubWindow*>(m_drawing->parentWidget());
  if (frame == nullptr) return;
  if (frame->isMinimized() || frame->isMaximized()) frame->showNormal();
  frame->show();
  if (m_results) {
    // The drawing takes the room left of the results (its picture scales), so that both show:
    // the next finding is one double click away.
    const QWidget* results = m_results->parentWidget();
    const int room = results->x() - kGapBesideResults;
    if (frame->width() > room && room >= kNarrowestDrawing) {
      if (m_drawingSizeBeforeResults.isEmpty()) m_drawingSizeBeforeResults = frame->size();
      frame->resize(room, frame->height());
    }
    frame->move(0, frame->y());
  }
  // Raised, not activated: the keys stay in the table of findings.
  frame->raise();
}

}  // namespace ardeno
