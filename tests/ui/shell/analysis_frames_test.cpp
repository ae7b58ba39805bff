// SPDX-License-Identifier: GPL-3.0-or-later
// The analysis windows in the main frame on the smallest screen the program is meant for: every
// way of closing one leaves no frame behind, and none makes the main window wider than the screen.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QShortcut>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <filesystem>
#include <iterator>
#include <map>
#include <memory>

#include "core/maps/map_groups.h"
#include "sample/sample_database.h"
#include "support/app_run.h"
#include "ui/drawing/drawing_window.h"
#include "ui/maps/map_painter.h"
#include "ui/maps/maps_window.h"
#include "ui/results/results_window.h"
#include "ui/shell/main_window.h"
#include "ui/shell/toolbar_buttons.h"
#include "ui/shell/toolbar_panels.h"

namespace fs = std::filesystem;
using namespace ardeno;
using namespace ardeno::test;

namespace {

constexpr QSize kSmallScreen(1024, 768);
constexpr int kSampleRecords = 400;

// The drawing window and the record list stay for the whole run.
constexpr int kPermanentFrames = 2;

enum class CloseWay { PanelButton, OwnMenu, FrameClose, AnotherWindow };

// A sample folder of its own for every run.
struct SampleFolder {
  QTemporaryDir Dir;
  fs::path Path() const { return Dir.path().toStdString(); }
};

struct Run : SampleFolder, AppRun {
  Run() : AppRun(Path()), Window(Ctx) {
    WriteSampleFolder(Path(), kSampleRecords, 11);
    Window.Start(kSmallScreen);
    Window.show();
  }
  int Frames() const { return Window.MdiArea()->subWindowList().size(); }
  MainWindow Window;
};

void Settle() {
  for (int i = 0; i < 3; ++i) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
  }
}

}  // namespace

class AnalysisFramesTest : public QObject {
  Q_OBJECT
 private slots:
  void ClosingLeavesNoEmptyFrame_data();
  void ClosingLeavesNoEmptyFrame();
  void NoWindowMakesTheFrameWiderThanTheScreen_data();
  void NoWindowMakesTheFrameWiderThanTheScreen();
  void MapsShowTheWholeMapOnTheSmallScreen();
  void NoKeyServesTwoActionsAndCtrlWCloses_data();
  void ScreenshotsOfTheDailyLoop();
  void ClosesWithTheDrawingBroughtBesideTheResults();
  void TheResultsButtonsComeBackAfterAnotherWindowCloses();
  void NoKeyServesTwoActionsAndCtrlWCloses();
  void LargeDrawingIsThePlacedSizeAgain();
  void EveryResultsCommandIsOnTheMenuBar();
};

namespace {

void AddWindowRows() {
  QTest::addColumn<QString>("command");
  QTest::addColumn<QString>("closeButton");
  QTest::addColumn<QString>("menuClose");
}

void WindowRow(const char* name, const char* command, const char* closeButton,
               const char* menuClose) {
  QTest::newRow(name) << command << closeButton << menuClose;
}

void WindowRows() {
  WindowRow("results", "vysledky1", "SpeedButton9", "");
  WindowRow("daily graphs", "graf", "SpeedButton13", "zaviratgraf");
  WindowRow("smoothed", "vyhlazovaci", "SpeedButton11", "zaviratv");
  WindowRow("asymmetry", "asypo", "SpeedButton11", "zaviratv");
  WindowRow("butterfly", "motylek1", "SpeedButton12", "konecmot");
  WindowRow("maps", "map", "SpeedButton10", "zavritm");
}

}  // namespace

namespace {

// Whether `widget` takes keys now in a context: shown and enabled, and holding the focus for the
// contexts of a widget alone.
bool TakesKeys(const QWidget* widget, Qt::ShortcutContext context) {
  if (!widget->isVisible() || !widget->isEnabled()) return false;
  const QWidget* focus = QApplication::focusWidget();
  if (context == Qt::WidgetShortcut) return focus == widget;
  if (context == Qt::WidgetWithChildrenShortcut)
    return focus != nullptr && (focus == widget || widget->isAncestorOf(focus));
  return true;
}

bool ActionIsLive(const QAction* action) {
  if (!action->isEnabled()) return false;
  for (QObject* object : action->associatedObjects()) {
    if (auto* menu = qobject_cast<QMenu*>(object)) {
      if (ActionIsLive(menu->menuAction())) return true;
    } else if (auto* widget = qobject_cast<QWidget*>(object)) {
      if (TakesKeys(widget, action->shortcutContext())) return true;
    }
  }
  return false;
}

// Every key of the main window's live actions and shortcuts, with what owns it.
std::multimap<QString, QString> LiveKeys(QWidget* top) {
  std::multimap<QString, QString> keys;
  for (QAction* action : top->findChildren<QAction*>()) {
    if (!ActionIsLive(action)) continue;
    for (const QKeySequence& key : action->shortcuts())
      keys.emplace(key.toString(), action->objectName() + " " + action->text());
  }
  for (QShortcut* shortcut : top->findChildren<QShortcut*>()) {
    auto* owner = qobject_cast<QWidget*>(shortcut->parent());
    if (!shortcut->isEnabled() || owner == nullptr || !TakesKeys(owner, shortcut->context()))
      continue;
    for (const QKeySequence& key : shortcut->keys())
      keys.emplace(key.toString(), owner->objectName());
  }
  return keys;
}

QStringList Warnings;
void KeepWarning(QtMsgType, const QMessageLogContext&, const QString& text) { Warnings << text; }

}  // namespace

