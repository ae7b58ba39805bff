// SPDX-License-Identifier: GPL-3.0-or-later
// "Nejistoty" in the results window: a month's drawing days, mean, scatter and standard error for
// the chosen hemisphere and index, the smoothed values with the months behind them, the CSV of
// the table shown, and the results panel that still fits the smallest screen with its button.
#include <QCheckBox>
#include <QComboBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <filesystem>
#include <fstream>

#include "core/data/record_fields.h"
#include "support/database_builders.h"
#include "support/main_frame.h"
#include "ui/results/results_window.h"
#include "ui/results/uncertainty_view.h"
#include "ui/shell/toolbar_buttons.h"
#include "ui/shell/toolbar_panels.h"

namespace fs = std::filesystem;
using namespace ardeno;

namespace {

// A drawing on `date` with north and south g, one spot per group: R = 11 g per hemisphere.
// March 2014: R north 11, 22, 33 and south 0, 11, 22, so the whole disk 11, 33, 55.
std::vector<ObservationRecord> Records() {
  return {test::HemisphereCountsRecord("03.03.2014", 1, 0),
          test::HemisphereCountsRecord("10.03.2014", 2, 1),
          test::HemisphereCountsRecord("17.03.2014", 3, 2)};
}

struct Frame : test::MainFrame {
  explicit Frame(const fs::path& dir) : MainFrame(dir, Records()) {
    Button("vysledekz")->click();
    Button("nejistotyv")->click();
  }
  UncertaintyView* View() {
    return qobject_cast<UncertaintyView*>(Window.Results()->CurrentView());
  }
  QString Line(std::size_t row) {
    QStringList cells;
    for (const std::string& cell : View()->Rows().at(row)) cells << QString::fromStdString(cell);
    return cells.join(';');
  }
};

}  // namespace

class UncertaintyViewTest : public QObject {
  Q_OBJECT
 private slots:
  void init() { QVERIFY(m_dir.isValid()); }
  void ShowsTheChosenHemisphereAndIndex_data();
  void ShowsTheChosenHemisphereAndIndex();
  void SmoothedValuesCarryTheirMonths();
  void CsvHoldsTheTableShown();
  void ResultsPanelFitsTheSmallestScreen();

 private:
  QTemporaryDir m_dir;
};

void UncertaintyViewTest::ShowsTheChosenHemisphereAndIndex_data() {
  QTest::addColumn<int>("hemisphere");
  QTest::addColumn<int>("index");
  QTest::addColumn<QString>("march");
  // σ of 11, 33, 55 is 22 and the error 22 / √3; north 11, 22, 33 gives 11 and 11 / √3.
  QTest::newRow("R whole disk") << 0 << 2 << "2014;3;3;3;33.00;22.00;12.70;*";
  QTest::newRow("R north") << 1 << 2 << "2014;3;3;3;22.00;11.00;6.35;*";
  QTest::newRow("R south") << 2 << 2 << "2014;3;3;3;11.00;11.00;6.35;*";
  QTest::newRow("g north") << 1 << 0 << "2014;3;3;3;2.00;1.00;0.58;*";
}

void UncertaintyViewTest::ShowsTheChosenHemisphereAndIndex() {
  QFETCH(int, hemisphere);
  QFETCH(int, index);
  QFETCH(QString, march);
  Frame f(m_dir.path().toStdString());
  QVERIFY(f.View() != nullptr);
  QCOMPARE(f.Window.Results()->windowTitle(), QString("Výsledky    nejistoty měsíčních hodnot"));
  f.View()->HemisphereBox()->setCurrentIndex(hemisphere);
  f.View()->IndexBox()->setCurrentIndex(index);
  QCOMPARE(f.Line(0), QString("rok;měsíc;dny;n;průměr;sigma;chyba;příznak"));
  QCOMPARE(f.View()->Rows().size(), std::size_t(2));
  QCOMPARE(f.Line(1), march);
  QCOMPARE(f.View()->Grid()->model()->rowCount(), 1);
}

void UncertaintyViewTest::SmoothedValuesCarryTheirMonths() {
  Frame f(m_dir.path().toStdString());
  f.View()->SmoothedBox()->setChecked(true);
  QCOMPARE(f.Line(0), QString("rok;měsíc;vyhlazená;měsíců;příznak"));
  QCOMPARE(f.Line(1).section(';', 0, 1), QString("2014;3"));
  // One month alone has no smoothed value, so neither months nor a flag.
  QCOMPARE(f.Line(1), QString("2014;3;;;"));
  // Unchecked again, the monthly table comes back.
  f.View()->SmoothedBox()->setChecked(false);
  QCOMPARE(f.Line(1), QString("2014;3;3;3;33.00;22.00;12.70;*"));
}

void UncertaintyViewTest::CsvHoldsTheTableShown() {
  Frame f(m_dir.path().toStdString());
  f.View()->HemisphereBox()->setCurrentIndex(1);
  f.Button("SpeedButton8")->click();
  const fs::path file = m_dir.path().toStdString() + "/CSVsoubory/Nejistoty_r_sever.csv";
  std::ifstream in(file, std::ios::binary);
  const std::string text{std::istreambuf_iterator<char>(in), {}};
  QCOMPARE(
      QString::fromStdString(text),
      QString("rok;měsíc;dny;n;průměr;sigma;chyba;příznak\r\n2014;3;3;3;22.00;11.00;6.35;*\r\n"));
  QVERIFY(f.Msg.ShownMessages.last().contains("CSVsoubory/Nejistoty_r_sever.csv"));
}

void UncertaintyViewTest::ResultsPanelFitsTheSmallestScreen() {
  Frame f(m_dir.path().toStdString());
  QWidget* panel = f.Window.Toolbar()->Panel(kResultsPanel);
  QVERIFY2(panel->minimumSizeHint().width() <= 1024,
           qPrintable(QString::number(panel->minimumSizeHint().width())));
}

QTEST_MAIN(UncertaintyViewTest)
#include "uncertainty_view_test.moc"
