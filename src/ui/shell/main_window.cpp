#include "ui/shell/main_window.h"

#include <QAction>
#include <QEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolButton>

#include "core/data/ascii_export.h"
#include "core/data/data_file.h"
#include "ui/drawing/drawing_window.h"
#include "ui/shell/about_box.h"
#include "ui/shell/toolbar_buttons.h"
#include "ui/shell/toolbar_panels.h"

namespace ardeno {

namespace {

const QColor kFrameColour(100, 150, 180);

// Basic-panel buttons that run a menu command.
const std::map<QString, QString> kButtonToMenu = {
    {"novyzakres", "novy"},   {"zvlastnizakrrs", "zvlastni"}, {"opravazaz", "oprava"},
    {"ulozit", "ulozitdat"},  {"poslednizaz", "posledni1"},   {"motylekz", "motylek1"},
    {"grafyz", "graf"},       {"vyhladitz", "vyhlazovaci"},   {"asimetryz", "asypo"},
    {"mapyz", "map"},         {"vysledekz", "vysledky1"},     {"SpeedButton7", "tisk1"},
    {"SpeedButton3", "Ulozkresy"},
};

}  // namespace

MainWindow::MainWindow(AppContext& ctx, QWidget* parent) : QMainWindow(parent), m_ctx(ctx) {
  setObjectName("TForm1");
  setWindowTitle(QStringLiteral("Ardeno"));
  m_ctx.Frame = this;
  m_ctx.Inputs = &m_inputs;

  m_mdi = new QMdiArea(this);
  m_mdi->setObjectName("MdiArea");
  m_mdi->setBackground(kFrameColour);
  setCentralWidget(m_mdi);

  CreateMenus();
  CreateToolbar();
  CreateStatusBar();
}

QAction* MainWindow::AddAction(QWidget* menu, const char* name, const QString& caption) {
  auto* action = new QAction(caption, this);
  action->setObjectName(name);
  menu->addAction(action);
  m_actions[name] = action;
  return action;
}

QAction* MainWindow::Action(const QString& name) const {
  const auto found = m_actions.find(name);
  return found == m_actions.end() ? nullptr : found->second;
}

void MainWindow::CreateMenus() {
  QMenuBar* bar = menuBar();
  bar->setObjectName("MainMenu1");

  QMenu* entry = bar->addMenu(QStringLiteral("&Zadávání"));
  entry->setObjectName("zadavani");
  AddAction(entry, "novy", QStringLiteral("&Nový zákres"));
  AddAction(entry, "zvlastni", QStringLiteral("&Zvlášťní zákres"));
  AddAction(entry, "oprava", QStringLiteral("&Oprava  dat"));
  QMenu* save = entry->addMenu(QStringLiteral("&Uložit data"));
  save->setObjectName("ulozitdata");
  AddAction(save, "ulozitdat", QStringLiteral("Uložit data"));
  AddAction(save, "ulozASCI", QStringLiteral("Uložit jako ASCI"));
  AddAction(entry, "posledni1", QStringLiteral("&Poslední zákres"));
  AddAction(entry, "tisk1", QStringLiteral("Tisk zákresu"));
  AddAction(entry, "Ulozkresy", QStringLiteral("Ulož zákresy (bmp)"));
  entry->addSeparator();
  AddAction(entry, "konec", QStringLiteral("&Konec"));

  QMenu* graphs = bar->addMenu(QStringLiteral("&Grafy"));
  graphs->setObjectName("Grafy1");
  AddAction(graphs, "motylek1", QStringLiteral("&Motýlek"));
  AddAction(graphs, "graf", QStringLiteral("&Grafy"));
  AddAction(graphs, "vyhlazovaci", QStringLiteral("&Vyhlazovací"));
  QMenu* asymmetry = graphs->addMenu(QStringLiteral("&Asymetrie"));
  asymmetry->setObjectName("asymetrie");
  AddAction(asymmetry, "asyroz", QStringLiteral("Asymetrie rozdílová"))->setCheckable(true);
  AddAction(asymmetry, "asypo", QStringLiteral("Asymetrie podílová"))->setCheckable(true);

  // Commands of their own on the menu bar: one click runs them.
  AddAction(bar, "map", QStringLiteral("&Mapy"));
  AddAction(bar, "vysledky1", QStringLiteral("&Výsledky"));
  AddAction(bar, "About1", QStringLiteral("&About"));
  AddAction(bar, "napoveda", QStringLiteral("Nápověda"));

  connect(Action("ulozitdat"), &QAction::triggered, this, &MainWindow::SaveData);
  connect(Action("ulozASCI"), &QAction::triggered, this, &MainWindow::SaveAsciiExport);
  connect(Action("konec"), &QAction::triggered, this, &QWidget::close);
  connect(Action("About1"), &QAction::triggered, this, &MainWindow::ShowAbout);
  connect(Action("napoveda"), &QAction::triggered, this, &MainWindow::ShowHelp);
  connect(Action("vysledky1"), &QAction::triggered, this, &MainWindow::OpenResults);
  CreateGraphCommands();
  connect(Action("map"), &QAction::triggered, this, &MainWindow::OpenMaps);

  // Their windows are not part of the program yet.
  MarkComingSoon({"novy", "zvlastni", "oprava", "posledni1", "tisk1", "Ulozkresy", "motylek1"});
}

void MainWindow::MarkComingSoon(const QStringList& names) {
  for (const QString& name : names) {
    if (QAction* action = Action(name)) {
      action->setEnabled(false);
      action->setStatusTip(kComingSoonHint);
      action->setToolTip(kComingSoonHint);
    }
    if (m_toolbar == nullptr) continue;
    if (QToolButton* button = m_toolbar->Button(name)) {
      button->setEnabled(false);
      button->setToolTip(kComingSoonHint);
      button->setStatusTip(kComingSoonHint);
    }
  }
}

void MainWindow::CreateToolbar() {
  m_toolbar = new ToolbarPanels(this);
  addToolBar(m_toolbar);
  connect(m_toolbar, &ToolbarPanels::ButtonClicked, this, &MainWindow::OnToolbarButton);
  connect(m_toolbar, &ToolbarPanels::GroupTypeFilterChanged, this,
          [this](const QString& filter) { m_ctx.View.EastWestFilter = filter; });
  // A basic-panel button works exactly when its menu command does. Its own hint comes back when
  // the command is enabled again (the editor disables its command only while it is open).
  for (const auto& [button, menu] : kButtonToMenu) {
    QToolButton* target = m_toolbar->Button(button);
    QAction* action = Action(menu);
    auto sync = [target, action, hint = target->toolTip()] {
      target->setEnabled(action->isEnabled());
      target->setToolTip(action->statusTip() == kComingSoonHint ? kComingSoonHint : hint);
    };
    sync();
    connect(action, &QAction::changed, target, sync);
  }
  MarkComingSoon({"zfota"});
}

void MainWindow::CreateStatusBar() {
  QStatusBar* bar = statusBar();
  bar->setObjectName("StatusBar1");
  const int widths[3] = {200, 500, 50};
  for (int i = 0; i < 3; ++i) {
    m_statusPanels[i] = new QLabel(this);
    m_statusPanels[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i + 1));
    m_statusPanels[i]->setMinimumWidth(widths[i]);
    m_statusPanels[i]->setFrameShape(QFrame::Panel);
    m_statusPanels[i]->setFrameShadow(QFrame::Sunken);
    bar->addWidget(m_statusPanels[i], i == 1 ? 1 : 0);
  }
  m_statusPanels[2]->setText(QStringLiteral("Upraveno  05.01.2020"));
}

