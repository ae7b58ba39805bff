// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A window's menu items by name and the operations of its toolbar buttons that the window
// handles itself (PanelButtonTarget), kept in one place for the windows with many of both.
#include <QAction>
#include <QMenu>
#include <QString>
#include <functional>
#include <map>

namespace ardeno {

class NamedActions {
 public:
  // A menu item named as the menu's item of the original program (objectName), for the tests and
  // the main window to find.
  QAction* AddAction(QMenu* menu, const char* name, const QString& text, bool checkable = false) {
    QAction* action = menu->addAction(text);
    action->setObjectName(name);
    action->setCheckable(checkable);
    m_actions[name] = action;
    return action;
  }
  // The menu item of that name; nullptr when the window has none.
  QAction* Action(const QString& name) const {
    const auto found = m_actions.find(name);
    return found == m_actions.end() ? nullptr : found->second;
  }

  void OnPanelButton(const QString& buttonName, std::function<void()> operation) {
    m_panelOperations[buttonName] = std::move(operation);
  }
  bool HandlesPanelButton(const QString& buttonName) const {
    return m_panelOperations.count(buttonName) > 0;
  }
  void RunPanelButton(const QString& buttonName) const {
    if (const auto found = m_panelOperations.find(buttonName); found != m_panelOperations.end())
      found->second();
  }

 private:
  std::map<QString, QAction*> m_actions;
  std::map<QString, std::function<void()>> m_panelOperations;
};

}  // namespace ardeno
