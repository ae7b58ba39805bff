// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The butterfly diagram window ("Tform5", "Motýlkový diagram"): the latitude of the groups and
// facular fields against the Carrington rotation, with the supplementary historical data, the
// per-rotation mean and smoothed latitudes, the yearly boundaries and the green-corona underlay.
// Its scale (T, H) and the faculae width switch are the main window's view settings. The marks
// are prepared once per change of the data; a scene is built when the view changes and a paint
// only walks it.
#include <QFont>
#include <QImage>
#include <QWidget>
#include <map>
#include <optional>

#include "core/butterfly/butterfly_scene.h"
#include "ui/shell/app_context.h"
#include "ui/shell/time_scrolled_window.h"

class QAction;
class QLabel;
class QMenu;
class QMenuBar;
class QPrinter;
class QScrollBar;
class QToolButton;

namespace ardeno {

class ButterflyWindow : public QWidget, public TimeScrolledWindow {
  Q_OBJECT
 public:
  explicit ButterflyWindow(AppContext& ctx, QWidget* parent = nullptr);

  ButterflyMode Mode() const { return m_layers.Mode; }
  const ButterflyLayers& Layers() const { return m_layers; }
  int VerticalOffset() const { return m_verticalOffset; }
  QWidget* Canvas() const { return m_canvas; }
  QScrollBar* HorizontalBar() const { return m_horizontal; }
  QScrollBar* VerticalBar() const { return m_vertical; }
  QLabel* DragLabel() const { return m_dragLabel; }
  QAction* MenuAction(const QString& name) const;
  // The scene of the last paint (tests and the benchmark look at it).
  const ButterflyScene& Scene() const { return m_scene; }
  // What the diagram draws from, prepared once per change of the data.
  const ButterflyData& Data() const { return m_data; }

  // The diagram on a painter of `client` size: the window's own paint, printing and pictures.
  void PaintDiagram(QPainter& painter, QSize client);
  // Prints the client area stretched across the page width.
  void PrintTo(QPrinter& printer);
  // Switches the supplementary data on or off (the `vypnout` item is marked when off).
  void SetSupplementaryShown(bool shown);
  // The data changed: the marks and statistics are prepared again.
  void DataChanged();

  // Brings the scroll bars to the scale, the data and the canvas size.
  void UpdateScrollRanges();
  // What a picture of `client` size shows now: switches, scale and scroll positions.
  ButterflyView ViewOf(QSize client) const;

  // The drag that moves the equator (mouse press, move with the left button, release).
  void PressAt(int y);
  void DragTo(int y);
  void ReleaseAt(int y);

  // The operations of the menu and of the promotylek panel.
  void skvrnymotClick();
  void fakulemotClick();
  void celek1Click();
  void vyskaskvrnClick();
  void vyskahlazenaClick();
  void hraniceClick();
  void vseClick();
  void Podkreslit1Click();
  void koronapodClick();
  void vypnoutClick();
  void Stupnice1Click();
  void tiskmotClick();
  // The main window's "><" and "<>" set a new horizontal scroll range.
  void SetTimeScrollRange(int range) override;

 signals:
  void Closed();

 protected:
  void keyReleaseEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void BuildMenus();
  QAction* AddAction(QWidget* menu, const char* name, const QString& text, bool checkable);
  void SetMode(ButterflyMode mode);
  void SetCurve(bool ButterflyLayers::*curve, const char* action);
  void Invalidate();
  QToolButton* PanelButton(const char* name) const;

  AppContext& m_ctx;
  ButterflyData m_data;
  ButterflyLayers m_layers;
  int m_verticalOffset = 0;
  int m_dragStartY = 0;
  int m_scrollRange = 2000;
  std::optional<ButterflyView> m_sceneView;
  ButterflyScene m_scene;
  QImage m_picture;  // the scene drawn, shown by every paint until the view changes
  QFont m_font;

  QMenuBar* m_menu = nullptr;
  QWidget* m_canvas = nullptr;
  QScrollBar* m_horizontal = nullptr;
  QScrollBar* m_vertical = nullptr;
  QLabel* m_dragLabel = nullptr;
  std::map<QString, QAction*> m_actions;
};

}  // namespace ardeno
