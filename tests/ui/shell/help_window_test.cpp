// SPDX-License-Identifier: GPL-3.0-or-later
// Help: F1 opens the help window on the page of the window that has the focus, the page is the
// file of the help folder, and every toolbar button's hint names a key that belongs to it alone.
#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>
#include <set>

#include "support/database_builders.h"
#include "support/main_frame.h"
#include "ui/drawing/drawing_window.h"
#include "ui/entry/record_list_window.h"
#include "ui/shell/help_window.h"
#include "ui/shell/toolbar_buttons.h"

namespace fs = std::filesystem;
using namespace ardeno;
using namespace ardeno::test;

namespace {

std::vector<ObservationRecord> Days(int count) {
  std::vector<ObservationRecord> records;
  for (int i = 1; i <= count; ++i) records.push_back(DatedRecord({2020, 1, i}));
  records[0].SetRadiusWord(125);
  return records;
}

}  // namespace

class HelpWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void f1OpensThePageOfTheFocusedWindow_data();
  void f1OpensThePageOfTheFocusedWindow();
  void everyPageOpensFromTheList();
  void everyToolbarHintNamesItsOwnKey();
};

void HelpWindowTest::f1OpensThePageOfTheFocusedWindow_data() {
  QTest::addColumn<QString>("focus");
  QTest::addColumn<QString>("page");
  QTest::addColumn<QString>("pageText");
  QTest::newRow("record list") << "list"
                               << "seznam.md" << QString::fromUtf8("Jít na datum");
  QTest::newRow("drawing window") << "drawing"
                                  << "zakres.md" << QString::fromUtf8("Shift+F1");
  QTest::newRow("date field of the list") << "field"
                                          << "seznam.md"
                                          << "3.2014";
}

void HelpWindowTest::f1OpensThePageOfTheFocusedWindow() {
  QFETCH(QString, focus);
  QFETCH(QString, page);
  QFETCH(QString, pageText);
  QTemporaryDir dir;
  MainFrame f(dir.path().toStdString(), Days(3));
  f.Window.show();
  QVERIFY(QTest::qWaitForWindowActive(&f.Window));
  QWidget* target = focus == "list" ? static_cast<QWidget*>(f.Window.RecordList()->List())
                    : focus == "drawing"
                        ? static_cast<QWidget*>(f.Window.Drawing())
                        : static_cast<QWidget*>(f.Window.RecordList()->DateField());
  target->setFocusPolicy(Qt::StrongFocus);
  target->setFocus();
  QTRY_VERIFY(target->hasFocus());
  const std::vector<ObservationRecord> before(f.Db.Records.begin(),
                                              f.Db.Records.begin() + f.Db.RecordCount);
  QTest::keyClick(target, Qt::Key_F1);
  HelpWindow* help = f.Window.Help();
  QVERIFY(help != nullptr);
  QVERIFY(help->isVisible());
  QCOMPARE(help->CurrentPage(), page);
  QVERIFY(help->Folder().has_value());
  QVERIFY2(help->Browser()->toPlainText().contains(pageText),
           qPrintable(help->Browser()->toPlainText().left(200)));
  // F1 is help only: the drawing window no longer recomputes on it.
  QCOMPARE(
      std::vector<ObservationRecord>(f.Db.Records.begin(), f.Db.Records.begin() + f.Db.RecordCount),
      before);
}

void HelpWindowTest::everyPageOpensFromTheList() {
  HelpWindow help;
  auto* list = help.findChild<QListWidget*>("stranky");
  QVERIFY(list != nullptr);
  QCOMPARE(list->count(), static_cast<int>(HelpPages().size()));
  for (int row = 0; row < list->count(); ++row) {
    list->setCurrentRow(row);
    const HelpPage& page = HelpPages()[static_cast<std::size_t>(row)];
    QCOMPARE(help.CurrentPage(), QString::fromUtf8(page.File));
    // The page's heading is its title in the list.
    QVERIFY2(help.Browser()->toPlainText().startsWith(QString::fromUtf8(page.Title).left(8)),
             page.File);
  }
}

void HelpWindowTest::everyToolbarHintNamesItsOwnKey() {
  QTemporaryDir dir;
  MainFrame f(dir.path().toStdString(), Days(2));
  std::set<QString> menuKeys;
  for (const Command& command : f.Window.Commands()) {
    if (!command.Keys.isEmpty())
      QVERIFY2(menuKeys.insert(command.Keys.toString()).second, command.Name);
  }
  for (const ToolbarPanelSpec& panel : ToolbarPanelSpecs()) {
    std::set<QString> panelKeys;
    for (const ToolbarButtonSpec& spec : panel.Buttons()) {
      if (std::holds_alternative<ComingSoon>(spec.Action)) continue;
      QToolButton* button = f.Window.Toolbar()->Button(spec.Name);
      const QKeySequence key = ButtonKey(*button);
      QVERIFY2(!key.isEmpty(), spec.Name);
      QVERIFY2(button->toolTip().endsWith("(" + key.toString(QKeySequence::NativeText) + ")"),
               qPrintable(button->toolTip()));
      // A key of the panel's own is no key of a menu command, and no other button's.
      const bool commandKey =
          std::holds_alternative<RunsCommand>(spec.Action) &&
          f.Window.Action(std::get<RunsCommand>(spec.Action).Name)->shortcut() == key;
      if (!commandKey) QVERIFY2(!menuKeys.count(key.toString()), spec.Name);
      QVERIFY2(panelKeys.insert(key.toString()).second, spec.Name);
    }
  }
}

QTEST_MAIN(HelpWindowTest)
#include "help_window_test.moc"
