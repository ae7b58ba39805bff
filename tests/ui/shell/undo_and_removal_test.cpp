// SPDX-License-Identifier: GPL-3.0-or-later
// Removing a drawing and undoing changes from the main window: the removed drawing is kept in
// odstranene.dat and comes back with Ctrl+Z byte for byte; every step is named in the menu; undo
// writes nothing to the data file.
#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "core/data/removed_records.h"
#include "support/database_builders.h"
#include "support/main_frame.h"
#include "ui/drawing/drawing_window.h"
#include "ui/entry/record_list_window.h"

namespace fs = std::filesystem;
using namespace ardeno;
using namespace ardeno::test;

namespace {

std::vector<ObservationRecord> Days(int count) {
  std::vector<ObservationRecord> records;
  for (int i = 1; i <= count; ++i) records.push_back(OneGroupRecord({2020, 1, i}, "Novák"));
  records[1].SetObserver("Černý");
  records[0].SetRadiusWord(125);
  return records;
}

std::string FileBytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<ObservationRecord> Records(const Database& db) {
  return {db.Records.begin(), db.Records.begin() + db.RecordCount};
}

}  // namespace

class UndoAndRemovalTest : public QObject {
  Q_OBJECT

 private slots:
  void removedDrawingIsKeptAndComesBackWithUndo();
  void answeringNoRemovesNothing();
  void everyChangeIsAStepNamedInTheMenu_data();
  void everyChangeIsAStepNamedInTheMenu();
  void keysOfTheNewCommands();
};

void UndoAndRemovalTest::removedDrawingIsKeptAndComesBackWithUndo() {
  QTemporaryDir dir;
  const fs::path folder = dir.path().toStdString();
  MainFrame f(folder, Days(5));
  const std::vector<ObservationRecord> loaded = Records(f.Db);
  const std::string fileAsLoaded = FileBytes(folder / kDataFileName);
  f.Window.RecordList()->ShowRecord(2);

  // Delete in the list asks, naming the date and the observer.
  f.Msg.Choices = {true};
  QTest::keyClick(f.Window.RecordList()->List(), Qt::Key_Delete);
  QCOMPARE(f.Msg.Questions.size(), 1);
  QVERIFY(f.Msg.Questions[0].contains("02.01.2020"));
  QVERIFY(f.Msg.Questions[0].contains(QString::fromUtf8("Černý")));
  QCOMPARE(f.Db.RecordCount, 4);
  QCOMPARE(FileBytes(folder / kRemovedFileName),
           std::string(reinterpret_cast<const char*>(loaded[1].Bytes.data()), kRecordSize));
  QCOMPARE(f.Window.Action("zpet")->text(), QString::fromUtf8("Zpět: odstranění 02.01.2020"));
  QVERIFY(f.Window.Action("zpet")->isEnabled());

  f.Window.Action("zpet")->trigger();
  QCOMPARE(Records(f.Db), loaded);
  QCOMPARE(f.Db.CurrentIndex, 2);
  QCOMPARE(f.Db.WorkRecord, loaded[1]);
  QVERIFY(
      f.Window.RecordList()->List()->currentItem()->text().contains(QString::fromUtf8("Černý")));
  QVERIFY(!f.Window.Action("zpet")->isEnabled());
  QCOMPARE(f.Window.Action("znovu")->text(), QString::fromUtf8("Znovu: odstranění 02.01.2020"));
  // The data file is written when the user saves, not by undo.
  QCOMPARE(FileBytes(folder / kDataFileName), fileAsLoaded);

  f.Window.Action("znovu")->trigger();
  QCOMPARE(f.Db.RecordCount, 4);
  QCOMPARE(f.Db.Record(2), loaded[2]);
}

void UndoAndRemovalTest::answeringNoRemovesNothing() {
  QTemporaryDir dir;
  const fs::path folder = dir.path().toStdString();
  MainFrame f(folder, Days(3));
  const std::vector<ObservationRecord> loaded = Records(f.Db);
  f.Msg.Choices = {false};
  f.Window.Action("odstranit")->trigger();
  QCOMPARE(f.Msg.Questions.size(), 1);
  QCOMPARE(Records(f.Db), loaded);
  QVERIFY(!fs::exists(folder / kRemovedFileName));
  QVERIFY(!f.Window.Action("zpet")->isEnabled());
}

void UndoAndRemovalTest::everyChangeIsAStepNamedInTheMenu_data() {
  QTest::addColumn<QString>("change");
  QTest::addColumn<QString>("undoText");
  QTest::newRow("recompute") << "recompute" << QString::fromUtf8("Zpět: přepočet výsledků");
  QTest::newRow("removal") << "removal" << QString::fromUtf8("Zpět: odstranění 03.01.2020");
}

void UndoAndRemovalTest::everyChangeIsAStepNamedInTheMenu() {
  QFETCH(QString, change);
  QFETCH(QString, undoText);
  QTemporaryDir dir;
  MainFrame f(dir.path().toStdString(), Days(4));
  const std::vector<ObservationRecord> loaded = Records(f.Db);
  if (change == "recompute") {
    f.Window.Drawing()->RecomputeAll(false);
  } else {
    f.Window.RecordList()->ShowRecord(3);
    f.Msg.Choices = {true};
    f.Window.Action("odstranit")->trigger();
  }
  QVERIFY(Records(f.Db) != loaded);
  QCOMPARE(f.Window.Action("zpet")->text(), undoText);
  f.Window.Action("zpet")->trigger();
  QCOMPARE(Records(f.Db), loaded);
  QCOMPARE(f.Window.Action("zpet")->text(), QString::fromUtf8("Zpět"));
}

void UndoAndRemovalTest::keysOfTheNewCommands() {
  QTemporaryDir dir;
  MainFrame f(dir.path().toStdString(), Days(2));
  QCOMPARE(f.Window.Action("zpet")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
  QCOMPARE(f.Window.Action("znovu")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Y));
  QCOMPARE(f.Window.Action("skok")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_G));
  // Ctrl+G puts the keys into the date field of the list.
  f.Window.show();
  QVERIFY(QTest::qWaitForWindowActive(&f.Window));
  f.Window.Action("skok")->trigger();
  QVERIFY(f.Window.RecordList()->DateField()->hasFocus());
}

QTEST_MAIN(UndoAndRemovalTest)
#include "undo_and_removal_test.moc"
