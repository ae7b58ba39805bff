// SPDX-License-Identifier: GPL-3.0-or-later
// "Jen vlastní zákresy": the measured table takes every record until the user switches it on,
// then it is the table of the station's drawings alone, the caption says so, the smoothed graphs
// follow, and the next start keeps the choice. The uncertainty view averages the own drawings
// unless asked otherwise and says which records it averaged.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>

#include "core/data/record_fields.h"
#include "core/results/measured_table.h"
#include "support/database_builders.h"
#include "support/main_frame.h"
#include "ui/graphs/smoothed_graphs_window.h"
#include "ui/results/monthly_table_view.h"
#include "ui/results/results_window.h"
#include "ui/results/uncertainty_view.h"
#include "ui/shell/user_settings.h"

namespace fs = std::filesystem;
using namespace ardeno;

namespace {

// Three drawings of March 2014 (R 11, 33, 55) and, when asked, a NOAA catalogue day of R 99.
std::vector<ObservationRecord> Records(bool withCatalogueDay) {
  std::vector<ObservationRecord> records = {test::HemisphereCountsRecord("03.03.2014", 1, 0),
                                            test::HemisphereCountsRecord("10.03.2014", 2, 1),
                                            test::HemisphereCountsRecord("17.03.2014", 3, 2)};
  if (withCatalogueDay) {
    ObservationRecord noaa = test::HemisphereCountsRecord("20.03.2014", 9, 0);
    noaa.SetObserver("NOAA");
    noaa.SetStation("NOAA SWPC");
    records.push_back(noaa);
  }
  return records;
}

struct Frame : test::MainFrame {
  Frame(const fs::path& dir, bool withCatalogueDay) : MainFrame(dir, Records(withCatalogueDay)) {
    Button("vysledekz")->click();
  }
  ResultsWindow* Results() { return Window.Results(); }
  MonthlyTableView* MeasuredTable() {
    Button("namercelek")->click();
    return qobject_cast<MonthlyTableView*>(Results()->CurrentView());
  }
  std::vector<std::string> MarchRow() {
    const MonthlyTable& table = MeasuredTable()->Table();
    return table.Rows.at(static_cast<std::size_t>(MonthlyTableRow(table, 2014, 3)));
  }
};

}  // namespace

class OwnDrawingsSwitchTest : public QObject {
  Q_OBJECT
 private slots:
  void init() { KeepOwnDrawingsOnly(false); }
  void cleanup() { KeepOwnDrawingsOnly(false); }

  void MeasuredTableLeavesTheCatalogueDayOutWhenSwitchedOn() {
    QTemporaryDir ownDir;
    QTemporaryDir mixedDir;
    Frame own(ownDir.path().toStdString(), false);
    const std::vector<std::string> ownMarch = own.MarchRow();
    Frame mixed(mixedDir.path().toStdString(), true);
    // Off by default: the catalogue day is in the month, as the tables always had it.
    QVERIFY(mixed.MarchRow() != ownMarch);
    QVERIFY(mixed.MeasuredTable()->RecordsLabel()->text().contains("katalogových"));
    QAction* ownOnly = mixed.Results()->MenuAction("jenvlastni");
    QVERIFY(ownOnly != nullptr && !ownOnly->isChecked());
    ownOnly->trigger();
    QVERIFY(mixed.MarchRow() == ownMarch);
    QVERIFY(mixed.Results()->windowTitle().endsWith(" - jen vlastní zákresy"));
    QVERIFY2(mixed.MeasuredTable()->RecordsLabel()->text().contains("vynechány: 1"),
             qPrintable(mixed.MeasuredTable()->RecordsLabel()->text()));
    ownOnly->trigger();
    QVERIFY(mixed.MarchRow() != ownMarch);
    QVERIFY(!mixed.Results()->windowTitle().contains("vlastní"));
  }

  void ChoiceIsKeptForTheNextStartAndFollowedByTheGraphs() {
    QTemporaryDir dir;
    {
      Frame first(dir.path().toStdString(), true);
      first.Window.Action("vyhlazovaci")->trigger();
      auto* graphs = first.Window.findChild<SmoothedGraphsWindow*>("TForm8");
      QVERIFY(graphs != nullptr);
      auto* graphsOwnOnly = graphs->findChild<QAction*>("jenvlastni");
      QVERIFY(graphsOwnOnly != nullptr && !graphsOwnOnly->isChecked());
      first.Results()->MenuAction("jenvlastni")->trigger();
      // The graphs take the same records and say so.
      QVERIFY(graphsOwnOnly->isChecked());
      QVERIFY(graphs->windowTitle().endsWith(" - jen vlastní zákresy"));
      QVERIFY(KeptOwnDrawingsOnly());
    }
    QTemporaryDir again;
    Frame second(again.path().toStdString(), true);
    QVERIFY(second.Results()->MenuAction("jenvlastni")->isChecked());
    QVERIFY(second.MeasuredTable()->RecordsLabel()->text().contains("vynechány: 1"));
  }

  void UncertaintyAveragesTheOwnDrawingsUnlessAsked() {
    QTemporaryDir dir;
    Frame f(dir.path().toStdString(), true);
    f.Button("nejistotyv")->click();
    auto* view = qobject_cast<UncertaintyView*>(f.Results()->CurrentView());
    QVERIFY(view != nullptr);
    QVERIFY(view->OwnDrawingsBox()->isChecked());
    // The drawings' R 11, 33, 55: n 3, mean 33.
    QCOMPARE(view->Rows().at(1).at(3), std::string("3"));
    QCOMPARE(view->Rows().at(1).at(4), std::string("33.00"));
    QVERIFY(view->RecordsLabel()->text().contains("vynechány: 1"));
    view->OwnDrawingsBox()->setChecked(false);
    QCOMPARE(view->Rows().at(1).at(3), std::string("4"));
    QCOMPARE(view->Rows().at(1).at(4), std::string("49.50"));
    QVERIFY(view->RecordsLabel()->text().contains("včetně katalogových"));
  }
};

QTEST_MAIN(OwnDrawingsSwitchTest)
#include "own_drawings_switch_test.moc"
