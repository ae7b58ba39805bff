// SPDX-License-Identifier: GPL-3.0-or-later
// The butterfly diagram window: one at a time, with the `promotylek` panel in place of the basic
// one; it closes when another window of the frame becomes active.
#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "ui/butterfly/butterfly_window.h"
#include "ui/graphs/mdi_child.h"
#include "ui/shell/main_window.h"
#include "ui/shell/toolbar_buttons.h"
#include "ui/shell/toolbar_panels.h"

namespace ardeno {

ButterflyWindow* MainWindow::Butterfly() const { return m_butterfly; }

void MainWindow::OpenButterfly() {
  if (m_butterfly) {
    m_mdi->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(m_butterfly->parentWidget()));
    return;
  }
  // The panel first: the window marks its buttons as it is created.
  m_toolbar->ShowPanel(kButterflyPanel);
  auto* window = new ButterflyWindow(m_ctx);
  m_butterfly = window;
  QMdiSubWindow* frame = AddAnalysisFrame(m_mdi, window);
  const QSize client = m_mdi->viewport()->size();
  frame->setGeometry(1, 1, client.width() - 30, client.height() - 5);
  m_toolbar->ShowPanel(kButterflyPanel, window);
  frame->show();
  m_mdi->setActiveSubWindow(frame);
}

}  // namespace ardeno
