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
