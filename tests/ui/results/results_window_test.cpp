// SPDX-License-Identifier: GPL-3.0-or-later
// The results window opened from the main window: every view from its button with its caption,
// views not built yet, the monthly tables with the print panel, printing into a PDF file, the CSV
// export and the calendar of days without activity.
#include <QAction>
#include <QImage>
#include <QLayout>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <filesystem>
#include <fstream>
#include <map>

#include "core/data/data_file.h"
#include "core/results/measured_table.h"
#include "support/database_builders.h"
#include "support/main_frame.h"
#include "support/scripted_messages.h"
#include "ui/drawing/drawing_window.h"
#include "ui/results/monthly_table_view.h"
#include "ui/results/print_panel.h"
#include "ui/results/quiet_calendar_painter.h"
#include "ui/results/quiet_days_view.h"
#include "ui/results/report_page_view.h"
#include "ui/results/results_window.h"
#include "ui/shell/main_window.h"
#include "ui/shell/toolbar_buttons.h"
#include "ui/shell/toolbar_panels.h"

namespace fs = std::filesystem;
using namespace ardeno;

namespace {

// A drawing on `date` with north and south g; R = 10 g + g.
// Two drawings a month from January 2000 to June 2002 (the 10th and the 20th); in 2001 the
// drawings of 20 March and 20 October show no activity.
std::vector<ObservationRecord> ThirtyMonths() {
  std::vector<ObservationRecord> records;
  for (int i = 0; i < 30; ++i) {
    const int year = 2000 + i / 12;
    const int month = i % 12 + 1;
    const QString m = QStringLiteral("%1.%2").arg(month, 2, 10, QChar('0')).arg(year);
    records.push_back(test::HemisphereCountsRecord(("10." + m).toStdString(), 1 + i % 3, 1));
    const bool quiet = year == 2001 && (month == 3 || month == 10);
    records.push_back(
        test::HemisphereCountsRecord(("20." + m).toStdString(), quiet ? 0 : 2, quiet ? 0 : 1));
  }
  return records;
}

// The program on the records with the results window open.
struct Frame : test::MainFrame {
  Frame(const fs::path& dir, const std::vector<ObservationRecord>& records)
      : MainFrame(dir, records) {
    Button("vysledekz")->click();
  }
  ResultsWindow* Results() { return Window.Results(); }
};

int PdfPageCount(const QString& file) {
  QFile pdf(file);
  if (!pdf.open(QIODevice::ReadOnly)) return -1;
  const QByteArray bytes = pdf.readAll();
  if (!bytes.startsWith("%PDF")) return -1;
  return static_cast<int>(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") +
                          bytes.count("/Type /Page "));
}

}  // namespace

class ResultsWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void init() { QVERIFY(m_dir.isValid()); }
  void EachViewOpensFromItsButton_data();
  void EachViewOpensFromItsButton();
  void ViewsNotBuiltYetAreDisabled();
  void OpensOnTheMeasuredTableAtTheMonthOfTheDrawing_data();
  void OpensOnTheMeasuredTableAtTheMonthOfTheDrawing();
  void EveryViewHasAMenuItemInAGroupAndAWholeNameHint();
  void CsvButtonMovesNoOtherButton();
  void OneResultsWindowAndClosingRestoresThePanel();
  void GridShowsTheTableOfCore();
  void SmoothedRefusalKeepsTheView();
  void PrintPanelNeedsAPrintTypeAndPrintsPages();
  void CsvButtonWritesTheShownTableAndHides();
  void CalendarMarksTheQuietDaysOfTheChosenYear();
  void ReportMonthPromptEndsOnCancel();
  void OwnReportKeysAndFiles();
  void SidcReportTakesTheStationCodeAndAsksOverwrite();
  void ReportsAndObserversPrintAndSave();

 private:
  QTemporaryDir m_dir;
};

