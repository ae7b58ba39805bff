// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up and shutdown of the main frame on real folders: the coordinate-mode question of a new
// installation, the settings word of record 1, the caption, and what closing writes.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/data/data_file.h"
#include "core/data/database.h"
#include "core/text/dates.h"
#include "support/app_run.h"
#include "support/scripted_messages.h"
#include "ui/entry/coordinate_mode_window.h"
#include "ui/shell/main_window.h"

namespace fs = std::filesystem;
using namespace ardeno;
using namespace ardeno::test;

namespace {

constexpr QSize kScreen(1600, 1000);

using Run = AppRun;

void WriteRecords(const fs::path& dir, const std::vector<ObservationRecord>& records) {
  std::ofstream out(dir / kDataFileName, std::ios::binary);
  for (const ObservationRecord& r : records) {
    out.write(reinterpret_cast<const char*>(r.Bytes.data()),
              static_cast<std::streamsize>(r.Bytes.size()));
  }
}

ObservationRecord RecordOn(const char* date, std::uint16_t radiusWord) {
  ObservationRecord r;
  r.SetDate(date);
  r.SetTimeUT(930);
  r.SetRadiusWord(radiusWord);
  return r;
}

std::string FileBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// Answers every coordinate-mode window that opens with `choice` and counts them.
class CoordinateModeAnswerer : public QObject {
 public:
  explicit CoordinateModeAnswerer(bool heliographic, QString radius = "125")
      : m_heliographic(heliographic), m_radius(std::move(radius)) {
    m_timer.setInterval(5);
    connect(&m_timer, &QTimer::timeout, this, [this] { Answer(); });
    m_timer.start();
  }
  int Asked = 0;

 private:
  void Answer() {
    auto* window = qobject_cast<CoordinateModeWindow*>(QApplication::activeModalWidget());
    if (window == nullptr || window == m_last) return;
    m_last = window;
    ++Asked;
    (m_heliographic ? window->HeliographicItem() : window->PolarItem())->click();
    window->RadiusEdit()->setText(m_radius);
    window->ConfirmButton()->click();
  }
  bool m_heliographic;
  QString m_radius;
  QTimer m_timer;
  QObject* m_last = nullptr;
};

}  // namespace

class ShellStartupTest : public QObject {
  Q_OBJECT
 private slots:
  void NewInstallationAsksModeOnceAndHasNoObservation();
  void RecordOneSettingsGiveModeAndCaption_data();
  void RecordOneSettingsGiveModeAndCaption();
  void ClosingWithoutChangesAsksAndWritesNothing();
  void ClosingAfterChangeAsksBackupAndSavesEvenOnNo();
  void BackupAnsweredYesKeepsTheDataAsLoaded();
  void NarrowScreenIsRefused();
  void DamageIsToldAtStartAndNothingIsLost_data();
  void DamageIsToldAtStartAndNothingIsLost();
};

void ShellStartupTest::NewInstallationAsksModeOnceAndHasNoObservation() {
  QTemporaryDir dir;
  Run run(dir.path().toStdString());
  CoordinateModeAnswerer answerer(false, "100");
  MainWindow window(run.Ctx);
  QVERIFY(window.Start(kScreen));
  QCOMPARE(answerer.Asked, 1);
  // The settings record is dated today but is no observation.
  QCOMPARE(run.Db.RecordCount, 0);
  QCOMPARE(QString::fromStdString(run.Db.Record(1).Date()),
           QString::fromStdString(FormatDate(Today())));
  QCOMPARE(run.Db.Mode, CoordinateMode::Polar);
  QCOMPARE(run.Db.DrawingRadius, 100.0f);
  QCOMPARE(run.Db.Record(1).RadiusWord(), std::uint16_t(100));
  QVERIFY(window.windowTitle().endsWith(" 200 mm)"));
  QVERIFY(run.Msg.Shown.isEmpty());
  QVERIFY(window.close());
  QCOMPARE(answerer.Asked, 1);
}

void ShellStartupTest::RecordOneSettingsGiveModeAndCaption_data() {
  QTest::addColumn<int>("radiusWord");
  QTest::addColumn<int>("mode");
  QTest::addColumn<float>("radius");
  QTest::addColumn<QString>("captionEnd");
  QTest::newRow("1125 heliographic") << 1125 << int(CoordinateMode::Heliographic) << 125.0f
                                     << QString(" Vizuálně   (Heliografické sou");
  QTest::newRow("125 polar") << 125 << int(CoordinateMode::Polar) << 125.0f
                             << QString("  (průměr zákresu  250 mm)");
}

