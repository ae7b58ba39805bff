// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/shell/main_window.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <algorithm>
#include <array>
#include <cstring>

#include "core/data/ascii_export.h"
#include "core/data/data_file.h"
#include "core/shell/program_version.h"
#include "core/shell/saved_status.h"
#include "ui/drawing/drawing_window.h"
#include "ui/entry/station_form.h"
#include "ui/shell/about_box.h"
#include "ui/shell/data_saving.h"
#include "ui/shell/help_window.h"
#include "ui/shell/toolbar_panels.h"

namespace ardeno {

namespace {

const QColor kFrameColour(100, 150, 180);

// Commands that change the records or write the data file: none of them runs on a data file the
// program refused at start-up, which it never writes over.
constexpr std::array kChangingData{"novy", "zvlastni", "oprava", "odstranit", "zfota", "ulozitdat"};

bool ChangesData(const char* name) {
  return std::any_of(kChangingData.begin(), kChangingData.end(),
                     [name](const char* changing) { return std::strcmp(changing, name) == 0; });
}

}  // namespace

MainWindow::MainWindow(AppContext& ctx, QWidget* parent) : QMainWindow(parent), m_ctx(ctx) {
  setObjectName("TForm1");
  setWindowTitle(QStringLiteral("Ardeno"));
  m_ctx.Frame = this;
  m_ctx.Inputs = &m_inputs;
  m_ctx.View.OwnDrawingsOnly = KeptOwnDrawingsOnly();

  m_mdi = new QMdiArea(this);
  m_mdi->setObjectName("MdiArea");
  m_mdi->setBackground(kFrameColour);
  setCentralWidget(m_mdi);

  CreateActions();
  CreateMenus();
  CreateToolbar();
  CreateStatusBar();
  qApp->installEventFilter(this);
}

MainWindow::~MainWindow() {
  // An analysis window still open tells the frame it is gone (commands, panel) while it is freed.
  for (QMdiSubWindow* frame : m_mdi->subWindowList()) delete frame;
}

void MainWindow::CreateActions() {
  m_commands = BuildCommands();
  for (const Command& command : m_commands) {
    auto* action = new QAction(command.Text, this);
    action->setObjectName(command.Name);
    action->setCheckable(command.Checkable);
    action->setShortcut(command.Keys);
    if (command.Run) connect(action, &QAction::triggered, this, [run = command.Run] { run(); });
    m_actions[command.Name] = action;
  }
  UpdateCommands();
}

void MainWindow::UpdateCommands() {
  for (const Command& command : m_commands) {
    QAction* action = m_actions.at(command.Name);
    const bool readOnly = m_ctx.Db.LoadFailed && ChangesData(command.Name);
    const bool available = command.Run && !readOnly && (!command.Enabled || command.Enabled());
    const QString why = !command.Run ? ComingSoonHint()
                        : readOnly   ? tr("Jen pro čtení: soubor datax.dat se při spuštění "
                                            "nenačetl a program ho nepřepíše")
                                     : command.WhyDisabled;
    action->setEnabled(available);
    action->setStatusTip(available ? QString() : why);
    action->setToolTip(available ? QString() : why);
  }
}

QAction* MainWindow::Action(const QString& name) const {
  const auto found = m_actions.find(name);
  return found == m_actions.end() ? nullptr : found->second;
}

void MainWindow::Place(QWidget* menu, std::initializer_list<const char*> names) {
  for (const char* name : names) {
    QAction* action = Action(name);
    if (action == nullptr) qFatal("menu item %s is no command", name);
    menu->addAction(action);
  }
}

void MainWindow::CreateLanguageMenu(QMenu* entry) {
  QMenu* menu = entry->addMenu(tr("&Jazyk"));
  menu->setObjectName("jazyk");
  Place(menu, {"jazyk_cs", "jazyk_en"});
  auto* group = new QActionGroup(menu);
  for (const char* name : {"jazyk_cs", "jazyk_en"}) group->addAction(Action(name));
  Action(ShownLanguage() == InterfaceLanguage::English ? "jazyk_en" : "jazyk_cs")->setChecked(true);
  entry->addSeparator();
}

void MainWindow::KeepLanguageChoice(InterfaceLanguage language) {
  KeepLanguage(language);
  m_ctx.Msg.ShowMessageText(tr("Jazyk oken se změní při příštím spuštění programu."));
}

void MainWindow::CreateMenus() {
  QMenuBar* bar = menuBar();
  bar->setObjectName("MainMenu1");

  QMenu* entry = bar->addMenu(QCoreApplication::translate("Ardeno", "&Zadávání"));
  entry->setObjectName("zadavani");
  Place(entry, {"novy", "zvlastni", "oprava", "odstranit"});
  QMenu* save = entry->addMenu(QCoreApplication::translate("Ardeno", "&Uložit data"));
  save->setObjectName("ulozitdata");
  Place(save, {"ulozitdat", "ulozASCI"});
  Place(entry, {"posledni1", "skok", "tisk1", "Ulozkresy"});
  entry->addSeparator();
  Place(entry, {"stanice"});
  entry->addSeparator();
  Place(entry, {"zpet", "znovu"});
  entry->addSeparator();
  CreateLanguageMenu(entry);
  Place(entry, {"konec"});

  QMenu* graphs = bar->addMenu(QCoreApplication::translate("Ardeno", "&Grafy"));
  graphs->setObjectName("Grafy1");
  Place(graphs, {"motylek1", "graf", "vyhlazovaci"});
  QMenu* asymmetry = graphs->addMenu(QCoreApplication::translate("Ardeno", "&Asymetrie"));
  asymmetry->setObjectName("asymetrie");
  Place(asymmetry, {"asyroz", "asypo"});
  // The asymmetry kind is one choice: difference or ratio.
  auto* kinds = new QActionGroup(this);
  for (const char* name : {"asyroz", "asypo"}) kinds->addAction(Action(name));

  // Commands of their own on the menu bar: one click runs them.
  Place(bar, {"map", "vysledky1", "About1", "napoveda", "prirucka"});
}

void MainWindow::CreateToolbar() {
  m_toolbar = new ToolbarPanels(this, [this](const char* name) { return Action(name); });
  addToolBar(m_toolbar);
  connect(m_toolbar, &ToolbarPanels::GroupTypeFilterChanged, this,
          [this](const QString& filter) { m_ctx.View.EastWestFilter = filter; });
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
  m_statusPanels[2]->setText(
      QStringLiteral("Ardeno ") +
      QString::fromUtf8(kProgramVersion.data(), static_cast<qsizetype>(kProgramVersion.size())));
}

bool MainWindow::event(QEvent* event) {
  // Hints go to the middle panel of the status bar.
  if (event->type() == QEvent::StatusTip) {
    m_statusPanels[1]->setText(static_cast<QStatusTipEvent*>(event)->tip());
    return true;
  }
  return QMainWindow::event(event);
}

void MainWindow::SaveData() {
  if (const auto error = SaveDataAsked(m_ctx)) {
    m_ctx.Msg.ShowMessageText(QString::fromStdString(*error));
    return;
  }
  // The first panel keeps it; the middle one belongs to the hints.
  m_statusPanels[0]->setText(QString::fromStdString(SavedRecordsText(m_ctx.Db.RecordCount)));
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
  return tr(
      " F8   - Uloží bitmapu okna\r"
      " F9   - Podkreslí zákres magnetosférou\r"
      " F12  - Sloučení souborů dat pro fakule\r"
      " f      - Překreslování dat fakulí\r"
      " p      - Přepočet ploch fakulí\r"
      " z-v   - zap.vyp propojení skupiny");
}

void MainWindow::ShowHelp() { m_ctx.Msg.ShowMessageText(HelpText()); }

void MainWindow::ShowHelpPage() {
  // The help window belongs to a modal dialog while one runs (the record editor), or it could
  // not be read until the dialog closes.
  QWidget* owner = QApplication::activeModalWidget();
  const QWidget* focused = QApplication::focusWidget();
  // Only the modal dialog takes keys while it runs: its page, wherever the focus was left.
  if (owner != nullptr && (focused == nullptr || !owner->isAncestorOf(focused))) focused = owner;
  if (owner == nullptr) owner = this;
  if (m_help.isNull()) {
    m_help = new HelpWindow(owner);
  } else if (m_help->parentWidget() != owner) {
    m_help->setParent(owner, Qt::Window);
  } else if (focused != nullptr && m_help->isAncestorOf(focused)) {
    m_help->ShowPage(m_help->Page());  // F1 in the help itself keeps its page
    return;
  }
  // F1 opens the page of the window being worked in; the frame's own page otherwise.
  if (focused == nullptr && m_mdi->activeSubWindow() != nullptr)
    focused = m_mdi->activeSubWindow()->widget();
  m_help->ShowPage(HelpWindow::PageOfWidget(focused));
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  // F1 is the help in every window of the program, modal dialogs and the help included, whatever
  // window was active or closed before: it is taken before any window's own keys.
  const bool key = event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress;
  if (key && watched->isWidgetType()) {
    const auto* pressed = static_cast<QKeyEvent*>(event);
    if (pressed->key() == Qt::Key_F1 && pressed->modifiers() == Qt::NoModifier) {
      if (event->type() == QEvent::KeyPress && !pressed->isAutoRepeat()) ShowHelpPage();
      event->accept();
      return true;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

void MainWindow::ShowAbout() {
  AboutBox box(this);
  box.exec();
}

void MainWindow::OpenStationForm() {
  // One form at a time: a second command brings the open one forward.
  if (auto* open = findChild<StationForm*>(QString(), Qt::FindDirectChildrenOnly)) {
    open->raise();
    open->activateWindow();
    return;
  }
  auto* form = new StationForm(m_ctx, this);
  form->show();
}

}  // namespace ardeno