void ResultsWindowTest::EachViewOpensFromItsButton_data() {
  QTest::addColumn<QString>("button");
  QTest::addColumn<int>("mode");
  QTest::addColumn<int>("variant");
  QTest::addColumn<QString>("caption");
  QTest::newRow("namercelek") << "namercelek" << 5 << 1
                              << "Výsledky    statistika - naměřené - celkový";
  QTest::newRow("namersever") << "namersever" << 5 << 2
                              << "Výsledky    statistika - naměřené - sever";
  QTest::newRow("namerjih") << "namerjih" << 5 << 3 << "Výsledky    statistika - naměřené - jih";
  QTest::newRow("vyhlcelek") << "vyhlcelek" << 6 << 1
                             << "Výsledky    statistika - vyhlazené - celkový";
  QTest::newRow("vyhlsever") << "vyhlsever" << 6 << 2
                             << "Výsledky    statistika - vyhlazené - sever";
  QTest::newRow("vyhljih") << "vyhljih" << 6 << 3 << "Výsledky    statistika - vyhlazené - jih";
  QTest::newRow("SpeedButton1") << "SpeedButton1" << 11 << 0 << "Výsledky    bez aktivity";
  QTest::newRow("vlastniv") << "vlastniv" << 1 << 0 << "Výsledky  Vlastni     v= větší  m= menší  ";
  QTest::newRow("oficialv") << "oficialv" << 2 << 0 << "Výsledky    oficiální";
  QTest::newRow("CVvysledky") << "CVvysledky" << 9 << 0 << "Výsledky    CV výsledky   3. 2001";
  QTest::newRow("pozorovatelv") << "pozorovatelv" << 4 << 0 << "Výsledky    pozorovatelé";
}

void ResultsWindowTest::EachViewOpensFromItsButton() {
  QFETCH(QString, button);
  QFETCH(int, mode);
  QFETCH(int, variant);
  QFETCH(QString, caption);
  Frame f(m_dir.path().toStdString(), ThirtyMonths());
  QVERIFY(f.Results() != nullptr);
  QCOMPARE(f.Window.Toolbar()->VisiblePanel(), QString("provysledky"));
  f.Msg.Values = {"3.2001"};  // the month of the reports
  QToolButton* b = f.Window.Toolbar()->Button(button);
  QVERIFY(b->isEnabled());
  b->click();
  QCOMPARE(f.Results()->ResultsMode(), mode);
  QCOMPARE(f.Results()->Variant(), variant);
  QCOMPARE(f.Results()->windowTitle(), caption);
  QVERIFY(f.Msg.ShownMessages.isEmpty());
}

void ResultsWindowTest::ViewsNotBuiltYetAreDisabled() {
  Frame f(m_dir.path().toStdString(), ThirtyMonths());
  for (const ResultsViewEntry& entry : ResultsViewTable()) {
    QToolButton* button = f.Button(entry.ButtonName);
    QVERIFY2(button != nullptr, entry.ButtonName);
    QCOMPARE(button->isEnabled(), entry.Factory != nullptr);
    if (entry.Factory == nullptr) QCOMPARE(button->toolTip(), ComingSoonHint());
    if (entry.MenuName[0] == '\0') continue;
    QAction* item = f.Results()->MenuAction(entry.MenuName);
    QVERIFY2(item != nullptr, entry.MenuName);
    QCOMPARE(item->isEnabled(), entry.Factory != nullptr);
  }
  // The menu opens the views too and ticks its item.
  f.Results()->MenuAction("severnam")->trigger();
  QCOMPARE(f.Results()->windowTitle(), QString("Výsledky    statistika - naměřené - sever"));
  QVERIFY(f.Results()->MenuAction("severnam")->isChecked());
}

void ResultsWindowTest::OpensOnTheMeasuredTableAtTheMonthOfTheDrawing_data() {
  QTest::addColumn<int>("record");
  QTest::addColumn<QString>("month");
  QTest::newRow("last drawing") << 60 << " 06.2002";
  QTest::newRow("first drawing") << 1 << " 01.2000";
  QTest::newRow("March 2001") << 29 << " 03.2001";
}

void ResultsWindowTest::OpensOnTheMeasuredTableAtTheMonthOfTheDrawing() {
  QFETCH(int, record);
  QFETCH(QString, month);
  test::MainFrame f(m_dir.path().toStdString(), ThirtyMonths());
  f.Window.Drawing()->ShowRecord(record);
  f.Button("vysledekz")->click();
  ResultsWindow* results = f.Window.Results();
  QCOMPARE(results->ResultsMode(), 5);
  QCOMPARE(results->Variant(), 1);
  QCOMPARE(results->windowTitle(), QString("Výsledky    statistika - naměřené - celkový"));
  QVERIFY(results->MenuAction("celkovynam")->isChecked());
  auto* view = qobject_cast<MonthlyTableView*>(results->CurrentView());
  QVERIFY(view != nullptr);
  const QModelIndex current = view->Grid()->currentIndex();
  QVERIFY(current.isValid());
  QCOMPARE(current.siblingAtColumn(0).data().toString(), month);
  QVERIFY(!current.siblingAtColumn(1).data().toString().trimmed().isEmpty());
}

