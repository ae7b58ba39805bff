// SPDX-License-Identifier: GPL-3.0-or-later
// The group statistics views of the results window: each opens from its button with its caption
// and shows core's grid; the text files are written only after "yes"; the east-west filter of the
// main window's combo box; the map data printed into a PDF; the grids follow a stored record.
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <filesystem>
#include <utility>

#include "core/data/data_file.h"
#include "core/groups/asymmetry_grid.h"
#include "core/groups/group_records.h"
#include "core/groups/map_data.h"
#include "core/groups/rotation_evolution.h"
#include "core/solar/day_results.h"
#include "support/main_frame.h"
#include "support/scripted_messages.h"
#include "ui/results/group_grid_view.h"
#include "ui/results/print_panel.h"
#include "ui/results/results_window.h"
#include "ui/shell/main_window.h"
#include "ui/shell/toolbar_panels.h"

namespace fs = std::filesystem;
using namespace ardeno;

namespace {

// The program on the records with the results window open.
struct Frame : test::MainFrame {
  Frame(const fs::path& dir, const std::vector<ObservationRecord>& records)
      : MainFrame(dir, records) {
    Button("vysledekz")->click();
  }
  ResultsWindow* Results() { return Window.Results(); }
  GroupGridView* View_() { return qobject_cast<GroupGridView*>(Results()->CurrentView()); }
};

QString FileText(const fs::path& file) {
  QFile f(QString::fromStdString(file.string()));
  return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()) : QString();
}

}  // namespace

class GroupViewsTest : public QObject {
  Q_OBJECT
 private slots:
  void init() { QVERIFY(m_dir.isValid()); }
  void EachViewOpensWithItsCaptionAndAGrid_data();
  void EachViewOpensWithItsCaptionAndAGrid();
  void AsymmetryGridAndFileFollowTheYesAnswer();
  void PositionsFollowTheTypeFilterAndSaveTheirFile();
  void MapDataPrintsIntoAPdf();
  void GridsFollowAStoredRecord();
  void EvolutionFollowsTheRotationArrows();
  void PositionMenusAsymmetryMenuAndTypeFilterOpenTheirViews();

 private:
  QTemporaryDir m_dir;
};

void GroupViewsTest::EachViewOpensWithItsCaptionAndAGrid_data() {
  QTest::addColumn<QString>("button");
  QTest::addColumn<int>("mode");
  QTest::addColumn<int>("variant");
  QTest::addColumn<QString>("caption");
  QTest::addColumn<int>("rows");  // model rows (grid rows below the header)
  QTest::newRow("vyvojskup") << "vyvojskup" << 3 << 0 << "Výsledky    vývoj skupin" << 70;
  QTest::newRow("vyskytskup") << "vyskytskup" << 7 << 0 << "Výsledky    velikost skupin" << 61;
  QTest::newRow("promapovy") << "promapovy" << 8 << 0 << "Výsledky    údaje pro mapu" << -1;
  QTest::newRow("velikost") << "velikost" << 10 << 0 << "Výsledky    velikost skupin" << 50;
  QTest::newRow("asme") << "asme" << 12 << 0 << "Výsledky    Data asymetrie   " << 3;
  QTest::newRow("asro") << "asro" << 12 << 1 << "Výsledky    Data asymetrie   " << 1;
  const QString positions =
      "Výsledky    polohy skupin podle sluneční délky od centrálního meridiánu - ";
  QTest::newRow("polohy") << "polohy" << 13 << 0 << positions + "denní" << 45;
  QTest::newRow("polohym") << "polohym" << 13 << 1 << positions + "měsíční" << 3;
  QTest::newRow("polohyr") << "polohyr" << 13 << 2 << positions + "roční" << 1;
}

