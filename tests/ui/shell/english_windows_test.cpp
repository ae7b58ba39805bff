// SPDX-License-Identifier: GPL-3.0-or-later
// The windows in English: their texts are English, while the files the program writes keep their
// Czech bytes and names; a choice shown in English still selects the value the data are counted
// by. The Czech run comes first (initTestCase): the English texts, once installed, stay.
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>
#include <filesystem>

#include "core/groups/group_records.h"
#include "core/solar/day_results.h"
#include "support/database_builders.h"
#include "support/main_frame.h"
#include "support/picture_checks.h"
#include "ui/drawing/drawing_window.h"
#include "ui/graphs/daily_graphs_window.h"
#include "ui/results/group_grid_view.h"
#include "ui/results/own_report_painter.h"
#include "ui/results/report_page_view.h"
#include "ui/results/results_window.h"
#include "ui/shell/help_window.h"
#include "ui/shell/interface_language.h"
#include "ui/shell/message_window.h"
#include "ui/shell/toolbar_buttons.h"

namespace fs = std::filesystem;
using namespace ardeno;

namespace {

QByteArray FileBytes(const fs::path& file) {
  QFile f(QString::fromStdU16String(file.u16string()));
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The yearly east-west positions of all group types, saved into Polohy-skupin of `dir`; the
// groups counted in the first row.
int SaveYearlyPositions(const fs::path& dir, QString& typeChoice) {
  test::MainFrame f(dir, test::TwoGroupsEveryOtherDay(60));
  f.Button("vysledekz")->click();
  f.Button("polohyr")->click();
  auto* combo = f.Window.Toolbar()->Panel("provysledky")->findChild<QComboBox*>("ComboBox1");
  combo->setCurrentIndex(combo->count() - 2);  // "J", then back to all types
  combo->setCurrentIndex(combo->count() - 1);
  typeChoice = combo->currentText();
  auto* view = qobject_cast<GroupGridView*>(f.Window.Results()->CurrentView());
  int counted = 0;
  for (int c = 1; c <= 6; ++c) counted += view->Table()->model()->index(0, c).data().toInt();
  f.Msg.Choices = {true};
  f.Button("zapidosoudorutxt")->click();
  return counted;
}

// The own report page of February 2000 painted for `reader`.
QImage OwnReportPicture(OwnPageReader reader) {
  test::AppRun app;
  app.Db = test::ConsecutiveDays(70);
  ResultsWindow window(app.Ctx);
  app.Msg.Values = {"2.2000"};
  for (const ResultsViewEntry& entry : ResultsViewTable()) {
    if (QLatin1String(entry.ButtonName) == QLatin1String("vlastniv")) window.ChooseView(entry);
  }
  const auto* view = qobject_cast<ReportPageView*>(window.CurrentView());
  if (view == nullptr) return {};
  constexpr int kFontSize = 12;
  const QSize size = LayOutOwnReportPage(view->OwnPage(), kFontSize).Size;
  QImage picture(size, QImage::Format_RGB32);
  picture.fill(Qt::white);
  QPainter painter(&picture);
  PaintOwnReportPage(painter, view->OwnPage(), kFontSize, size.width(), reader);
  return picture;
}

}  // namespace

class EnglishWindowsTest : public QObject {
  Q_OBJECT
 private slots:
  // What the program writes and prints in Czech, before the English texts are installed.
  void initTestCase();
  void PositionsFileKeepsItsBytesAndAllTypesStillCount();
  void OwnReportPrintoutKeepsItsCzechText();
  void WidgetTextsAreEnglish_data();
  void WidgetTextsAreEnglish();
  void SavedGraphNamesStayCzech();
  void HelpShowsTheEnglishPagesByTheirTitles();
  void ResultsButtonsReadAsNoIndexName();