void ResultsWindowTest::EveryViewHasAMenuItemInAGroupAndAWholeNameHint() {
  Frame f(m_dir.path().toStdString(), ThirtyMonths());
  std::map<QString, int> groupsOf;
  for (const ResultsMenuGroup& group : ResultsMenuGroups()) {
    auto* menu = f.Results()->findChild<QMenu*>(group.Name);
    QVERIFY2(menu != nullptr, group.Name);
    for (const char* name : group.MenuNames) {
      ++groupsOf[name];
      QAction* item = f.Results()->MenuAction(name);
      QVERIFY2(item != nullptr && menu->actions().contains(item), name);
    }
  }
  for (const ResultsViewEntry& entry : ResultsViewTable()) {
    if (entry.MenuName[0] != '\0') QVERIFY2(groupsOf[entry.MenuName] == 1, entry.MenuName);
  }
  // Each button of the panel says in its hint what its few letters stand for.
  for (const ToolbarButtonSpec& spec : ResultsPanelButtons()) {
    QToolButton* button = f.Button(spec.Name);
    const QString hint = button->toolTip();
    QVERIFY2(hint.size() > button->text().size() + 3, spec.Name);
  }
}

void ResultsWindowTest::CsvButtonMovesNoOtherButton() {
  Frame f(m_dir.path().toStdString(), ThirtyMonths());
  f.Window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&f.Window));
  const auto places = [&f] {
    f.Window.Toolbar()->Panel("provysledky")->layout()->activate();
    std::map<QString, QRect> at;
    for (const ToolbarButtonSpec& spec : ResultsPanelButtons())
      at[spec.Name] = f.Button(spec.Name)->geometry();
    return at;
  };
  f.Button("SpeedButton1")->click();  // no CSV for the calendar
  QToolButton* csv = f.Button("SpeedButton8");
  QVERIFY(csv->isHidden());
  const auto without = places();
  f.Button("namersever")->click();
  QVERIFY(!csv->isHidden());
  QVERIFY(places() == without);
}

void ResultsWindowTest::OneResultsWindowAndClosingRestoresThePanel() {
  Frame f(m_dir.path().toStdString(), ThirtyMonths());
  ResultsWindow* first = f.Results();
  f.Window.Action("vysledky1")->trigger();
  QCOMPARE(f.Results(), first);
  f.Db.CurrentIndex = 3;
  f.Button("SpeedButton9")->click();  // "Zavřít"
  QTRY_VERIFY(f.Results() == nullptr);
  QCOMPARE(f.Db.CurrentIndex, f.Db.RecordCount);
  QCOMPARE(f.Window.Toolbar()->VisiblePanel(), QString("zakladni"));
  f.Window.Action("vysledky1")->trigger();
  QVERIFY(f.Results() != nullptr);
}

void ResultsWindowTest::GridShowsTheTableOfCore() {
  Frame f(m_dir.path().toStdString(), ThirtyMonths());
  f.Button("namersever")->click();
  auto* view = qobject_cast<MonthlyTableView*>(f.Results()->CurrentView());
  QVERIFY(view != nullptr);
  const MonthlyTable expected = BuildMeasuredTable(CollectMonths(f.Db), Hemisphere::North);
  QAbstractItemModel* model = view->Grid()->model();
  QCOMPARE(model->rowCount(), expected.RowCount() - 1);  // 30 months and July 2002
  QCOMPARE(model->columnCount(), 16);
  QCOMPARE(model->index(0, 0).data().toString(), QString(" 01.2000"));
  QCOMPARE(model->index(0, 1).data().toString(), QString(" 1.50"));  // (1 + 2) / 2
  QCOMPARE(model->index(2, 1).data().toString(), QString::fromStdString(expected.Cell(3, 1)));
  QCOMPARE(model->index(0, 9).data().toString(), QString());
  QCOMPARE(model->headerData(1, Qt::Horizontal).toString(), QString("   g"));

  // A stored record reaches the open table without reopening it.
  f.Db.Record(1).SetResultWord(kGroupsN, 5);
  f.Ctx.Events.NotifyRecordsChanged();
  QCOMPARE(model->index(0, 1).data().toString(), QString(" 3.50"));
}

