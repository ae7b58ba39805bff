// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/graphs/graph_window_frame.h"

#include <QMenuBar>
#include <QScrollBar>
#include <QVBoxLayout>

#include "ui/graphs/graph_canvas.h"

namespace ardeno {

GraphWindowFrame BuildGraphWindowFrame(QWidget* window, std::function<void(QPainter&)> paint,
                                       bool& scaleShown) {
  GraphWindowFrame frame;
  frame.Layout = new QVBoxLayout(window);
  frame.Layout->setContentsMargins(0, 0, 0, 0);
  frame.Layout->setSpacing(0);
  frame.MenuBar = new QMenuBar(window);
  frame.Layout->setMenuBar(frame.MenuBar);
  frame.Canvas = new GraphCanvas(window);
  frame.Canvas->Paint = std::move(paint);
  frame.Layout->addWidget(frame.Canvas, 1);
  frame.Scroll = new QScrollBar(Qt::Horizontal, window);
  GraphCanvas* canvas = frame.Canvas;
  QObject::connect(canvas, &GraphCanvas::Clicked, canvas, qOverload<>(&QWidget::update));
  QObject::connect(frame.Scroll, &QScrollBar::valueChanged, window, [canvas, &scaleShown] {
    scaleShown = false;
    canvas->update();
  });
  return frame;
}

void ReloadOnRecordChanges(QWidget* window, AppContext& ctx, std::function<void()> reload) {
  QObject::connect(&ctx.Events, &DataEvents::DataChanged, window,
                   [reload = std::move(reload)](DataChange change) {
                     if (AltersRecords(change)) reload();
                   });
}

}  // namespace ardeno
