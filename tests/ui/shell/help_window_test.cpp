// SPDX-License-Identifier: GPL-3.0-or-later
// Help: F1 opens the help window on the page of the window that has the focus, the page is the
// file of the help folder, and every toolbar button's hint names a key that belongs to it alone.
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
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
  void f1OpensTheEditorsPageOverTheModalEditor();
  void f1AndTheMenuWorkAfterEscapeClosedTheHelp();
  void helpFitsTheSmallestScreen();
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

void HelpWindowTest::f1OpensTheEditorsPageOverTheModalEditor() {
  QTemporaryDir dir;
  MainFrame f(dir.path().toStdString(), Days(3));
  f.Window.show();
  QVERIFY(QTest::qWaitForWindowActive(&f.Window));
  QString page;
  bool helpShown = false;
  bool helpUsable = false;
  QTimer::singleShot(0, [&] {
    QWidget* editor = QApplication::activeModalWidget();
    QVERIFY(editor != nullptr);
    QWidget* focused = QApplication::focusWidget() ? QApplication::focusWidget() : editor;
    QTest::keyClick(focused, Qt::Key_F1);
    if (HelpWindow* help = f.Window.Help()) {
      page = help->CurrentPage();
      helpShown = help->isVisible();
      // A window outside the modal editor could not be scrolled or read further.
      helpUsable = editor->isAncestorOf(help) || help->parentWidget() == editor;
    }
    editor->close();
  });
  f.Window.Action("novy")->trigger();
  QCOMPARE(page, QString("editor.md"));
  QVERIFY(helpShown);
  QVERIFY(helpUsable);
  // After the editor, F1 works in the frame again.
  QTest::keyClick(f.Window.RecordList()->List(), Qt::Key_F1);
  QVERIFY(f.Window.Help() != nullptr && f.Window.Help()->isVisible());
  QCOMPARE(f.Window.Help()->CurrentPage(), QString("seznam.md"));
}

void HelpWindowTest::f1AndTheMenuWorkAfterEscapeClosedTheHelp() {
  QTemporaryDir dir;
  MainFrame f(dir.path().toStdString(), Days(3));
  f.Window.show();
  QVERIFY(QTest::qWaitForWindowActive(&f.Window));
  for (int round = 0; round < 2; ++round) {
    QWidget* list = f.Window.RecordList()->List();
    list->setFocus();
    QTest::keyClick(list, Qt::Key_F1);
    HelpWindow* help = f.Window.Help();
    QVERIFY(help != nullptr && help->isVisible());
    // F1 in the help keeps its page; Escape closes it from the list of pages and from the page.
    QTest::keyClick(help->Browser(), Qt::Key_F1);
    QCOMPARE(help->CurrentPage(), QString("seznam.md"));
    QVERIFY(help->isVisible());
    QTest::keyClick(round == 0 ? static_cast<QWidget*>(help->Browser())
                               : help->findChild<QListWidget*>("stranky"),
                    Qt::Key_Escape);
    QVERIFY(!help->isVisible());
    f.Window.Action("prirucka")->trigger();
    QVERIFY(help->isVisible());
    QTest::keyClick(help->Browser(), Qt::Key_Escape);
    QVERIFY(!help->isVisible());
  }
}

void HelpWindowTest::helpFitsTheSmallestScreen() {
  HelpWindow help;
  help.show();
  QVERIFY(QTest::qWaitForWindowExposed(&help));
  const QSize room = help.screen()->availableSize();
  QVERIFY2(help.frameGeometry().width() <= std::min(room.width(), 1024) &&
               help.frameGeometry().height() <= std::min(room.height(), 768),
           qPrintable(QStringLiteral("%1 x %2 on %3 x %4")
                          .arg(help.frameGeometry().width())
                          .arg(help.frameGeometry().height())
                          .arg(room.width())
                          .arg(room.height())));
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