 private:
  QTemporaryDir m_czechDir;
  int m_czechCounted = 0;
  QString m_czechChoice;
  QImage m_czechPrintout;
};

void EnglishWindowsTest::initTestCase() {
  QCOMPARE(ShownLanguage(), InterfaceLanguage::Czech);
  m_czechCounted = SaveYearlyPositions(m_czechDir.path().toStdString(), m_czechChoice);
  m_czechPrintout = OwnReportPicture(OwnPageReader::Printout);
  QVERIFY(!m_czechPrintout.isNull());
  QVERIFY(InstallInterfaceLanguage(*QCoreApplication::instance(), InterfaceLanguage::English));
}

void EnglishWindowsTest::PositionsFileKeepsItsBytesAndAllTypesStillCount() {
  QCOMPARE(m_czechCounted, 60);
  QCOMPARE(m_czechChoice, QString::fromUtf8("vše"));
  QTemporaryDir englishDir;
  const fs::path english = englishDir.path().toStdString();
  QString choice;
  QCOMPARE(SaveYearlyPositions(english, choice), 60);
  QCOMPARE(choice, QString("all"));
  const fs::path file = fs::path("Polohy-skupin") / "polohyrocni.dat";
  const QByteArray czech = FileBytes(m_czechDir.path().toStdString() / file);
  QVERIFY(!czech.isEmpty());
  QCOMPARE(FileBytes(english / file), czech);
}

void EnglishWindowsTest::OwnReportPrintoutKeepsItsCzechText() {
  const QImage printout = OwnReportPicture(OwnPageReader::Printout);
  QVERIFY(printout == m_czechPrintout);
  // The window's page reads its sums' heading in English.
  QVERIFY(OwnReportPicture(OwnPageReader::Window) != printout);
}

void EnglishWindowsTest::WidgetTextsAreEnglish_data() {
  QTest::addColumn<QString>("window");  // the toolbar button that opens it, or "" for the frame
  QTest::addColumn<QString>("widget");
  QTest::addColumn<QByteArray>("property");
  QTest::addColumn<QString>("text");
  QTest::newRow("hint of a view still to come")
      << "vysledekz"
      << "vysasimet" << QByteArray("toolTip") << "In preparation";
  QTest::newRow("orientation of the drawing") << ""
                                              << "vyza" << QByteArray("text") << "W - E";
  QTest::newRow("print choice of the results")
      << "vysledekz"
      << "RadioType0" << QByteArray("text") << "All values";
  QTest::newRow("positions by group type") << "vysledekz"
                                           << "ComboBox1" << QByteArray("currentText") << "all";
}

void EnglishWindowsTest::WidgetTextsAreEnglish() {
  QFETCH(QString, window);
  QFETCH(QString, widget);
  QFETCH(QByteArray, property);
  QFETCH(QString, text);
  QTemporaryDir dir;
  test::MainFrame f(dir.path().toStdString(), test::TwoGroupsEveryOtherDay(60));
  if (!window.isEmpty()) f.Button(qPrintable(window))->click();
  QWidget* found = f.Window.findChild<QWidget*>(widget);
  QVERIFY2(found != nullptr, qPrintable(widget));
  QCOMPARE(found->property(property.constData()).toString(), text);
}

void EnglishWindowsTest::SavedGraphNamesStayCzech() {
  QTemporaryDir dir;
  test::AppRun app(dir.path().toStdString());
  app.Db = test::ConsecutiveDays(60);
  DailyGraphsWindow window(app.Ctx);
  test::PaintCanvas(window, QSize(700, 500));
  window.SelectView(DailyView::South);
  QCOMPARE(window.windowTitle(), QString("Graph   South   - Number of groups"));
  window.SaveAll();
  QCOMPARE(app.Msg.ShownMessages, QStringList{"All graphs will be saved"});
  const QStringList files = QDir(dir.filePath(QString::fromUtf8("Obrázek"))).entryList(QDir::Files);
  QVERIFY2(files.contains("Graf_g_J.jpg"), qPrintable(files.join(' ')));
}

void EnglishWindowsTest::HelpShowsTheEnglishPagesByTheirTitles() {
  HelpWindow help;
  QVERIFY(help.Folder().has_value());
  help.ShowPage(HelpPageFor("TForm9"));
  QVERIFY2(help.Browser()->source().toLocalFile().endsWith("/en/vysledky.md"),
           qPrintable(help.Browser()->source().toString()));
  QVERIFY(help.Browser()->toPlainText().startsWith("Results"));
  const auto* list = help.findChild<QListWidget*>("stranky");
  QCOMPARE(list->item(0)->text(), QString("Main window"));
  QCOMPARE(list->currentItem()->text(), QString("Results"));
  QCOMPARE(help.windowTitle(), QString("Help"));
  help.show();
  QTest::keyClick(help.Browser(), Qt::Key_Escape);
  QVERIFY(!help.isVisible());
}

void EnglishWindowsTest::ResultsButtonsReadAsNoIndexName() {
  QTemporaryDir dir;
  test::MainFrame f(dir.path().toStdString(), test::TwoGroupsEveryOtherDay(60));
  f.Button("vysledekz")->click();
  // Only the button of a view of that index may read as its name.
  const QStringList indexNames = {"R", "g", "f", "SN", "RB", "CV", "Q", "F"};
  for (const ToolbarButtonSpec& spec : ResultsPanelButtons()) {
    const QString caption = f.Button(spec.Name)->text();
    if (QString(spec.Name) == "CVvysledky") continue;
    QVERIFY2(!indexNames.contains(caption, Qt::CaseInsensitive),
             qPrintable(QString(spec.Name) + " reads " + caption));
  }
}

QTEST_MAIN(EnglishWindowsTest)
#include "english_windows_test.moc"
