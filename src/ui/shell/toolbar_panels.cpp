#include "ui/shell/toolbar_panels.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMetaMethod>
#include <QToolButton>

#include "ui/shell/hint_timing.h"
#include "ui/shell/toolbar_buttons.h"

namespace ardeno {

namespace {

const QColor kToolbarColour(200, 220, 220);
constexpr int kToolbarHeight = 31;
constexpr int kButtonHeight = 27;

// "name" or "name:argument" (an int handed to the operation).
struct Operation {
  QByteArray Name;
  std::optional<int> Argument;
};

Operation ParseOperation(const char* text) {
  const QByteArray spec(text);
  const int colon = spec.indexOf(':');
  if (colon < 0) return {spec, std::nullopt};
  return {spec.left(colon), spec.mid(colon + 1).toInt()};
}

enum class Signature { Missing, NoArgument, SenderArgument, IntArgument };

Signature FindSignature(const QObject* target, const Operation& op) {
  const QMetaObject* meta = target->metaObject();
  if (op.Argument) {
    return meta->indexOfMethod(op.Name + "(int)") >= 0 ? Signature::IntArgument
                                                       : Signature::Missing;
  }
  if (meta->indexOfMethod(op.Name + "(QObject*)") >= 0) return Signature::SenderArgument;
  if (meta->indexOfMethod(op.Name + "()") >= 0) return Signature::NoArgument;
  return Signature::Missing;
}

}  // namespace

ToolbarPanels::ToolbarPanels(QWidget* parent) : QToolBar(parent) {
  setObjectName("ToolBar1");
  setMovable(false);
  setFloatable(false);
  setAutoFillBackground(true);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, kToolbarColour);
  colours.setColor(QPalette::Button, kToolbarColour);
  setPalette(colours);

  AddPanel(kBasicPanel, BasicPanelButtons());
  AddPanel(kButterflyPanel, ButterflyPanelButtons());
  AddPanel(kGraphsPanel, GraphsPanelButtons());
  AddPanel(kSmoothedPanel, SmoothedPanelButtons());
  AddPanel(kMapsPanel, MapsPanelButtons());
  AddPanel(kResultsPanel, ResultsPanelButtons());

  // The butterfly views are one choice: groups, faculae, or both.
  auto* views = new QButtonGroup(this);
  views->setExclusive(true);
  for (const char* view : {"skvrny", "fakule", "skvrfak"}) views->addButton(Button(view));

  auto* lastChange = new QLabel(QStringLiteral("01.03.2020"), Panel(kBasicPanel));
  lastChange->setObjectName("Label1");
  lastChange->setToolTip(QStringLiteral("Poslední úprava"));
  lastChange->setStatusTip(lastChange->toolTip());
  lastChange->setContentsMargins(8, 0, 4, 0);
  Panel(kBasicPanel)->layout()->addWidget(lastChange);

  // East-west positions by group type, forwarded like the position buttons.
  auto* groupType = new QComboBox(Panel(kResultsPanel));
  groupType->setObjectName("ComboBox1");
  groupType->setToolTip(QStringLiteral("Výběr typu skupiny východ-západ"));
  groupType->setStatusTip(groupType->toolTip());
  groupType->addItems({"A", "B", "C", "D", "E", "F", "G", "h", "J", QStringLiteral("vše")});
  groupType->setCurrentText(QStringLiteral("vše"));
  connect(groupType, &QComboBox::currentIndexChanged, this, [this, groupType] {
    emit GroupTypeFilterChanged(groupType->currentText());
    Forward({"ComboBox1", "", "", "polohy1Click"});
  });
  Panel(kResultsPanel)->layout()->addWidget(groupType);

  ShowBasicPanel();
}