void ShellStartupTest::RecordOneSettingsGiveModeAndCaption() {
  QFETCH(int, radiusWord);
  QFETCH(int, mode);
  QFETCH(float, radius);
  QFETCH(QString, captionEnd);
  QTemporaryDir dir;
  const fs::path folder = dir.path().toStdString();
  WriteRecords(folder, {RecordOn("02.01.2020", static_cast<std::uint16_t>(radiusWord)),
                        RecordOn("03.01.2020", 0)});
  Run run(folder);
  CoordinateModeAnswerer answerer(false);
  MainWindow window(run.Ctx);
  QVERIFY(window.Start(kScreen));
  QCOMPARE(answerer.Asked, 0);
  QCOMPARE(int(run.Db.Mode), mode);
  QCOMPARE(run.Db.DrawingRadius, radius);
  QCOMPARE(run.Db.Record(1).RadiusWord(), std::uint16_t(radiusWord));
  QVERIFY2(window.windowTitle().endsWith(captionEnd), qPrintable(window.windowTitle()));
  QVERIFY(window.close());
}

void ShellStartupTest::ClosingWithoutChangesAsksAndWritesNothing() {
  QTemporaryDir dir;
  const fs::path folder = dir.path().toStdString();
  WriteRecords(folder, {RecordOn("02.01.2020", 125)});
  const std::string before = FileBytes(folder / kDataFileName);
  const auto writtenAt = fs::last_write_time(folder / kDataFileName);
  {
    Run run(folder);
    MainWindow window(run.Ctx);
    QVERIFY(window.Start(kScreen));
    QVERIFY(window.close());
    QVERIFY(run.Msg.Shown.isEmpty());
  }
  QCOMPARE(FileBytes(folder / kDataFileName), before);
  QVERIFY(fs::last_write_time(folder / kDataFileName) == writtenAt);
  QVERIFY(!fs::exists(folder / kBackupFileName));

  // A new installation closed untouched leaves no data file behind either.
  QTemporaryDir fresh;
  const fs::path freshFolder = fresh.path().toStdString();
  Run run(freshFolder);
  CoordinateModeAnswerer answerer(true);
  MainWindow window(run.Ctx);
  QVERIFY(window.Start(kScreen));
  QVERIFY(window.close());
  QVERIFY(!fs::exists(freshFolder / kDataFileName));
}

void ShellStartupTest::ClosingAfterChangeAsksBackupAndSavesEvenOnNo() {
  QTemporaryDir dir;
  const fs::path folder = dir.path().toStdString();
  WriteRecords(folder, {RecordOn("02.01.2020", 1125)});
  Run run(folder);
  MainWindow window(run.Ctx);
  QVERIFY(window.Start(kScreen));
  run.Db.Record(1).SetTimeUT(1015);
  run.Db.DataChanged = true;
  run.Msg.Choices = {false};
  QVERIFY(window.close());
  QCOMPARE(run.Msg.Questions,
           QStringList{"Před uložením změn zapsat zálohu datax-zaloha.dat: data, jak byla načtena "
                       "při spuštění, bez změn z této práce?"});
  QVERIFY(!fs::exists(folder / kBackupFileName));
  const std::string saved = FileBytes(folder / kDataFileName);
  QCOMPARE(saved.size(), std::size_t(kRecordSize));
  ObservationRecord reread;
  std::copy(saved.begin(), saved.end(), reread.Bytes.begin());
  QCOMPARE(reread.TimeUT(), std::uint16_t(1015));
  QCOMPARE(reread.RadiusWord(), std::uint16_t(1125));
}

void ShellStartupTest::BackupAnsweredYesKeepsTheDataAsLoaded() {
  QTemporaryDir dir;
  const fs::path folder = dir.path().toStdString();
  WriteRecords(folder, {RecordOn("02.01.2020", 125)});
  const std::string loaded = FileBytes(folder / kDataFileName);
  Run run(folder);
  MainWindow window(run.Ctx);
  QVERIFY(window.Start(kScreen));
  run.Db.Record(1).SetTimeUT(1015);
  run.Db.DataChanged = true;
  run.Msg.Choices = {true};
  QVERIFY(window.close());
  QCOMPARE(FileBytes(folder / kBackupFileName), loaded);
  QVERIFY(FileBytes(folder / kDataFileName) != loaded);
}

