// SPDX-License-Identifier: GPL-3.0-or-later
// A drawing typed into the record editor of the running program: stored, chosen in the list,
// painted, saved, and found byte for byte with its results after the next start.
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

#include "core/data/data_file.h"
#include "core/entry/cell_numbers.h"
#include "core/entry/editor_texts.h"
#include "core/entry/record_display.h"
#include "core/solar/ephemeris.h"
#include "core/text/dates.h"
#include "sample/sample_database.h"
#include "support/app_run.h"
#include "support/scripted_messages.h"
#include "ui/drawing/drawing_window.h"
#include "ui/entry/record_editor.h"
#include "ui/entry/record_list_window.h"
#include "ui/shell/main_window.h"

namespace fs = std::filesystem;
using namespace ardeno;
using namespace ardeno::test;

namespace {

constexpr QSize kScreen(1600, 1000);

using Run = AppRun;

// Runs `fill` on the record editor as soon as it is open modally.
void WhenEditorOpens(const std::function<void(RecordEditor&)>& fill) {
  auto* timer = new QTimer;
  timer->setInterval(10);
  QObject::connect(timer, &QTimer::timeout, [timer, fill] {
    auto* editor = qobject_cast<RecordEditor*>(QApplication::activeModalWidget());
    if (editor == nullptr) return;
    timer->stop();
    timer->deleteLater();
    fill(*editor);
  });
  timer->start();
}

void Type(RecordEditor& editor, const char* name, const QString& text) {
  auto* edit = editor.findChild<QLineEdit*>(name);
  QVERIFY(edit != nullptr);
  edit->selectAll();
  edit->del();
  edit->setCursorPosition(0);
  QTest::keyClicks(edit, edit->inputMask().isEmpty() ? text : QString(text).remove('.'));
}

void SetRow(QTableWidget* grid, int row, const QStringList& cells) {
  for (int c = 0; c < cells.size(); ++c) {
    auto* item = grid->item(row - 1, c);
    if (item == nullptr) {
      item = new QTableWidgetItem;
      grid->setItem(row - 1, c, item);
    }
    item->setText(cells[c]);
  }
}

std::string FileBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

}  // namespace

