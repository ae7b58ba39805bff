// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Okno pro měření plochy skupiny " (TForm12): the part of a photographed drawing around a group
// shown at twice its size; the user paints over the group with the right mouse button and the
// painted pixels give its area in square millimetres of the standard drawing.
#include <QDialog>
#include <QImage>
#include <QPoint>

#include "core/entry/area_measure.h"
#include "ui/shell/messages.h"

class QLabel;
class QPushButton;
class QScrollBar;

namespace ardeno {

class AreaCanvas;

// Which area is measured, by the column of the photographed-drawing window's group grid.
enum class MeasureTarget { None = 0, Group = 1, FirstAuxiliarySpot = 2, SecondAuxiliarySpot = 3 };

class AreaWindow : public QDialog {
  Q_OBJECT
 public:
  // Side of the shown region of the photograph, in image pixels.
  static constexpr int kRegionSide = 400;

  // `photoRadius`: the disk radius on the photograph in image pixels; `centre`: the point to
  // measure around, in image pixels.
  AreaWindow(Messages& messages, const QImage& photo, QPoint centre, double photoRadius,
             MeasureTarget target, QWidget* parent);

  enum class State { Idle = 0, Ready = 2, Painting = 3 };
  State MeasureState() const { return m_state; }
  int BrushSize() const { return m_brushSize; }
  void SetBrushSize(int size);
  int PaintedPixels() const { return m_paintedPixels; }
  const PaintMask& Mask() const { return m_mask; }
  QWidget* Canvas() const;

  // "Ukončit vyplnění": counts the painted pixels, reports the area and closes.
  void Finish();
  // "Průběžné": shows the area painted so far.
  void ShowRunningArea();

 signals:
  // The area as the group grid takes it ("0.0"), for the cell chosen by the target.
  void AreaMeasured(ardeno::MeasureTarget target, const QString& areaText);

 private:
  friend class AreaCanvas;
  void BeginPainting(QPoint at);
  void PaintAt(QPoint at);
  void EndPainting();
  void ScrollTo(int left, int top);

  Messages& m_messages;
  QImage m_photo;
  double m_photoRadius;
  MeasureTarget m_target;
  State m_state = State::Ready;
  int m_brushSize = 4;
  int m_paintedPixels = 0;
  PaintMask m_mask;
  QPoint m_regionTopLeft;
  AreaCanvas* m_canvas = nullptr;
  QScrollBar* m_horizontal = nullptr;
  QScrollBar* m_vertical = nullptr;
  QLabel* m_valueLabel = nullptr;
};

}  // namespace ardeno
