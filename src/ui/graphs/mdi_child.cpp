// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/graphs/mdi_child.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QVariant>
#include <algorithm>

namespace ardeno {

namespace {
constexpr const char* kWatchedProperty = "closesOnDeactivation";
}  // namespace

QWidget* OuterWindow(QWidget* window) {
  if (auto* sub = qobject_cast<QMdiSubWindow*>(window->parentWidget())) return sub;
  return window;
}

void CloseWithFrame(QWidget* window) { OuterWindow(window)->close(); }

void DropFrameCloseKey(QMdiSubWindow* frame) {
  const QList<QKeySequence> closeKeys = QKeySequence::keyBindings(QKeySequence::Close);
  QList<QAction*> actions = frame->actions();
  if (frame->systemMenu() != nullptr) actions += frame->systemMenu()->actions();
  for (QAction* action : actions) {
    const QList<QKeySequence> keys = action->shortcuts();
    if (std::any_of(keys.begin(), keys.end(),
                    [&closeKeys](const QKeySequence& key) { return closeKeys.contains(key); }))
      action->setShortcuts({});
  }
}

QMdiSubWindow* AddAnalysisFrame(QMdiArea* area, QWidget* window) {
  QMdiSubWindow* frame = area->addSubWindow(window);
  DropFrameCloseKey(frame);
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