void AnalysisFramesTest::NoKeyServesTwoActionsAndCtrlWCloses_data() {
  AddWindowRows();
  WindowRows();
}

void AnalysisFramesTest::NoKeyServesTwoActionsAndCtrlWCloses() {
  QFETCH(QString, command);
  Run run;
  QVERIFY(QTest::qWaitForWindowExposed(&run.Window));
  run.Window.Action(command)->trigger();
  Settle();
  QCOMPARE(run.Frames(), kPermanentFrames + 1);
  QMdiSubWindow* frame = run.Window.MdiArea()->subWindowList().last();
  run.Window.MdiArea()->setActiveSubWindow(frame);
  frame->widget()->setFocus();
  Settle();
  const auto keys = LiveKeys(&run.Window);
  for (auto at = keys.begin(); at != keys.end(); ++at) {
    const auto next = std::next(at);
    if (next != keys.end() && next->first == at->first)
      QFAIL(qPrintable(QStringLiteral("%1: %2 and %3").arg(at->first, at->second, next->second)));
  }
  QVERIFY(keys.count(QKeySequence(Qt::CTRL | Qt::Key_W).toString()) == 1);

  Warnings.clear();
  const QtMessageHandler kept = qInstallMessageHandler(KeepWarning);
  QWidget* focus =
      QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : frame->widget();
  QTest::keyClick(focus, Qt::Key_W, Qt::ControlModifier);
  Settle();
  qInstallMessageHandler(kept);
  QVERIFY2(Warnings.filter("Ambiguous").isEmpty(), qPrintable(Warnings.join('\n')));
  QCOMPARE(run.Frames(), kPermanentFrames);
  QCOMPARE(run.Window.Toolbar()->VisiblePanel(), QString("zakladni"));
}

// With ARDENO_SHOTS set to a folder and a real X screen of 1024 x 768 (xvfb-run), the steps of
// the daily loop are taken as the user sees them, with "import -window root".
void AnalysisFramesTest::ScreenshotsOfTheDailyLoop() {
  const QString folder = qEnvironmentVariable("ARDENO_SHOTS");
  if (folder.isEmpty()) QSKIP("ARDENO_SHOTS names no folder for the screenshots");
  const auto shoot = [&folder](const char* name) {
    Settle();
    QTest::qWait(300);
    QCOMPARE(QProcess::execute("import", {"-window", "root", folder + "/" + name}), 0);
  };
  Run run;
  run.Window.setGeometry(0, 0, 1024, 768);
  QVERIFY(QTest::qWaitForWindowExposed(&run.Window));
  shoot("drawing-1024x768.png");
  run.Window.Action("vysledky1")->trigger();
  shoot("results-opened-1024x768.png");
  run.Window.Toolbar()->Button("kontrolav")->click();
  auto* results = run.Window.Results();
  QVERIFY(results != nullptr);
  auto* grid = results->findChild<QTableWidget*>("TabulkaKontroly");
  QVERIFY(grid != nullptr);
  auto* scope = results->findChild<QComboBox*>("KontrolaRozsah");
  scope->setCurrentIndex(2);
  results->findChild<QPushButton*>("Zkontrolovat")->click();
  QVERIFY(grid->rowCount() > 0);
  emit grid->cellDoubleClicked(0, 0);
  shoot("finding-double-click-1024x768.png");
  run.Window.Toolbar()->Button("skupinyvcasev")->click();
  shoot("groups-in-time-1024x768.png");
}