void GroupViewsTest::EachViewOpensWithItsCaptionAndAGrid() {
  QFETCH(QString, button);
  QFETCH(int, mode);
  QFETCH(int, variant);
  QFETCH(QString, caption);
  QFETCH(int, rows);
  Frame f(m_dir.path().toStdString(), test::TwoGroupsEveryOtherDay(90));
  QToolButton* b = f.Button(qPrintable(button));
  QVERIFY(b->isEnabled());
  b->click();
  QCOMPARE(f.Results()->ResultsMode(), mode);
  QCOMPARE(f.Results()->Variant(), variant);
  QCOMPARE(f.Results()->windowTitle(), caption);
  GroupGridView* view = f.View_();
  QVERIFY(view != nullptr);
  if (rows < 0) rows = f.Ctx.Groups.All(f.Db).Rotations.RotationStatsCount();
  QCOMPARE(view->Table()->model()->rowCount(), rows);
  QVERIFY(f.Msg.ShownMessages.isEmpty());
}

void GroupViewsTest::AsymmetryGridAndFileFollowTheYesAnswer() {
  Frame f(m_dir.path().toStdString(), test::TwoGroupsEveryOtherDay(90));
  f.Button("asme")->click();
  const TextGrid expected = AsymmetryGrid(ComputeAsymmetry(f.Db), AsymmetryPeriod::Monthly);
  QAbstractItemModel* model = f.View_()->Table()->model();
  QCOMPARE(model->index(0, 0).data().toString(), QString::fromStdString(expected.Cell(1, 0)));
  QCOMPARE(model->index(0, 1).data().toString(), QString::fromStdString(expected.Cell(1, 1)));
  QCOMPARE(model->index(0, 1).data().toString(), QString("0.0"));   // g: one north, one south
  QVERIFY(model->index(0, 3).data().toString() != QString("0.0"));  // f: 6 north, 1 south
  const fs::path file = fs::path(m_dir.path().toStdString()) / "Polohy-skupin" / "asimemes.dat";
  f.Msg.Choices = {false};
  f.Button("AsinTXT")->click();
  QCOMPARE(f.Msg.Questions, QStringList{"Uložení dat asimetrie do textového souboru ?"});
  QVERIFY(!fs::exists(file));
  f.Msg.Choices = {true};
  f.Button("AsinTXT")->click();
  QVERIFY(fs::exists(file));
  QVERIFY(FileText(file).startsWith(" 03 . 2014"));
}

void GroupViewsTest::PositionsFollowTheTypeFilterAndSaveTheirFile() {
  Frame f(m_dir.path().toStdString(), test::TwoGroupsEveryOtherDay(90));
  f.Button("polohyr")->click();
  auto sum = [&](int from) {
    QAbstractItemModel* model = f.View_()->Table()->model();
    int total = 0;
    for (int c = from; c < from + 6; ++c) total += model->index(0, c).data().toInt();
    return total;
  };
  QCOMPARE(sum(1), 90);  // 45 drawings with two groups, none exactly on the meridian
  auto* combo = f.Window.Toolbar()->Panel("provysledky")->findChild<QComboBox*>("ComboBox1");
  QVERIFY(combo != nullptr);
  QCOMPARE(combo->currentText(), QString("vše"));
  combo->setCurrentText("D");
  QCOMPARE(f.View.EastWestFilter, QString("D"));
  QCOMPARE(f.Results()->ResultsMode(), 13);
  QCOMPARE(sum(1), 45);
  QCOMPARE(sum(8), 45 * 6);
  combo->setCurrentText("h");
  QCOMPARE(sum(1), 0);
  f.Msg.Choices = {true};
  f.Button("zapidosoudorutxt")->click();
  const fs::path file = fs::path(m_dir.path().toStdString()) / "Polohy-skupin" / "polohyrocni.dat";
  QVERIFY(FileText(file).contains("     Datum\r\n      2014     0     0     0     0     0     0|"));
}

void GroupViewsTest::MapDataPrintsIntoAPdf() {
  Frame f(m_dir.path().toStdString(), test::TwoGroupsEveryOtherDay(90));
  f.Button("promapovy")->click();
  f.Results()->MenuAction("tiskvysl")->trigger();
  PrintPanel* panel = f.Results()->Printing();
  QVERIFY(!panel->isHidden());
  QCOMPARE(panel->CountText(),
           QString::fromStdString(MapDataCountLabel(f.Ctx.Groups.All(f.Db).Rotations)));
  const QString pdf = m_dir.filePath("mapa.pdf");
  f.Dialogs.PrintFiles = {pdf};
  panel->ChooseType(PrintType::AllRows);
  panel->PrintButton()->click();
  QVERIFY(QFile(pdf).size() > 1000);
}

