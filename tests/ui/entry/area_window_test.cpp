// SPDX-License-Identifier: GPL-3.0-or-later
// The area window driven by the mouse: painting with the right button, the running area and the
// area handed back on "Ukončit vyplnění".
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include "support/scripted_messages.h"
#include "ui/entry/area_window.h"

using namespace ardeno;
using namespace ardeno::test;

namespace {

QImage GreyPhotograph() {
  QImage photo(1000, 1000, QImage::Format_RGB32);
  photo.fill(QColor(180, 180, 180));
  return photo;
}

// A horizontal stroke with the right button: press at x, move pixel by pixel to x + length.
void Stroke(QWidget* canvas, QPoint from, int length) {
  QTest::mousePress(canvas, Qt::RightButton, Qt::NoModifier, from);
  for (int dx = 1; dx <= length; ++dx) {
    QMouseEvent move(QEvent::MouseMove, QPointF(from + QPoint(dx, 0)),
                     QPointF(canvas->mapToGlobal(from + QPoint(dx, 0))), Qt::NoButton,
                     Qt::RightButton, Qt::NoModifier);
    QApplication::sendEvent(canvas, &move);
  }
  QTest::mouseRelease(canvas, Qt::RightButton, Qt::NoModifier, from + QPoint(length, 0));
}

}  // namespace

class AreaWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void TwoHundredPixelsAtRadius250GiveTwelveAndAHalf();
  void FinishingWithoutPaintingWritesZero();
  void ScrollBarsAreLockedWhilePainting();
  void LeftButtonDoesNotPaint();
};

void AreaWindowTest::TwoHundredPixelsAtRadius250GiveTwelveAndAHalf() {
  ScriptedMessages messages;
  AreaWindow window(messages, GreyPhotograph(), QPoint(500, 500), 250.0, MeasureTarget::Group,
                    nullptr);
  QCOMPARE(window.objectName(), QString("TForm12"));
  QCOMPARE(window.BrushSize(), 4);
  window.show();
  QSignalSpy measured(&window, &AreaWindow::AreaMeasured);
  // A 4-pixel brush moved 46 pixels covers (4 + 46) x 4 = 200 pixels.
  Stroke(window.Canvas(), QPoint(300, 300), 46);
  window.findChild<QPushButton*>("Button2")->click();
  QCOMPARE(window.findChild<QLabel*>("Label3")->text(), QString("12.50"));
  window.findChild<QPushButton*>("Button1")->click();
  QCOMPARE(window.PaintedPixels(), 200);
  QCOMPARE(measured.count(), 1);
  QCOMPARE(measured.at(0).at(0).value<MeasureTarget>(), MeasureTarget::Group);
  QCOMPARE(measured.at(0).at(1).toString(), QString("12.5"));
  QVERIFY(!window.isVisible());
}

void AreaWindowTest::FinishingWithoutPaintingWritesZero() {
  ScriptedMessages messages;
  AreaWindow window(messages, GreyPhotograph(), QPoint(100, 900), 250.0,
                    MeasureTarget::SecondAuxiliarySpot, nullptr);
  QSignalSpy measured(&window, &AreaWindow::AreaMeasured);
  window.Finish();
  QCOMPARE(measured.count(), 1);
  QCOMPARE(measured.at(0).at(1).toString(), QString("0.0"));
  // Finishing twice reports once: the measurement is over.
  window.Finish();
  QCOMPARE(measured.count(), 1);
}

void AreaWindowTest::ScrollBarsAreLockedWhilePainting() {
  ScriptedMessages messages;
  AreaWindow window(messages, GreyPhotograph(), QPoint(500, 500), 250.0, MeasureTarget::Group,
                    nullptr);
  window.show();
  auto* horizontal = window.findChild<QScrollBar*>("ScrollBar1");
  // The point sits in the middle of the 400-pixel region.
  QCOMPARE(horizontal->value(), 300);
  QTest::mousePress(window.Canvas(), Qt::RightButton, Qt::NoModifier, QPoint(50, 50));
  QCOMPARE(window.MeasureState(), AreaWindow::State::Painting);
  QVERIFY(!horizontal->isEnabled());
  // Finishing is refused while the button is held.
  QSignalSpy measured(&window, &AreaWindow::AreaMeasured);
  window.Finish();
  QCOMPARE(measured.count(), 0);
  QTest::mouseRelease(window.Canvas(), Qt::RightButton, Qt::NoModifier, QPoint(50, 50));
  QCOMPARE(window.MeasureState(), AreaWindow::State::Ready);
}

void AreaWindowTest::LeftButtonDoesNotPaint() {
  ScriptedMessages messages;
  AreaWindow window(messages, GreyPhotograph(), QPoint(500, 500), 250.0, MeasureTarget::Group,
                    nullptr);
  window.show();
  window.SetBrushSize(16);
  QTest::mousePress(window.Canvas(), Qt::LeftButton, Qt::NoModifier, QPoint(200, 200));
  QTest::mouseRelease(window.Canvas(), Qt::LeftButton, Qt::NoModifier, QPoint(200, 200));
  window.Finish();
  QCOMPARE(window.PaintedPixels(), 0);
}

QTEST_MAIN(AreaWindowTest)
#include "area_window_test.moc"
