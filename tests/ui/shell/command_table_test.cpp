// SPDX-License-Identifier: GPL-3.0-or-later
// The command tables: every menu item and toolbar button resolves to a command, a window
// operation, "Zavřít" or the "Připravuje se" state, and the main window shows each as its entry
// says.
#include <QAction>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <filesystem>
#include <fstream>

#include "core/data/data_file.h"
#include "support/app_run.h"
#include "ui/shell/main_window.h"
#include "ui/shell/toolbar_buttons.h"
#include "ui/shell/toolbar_panels.h"

using namespace ardeno;
using namespace ardeno::test;

namespace {

// Analysis windows of two types, one offering an operation the other lacks.
class FakeMaps : public QWidget {
  Q_OBJECT
 public:
  QStringList Calls;
  void ShowMap() { Calls << "map"; }
  void ShowLongMap(int strips) { Calls << QString("long %1").arg(strips); }
};

class FakeResults : public QWidget {
  Q_OBJECT
};

// A data folder whose record 1 holds the drawing radius, so that start-up asks nothing.
std::filesystem::path WithOneRecord(const QString& dir) {
  const std::filesystem::path folder = dir.toStdString();
  ObservationRecord first;
  first.SetDate("01.01.2000");
  first.SetRadiusWord(125);
  std::ofstream out(folder / kDataFileName, std::ios::binary);
  out.write(reinterpret_cast<const char*>(first.Bytes.data()), kRecordSize);
  return folder;
}

struct Frame : AppRun {
  explicit Frame(const QString& dir) : AppRun(WithOneRecord(dir)), Window(Ctx) {
    Window.Start(QSize(1600, 1000));
  }
  MainWindow Window;
};

void CollectMenuActions(const QWidget* menu, QSet<QString>& names) {
  for (QAction* action : menu->actions()) {
    if (action->menu() != nullptr) {
      CollectMenuActions(action->menu(), names);
    } else if (!action->isSeparator()) {
      names << action->objectName();
    }
  }
}

}  // namespace

class CommandTableTest : public QObject {
  Q_OBJECT
 private slots:
  void EveryMenuItemIsACommandOfTheTable();
  void CommandsWithoutHandlerSayComingSoon();
  void EveryToolbarButtonResolves();
  void WindowOperationsReachOnlyTheirWindowType();
  void AnalysisWindowBringsItsPanelAndClosingRestoresTheBasicOne();

 private:
  QTemporaryDir m_dir;
};

void CommandTableTest::EveryMenuItemIsACommandOfTheTable() {
  Frame f(m_dir.path());
  QSet<QString> inMenus;
  CollectMenuActions(f.Window.menuBar(), inMenus);
  QSet<QString> commands;
  for (const Command& command : f.Window.Commands()) {
    QVERIFY2(!commands.contains(command.Name), command.Name);
    commands << command.Name;
    QAction* action = f.Window.Action(command.Name);
    QVERIFY2(action != nullptr, command.Name);
    QCOMPARE(action->objectName(), QString(command.Name));
    QCOMPARE(action->text(), command.Text);
  }
  for (const QString& name : inMenus) QVERIFY2(commands.contains(name), qPrintable(name));
  for (const char* name : {"novy", "ulozASCI", "konec", "asypo", "map", "napoveda"}) {
    QVERIFY2(inMenus.contains(name), name);
  }
}

void CommandTableTest::CommandsWithoutHandlerSayComingSoon() {
  Frame f(m_dir.path());
  for (const Command& command : f.Window.Commands()) {
    QAction* action = f.Window.Action(command.Name);
    const bool runs = static_cast<bool>(command.Run);
    // A command that runs may still wait for its moment (undo with nothing to undo).
    const bool allowed = !command.Enabled || command.Enabled();
    QVERIFY2(action->isEnabled() == (runs && allowed), command.Name);
    QVERIFY2((action->statusTip() == ComingSoonHint()) == !runs, command.Name);
  }
}