void GroupViewsTest::GridsFollowAStoredRecord() {
  Frame f(m_dir.path().toStdString(), test::TwoGroupsEveryOtherDay(90));
  f.Button("vyskytskup")->click();
  QAbstractItemModel* model = f.View_()->Table()->model();
  const int dsoRow = 25 - 1;  // Dso is class 25
  QCOMPARE(model->index(dsoRow, 0).data().toString(), QString("Dso"));
  QCOMPARE(model->index(dsoRow, 1).data().toString(), QString("45"));
  f.Db.Record(f.Db.RecordCount + 1) = test::Drawing("30.06.2014", {{0, 10.0, "Dso", 1}});
  ++f.Db.RecordCount;
  f.Ctx.Events.NotifyRecordsChanged();
  QCOMPARE(model->index(dsoRow, 1).data().toString(), QString("46"));
}

// The spin box's arrows (and the keys that step it) show the next rotation at once.
void GroupViewsTest::EvolutionFollowsTheRotationArrows() {
  Frame f(m_dir.path().toStdString(), test::TwoGroupsEveryOtherDay(90));
  f.Button("vyvojskup")->click();
  GroupGridView* view = f.View_();
  auto* spin = view->findChild<QSpinBox*>("SpinEdit1");
  QVERIFY(spin != nullptr);
  const auto expected = [&f](int rotation) {
    return ComputeRotationEvolution(f.Db, f.Ctx.Groups.All(f.Db).Positions, rotation).Grid.Rows;
  };
  const int first = f.Db.Record(1).Rotation();
  spin->setValue(first);
  QCOMPARE(view->Grid().Rows, expected(first));
  spin->stepUp();
  QCOMPARE(spin->value(), first + 1);
  QCOMPARE(view->Grid().Rows, expected(first + 1));
  QVERIFY(view->Grid().Rows != expected(first));
  QTest::keyClick(spin, Qt::Key_Down);
  QCOMPARE(view->Grid().Rows, expected(first));
}

// The window's menu has the monthly and yearly positions; "Data asymetrie" opens the period the
// panel chose last; a new group type opens the positions from any other view.
void GroupViewsTest::PositionMenusAsymmetryMenuAndTypeFilterOpenTheirViews() {
  Frame f(m_dir.path().toStdString(), test::TwoGroupsEveryOtherDay(90));
  ResultsWindow* results = f.Results();
  for (const auto& [menu, variant] : {std::pair{"Polohym", 1}, std::pair{"Polohyr", 2}}) {
    QAction* action = results->MenuAction(menu);
    QVERIFY2(action != nullptr, menu);
    action->trigger();
    QCOMPARE(results->ResultsMode(), 13);
    QCOMPARE(results->Variant(), variant);
  }
  f.Button("asro")->click();
  QCOMPARE(results->Variant(), 1);
  f.Button("velikost")->click();
  results->MenuAction("dataasim")->trigger();
  QCOMPARE(results->ResultsMode(), 12);
  QCOMPARE(results->Variant(), 1);
  QCOMPARE(f.View_()->Table()->model()->rowCount(), 1);  // one year
  f.Button("asme")->click();
  f.Button("velikost")->click();
  results->MenuAction("dataasim")->trigger();
  QCOMPARE(results->Variant(), 0);

  f.Button("velikost")->click();
  auto* combo = f.Window.Toolbar()->Panel("provysledky")->findChild<QComboBox*>("ComboBox1");
  combo->setCurrentText("D");
  QCOMPARE(results->ResultsMode(), 13);
  QCOMPARE(results->Variant(), 0);
  QVERIFY(f.Msg.ShownMessages.isEmpty());
}

QTEST_MAIN(GroupViewsTest)
#include "group_views_test.moc"