// At 1024 x 768 every command and menu of the results window stands on its menu bar, in the views
// that show the most (the SIDC report's CSV, the observers' CSV): none behind the "»".
void AnalysisFramesTest::EveryResultsCommandIsOnTheMenuBar() {
  Run run;
  run.Window.setGeometry(0, 0, 1024, 768);
  run.Window.Action("vysledky1")->trigger();
  ResultsWindow* results = run.Window.Results();
  QVERIFY(results != nullptr);
  auto* bar = results->findChild<QMenuBar*>("MainMenu1");
  QVERIFY(bar != nullptr);
  // The SIDC report asks for its month: the month of the last drawing ("mm.yyyy").
  run.Msg.Values = {QString::fromStdString(run.Db.Record(run.Db.RecordCount).Date()).mid(3)};
  for (const char* button : {"oficialv", "pozorovatelv", "namersever"}) {
    run.Window.Toolbar()->Button(button)->click();
    Settle();
    for (QAction* action : bar->actions()) {
      if (!action->isVisible()) continue;
      const QRect place = bar->actionGeometry(action);
      QVERIFY2(place.isValid() && place.right() < bar->width(),
               qPrintable(QString("%1: %2 at %3..%4 of %5")
                              .arg(button, action->text())
                              .arg(place.left())
                              .arg(place.right())
                              .arg(bar->width())));
    }
  }
}

// A finding's drawing brought beside the results, then the program closed: the frames go in any
// order and the results' frame must not reach for the drawing's frame once it is gone.
void AnalysisFramesTest::ClosesWithTheDrawingBroughtBesideTheResults() {
  auto run = std::make_unique<Run>();
  run->Window.Action("vysledky1")->trigger();
  run->Window.Toolbar()->Button("kontrolav")->click();
  auto* results = run->Window.Results();
  QVERIFY(results != nullptr);
  auto* grid = results->findChild<QTableWidget*>("TabulkaKontroly");
  results->findChild<QComboBox*>("KontrolaRozsah")->setCurrentIndex(2);
  results->findChild<QPushButton*>("Zkontrolovat")->click();
  QVERIFY(grid->rowCount() > 0);
  emit grid->cellDoubleClicked(0, 0);
  Settle();
  run.reset();  // no crash
}

// The daily graphs took the toolbar over the open results and were closed: choosing the results
// again (their frame, or Ctrl+R) brings their buttons back.
void AnalysisFramesTest::TheResultsButtonsComeBackAfterAnotherWindowCloses() {
  Run run;
  run.Window.Action("vysledky1")->trigger();
  auto* results = qobject_cast<QMdiSubWindow*>(run.Window.Results()->parentWidget());
  QCOMPARE(run.Window.Toolbar()->VisiblePanel(), QString(kResultsPanel));
  run.Window.Action("graf")->trigger();
  QCOMPARE(run.Frames(), kPermanentFrames + 2);
  QVERIFY(run.Window.Toolbar()->VisiblePanel() != QString(kResultsPanel));
  QMdiSubWindow* graphs = run.Window.MdiArea()->activeSubWindow();
  QVERIFY(graphs != nullptr && graphs != results);
  graphs->close();
  Settle();
  QCOMPARE(run.Frames(), kPermanentFrames + 1);
  run.Window.MdiArea()->setActiveSubWindow(results);
  Settle();
  QCOMPARE(run.Window.Toolbar()->VisiblePanel(), QString(kResultsPanel));
  run.Window.Toolbar()->ShowBasicPanel();
  run.Window.Action("vysledky1")->trigger();
  QCOMPARE(run.Window.Toolbar()->VisiblePanel(), QString(kResultsPanel));
}

void AnalysisFramesTest::ClosingLeavesNoEmptyFrame_data() {
  AddWindowRows();
  WindowRows();
}

void AnalysisFramesTest::ClosingLeavesNoEmptyFrame() {
  QFETCH(QString, command);
  QFETCH(QString, closeButton);
  QFETCH(QString, menuClose);
  Run run;
  QCOMPARE(run.Frames(), kPermanentFrames);
  for (const CloseWay way :
       {CloseWay::PanelButton, CloseWay::OwnMenu, CloseWay::FrameClose, CloseWay::AnotherWindow}) {
    if (way == CloseWay::OwnMenu && menuClose.isEmpty()) continue;
    const QString label = QStringLiteral("%1, way %2").arg(command).arg(static_cast<int>(way));
    run.Window.Action(command)->trigger();
    Settle();
    QCOMPARE(run.Frames(), kPermanentFrames + 1);
    QMdiSubWindow* frame = run.Window.MdiArea()->subWindowList().last();
    QWidget* window = frame->widget();
    const QPointer<QMdiSubWindow> kept(frame);
    QVERIFY(window != nullptr);
    switch (way) {
      case CloseWay::PanelButton:
        run.Window.Toolbar()->Button(closeButton)->click();
        break;
      case CloseWay::OwnMenu: {
        auto* action = window->findChild<QAction*>(menuClose);
        QVERIFY2(action != nullptr, qPrintable(menuClose));
        action->trigger();
        break;
      }
      case CloseWay::FrameClose:
        frame->close();
        break;
      case CloseWay::AnotherWindow:
        // Choosing the drawing window: the windows that close on losing the focus close whole,
        // the others stay whole in the background.
        run.Window.MdiArea()->setActiveSubWindow(run.Window.MdiArea()->subWindowList().first());
        Settle();
        for (QMdiSubWindow* sub : run.Window.MdiArea()->subWindowList())
          QVERIFY2(sub->widget() != nullptr && sub->widget()->isVisibleTo(sub), qPrintable(label));
        // The results stay in the background until closed.
        if (kept) kept->close();
        break;
    }
    Settle();
    QVERIFY2(run.Frames() == kPermanentFrames,
             qPrintable(label + QStringLiteral(": %1 frames").arg(run.Frames())));
    QCOMPARE(run.Window.Toolbar()->VisiblePanel(), QString(kBasicPanel));
  }
}

