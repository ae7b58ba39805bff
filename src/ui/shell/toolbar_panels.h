#pragma once
// The main window's toolbar: the basic panel `zakladni` and one button panel per analysis window
// (`promotylek`, `prografy`, `provyhlazovaci`, `promapu`, `provysledky`), exactly one visible at a
// time. While an analysis window is attached, each button of its panel calls the operation of the
// same role on that window: a slot of that name (for example `skvrnymotClick`), invoked with the
// main window as the sender argument when the slot takes a QObject*.
#include <QColor>
#include <QPointer>
#include <QString>
#include <QToolBar>
#include <map>
#include <vector>

class QToolButton;
class QLabel;

namespace ardeno {

struct ToolbarButtonSpec {
  const char* Name;       // objectName
  const char* Caption;    // short text on the button
  const char* Hint;       // tooltip and status text, empty for none
  const char* Operation;  // slot on the attached window, empty when handled by the main window
  bool Checkable = false;
};

// A window that handles its panel's buttons from a table of its own (by button name) rather than
// through slots named after the operations.
class PanelButtonTarget {
 public:
  virtual ~PanelButtonTarget() = default;
  virtual bool HandlesPanelButton(const QString& buttonName) const = 0;
  virtual void PanelButtonClicked(const QString& buttonName) = 0;
};

class ToolbarPanels : public QToolBar {
  Q_OBJECT
 public:
  explicit ToolbarPanels(QWidget* parent);

  // The panel's widget and a button by objectName (null when unknown).
  QWidget* Panel(const QString& panelName) const;
  QToolButton* Button(const QString& name) const;
  // Shows `panelName` in place of the one shown, attached to `window` (forwarded buttons go to
  // it; the panel's "Zavřít" button closes it). The basic panel takes no window.
  void ShowPanel(const QString& panelName, QWidget* window = nullptr);
  // Returns to the basic panel.
  void ShowBasicPanel();
  QString VisiblePanel() const { return m_visible; }
  QWidget* AttachedWindow() const { return m_attached; }
  // Sizes the toolbar (31) and its buttons (27) by the interface scale.
  void ApplyScale(int scalePercent);

 signals:
  // A button of the basic panel or a button the main window handles itself.
  void ButtonClicked(const QString& name);
  // The group-type filter of the east-west positions changed (before the open view hears it).
  void GroupTypeFilterChanged(const QString& filter);

 private:
  void AddPanel(const QString& panelName, const std::vector<ToolbarButtonSpec>& buttons);
  void Forward(const ToolbarButtonSpec& spec);

  std::map<QString, QWidget*> m_panels;
  std::map<QString, QToolButton*> m_buttons;
  QString m_visible;
  QPointer<QWidget> m_attached;
};

// The hint of commands whose windows are not part of the program yet.
inline const QString kComingSoonHint = QStringLiteral("Připravuje se");

}  // namespace ardeno
