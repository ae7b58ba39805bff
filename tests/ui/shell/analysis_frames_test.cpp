// SPDX-License-Identifier: GPL-3.0-or-later
// The analysis windows in the main frame on the smallest screen the program is meant for: every
// way of closing one leaves no frame behind, and none makes the main window wider than the screen.
#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <filesystem>
#include <memory>

#include "core/maps/map_groups.h"
#include "sample/sample_database.h"
#include "support/app_run.h"
#include "ui/drawing/drawing_window.h"
#include "ui/maps/map_painter.h"
#include "ui/maps/maps_window.h"
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
  void LargeDrawingIsThePlacedSizeAgain();
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