class RecordEditorEndToEndTest : public QObject {
  Q_OBJECT
 private slots:
  void typedDrawingIsStoredShownSavedAndReloaded() {
    QTemporaryDir dir;
    const fs::path folder = dir.path().toStdString();
    WriteSampleFolder(folder, 120, 11);

    ObservationRecord stored;
    std::string date;
    int countBefore = 0;
    {
      Run run(folder);
      MainWindow window(run.Ctx);
      QVERIFY(window.Start(kScreen));
      window.show();
      auto* drawing = window.findChild<DrawingWindow*>();
      auto* list = window.findChild<RecordListWindow*>();
      QVERIFY(drawing != nullptr && list != nullptr);
      countBefore = run.Db.RecordCount;
      const auto last = ParseDate(run.Db.Record(countBefore).Date());
      QVERIFY(last.has_value());
      date = FormatDate(DateFromSerial(DaySerial(*last) + 1));
      const QImage imageBefore = drawing->RenderImage(false);

      bool filled = false;
      WhenEditorOpens([&](RecordEditor& editor) {
        Type(editor, "MaskEdit1", QString::fromStdString(date));
        Type(editor, "Edit3", "845");
        Type(editor, "Edit4", "2");
        Type(editor, "Edit5", "3");
        Type(editor, "Edit6", "2");
        Type(editor, "Edit11", "3");
        Type(editor, "Edit12", "1");
        auto* groups = editor.findChild<QTableWidget*>("StringGrid1");
        auto* faculae = editor.findChild<QTableWidget*>("StringGrid2");
        // Rotation group numbers the sample's groups of the rotation do not use.
        SetRow(groups, 1, {"Dkc", "12", "3", "30,0", "62.5", "40", "2", "101", "67"});
        SetRow(groups, 2, {"hsx", "1", "0", "s", "", "5", "0", "102", "68"});
        SetRow(faculae, 1, {"80", "100", "95", "105", "110", "100"});
        // The third group is typed in l and b.
        editor.findChild<QPushButton*>("Helios")->click();
        SetRow(groups, 3, {"Cao", "4", "1", "", "", "200", "0", "103", "69"});
        const SolarEphemeris eph = Ephemeris(*ParseDate(date), 845);
        groups->item(2, 3)->setText(QString::number(std::fmod(eph.EphL0 + 20, 360.0), 'f', 1));
        groups->item(2, 4)->setText("-12.0");
        editor.findChild<QPushButton*>("ukoncit")->click();
        filled = true;
      });
      window.Action("novy")->trigger();
      QVERIFY(filled);
      QVERIFY2(run.Msg.ShownMessages.isEmpty(), qPrintable(run.Msg.ShownMessages.join('|')));

      QCOMPARE(run.Db.RecordCount, countBefore + 1);
      stored = run.Db.Record(run.Db.CurrentIndex);
      QCOMPARE(stored.Date(), date);
      QCOMPARE(stored.GroupCount(), 3);
      QCOMPARE(stored.FacularCount(), 1);
      QCOMPARE(stored.Angle10(2), kNorthMarkerAngle10);
      QCOMPARE(stored.ResultWord(kGroupsN) + stored.ResultWord(kGroupsS), 3);
      QCOMPARE(stored.ResultWord(kResultTime), 845);
      // The group typed in l and b shows them back.
      const EditorTexts asLongitudeLatitude =
          FillFromWorkRecord(stored, CoordinateMode::Heliographic, run.Db.DrawingRadius);
      const double typedL = std::fmod(Ephemeris(*ParseDate(date), 845).EphL0 + 20, 360.0);
      const double shownL = DecimalOrZero(asLongitudeLatitude.Groups[2][4]);
      QVERIFY2(qAbs(shownL - typedL) <= 0.15, qPrintable(QString::number(shownL)));
      QVERIFY(qAbs(DecimalOrZero(asLongitudeLatitude.Groups[2][5]) + 12.0) <= 0.1 + 1e-9);
      QVERIFY(window.Action("novy")->isEnabled());
      // Chosen in the list and shown in the drawing window.
      QVERIFY(list->List()->currentItem() != nullptr);
      // A list line starts with the record number.
      const QString line = list->List()->currentItem()->text();
      QCOMPARE(line.split(' ', Qt::SkipEmptyParts).value(0).toInt(), run.Db.CurrentIndex);
      // The drawing window measures the facular area of the record it shows into the database.
      ObservationRecord shown = run.Db.WorkRecord;
      shown.SetFaculaAreaText(stored.FaculaAreaText());
      QCOMPARE(shown, stored);
      QVERIFY(drawing->windowTitle().contains(QString::fromStdString(date)));
      QVERIFY(drawing->RenderImage(false) != imageBefore);

      window.Action("ulozitdat")->trigger();
      QVERIFY(window.close());
      // Every paint of the drawing window measures the facular area into the record, so the
      // record as saved is the one in the database after the window has closed.
      ObservationRecord saved = run.Db.Record(countBefore + 1);
      QVERIFY(!saved.FaculaAreaText().empty());
      saved.SetFaculaAreaText(stored.FaculaAreaText());
      QCOMPARE(saved.ResultsBlock(), stored.ResultsBlock());
      stored = run.Db.Record(countBefore + 1);
    }

    // The file holds the record byte for byte at its place in date order.
    const std::string bytes = FileBytes(folder / kDataFileName);
    QCOMPARE(bytes.size(), static_cast<std::size_t>(countBefore + 1) * kRecordSize);
    const std::string lastRecord =
        bytes.substr(static_cast<std::size_t>(countBefore) * kRecordSize);
    QVERIFY(std::equal(lastRecord.begin(), lastRecord.end(),
                       reinterpret_cast<const char*>(stored.Bytes.data())));

    Run again(folder);
    MainWindow window(again.Ctx);
    QVERIFY(window.Start(kScreen));
    QCOMPARE(again.Db.RecordCount, countBefore + 1);
    QCOMPARE(again.Db.Record(countBefore + 1), stored);
    QVERIFY(window.close());
  }
};

QTEST_MAIN(RecordEditorEndToEndTest)
#include "record_editor_end_to_end_test.moc"
