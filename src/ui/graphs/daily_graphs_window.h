// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The daily-graphs window ("TForm6", "Grafy"): one daily index of every record against time,
// as three panels (whole disk, north, south) or one tall panel, scrolled horizontally with the
// newest data in view. The values are prepared when the data, the graph or the size change;
// a paint only walks them.
#include <QString>
#include <QWidget>

#include "core/graphs/daily_graph_plot.h"
#include "ui/graphs/daily_graph_painter.h"
#include "ui/graphs/graph_window_frame.h"
#include "ui/shell/app_context.h"

class QAction;
class QLabel;
class QMenuBar;
class QPrinter;
class QScrollBar;

namespace ardeno {

class GraphCanvas;

class DailyGraphsWindow : public QWidget, public NamedPanelTarget {
  Q_OBJECT
 public:
  explicit DailyGraphsWindow(AppContext& ctx, QWidget* parent = nullptr);

  // Operations of the menu and of the prografy panel.
  void SelectGraph(DailyGraph graph);
  void SelectView(DailyView view);
  void ShowScale();
  void SetSaveSize(int pixels);  // 400, 500 or 600
  void FillFrame();              // "Celé okno"
  bool SaveSingle();             // "Uložit jednotlivě"
  void SaveAll();                // "Uložit všechny obrázky"
  void SaveWithQuestion();       // F8
  void Print();                  // the print dialog, then the page
  // Prints the current view on one page of `printer` (the dialog already ran).
  void PrintTo(QPrinter& printer);
  // Re-reads the records after they changed.
  void ReloadData();

  const DailyGraphPlot& Plot() const { return m_plot; }
  DailyView View() const { return m_view; }
  QWidget* Canvas() const;
  int ScrollPosition() const;
  QString Caption() const;

  // The prografy panel's buttons (graph, view and "Stupnice") run the named operations.
  // The graph and view buttons: pressed for the graph shown.
  std::vector<std::pair<QString, bool>> PanelButtonStates() const override;
  // The graph and view toolbar buttons follow these; the main window connects them.
 signals:
  void GraphSelected(DailyGraph graph);
  // The graph shown changed: the panel's pressed buttons follow.
  void PanelStateChanged();
  void ViewSelected(DailyView view);

 protected:
  void keyReleaseEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void BuildMenus();
  void PaintCanvas(QPainter& painter);
  DailyFrame ScreenFrame() const;
  void OnCanvasResized();
  void UpdateScrollRange(bool toNewest);
  void SetDayWidth(int dayWidth);
  void ReportSkippedRecords();
  // The records' group positions, computed once per change of the data when the
  // east-centre-west graph first needs them.
  const RecordPositions& PositionsFor(DailyGraph graph);

  AppContext& m_ctx;
  DailyGraphPlot m_plot;
  DailyView m_view = DailyView::All;
  const char* m_viewTitle;  // Czech, as kDailyOpeningViewTitle
  QString m_sizeText;
  int m_sizeMode = 0;
  bool m_scaleShown = false;
  bool m_printing = false;
  bool m_skipReported = false;
  bool m_followNewest = true;
  QMenuBar* m_menuBar = nullptr;
  GraphCanvas* m_canvas = nullptr;
  QScrollBar* m_scroll = nullptr;
  QLabel* m_sizeLabel = nullptr;
};

}  // namespace ardeno
