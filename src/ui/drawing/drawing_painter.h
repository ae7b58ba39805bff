// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Paints one drawing of the Sun with a QPainter, so the same code serves the window, an image
// for saving or printing, and the tests.
#include <QFont>
#include <array>
#include <vector>

#include "core/data/observation_record.h"
#include "core/drawing/drawing_scale.h"
#include "core/drawing/facula_area.h"
#include "core/drawing/magneto_underlay.h"
#include "core/quality/noaa_regions.h"
#include "core/solar/group_circles.h"

class QPainter;

namespace ardeno {

// How the drawing is shown: orientation, lenses, disk colour and scale.
struct DrawingView {
  int MirrorX = 1;  // +1 "Z - V" (west left), -1 "V - Z"
  int MirrorY = 1;  // +1 "S - J" (north at the top), -1 "J - S"
  bool LensesShown = true;
  bool ForPicture = false;  // a white disk for printing and saved pictures
  DrawingScale Scale;
  // The magnetosphere underlay prepared for the record shown; null when it is off.
  const std::vector<UnderlayPixel>* Underlay = nullptr;
  // Group slot ringed in red (a finding of the data check chosen in its table); 0 for none.
  int MarkedGroup = 0;
  // NOAA's regions at the drawing's moment (key N); null when they are off.
  const std::vector<RegionMark>* NoaaRegions = nullptr;
};

// Measures the facular fields of `record` on `bitmap` as the drawing shows them: their pixel
// count, 0 without a record or for a date that does not parse (the drawing then shows the frame
// only).
int MeasureDrawingFaculae(const ObservationRecord* record, const DrawingView& view,
                          FaculaBitmap& bitmap);

// Paints `record` (or just the frame when it is null) into a client area of `width` x `height`
// pixels, with the measured facular pixels among its values.
void PaintDrawing(QPainter& painter, int width, int height, const ObservationRecord* record,
                  const DrawingView& view, int faculaPixels);

// Fonts of the drawing, by the names the drawings have always asked for, with DejaVu behind them.
QFont DrawingFont(bool serif, int pointSize);

}  // namespace ardeno