void ShellStartupTest::NarrowScreenIsRefused() {
  QTemporaryDir dir;
  const fs::path folder = dir.path().toStdString();
  WriteRecords(folder, {RecordOn("02.01.2020", 125)});
  Run run(folder);
  MainWindow window(run.Ctx);
  window.show();
  QVERIFY(!window.Start(QSize(1000, 740)));
  QCOMPARE(run.Msg.ShownMessages, QStringList{"Program je určen pro rozlišení 1024x768 a větší"});
  QVERIFY(!window.isVisible());
  QCOMPARE(run.Ctx.ScalePercent, 100);
}

void ShellStartupTest::DamageIsToldAtStartAndNothingIsLost_data() {
  const auto bytes = [](const std::vector<ObservationRecord>& records) {
    QByteArray all;
    for (const auto& r : records)
      all.append(reinterpret_cast<const char*>(r.Bytes.data()), kRecordSize);
    return all;
  };
  const QByteArray two = bytes({RecordOn("02.01.2020", 125), RecordOn("03.01.2020", 0)});
  QTest::addColumn<QByteArray>("contents");
  QTest::addColumn<bool>("readOnly");
  QTest::addColumn<QString>("told");
  QTest::addColumn<bool>("keptAndSaved");  // else the file must stay exactly as found
  QTest::newRow("interrupted copy")
      << two + QByteArray(100, 'x') << false << "uschován jako datax-puvodni.dat" << true;
  QTest::newRow("unreadable date")
      << bytes({RecordOn("02.01.2020", 125), RecordOn("3x.01.2020", 0), RecordOn("04.01.2020", 0)})
      << false << "„3x.01.2020“" << true;
  QTest::newRow("garbage") << QByteArray(3 * kRecordSize, '\xFF') << false
                           << "neobsahuje žádný čitelný zákres" << false;
  QTest::newRow("1000 bytes") << two.left(1000) << false << "neobsahuje žádný čitelný zákres"
                              << false;
  QTest::newRow("read-only file") << two << true << "jen pro čtení" << false;
}

void ShellStartupTest::DamageIsToldAtStartAndNothingIsLost() {
  QFETCH(QByteArray, contents);
  QFETCH(bool, readOnly);
  QFETCH(QString, told);
  QFETCH(bool, keptAndSaved);
  QTemporaryDir dir;
  const fs::path folder = dir.path().toStdString();
  {
    std::ofstream out(folder / kDataFileName, std::ios::binary);
    out.write(contents.constData(), contents.size());
  }
  if (readOnly) fs::permissions(folder / kDataFileName, fs::perms::owner_read);
  Run run(folder);
  CoordinateModeAnswerer answerer(false);
  MainWindow window(run.Ctx);
  QVERIFY(window.Start(kScreen));
  QCOMPARE(answerer.Asked, 0);
  QVERIFY2(run.Msg.ShownMessages.join("\n").contains(told),
           qPrintable(run.Msg.ShownMessages.join("\n")));
  // A refused file opens read-only on nothing: no drawing dated today to type into, and no
  // command that changes the records or writes the file.
  const bool refused = run.Db.LoadFailed;
  QCOMPARE(refused, !keptAndSaved && !readOnly);
  QCOMPARE(run.Db.WorkRecord.HasDate(), !refused);
  for (const char* name : {"novy", "zvlastni", "oprava", "zfota", "ulozitdat"}) {
    QVERIFY2(window.Action(name)->isEnabled() == !refused, name);
    if (refused) QVERIFY(window.Action(name)->toolTip().contains("Jen pro čtení"));
  }
  QCOMPARE(window.StatusPanel(0)->text() == "Jen pro čtení", refused);
  // The user works and closes: no backup, and quitting without saving when saving is refused.
  run.Db.DataChanged = true;
  run.Msg.Choices = {false, true};
  QVERIFY(window.close());
  const std::string found(contents.constData(), static_cast<std::size_t>(contents.size()));
  if (keptAndSaved) {
    QCOMPARE(FileBytes(folder / kIgnoredRecordsFileName), found);
  } else {
    QCOMPARE(FileBytes(folder / kDataFileName), found);
    QVERIFY(!fs::exists(folder / kIgnoredRecordsFileName));
  }
}

QTEST_MAIN(ShellStartupTest)
#include "shell_startup_test.moc"
