// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Commands as data. Every menu item and every toolbar button is one entry of a table (objectName,
// text, hint, what it does); the main window builds its menus and toolbar panels from the tables,
// and the tests walk the same tables. A command whose window is not part of the program yet has
// no handler: it is shown disabled with the hint "Připravuje se".
#include <QCoreApplication>
#include <QKeySequence>
#include <QPointer>
#include <QString>
#include <QStyle>
#include <QWidget>
#include <functional>
#include <optional>
#include <utility>
#include <variant>
#include <vector>

namespace ardeno {

// The hint of a command whose window is not part of the program yet.
inline QString ComingSoonHint() { return QCoreApplication::translate("Ardeno", "Připravuje se"); }

// A command of the main window: a menu item, or a button the main window handles itself.
struct Command {
  const char* Name;  // objectName of its QAction
  QString Text;      // menu text ("&" marks the key)
  // Empty: the window it opens is not part of the program yet.
  std::function<void()> Run;
  // When it may run; empty for always. Re-read by MainWindow::UpdateCommands.
  std::function<bool()> Enabled = {};
  bool Checkable = false;
  // The hint while the rule keeps the command disabled: why it cannot run now.
  QString WhyDisabled = {};
  // Its key, shown beside the menu text.
  QKeySequence Keys = {};
};

// An operation of the analysis window a toolbar panel is attached to. Built with On<Window>().
struct WindowOperation {
  std::function<bool(QWidget&)> Offers;  // the attached window is of the type that has it
  std::function<void(QWidget&)> Run;
};

// `op` is a member function of Window (or any callable taking Window&), run on the attached
// window; a window of another type does not offer it.
template <class Window, class Op>
WindowOperation On(Op op) {
  return {[](QWidget& w) { return qobject_cast<Window*>(&w) != nullptr; },
          [op](QWidget& w) {
            if (auto* window = qobject_cast<Window*>(&w)) std::invoke(op, *window);
          }};
}

// What a toolbar button does.
struct RunsCommand {
  const char* Name;  // the main window's command (menu item) of the same role
};
struct HandledByWindow {};  // the attached window's own table runs it (PanelButtonTarget)
struct ClosesWindow {};     // "Zavřít": closes the attached window
struct ComingSoon {};       // its window or operation is not part of the program yet
using ButtonAction =
    std::variant<RunsCommand, WindowOperation, HandledByWindow, ClosesWindow, ComingSoon>;

// A window that runs its panel's buttons from a table of its own, by button objectName.
class PanelButtonTarget {
 public:
  virtual ~PanelButtonTarget() = default;
  virtual bool HandlesPanelButton(const QString& buttonName) const = 0;
  virtual void PanelButtonClicked(const QString& buttonName) = 0;
  // Buttons that show a state (the graph chosen), each with whether it is pressed. A window that
  // has a signal PanelStateChanged() gets its buttons updated whenever it emits it.
  virtual std::vector<std::pair<QString, bool>> PanelButtonStates() const { return {}; }
};

struct ToolbarButtonSpec {
  const char* Name;     // objectName
  const char* Caption;  // short text on the button
  const char* Hint;     // tooltip and status text, empty for none
  ButtonAction Action;
  bool Checkable = false;
  // A standard picture shown instead of the caption (new, save, last, ...).
  std::optional<QStyle::StandardPixmap> Icon = {};
};

}  // namespace ardeno
