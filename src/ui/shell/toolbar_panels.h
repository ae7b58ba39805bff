// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's toolbar: the basic panel `zakladni` and one button panel per analysis window
// (`promotylek`, `prografy`, `provyhlazovaci`, `promapu`, `provysledky`), exactly one visible at a
// time. The buttons come from the tables in toolbar_buttons.cpp: a button runs a command of the
// main window, an operation of the attached analysis window, closes that window, or is not part
// of the program yet ("Připravuje se").
#include <QKeySequence>
#include <QPointer>
#include <QString>
#include <QToolBar>
#include <functional>
#include <map>
#include <vector>

#include "ui/shell/command.h"

class QAction;
class QToolButton;

namespace ardeno {

// The key of a panel button (empty for a button that does nothing yet).
QKeySequence ButtonKey(const QToolButton& button);
// A panel button's hint naming its key ("Výsledky (Ctrl+R)"), also for a hint its window changes.
QString HintOfButton(const QToolButton& button, const QString& hint);

class ToolbarPanels : public QToolBar {
  Q_OBJECT
 public:
  // `commandAction` gives the main window's action for a RunsCommand button; every name in the
  // tables must have one (the program stops at start-up otherwise, and a test checks it).
  ToolbarPanels(QWidget* parent, std::function<QAction*(const char*)> commandAction);

  // Adds a panel of `buttons`, hidden until shown.
  void AddPanel(const QString& panelName, const std::vector<ToolbarButtonSpec>& buttons);

  // The panel's widget and a button by objectName (null when unknown).
  QWidget* Panel(const QString& panelName) const;
  QToolButton* Button(const QString& name) const;
  // Shows `panelName` in place of the one shown, attached to `window` (its operations go to it;
  // the panel's "Zavřít" button closes it). The basic panel takes no window.
  void ShowPanel(const QString& panelName, QWidget* window = nullptr);
  // Returns to the basic panel.
  void ShowBasicPanel();
  QString VisiblePanel() const { return m_visible; }
  QWidget* AttachedWindow() const { return m_attached; }
  // Sizes the toolbar (31) and its buttons (27) by the interface scale.
  void ApplyScale(int scalePercent);

 public slots:
  // Shows the attached window's choices as pressed buttons.
  void RefreshButtonStates();

 signals:
  // The group-type filter of the east-west positions changed (before the open view hears it).
  void GroupTypeFilterChanged(const QString& filter);

 private:
  struct PlacedButton {
    QToolButton* Button;
    ToolbarButtonSpec Spec;
  };
  void Connect(QToolButton* button, const ToolbarButtonSpec& spec);
  // The button's key: its command's key, "Zavřít"'s Ctrl+W, or the next key of the panel (nextKey
  // counts them); an own key is made to click the button.
  QKeySequence GiveKey(QWidget* panel, QToolButton* button, const ToolbarButtonSpec& spec,
                       std::size_t& nextKey);
  void Run(const ToolbarButtonSpec& spec);
  // Forwarded buttons work exactly when the attached window offers their operation.
  void OfferOperations(const QString& panelName);

  std::function<QAction*(const char*)> m_commandAction;
  std::map<QString, QWidget*> m_panels;
  std::map<QString, std::vector<QString>> m_panelButtons;
  std::map<QString, PlacedButton> m_buttons;
  QString m_visible;
  QPointer<QWidget> m_attached;
};

}  // namespace ardeno
