// SPDX-License-Identifier: GPL-3.0-or-later
// The program beside another writer of the same data folder: it holds the folder's lock for its
// run, leaves another writer's temporary files alone, and never saves over a data file that
// another program saved since the load without asking.
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <vector>

#include "core/data/data_file.h"
#include "core/data/folder_lock.h"
#include "core/data/record_file.h"
#include "support/main_frame.h"
#include "ui/shell/data_saving.h"

namespace fs = std::filesystem;
using namespace ardeno;
using namespace ardeno::test;

namespace {

std::vector<ObservationRecord> Days(int count) {
  std::vector<ObservationRecord> records(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    records[static_cast<std::size_t>(i)].SetDate(FormatDate({2020, 1, i + 1}));
    records[static_cast<std::size_t>(i)].SetTimeUT(900);
  }
  records[0].SetRadiusWord(125);
  return records;
}

std::uintmax_t RecordsIn(const fs::path& dir) {
  return fs::file_size(dir / kDataFileName) / kRecordSize;
}

}  // namespace

class DataSavingTest : public QObject {
  Q_OBJECT

 private slots:
  void saveOverAFileSavedMeanwhileAsksFirst_data();
  void saveOverAFileSavedMeanwhileAsksFirst();
  void theRunningProgramHoldsTheFolder();
  void aFolderHeldAtStartIsSavedOnlyAfterItsHolderEnds();
};

void DataSavingTest::saveOverAFileSavedMeanwhileAsksFirst_data() {
  QTest::addColumn<bool>("overwrite");
  QTest::addColumn<int>("recordsAfter");
  QTest::newRow("Ne keeps the other program's records") << false << 8;
  QTest::newRow("OK writes this program's data") << true << 3;
}

void DataSavingTest::saveOverAFileSavedMeanwhileAsksFirst() {
  QFETCH(bool, overwrite);
  QFETCH(int, recordsAfter);
  QTemporaryDir dir;
  const fs::path folder = dir.path().toStdString();
  MainFrame f(folder, Days(3));
  // Another program (one that takes no lock) saved 8 drawings meanwhile.
  QVERIFY(!WriteRecordFile(folder / kDataFileName, Days(8)));
  f.Msg.Choices.push_back(overwrite);
  const Refusal result = SaveDataAsked(f.Ctx);
  QCOMPARE(f.Msg.Questions.size(), 1);
  QVERIFY(f.Msg.Questions[0].contains(QStringLiteral("nyní 8 zákresů, při načtení 3")));
  QCOMPARE(Succeeded(result), overwrite);
  QCOMPARE(RecordsIn(folder), static_cast<std::uintmax_t>(recordsAfter));
  // Once decided, the next save does not ask again.
  if (overwrite) {
    QVERIFY(Succeeded(SaveDataAsked(f.Ctx)));
    QCOMPARE(f.Msg.Questions.size(), 1);
  }
}

void DataSavingTest::theRunningProgramHoldsTheFolder() {
  QTemporaryDir dir;
  const fs::path folder = dir.path().toStdString();
  MainFrame f(folder, Days(3));
  QVERIFY(f.Ctx.DataLock.Held());
  const FolderLockAttempt other =
      LockDataFolder(folder, "ardeno-cli import-groups", std::chrono::milliseconds(0));
  QVERIFY(other.Refused);
  QVERIFY(other.Refused->find("právě mění Ardeno (proces") != std::string::npos);
}

void DataSavingTest::aFolderHeldAtStartIsSavedOnlyAfterItsHolderEnds() {
  QTemporaryDir dir;
  const fs::path folder = dir.path().toStdString();
  WriteDataFile(folder, Days(3));
  WriteRecordFile(folder / "datax.dat.777-1.tmp", Days(4));  // the holder's save in progress
  FolderLockAttempt holder = LockDataFolder(folder, "ardeno-cli merge");
  QVERIFY(holder.Lock.Held());
  MainFrame f(folder);
  QVERIFY(!f.Ctx.DataLock.Held());
  QVERIFY(f.Msg.ShownMessages.join('\n').contains(QStringLiteral("právě mění ardeno-cli merge")));
  QVERIFY(fs::exists(folder / "datax.dat.777-1.tmp"));

  const Refusal whileHeld = SaveDataAsked(f.Ctx);
  QVERIFY(whileHeld);
  QVERIFY(whileHeld->find("ardeno-cli merge") != std::string::npos);

  holder.Lock.Release();
  QVERIFY(Succeeded(SaveDataAsked(f.Ctx)));
  QVERIFY(f.Ctx.DataLock.Held());
  QCOMPARE(RecordsIn(folder), static_cast<std::uintmax_t>(3));
}

QTEST_MAIN(DataSavingTest)
#include "data_saving_test.moc"
