// SPDX-License-Identifier: GPL-3.0-or-later
// The analysis windows that fill the frame (the graph windows and the butterfly diagram): the
// daily graphs ("graf") and the smoothed or asymmetry graphs
// ("vyhlazovaci", "asypo", "asyroz"), each with its button panel in place of the basic one.
#include <QMdiArea>
#include <QMdiSubWindow>

#include "ui/graphs/daily_graphs_window.h"
#include "ui/graphs/mdi_child.h"
#include "ui/graphs/smoothed_graphs_window.h"
#include "ui/shell/main_window.h"
#include "ui/shell/toolbar_buttons.h"
#include "ui/shell/toolbar_panels.h"

namespace ardeno {

namespace {
constexpr int kFrameMargin = 10;
}  // namespace

void MainWindow::OpenAsymmetryGraphs(int kind) {
  m_ctx.View.AsymmetryKind = kind;
  OpenSmoothedGraphs(1);
}

void MainWindow::OpenDailyGraphs() {
  if (m_dailyGraphs) return;
  auto* window = new DailyGraphsWindow(m_ctx);
  m_dailyGraphs = window;
  // One daily-graphs window at a time: the command waits until it closes.
  // (A widget announces its destruction before its guarded pointers are cleared.)
  connect(window, &QObject::destroyed, this, [this] {
    m_dailyGraphs = nullptr;
    UpdateCommands();
  });
  UpdateCommands();
  ShowAnalysisWindow(window, kGraphsPanel);
}

void MainWindow::ShowAnalysisWindow(QWidget* window, const char* panelName) {
  QMdiSubWindow* frame = AddAnalysisFrame(m_mdi, window);
  const QSize client = m_mdi->viewport()->size();
  frame->setGeometry(1, 1, client.width() - kFrameMargin, client.height() - kFrameMargin);
  frame->show();
  m_toolbar->ShowPanel(panelName, window);
}

void MainWindow::OpenSmoothedGraphs(int mode) {
  m_ctx.View.SmoothedGraphMode = mode;
  // The window opens anew in the chosen mode.
  if (m_smoothedGraphs) CloseWithFrame(m_smoothedGraphs);
  auto* window = new SmoothedGraphsWindow(m_ctx);
  m_smoothedGraphs = window;
  ShowAnalysisWindow(window, kSmoothedPanel);
}

}  // namespace ardeno