void ResultsWindowTest::SmoothedRefusalKeepsTheView() {
  std::vector<ObservationRecord> records = ThirtyMonths();
  records.resize(24);  // January 2000 .. December 2000: less than 400 days
  Frame f(m_dir.path().toStdString(), records);
  f.Button("namerjih")->click();
  f.Button("vyhlcelek")->click();
  QCOMPARE(f.Msg.ShownMessages, QStringList{"Nedostatek dat pro měsíční vyhlazené"});
  QCOMPARE(f.Results()->ResultsMode(), 5);
  QCOMPARE(f.Results()->Variant(), 3);
  QCOMPARE(f.Results()->windowTitle(), QString("Výsledky    statistika - naměřené - jih"));
  QVERIFY(f.Results()->MenuAction("jihnam")->isChecked());
}

void ResultsWindowTest::PrintPanelNeedsAPrintTypeAndPrintsPages() {
  Frame f(m_dir.path().toStdString(), ThirtyMonths());
  f.Button("namercelek")->click();
  PrintPanel* panel = f.Results()->Printing();
  QVERIFY(panel->isHidden());
  f.Results()->MenuAction("tiskvysl")->trigger();
  QVERIFY(!panel->isHidden());
  QVERIFY2(panel->CountText().startsWith("Počet hodnot je = 31   ( "),
           qPrintable(panel->CountText()));
  QVERIFY(panel->CountText().endsWith("  str.)"));

  const QString pdf = m_dir.filePath("tabulka.pdf");
  f.Dialogs.PrintFiles = {pdf};
  panel->PrintButton()->click();
  QCOMPARE(f.Msg.ShownMessages, QStringList{"Nebyl zabrán typ tisku! "});
  QVERIFY(!QFile::exists(pdf));
  panel->ChooseType(PrintType::AllRows);
  panel->PrintButton()->click();
  QCOMPARE(PdfPageCount(pdf), 1);  // 29 month rows fit one page
  // Cancel in the print dialog prints nothing.
  QFile::remove(pdf);
  f.Dialogs.PrintFiles = {std::nullopt};
  panel->PrintButton()->click();
  QVERIFY(!QFile::exists(pdf));
  panel->findChild<QPushButton*>("Button3")->click();
  QVERIFY(panel->isHidden());
}

void ResultsWindowTest::CsvButtonWritesTheShownTableAndHides() {
  Frame f(m_dir.path().toStdString(), ThirtyMonths());
  QToolButton* csv = f.Button("SpeedButton8");
  f.Button("SpeedButton1")->click();
  QVERIFY(csv->isHidden());
  f.Button("vyhlsever")->click();
  QVERIFY(!csv->isHidden());
  csv->click();
  const fs::path file = fs::path(m_dir.path().toStdString()) / "CSVsoubory" / "Vyhlazene-sever.csv";
  QVERIFY(fs::exists(file));
  QVERIFY(csv->isHidden());
  QCOMPARE(f.Msg.ShownMessages.size(), 1);
  QVERIFY(f.Msg.ShownMessages[0].contains("Vyhlazene-sever.csv"));
  std::ifstream in(file, std::ios::binary);
  std::string header;
  std::getline(in, header);
  QCOMPARE(QString::fromStdString(header),
           QString(";   g;   f;   r;   Cv;   SN;   RB;   plo;   pol;\r"));
}

