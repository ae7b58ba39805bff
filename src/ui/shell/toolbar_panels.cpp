// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/shell/toolbar_panels.h"

#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QToolButton>
#include <algorithm>
#include <string_view>

#include "core/groups/east_west.h"
#include "core/shell/interface_scale.h"
#include "core/shell/program_version.h"
#include "ui/graphs/mdi_child.h"
#include "ui/shell/hint_timing.h"
#include "ui/shell/toolbar_buttons.h"

namespace ardeno {

namespace {

const QColor kToolbarColour(200, 220, 220);
constexpr int kToolbarHeight = 31;
constexpr int kButtonHeight = 27;

// A panel button that may give up its margins when the frame is narrow: a panel then fits a
// 1024-pixel screen whole, close box included, instead of widening the main window past it.
class PanelButton : public QToolButton {
 public:
  explicit PanelButton(QWidget* parent) : QToolButton(parent) {
    // A tool button keeps its width by default; these may narrow down to their caption.
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  }
  QSize minimumSizeHint() const override {
    const int content = toolButtonStyle() == Qt::ToolButtonIconOnly
                            ? iconSize().width()
                            : fontMetrics().horizontalAdvance(text());
    return {std::min(sizeHint().width(), content + kNarrowMargin), sizeHint().height()};
  }

 private:
  static constexpr int kNarrowMargin = 4;
};

// Keys of the panel buttons that run no command with a key of its own, given in the order of
// the panel. Only one analysis panel shows at a time, so the panels share them; the menu's keys
// are Ctrl with a letter and the function keys, never these.
const std::vector<QKeySequence>& PanelKeyPool() {
  static const std::vector<QKeySequence> pool = [] {
    std::vector<QKeySequence> keys;
    for (const char letter : std::string_view("QWERTUIOPASDFGHJKLXCVBNM"))
      keys.emplace_back(Qt::CTRL | Qt::SHIFT | static_cast<Qt::Key>(letter));
    for (const Qt::Key f : {Qt::Key_F2, Qt::Key_F3, Qt::Key_F4, Qt::Key_F5, Qt::Key_F6, Qt::Key_F7})
      keys.emplace_back(Qt::CTRL | Qt::SHIFT | f);
    return keys;
  }();
  return pool;
}

// "Closes the attached window" has the same key on every panel.
const QKeySequence kCloseWindowKey(Qt::CTRL | Qt::Key_W);

// The button's key, kept on the button for the hints its window changes later.
constexpr const char* kKeyProperty = "panelKey";

void ShowComingSoon(QToolButton* button) {
  button->setEnabled(false);
  button->setToolTip(ComingSoonHint());
  button->setStatusTip(ComingSoonHint());
}

}  // namespace

ToolbarPanels::ToolbarPanels(QWidget* parent, std::function<QAction*(const char*)> commandAction)
    : QToolBar(parent), m_commandAction(std::move(commandAction)) {
  setObjectName("ToolBar1");
  setMovable(false);
  setFloatable(false);
  setAutoFillBackground(true);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, kToolbarColour);
  colours.setColor(QPalette::Button, kToolbarColour);
  setPalette(colours);

  for (const ToolbarPanelSpec& panel : ToolbarPanelSpecs()) AddPanel(panel.Name, panel.Buttons());

  // The butterfly views are one choice: groups, faculae, or both.
  auto* views = new QButtonGroup(this);
  views->setExclusive(true);
  for (const char* view : {"skvrny", "fakule", "skvrfak"}) views->addButton(Button(view));

  // The program's version, never a date that could be read as one of the data.
  auto* version = new QLabel(
      QStringLiteral("v") +
          QString::fromUtf8(kProgramVersion.data(), static_cast<qsizetype>(kProgramVersion.size())),
      Panel(kBasicPanel));
  version->setObjectName("Label1");
  version->setToolTip(QCoreApplication::translate("Ardeno", "Verze programu"));
  version->setStatusTip(version->toolTip());
  version->setContentsMargins(8, 0, 4, 0);
  Panel(kBasicPanel)->layout()->addWidget(version);