void AnalysisFramesTest::NoWindowMakesTheFrameWiderThanTheScreen_data() {
  AddWindowRows();
  WindowRows();
}

void AnalysisFramesTest::NoWindowMakesTheFrameWiderThanTheScreen() {
  QFETCH(QString, command);
  QFETCH(QString, closeButton);
  Run run;
  const int before = run.Window.width();
  QVERIFY(before <= kSmallScreen.width());
  run.Window.Action(command)->trigger();
  Settle();
  QVERIFY2(run.Window.width() <= kSmallScreen.width(),
           qPrintable(QString::number(run.Window.width())));
  QVERIFY2(run.Window.minimumSizeHint().width() <= kSmallScreen.width(),
           qPrintable(QString::number(run.Window.minimumSizeHint().width())));
  // The panel's close box is on the screen.
  QToolButton* close = run.Window.Toolbar()->Button(closeButton);
  QVERIFY2(close->isVisible(), "the close box is on the panel, not in an overflow menu");
  const QPoint right = close->mapTo(&run.Window, QPoint(close->width(), 0));
  QVERIFY2(right.x() <= kSmallScreen.width(), qPrintable(QString::number(right.x())));
  run.Window.Toolbar()->Button(closeButton)->click();
  Settle();
  QCOMPARE(run.Window.width(), before);
}

// The single map from longitude 360 to 0 inside the window, and the two maps within the frame.
void AnalysisFramesTest::MapsShowTheWholeMapOnTheSmallScreen() {
  Run run;
  run.Window.Action("map")->trigger();
  Settle();
  MapsWindow* maps = run.Window.Maps();
  QVERIFY(maps != nullptr);
  QWidget* frame = maps->parentWidget();
  const QSize area = run.Window.MdiArea()->viewport()->size();
  const auto fitsTheArea = [&] {
    return frame->geometry().right() < area.width() && frame->geometry().bottom() < area.height();
  };
  QVERIFY(fitsTheArea());
  const int k = SingleMapScale(maps->Canvas()->height());
  // Longitude 0 is the map's right edge; the blanked strip right of it is in view too.
  QVERIFY2(
      MapPixels(MapX(0) + 1, k) < maps->Canvas()->width(),
      qPrintable(QString("%1 >= %2").arg(MapPixels(MapX(0) + 1, k)).arg(maps->Canvas()->width())));
  maps->findChild<QAction*>("dvenadsebou")->trigger();
  Settle();
  QVERIFY(fitsTheArea());
  maps->findChild<QAction*>("mapky")->trigger();
  Settle();
  QVERIFY(fitsTheArea());
  QVERIFY(MapPixels(MapX(0) + 1, SingleMapScale(maps->Canvas()->height())) <
          maps->Canvas()->width());
}

// "Zmenšit - zvětšit" back to large gives the drawing the size it was placed with beside the
// list, not whatever size the user had dragged it to before.
void AnalysisFramesTest::LargeDrawingIsThePlacedSizeAgain() {
  Run run;
  DrawingWindow* drawing = run.Window.Drawing();
  const QSize placed = drawing->size();
  QWidget* frame = drawing->parentWidget();
  frame->resize(frame->size() - QSize(200, 150));
  QVERIFY(drawing->size() != placed);
  drawing->ToggleCompact();
  QCOMPARE(drawing->size(), QSize(612, 535));
  drawing->ToggleCompact();
  QCOMPARE(drawing->size(), placed);
}

QTEST_MAIN(AnalysisFramesTest)
#include "analysis_frames_test.moc"
