// SPDX-License-Identifier: GPL-3.0-or-later
// The results window: one at a time, with its button panel in place of the basic one.
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QToolButton>

#include "ui/graphs/mdi_child.h"
#include "ui/results/results_window.h"
#include "ui/shell/main_window.h"
#include "ui/shell/toolbar_buttons.h"
#include "ui/shell/toolbar_panels.h"

namespace ardeno {

ResultsWindow* MainWindow::Results() const { return m_results; }

void MainWindow::OpenResults() {
  if (m_results) {
    m_mdi->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(m_results->parentWidget()));
    return;
  }
  auto* window = new ResultsWindow(m_ctx);
  m_results = window;
  QMdiSubWindow* frame = AddAnalysisFrame(m_mdi, window);
  // The tables want the frame's whole client area.
  frame->resize(m_mdi->size());
  frame->move(0, 0);
  frame->show();
  m_toolbar->ShowPanel(kResultsPanel, window);
  QToolButton* csv = m_toolbar->Button("SpeedButton8");
  csv->setVisible(false);
  connect(window, &ResultsWindow::CsvExportOffered, csv, &QWidget::setVisible);
}

}  // namespace ardeno