void ResultsWindowTest::CalendarMarksTheQuietDaysOfTheChosenYear() {
  Frame f(m_dir.path().toStdString(), ThirtyMonths());
  f.Button("SpeedButton1")->click();
  auto* view = qobject_cast<QuietDaysView*>(f.Results()->CurrentView());
  QVERIFY(view != nullptr);
  QCOMPARE(view->YearField()->value(), 2002);  // the year of the last drawing
  QCOMPARE(view->Days().size(), std::size_t{2});

  const CalendarLayout layout = LayOutCalendar(800, 600);
  const auto render = [&] {
    QImage image(800, 600, QImage::Format_RGB32);
    QPainter painter(&image);
    PaintQuietCalendar(painter, 800, 600, layout, view->Calendar()->Marks());
    return image;
  };
  const auto centre = [&](int month, int day) {
    const auto cell = layout.Cell(month, day);
    return QPoint(cell.X + cell.Width / 2, cell.Y + cell.Height / 2);
  };
  // 2002 has no quiet day: an empty calendar, with its legend's red cell under the grid.
  QImage image = render();
  QCOMPARE(image.pixelColor(centre(3, 20)), QColor(Qt::white));
  const QPoint legend(layout.Left + layout.CellWidth / 4,
                      layout.LegendTop() + layout.CellHeight / 2);
  QCOMPARE(image.pixelColor(legend), QColor(Qt::red));
  int legendInk = 0;
  for (int x = layout.Left + layout.CellWidth; x < layout.Right(); ++x)
    legendInk += image.pixelColor(x, legend.y()) != QColor(Qt::white);
  QVERIFY(legendInk > 0);
  view->YearField()->setValue(2001);
  image = render();
  QCOMPARE(image.pixelColor(centre(3, 20)), QColor(Qt::red));
  QCOMPARE(image.pixelColor(centre(10, 20)), QColor(Qt::red));
  QCOMPARE(image.pixelColor(centre(3, 10)), QColor(Qt::white));
  QCOMPARE(image.pixelColor(centre(4, 20)), QColor(Qt::white));
  QCOMPARE(image.pixelColor(centre(20 % 12, 3)), QColor(Qt::white));
  int red = 0;
  for (int y = 0; y < layout.Bottom(); ++y) {  // the grid, the legend's cell below left out
    for (int x = 0; x < image.width(); ++x)
      red += image.pixelColor(x, y) == QColor(Qt::red) ? 1 : 0;
  }
  const auto cell = layout.Cell(1, 1);
  QVERIFY(red <= 2 * cell.Width * cell.Height);
  QVERIFY(red >= 2 * (cell.Width - 2) * (cell.Height - 2));
}

void ResultsWindowTest::ReportMonthPromptEndsOnCancel() {
  Frame f(m_dir.path().toStdString(), ThirtyMonths());
  f.Button("namercelek")->click();
  f.Msg.Values = {"5.1990", "13.2001", ""};  // no drawings, no such month, then Cancel
  f.Button("vlastniv")->click();
  QCOMPARE(f.Msg.Prompts.size(), 3);
  QCOMPARE(f.Msg.Prompts[0], QString("Zadej měsíc a rok ? (2.2000)"));
  QCOMPARE(f.Results()->ResultsMode(), 5);
  QCOMPARE(f.Results()->windowTitle(), QString("Výsledky    statistika - naměřené - celkový"));
}

void ResultsWindowTest::OwnReportKeysAndFiles() {
  Frame f(m_dir.path().toStdString(), ThirtyMonths());
  f.Msg.Values = {"3.2001"};
  f.Button("vlastniv")->click();
  auto* view = qobject_cast<ReportPageView*>(f.Results()->CurrentView());
  QVERIFY(view != nullptr);
  QCOMPARE(f.Db.CurrentIndex, f.Db.RecordCount);
  QCOMPARE(view->PageFontSize(), 12);
  for (int i = 0; i < 48; ++i) QTest::keyClick(view, Qt::Key_V);
  QCOMPARE(view->PageFontSize(), 60);
  QTest::keyClick(view, Qt::Key_V);
  QCOMPARE(view->PageFontSize(), 20);
  for (int i = 0; i < 15; ++i) QTest::keyClick(view, Qt::Key_M);
  QCOMPARE(view->PageFontSize(), 8);
  // 10 March 2001: g 3 north and 1 south, R = 11 g.
  const std::vector<std::string> tenth = {
      "10", "12:00", "4", "0", "44", "0", "0", "0", "3", "0", "33", "0", "0", "0", "1", "0", "11",
      "0",  "0",     "0", "0", "0",  "0", "0", "0", "0", "0", "0",  "0", "0", "0", "0", "0"};
  QCOMPARE(view->OwnPage().DayRows.front(), tenth);
  f.Results()->MenuAction("dosouboru")->trigger();
  QCOMPARE(f.Msg.ShownMessages.last(), QString("Zapíší se data do souboru"));
  const fs::path dir = m_dir.path().toStdString();
  QVERIFY(fs::exists(dir / "Vlastni" / "VL-03_2001.Txt"));
  QVERIFY(fs::exists(dir / "Vlastni" / "VLR-03_2001.Txt"));
  // Saved again over a hand-edited report: asked first, and "Ne" keeps the file.
  std::ofstream(dir / "Vlastni" / "VL-03_2001.Txt", std::ios::binary) << "hand-edited";
  f.Dialogs.Confirmations = {false};
  f.Results()->MenuAction("dosouboru")->trigger();
  QVERIFY(f.Dialogs.Asked.contains("Soubor již existuje !\r   Přepsat?"));
  std::ifstream kept(dir / "Vlastni" / "VL-03_2001.Txt", std::ios::binary);
  QCOMPARE(std::string((std::istreambuf_iterator<char>(kept)), {}), std::string("hand-edited"));
}