  // East-west positions by group type: the open positions view takes the new filter.
  auto* groupType = new QComboBox(Panel(kResultsPanel));
  groupType->setObjectName("ComboBox1");
  groupType->setToolTip(QCoreApplication::translate("Ardeno", "Výběr typu skupiny východ-západ"));
  groupType->setStatusTip(groupType->toolTip());
  // Each item's data is the filter the positions are counted by; only "all" reads in the language
  // of the windows, and it stays last in the list.
  const auto filterValue = [](std::string_view filter) {
    return QString::fromUtf8(filter.data(), static_cast<qsizetype>(filter.size()));
  };
  for (std::size_t i = 1; i < kEastWestFilters.size(); ++i)
    groupType->addItem(filterValue(kEastWestFilters[i]), filterValue(kEastWestFilters[i]));
  groupType->addItem(QCoreApplication::translate("Ardeno", "vše"),
                     filterValue(kEastWestFilters[0]));
  groupType->setCurrentIndex(groupType->count() - 1);
  groupType->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  groupType->setMinimumContentsLength(3);
  connect(groupType, &QComboBox::currentIndexChanged, this, [this, groupType] {
    emit GroupTypeFilterChanged(groupType->currentData().toString());
    Run({"ComboBox1", "", "", HandledByWindow{}});
  });
  Panel(kResultsPanel)->layout()->addWidget(groupType);

  ShowBasicPanel();
}

void ToolbarPanels::AddPanel(const QString& panelName,
                             const std::vector<ToolbarButtonSpec>& buttons) {
  auto* panel = new QWidget(this);
  panel->setObjectName(panelName);
  auto* row = new QHBoxLayout(panel);
  // Every panel starts 3 pixels in, the wide daily-graphs panel 1 pixel.
  row->setContentsMargins(panelName == kGraphsPanel ? 1 : 3, 0, 0, 0);
  row->setSpacing(1);
  std::size_t nextKey = 0;
  for (const ToolbarButtonSpec& spec : buttons) {
    auto* button = new PanelButton(panel);
    button->setObjectName(spec.Name);
    button->setText(QCoreApplication::translate("Ardeno", spec.Caption));
    button->setProperty(kKeyProperty, GiveKey(panel, button, spec, nextKey));
    button->setToolTip(HintOfButton(*button, QCoreApplication::translate("Ardeno", spec.Hint)));
    button->setStatusTip(button->toolTip());
    button->setToolTipDuration(kHintDisplayMs);
    button->setCheckable(spec.Checkable);
    if (spec.Icon) {
      // The platform's own picture for a common command; the caption stays for the menu-less
      // reader and the hint says it in words.
      button->setIcon(style()->standardIcon(*spec.Icon));
      button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    }
    row->addWidget(button);
    m_buttons.insert_or_assign(spec.Name, PlacedButton{button, spec});
    m_panelButtons[panelName].push_back(spec.Name);
    Connect(button, spec);
  }
  row->addStretch();
  addWidget(panel)->setVisible(false);
  m_panels[panelName] = panel;
}

QString HintOfButton(const QToolButton& button, const QString& hint) {
  const QString text = hint.trimmed();
  const QKeySequence key = ButtonKey(button);
  if (key.isEmpty()) return text;
  const QString keyText = key.toString(QKeySequence::NativeText);
  return text.isEmpty() ? keyText : text + " (" + keyText + ")";
}

QKeySequence ButtonKey(const QToolButton& button) {
  return button.property(kKeyProperty).value<QKeySequence>();
}

QKeySequence ToolbarPanels::GiveKey(QWidget* panel, QToolButton* button,
                                    const ToolbarButtonSpec& spec, std::size_t& nextKey) {
  if (std::holds_alternative<ComingSoon>(spec.Action)) return {};
  if (const auto* command = std::get_if<RunsCommand>(&spec.Action)) {
    // The command's own key runs it from anywhere; the button only names it.
    const QAction* action = m_commandAction(command->Name);
    if (action != nullptr && !action->shortcut().isEmpty()) return action->shortcut();
  }
  QKeySequence key = kCloseWindowKey;
  if (!std::holds_alternative<ClosesWindow>(spec.Action)) {
    if (nextKey >= PanelKeyPool().size()) return {};
    key = PanelKeyPool()[nextKey++];
  }
  // The key works while its panel shows, and only when the button itself would.
  auto* keyAction = new QAction(panel);
  keyAction->setShortcut(key);
  connect(keyAction, &QAction::triggered, button, [button] {
    if (button->isEnabled()) button->click();
  });
  panel->addAction(keyAction);
  return key;
}

void ToolbarPanels::Connect(QToolButton* button, const ToolbarButtonSpec& spec) {
  if (std::holds_alternative<ComingSoon>(spec.Action)) {
    ShowComingSoon(button);
    return;
  }
  if (const auto* command = std::get_if<RunsCommand>(&spec.Action)) {
    QAction* action = m_commandAction(command->Name);
    if (action == nullptr) qFatal("toolbar button %s runs no command %s", spec.Name, command->Name);
    // The button works exactly when its command does. Its own hint comes back when the command
    // is enabled again (the editor disables its command only while it is open).
    auto sync = [button, action, hint = button->toolTip()] {
      button->setEnabled(action->isEnabled());
      // A disabled button says why, when its command knows.
      const QString why = action->statusTip();
      const QString tip = !action->isEnabled() && !why.isEmpty() ? why : hint;
      button->setToolTip(tip);
      button->setStatusTip(tip);
    };
    sync();
    connect(action, &QAction::changed, button, sync);
  }
  connect(button, &QToolButton::clicked, this, [this, spec] { Run(spec); });
}