void ToolbarPanels::AddPanel(const QString& panelName, const std::vector<ToolbarButtonSpec>& buttons) {
  auto* panel = new QWidget(this);
  panel->setObjectName(panelName);
  auto* row = new QHBoxLayout(panel);
  // Every panel starts 3 pixels in, the wide daily-graphs panel 1 pixel.
  row->setContentsMargins(panelName == kGraphsPanel ? 1 : 3, 0, 0, 0);
  row->setSpacing(1);
  for (const ToolbarButtonSpec& spec : buttons) {
    auto* button = new QToolButton(panel);
    button->setObjectName(spec.Name);
    button->setText(QString::fromUtf8(spec.Caption));
    button->setToolTip(QString::fromUtf8(spec.Hint));
    button->setStatusTip(button->toolTip());
    button->setToolTipDuration(kHintDisplayMs);
    button->setCheckable(spec.Checkable);
    row->addWidget(button);
    m_buttons[spec.Name] = button;
    const bool forwarded = spec.Operation[0] != '\0';
    connect(button, &QToolButton::clicked, this, [this, spec, forwarded] {
      if (forwarded) {
        Forward(spec);
      } else {
        emit ButtonClicked(QString::fromUtf8(spec.Name));
      }
    });
  }
  row->addStretch();
  addWidget(panel)->setVisible(false);
  m_panels[panelName] = panel;
}

QWidget* ToolbarPanels::Panel(const QString& panelName) const {
  const auto found = m_panels.find(panelName);
  return found == m_panels.end() ? nullptr : found->second;
}

QToolButton* ToolbarPanels::Button(const QString& name) const {
  const auto found = m_buttons.find(name);
  return found == m_buttons.end() ? nullptr : found->second;
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
  // A forwarded button whose window lacks the operation cannot work yet.
  const std::vector<ToolbarButtonSpec>* specs = nullptr;
  if (panelName == kButterflyPanel) specs = &ButterflyPanelButtons();
  if (panelName == kGraphsPanel) specs = &GraphsPanelButtons();
  if (panelName == kSmoothedPanel) specs = &SmoothedPanelButtons();
  if (panelName == kMapsPanel) specs = &MapsPanelButtons();
  if (panelName == kResultsPanel) specs = &ResultsPanelButtons();
  if (specs == nullptr || window == nullptr) return;
  for (const ToolbarButtonSpec& spec : *specs) {
    if (spec.Operation[0] == '\0' || QByteArray(spec.Operation) == kCloseOperation) continue;
    QToolButton* button = Button(spec.Name);
    const auto* target = dynamic_cast<const PanelButtonTarget*>(window);
    const bool available =
        target != nullptr ? target->HandlesPanelButton(QString::fromUtf8(spec.Name))
                          : FindSignature(window, ParseOperation(spec.Operation)) != Signature::Missing;
    button->setEnabled(available);
    button->setToolTip(available ? QString::fromUtf8(spec.Hint) : kComingSoonHint);
  }
}

void ToolbarPanels::ShowBasicPanel() { ShowPanel(kBasicPanel); }

void ToolbarPanels::ApplyScale(int scalePercent) {
  setFixedHeight(kToolbarHeight * scalePercent / 100);
  const int buttonHeight = kButtonHeight * scalePercent / 100;
  for (const auto& [name, button] : m_buttons) button->setFixedHeight(buttonHeight);
}

void ToolbarPanels::Forward(const ToolbarButtonSpec& spec) {
  QWidget* window = m_attached;
  if (window == nullptr) return;
  if (QByteArray(spec.Operation) == kCloseOperation) {
    window->close();
    return;
  }
  if (auto* target = dynamic_cast<PanelButtonTarget*>(window)) {
    const QString name = QString::fromUtf8(spec.Name);
    if (target->HandlesPanelButton(name)) target->PanelButtonClicked(name);
    return;
  }
  const Operation op = ParseOperation(spec.Operation);
  switch (FindSignature(window, op)) {
    case Signature::SenderArgument:
      QMetaObject::invokeMethod(window, op.Name.constData(), Q_ARG(QObject*, parentWidget()));
      break;
    case Signature::NoArgument:
      QMetaObject::invokeMethod(window, op.Name.constData());
      break;
    case Signature::IntArgument:
      QMetaObject::invokeMethod(window, op.Name.constData(), Q_ARG(int, *op.Argument));
      break;
    case Signature::Missing:
      break;
  }
}

}  // namespace ardeno