bool MainWindow::event(QEvent* event) {
  // Hints go to the middle panel of the status bar.
  if (event->type() == QEvent::StatusTip) {
    m_statusPanels[1]->setText(static_cast<QStatusTipEvent*>(event)->tip());
    return true;
  }
  return QMainWindow::event(event);
}

void MainWindow::OnToolbarButton(const QString& name) {
  if (const auto menu = kButtonToMenu.find(name); menu != kButtonToMenu.end()) {
    if (QAction* action = Action(menu->second); action != nullptr && action->isEnabled()) {
      action->trigger();
    }
    return;
  }
  if (name == "SpeedButton2" && m_drawing != nullptr) m_drawing->ShowOrientation();
  if (name == "SpeedButton4") OpenCoordinateTables();
  RunDrawingButton(name);
  if (name == "vlevo" || name == "vpravo") ChangeTimeFactor(name == "vpravo");
  if (name == "vetsi" || name == "mensi") ChangeHeightScale(name == "vetsi");
  if (name == "sirfakule") ToggleFaculaeWidth();
  if (name == "zmensit" || name == "rozsirit") ChangeCompression(name == "zmensit");
  if (name == "SpeedButton6") ToggleAreaMultiple();
  if (name == "vloztext") RequestInsertText();
}

void MainWindow::SaveData() {
  if (const auto error = SaveDatabase(m_ctx.Db, m_ctx.ProgDir)) {
    m_ctx.Msg.ShowMessageText(QString::fromStdString(*error));
  }
}

void MainWindow::SaveAsciiExport() {
  if (const auto refusal = CheckAsciiExport(m_ctx.Db)) {
    m_ctx.Msg.ShowMessageText(QString::fromStdString(*refusal));
    return;
  }
  if (const auto error = WriteAsciiExport(m_ctx.Db, m_ctx.ProgDir)) {
    m_ctx.Msg.ShowMessageText(QString::fromStdString(*error));
  }
}

QString MainWindow::HelpText() {
  return QStringLiteral(
      " F8   - Uloží bitmapu okna\r"
      " F9   - Podkreslí zákres magnetosférou\r"
      " F12  - Sloučení souborů dat pro fakule\r"
      " f      - Překreslování dat fakulí\r"
      " p      - Přepočet ploch fakulí\r"
      " z-v   - zap.vyp propojení skupiny");
}

void MainWindow::ShowHelp() { m_ctx.Msg.ShowMessageText(HelpText()); }

void MainWindow::ShowAbout() {
  AboutBox box(this);
  box.exec();
}

}  // namespace ardeno