void CommandTableTest::EveryToolbarButtonResolves() {
  Frame f(m_dir.path());
  ToolbarPanels* toolbar = f.Window.Toolbar();
  QSet<QString> names;
  for (const ToolbarPanelSpec& panel : ToolbarPanelSpecs()) {
    QVERIFY2(toolbar->Panel(panel.Name) != nullptr, panel.Name);
    for (const ToolbarButtonSpec& spec : panel.Buttons()) {
      QVERIFY2(!names.contains(spec.Name), spec.Name);
      names << spec.Name;
      QToolButton* button = toolbar->Button(spec.Name);
      QVERIFY2(button != nullptr, spec.Name);
      QCOMPARE(button->parentWidget(), toolbar->Panel(panel.Name));
      if (const auto* command = std::get_if<RunsCommand>(&spec.Action)) {
        QAction* action = f.Window.Action(command->Name);
        QVERIFY2(action != nullptr, spec.Name);
        // Hidden panels disable their widgets: compare within the panel.
        QVERIFY2(button->isEnabledTo(toolbar->Panel(panel.Name)) == action->isEnabled(), spec.Name);
      } else if (std::holds_alternative<ComingSoon>(spec.Action)) {
        QVERIFY2(!button->isEnabled(), spec.Name);
        QCOMPARE(button->toolTip(), ComingSoonHint());
      } else if (const auto* operation = std::get_if<WindowOperation>(&spec.Action)) {
        QVERIFY2(operation->Offers && operation->Run, spec.Name);
      }
    }
  }
  QVERIFY(names.contains("novyzakres"));
  QVERIFY(names.contains("SpeedButton9"));
  // The smoothed tables' buttons carry the hints the observers know.
  for (const auto& [name, hint] : std::vector<std::pair<const char*, const char*>>{
           {"vyhlcelek", "Vyhlazené  měsíční hodnoty (celková)"},
           {"vyhlsever", "Vyhlazené  měsíční hodnoty (sever)"},
           {"vyhljih", "Vyhlazené  měsíční hodnoty (jih)"}})
    QVERIFY2(toolbar->Button(name)->toolTip().startsWith(QString::fromUtf8(hint) + " ("), name);
}

void CommandTableTest::WindowOperationsReachOnlyTheirWindowType() {
  Frame f(m_dir.path());
  ToolbarPanels* toolbar = f.Window.Toolbar();
  toolbar->AddPanel("zkusebni",
                    {{"mapa", "M", "Mapa", On<FakeMaps>(&FakeMaps::ShowMap)},
                     {"dlouha", "D", "Dlouhá", On<FakeMaps>([](FakeMaps& w) { w.ShowLongMap(3); })},
                     {"zavrit", "X", "Zavřít", ClosesWindow{}}});
  FakeResults results;
  toolbar->ShowPanel("zkusebni", &results);
  QVERIFY(!toolbar->Button("mapa")->isEnabled());
  QCOMPARE(toolbar->Button("mapa")->toolTip(), ComingSoonHint());

  auto* maps = new FakeMaps;
  toolbar->ShowPanel("zkusebni", maps);
  QVERIFY(toolbar->Button("mapa")->isEnabled());
  QCOMPARE(toolbar->Button("mapa")->toolTip(), QString("Mapa (Ctrl+Shift+Q)"));
  toolbar->Button("mapa")->click();
  toolbar->Button("dlouha")->click();
  QCOMPARE(maps->Calls, (QStringList{"map", "long 3"}));
  maps->setAttribute(Qt::WA_DeleteOnClose);
  QSignalSpy destroyed(maps, &QObject::destroyed);
  toolbar->Button("zavrit")->click();
  QVERIFY(destroyed.count() == 1 || destroyed.wait(1000));
  QCOMPARE(toolbar->VisiblePanel(), QString(kBasicPanel));
}

void CommandTableTest::AnalysisWindowBringsItsPanelAndClosingRestoresTheBasicOne() {
  Frame f(m_dir.path());
  ToolbarPanels* toolbar = f.Window.Toolbar();
  // One daily-graphs window at a time: its command follows the window's life.
  f.Window.Action("graf")->trigger();
  QCOMPARE(toolbar->VisiblePanel(), QString(kGraphsPanel));
  QVERIFY(toolbar->AttachedWindow() != nullptr);
  QVERIFY(!f.Window.Action("graf")->isEnabled());
  // Its basic-panel button says why it cannot run now.
  QCOMPARE(toolbar->Button("grafyz")->toolTip(), QString("Okno je už otevřené"));
  QVERIFY(toolbar->Button("gb")->isEnabled());
  QSignalSpy destroyed(toolbar->AttachedWindow(), &QObject::destroyed);
  toolbar->Button("SpeedButton13")->click();
  QVERIFY(destroyed.count() == 1 || destroyed.wait(1000));
  QCOMPARE(toolbar->VisiblePanel(), QString(kBasicPanel));
  QVERIFY(f.Window.Action("graf")->isEnabled());
  QCOMPARE(toolbar->Button("grafyz")->toolTip(), QString("Denní grafy (Ctrl+D)"));
}

QTEST_MAIN(CommandTableTest)
#include "command_table_test.moc"
