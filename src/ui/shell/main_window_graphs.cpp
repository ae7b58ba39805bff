// The graph windows: the daily graphs ("graf") and the smoothed or asymmetry graphs
// ("vyhlazovaci", "asypo", "asyroz"), each with its button panel in place of the basic one.
#include <QActionGroup>
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

void MainWindow::CreateGraphCommands() {
  connect(Action("graf"), &QAction::triggered, this, &MainWindow::OpenDailyGraphs);
  connect(Action("vyhlazovaci"), &QAction::triggered, this, [this] { OpenSmoothedGraphs(0); });
  auto* kinds = new QActionGroup(this);
  for (const char* name : {"asypo", "asyroz"}) {
    QAction* action = Action(name);
    action->setCheckable(true);
    kinds->addAction(action);
  }
  connect(Action("asypo"), &QAction::triggered, this, [this] {
    m_ctx.View.AsymmetryKind = 0;
    OpenSmoothedGraphs(1);
  });
  connect(Action("asyroz"), &QAction::triggered, this, [this] {
    m_ctx.View.AsymmetryKind = 1;
    OpenSmoothedGraphs(1);
  });
}

void MainWindow::OpenDailyGraphs() {
  if (m_dailyGraphs) return;
  auto* window = new DailyGraphsWindow(m_ctx);
  m_dailyGraphs = window;
  QMdiSubWindow* frame = m_mdi->addSubWindow(window);
  frame->setAttribute(Qt::WA_DeleteOnClose);
  const QSize client = m_mdi->viewport()->size();
  frame->setGeometry(1, 1, client.width() - kFrameMargin, client.height() - kFrameMargin);
  // One daily-graphs window at a time: the command waits until it closes.
  QAction* command = Action("graf");
  command->setEnabled(false);
  connect(window, &QObject::destroyed, command, [command] { command->setEnabled(true); });
  frame->show();
  m_toolbar->ShowPanel(kGraphsPanel, window);
}

void MainWindow::OpenSmoothedGraphs(int mode) {
  m_ctx.View.SmoothedGraphMode = mode;
  // The window opens anew in the chosen mode.
  if (m_smoothedGraphs) OuterWindow(m_smoothedGraphs)->close();
  auto* window = new SmoothedGraphsWindow(m_ctx);
  m_smoothedGraphs = window;
  QMdiSubWindow* frame = m_mdi->addSubWindow(window);
  frame->setAttribute(Qt::WA_DeleteOnClose);
  const QSize client = m_mdi->viewport()->size();
  frame->setGeometry(1, 1, client.width() - kFrameMargin, client.height() - kFrameMargin);
  frame->show();
  m_toolbar->ShowPanel(kSmoothedPanel, window);
}

}  // namespace ardeno
