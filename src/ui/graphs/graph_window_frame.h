// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the daily and the smoothed graph windows are built of alike: the menu bar, the canvas
// that paints through the window, the horizontal scroll bar under it, the reading of the records
// after each change, and the panel buttons run by the window's named operations.
#include <QString>
#include <functional>

#include "ui/shell/app_context.h"
#include "ui/shell/named_actions.h"
#include "ui/shell/toolbar_panels.h"

class QMenuBar;
class QPainter;
class QScrollBar;
class QVBoxLayout;
class QWidget;

namespace ardeno {

class GraphCanvas;

struct GraphWindowFrame {
  QVBoxLayout* Layout = nullptr;
  QMenuBar* MenuBar = nullptr;
  GraphCanvas* Canvas = nullptr;
  QScrollBar* Scroll = nullptr;  // not in the layout yet: the window places it
};

// Builds the frame into `window`. A click on the canvas paints it again; scrolling does too and
// takes the scale ("Stupnice") off (`scaleShown`), since its values stand at the left edge.
GraphWindowFrame BuildGraphWindowFrame(QWidget* window, std::function<void(QPainter&)> paint,
                                       bool& scaleShown);

// Calls `reload` after every change of the records (not after another current record).
void ReloadOnRecordChanges(QWidget* window, AppContext& ctx, std::function<void()> reload);

// The panel's buttons that the window handles run its named operations.
class NamedPanelTarget : public PanelButtonTarget {
 public:
  QAction* Action(const QString& name) const { return m_ops.Action(name); }
  bool HandlesPanelButton(const QString& buttonName) const override {
    return m_ops.HandlesPanelButton(buttonName);
  }
  void PanelButtonClicked(const QString& buttonName) override { m_ops.RunPanelButton(buttonName); }

 protected:
  NamedActions m_ops;
};

}  // namespace ardeno
