// SPDX-License-Identifier: GPL-3.0-or-later
// The maps window: one at a time, with the `promapu` panel in place of the basic one; it closes
// when another window of the frame becomes active.
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QToolButton>

#include "ui/graphs/mdi_child.h"
#include "ui/maps/maps_window.h"
#include "ui/shell/main_window.h"
#include "ui/shell/toolbar_buttons.h"
#include "ui/shell/toolbar_panels.h"

namespace ardeno {

MapsWindow* MainWindow::Maps() const { return m_maps; }

void MainWindow::OpenMaps() {
  if (m_maps) {
    m_mdi->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(m_maps->parentWidget()));
    return;
  }
  auto* window = new MapsWindow(m_ctx);
  m_maps = window;
  QMdiSubWindow* frame = AddAnalysisFrame(m_mdi, window);
  frame->move(1, 1);
  frame->resize(m_mdi->width() - 2, m_mdi->height() - 15);
  frame->show();
  m_mdi->setActiveSubWindow(frame);
  UpdateCommands();
  m_toolbar->ShowPanel(kMapsPanel, window);
  connect(window, &MapsWindow::InsertTextUsed, this, [this] {
    if (QToolButton* insert = m_toolbar->Button("vloztext")) {
      insert->setChecked(false);
      insert->setEnabled(true);
    }
  });
  connect(window, &QObject::destroyed, this, [this] {
    m_maps = nullptr;
    UpdateCommands();
  });
  connect(m_mdi, &QMdiArea::subWindowActivated, window, [this, frame](QMdiSubWindow* active) {
    // A dialog over the frame deactivates no child; another child does.
    if (m_maps && active != nullptr && active != frame) {
      if (QToolButton* mapam = m_toolbar->Button("mapam")) mapam->setDown(true);
      CloseWithFrame(m_maps);
    }
  });
}

}  // namespace ardeno