void ToolbarPanels::Run(const ToolbarButtonSpec& spec) {
  if (const auto* command = std::get_if<RunsCommand>(&spec.Action)) {
    QAction* action = m_commandAction(command->Name);
    if (action->isEnabled()) action->trigger();
    return;
  }
  QWidget* window = m_attached;
  if (window == nullptr) return;
  if (std::holds_alternative<ClosesWindow>(spec.Action)) {
    CloseWithFrame(window);
  } else if (const auto* operation = std::get_if<WindowOperation>(&spec.Action)) {
    if (operation->Offers(*window)) operation->Run(*window);
  } else if (std::holds_alternative<HandledByWindow>(spec.Action)) {
    auto* target = dynamic_cast<PanelButtonTarget*>(window);
    const QString name = QString::fromUtf8(spec.Name);
    if (target != nullptr && target->HandlesPanelButton(name)) target->PanelButtonClicked(name);
    RefreshButtonStates();
  }
}

QWidget* ToolbarPanels::Panel(const QString& panelName) const {
  const auto found = m_panels.find(panelName);
  return found == m_panels.end() ? nullptr : found->second;
}

QToolButton* ToolbarPanels::Button(const QString& name) const {
  const auto found = m_buttons.find(name);
  return found == m_buttons.end() ? nullptr : found->second.Button;
}

void ToolbarPanels::ShowPanel(const QString& panelName, QWidget* window) {
  if (Panel(panelName) == nullptr) return;
  for (const auto& [name, panel] : m_panels) {
    // The panels are toolbar items: their actions, not the widgets, decide the visibility.
    for (QAction* item : actions()) {
      if (widgetForAction(item) == panel) item->setVisible(name == panelName);
    }
  }
  m_visible = panelName;
  m_attached = window;
  // A window that goes away without restoring the basic panel must not leave its buttons behind.
  if (window != nullptr) {
    connect(window, &QObject::destroyed, this, [this, window] {
      if (m_attached == nullptr || m_attached == window) ShowBasicPanel();
    });
  }
  OfferOperations(panelName);
  if (window != nullptr && window->metaObject()->indexOfSignal("PanelStateChanged()") >= 0)
    connect(window, SIGNAL(PanelStateChanged()), this, SLOT(RefreshButtonStates()),
            Qt::UniqueConnection);
  RefreshButtonStates();
}

void ToolbarPanels::OfferOperations(const QString& panelName) {
  if (m_attached == nullptr) return;
  for (const QString& name : m_panelButtons[panelName]) {
    const PlacedButton& placed = m_buttons.at(name);
    bool offered = false;
    if (const auto* operation = std::get_if<WindowOperation>(&placed.Spec.Action)) {
      offered = operation->Offers(*m_attached);
    } else if (std::holds_alternative<HandledByWindow>(placed.Spec.Action)) {
      const auto* target = dynamic_cast<const PanelButtonTarget*>(m_attached.data());
      offered = target != nullptr && target->HandlesPanelButton(name);
    } else {
      continue;
    }
    placed.Button->setEnabled(offered);
    const QString tip =
        offered
            ? HintOfButton(*placed.Button, QCoreApplication::translate("Ardeno", placed.Spec.Hint))
            : ComingSoonHint();
    placed.Button->setToolTip(tip);
    placed.Button->setStatusTip(tip);
  }
}

void ToolbarPanels::ShowBasicPanel() { ShowPanel(kBasicPanel); }

void ToolbarPanels::RefreshButtonStates() {
  const auto* target = dynamic_cast<const PanelButtonTarget*>(m_attached.data());
  if (target == nullptr) return;
  for (const auto& [name, pressed] : target->PanelButtonStates()) {
    QToolButton* button = Button(name);
    if (button == nullptr) continue;
    // A state button stays as the window says; a click only asks the window.
    button->setCheckable(true);
    button->setChecked(pressed);
  }
}

void ToolbarPanels::ApplyScale(int scalePercent) {
  setFixedHeight(ScaledBy(kToolbarHeight, scalePercent));
  const int buttonHeight = ScaledBy(kButtonHeight, scalePercent);
  for (const auto& [name, placed] : m_buttons) placed.Button->setFixedHeight(buttonHeight);
}

}  // namespace ardeno