void ResultsWindowTest::SidcReportTakesTheStationCodeAndAsksOverwrite() {
  Frame f(m_dir.path().toStdString(), ThirtyMonths());
  f.Msg.Values = {"3.2001"};
  f.Button("oficialv")->click();
  const fs::path file = fs::path(m_dir.path().toStdString()) / "Mesice" / "200103.txt";
  // No code set yet: the user is sent to the form "Stanice", asked nothing, and nothing is written.
  f.Msg.Choices = {true};
  f.Results()->MenuAction("dosouboru")->trigger();
  QVERIFY(f.Msg.ShownMessages.last().contains("Zadávání → Stanice"));
  QVERIFY(f.Dialogs.Asked.isEmpty());
  QVERIFY(!fs::exists(file));
  // Set once in Site.txt's third line, the code heads every report without a question.
  std::ofstream(fs::path(m_dir.path().toStdString()) / "Site.txt", std::ios::binary)
      << "\r\n\r\nONDR\r\n";
  f.Msg.ShownMessages.clear();
  // The drawings carry sums without groups: the data check asks first, and "Ano" writes.
  f.Msg.Choices = {true};
  f.Results()->MenuAction("dosouboru")->trigger();
  QVERIFY(f.Msg.Questions.last().startsWith("Kontrola dat našla v měsíci 3/2001 chyby"));
  // Without Popis.txt the user is told first.
  QVERIFY(f.Msg.ShownMessages[0].contains("Není soubor Popis.txt"));
  QVERIFY(f.Dialogs.Asked.isEmpty());
  std::ifstream in(file, std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(in)), {});
  in.close();
  QVERIFY(text.starts_with("SIDC200103\r\nONDR (CZECH REP.)\r\n"));
  QVERIFY(text.ends_with("31 9999\r\n99\r\n"));
  QCOMPARE(f.Db.CurrentIndex, 28);  // the first drawing of March 2001 is record 29
  // The file exists: only "Yes" replaces it.
  f.Dialogs.Confirmations = {false};
  f.Msg.Choices = {true};
  f.Results()->MenuAction("dosouboru")->trigger();
  QVERIFY(f.Dialogs.Asked.contains("Soubor již existuje !\r   Přepsat?"));
  std::ifstream again(file, std::ios::binary);
  QCOMPARE(std::string((std::istreambuf_iterator<char>(again)), {}), text);
}

void ResultsWindowTest::ReportsAndObserversPrintAndSave() {
  Frame f(m_dir.path().toStdString(), ThirtyMonths());
  f.Msg.Values = {"2.2000"};
  f.Button("CVvysledky")->click();
  auto* cv = qobject_cast<ReportPageView*>(f.Results()->CurrentView());
  QVERIFY(cv != nullptr);
  QCOMPARE(cv->Lines().size(), 13 + 29 + 4);  // February 2000 has 29 days
  const QString pdf = m_dir.filePath("cv.pdf");
  f.Dialogs.PrintFiles = {pdf};
  f.Results()->MenuAction("tiskvysl")->trigger();
  QCOMPARE(PdfPageCount(pdf), 1);
  f.Msg.Choices = {true};
  f.Results()->MenuAction("dosouboru")->trigger();
  QVERIFY(fs::exists(fs::path(m_dir.path().toStdString()) / "CVdata" / "CV-02_2000.Txt"));

  QVERIFY(!f.Results()->MenuAction("doCSV")->isVisible());
  f.Button("pozorovatelv")->click();
  QVERIFY(f.Results()->MenuAction("doCSV")->isVisible());
  f.Results()->MenuAction("doCSV")->trigger();
  QVERIFY(f.Msg.ShownMessages.contains("Data se uloží do souboru  Pozorovatele.csv"));
  std::ifstream in(fs::path(m_dir.path().toStdString()) / fs::u8path("Pozorovatelé.csv"),
                   std::ios::binary);
  std::string header;
  std::getline(in, header);
  QCOMPARE(QString::fromStdString(header), QString(" ;2000;2001;2002;Suma;\r"));
  const QString table = m_dir.filePath("pozorovatele.pdf");
  f.Dialogs.PrintFiles = {table};
  f.Results()->MenuAction("tiskvysl")->trigger();
  QCOMPARE(PdfPageCount(table), 1);
}

QTEST_MAIN(ResultsWindowTest)
#include "results_window_test.moc"
