#pragma once
// The drawing window ("TForm2"): shows the work record as a drawing of the solar disk, reads out
// heliographic coordinates and angular distances under the mouse, and measures the facular
// area of the record it shows. Created at start-up and kept for the whole run.
#include <QImage>
#include <QPointer>
#include <QWidget>

#include "core/drawing/facula_area.h"
#include "core/drawing/mouse_readout.h"
#include "ui/drawing/drawing_painter.h"
#include "ui/shell/app_context.h"

class QGroupBox;
class QLabel;
class QPushButton;

namespace ardeno {

class DrawingWindow : public QWidget {
  Q_OBJECT
 public:
  explicit DrawingWindow(AppContext& context, QWidget* parent = nullptr);

  // Makes record `index` (1-based) current and shows it.
  void ShowRecord(int index);
  // Caption and image name from the work record, then a repaint.
  void Refresh();
  // The "Orientace" box with the Z - V / S - J toggles.
  void ShowOrientation();

  // The drawing as the window would show it, into an image of the client's size; `forPicture`
  // gives the white disk used for printing and saved pictures.
  QImage RenderImage(bool forPicture);

  // Keeps the given window (the record list) just right of this one, and matches this window's
  // height to it (10 pixels shorter), so both fill the frame as placed at start-up.
  void KeepBeside(QWidget* window);
  // Lets the program close the window at shutdown; until then close requests are refused.
  void AllowClose() { m_open = false; }
  bool IsKeptOpen() const { return m_open; }

  const DrawingView& View() const { return m_view; }
  int FaculaPixels() const { return m_faculaPixels; }
  QLabel* ReadoutLabel() const { return m_readout; }
  QPushButton* WestEastButton() const { return m_westEast; }
  QPushButton* NorthSouthButton() const { return m_northSouth; }

 signals:
  // The facular area of the current record was written.
  void FaculaAreaStored();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildOrientationBox();
  void ToggleWestEast();
  void ToggleNorthSouth();
  // Paints the work record (reloading it from the current record when it is empty) and stores
  // the measured facular area.
  void PaintWorkRecord(QPainter& painter, int width, int height);
  void ShowReadout(const QPoint& at, const QString& text);
  void PlaceCompanion();

  AppContext& m_ctx;
  DrawingView m_view;
  FaculaBitmap m_faculaBitmap;
  int m_faculaPixels = 0;
  bool m_open = true;
  CentreOffset m_dragStart;
  QLabel* m_readout = nullptr;
  QGroupBox* m_orientation = nullptr;
  QPushButton* m_westEast = nullptr;
  QPushButton* m_northSouth = nullptr;
  QPointer<QWidget> m_companion;
};

}  // namespace ardeno
