// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/graphs/mdi_child.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QVariant>

namespace ardeno {

namespace {
constexpr const char* kWatchedProperty = "closesOnDeactivation";
}  // namespace

QWidget* OuterWindow(QWidget* window) {
  if (auto* sub = qobject_cast<QMdiSubWindow*>(window->parentWidget())) return sub;
  return window;
}

void CloseWithFrame(QWidget* window) { OuterWindow(window)->close(); }

QMdiSubWindow* AddAnalysisFrame(QMdiArea* area, QWidget* window) {
  QMdiSubWindow* frame = area->addSubWindow(window);
  frame->setAttribute(Qt::WA_DeleteOnClose);
  // A window closed from inside (a key, its own menu) takes its frame along; the frame may be
  // on its way out already, so it goes at the next turn of the event loop.
  QObject::connect(window, &QObject::destroyed, frame, &QObject::deleteLater);
  return frame;
}

void CloseOnDeactivation(QWidget* window) {
  auto* sub = qobject_cast<QMdiSubWindow*>(window->parentWidget());
  if (sub == nullptr || sub->mdiArea() == nullptr || window->property(kWatchedProperty).toBool())
    return;
  window->setProperty(kWatchedProperty, true);
  QObject::connect(sub->mdiArea(), &QMdiArea::subWindowActivated, window,
                   [sub](QMdiSubWindow* active) {
                     if (active != nullptr && active != sub) sub->close();
                   });
}

}  // namespace ardeno
