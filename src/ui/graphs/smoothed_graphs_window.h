// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The smoothed-graphs window ("TForm8"): the monthly means and the 13-month smoothed course of
// one index (whole disk, one hemisphere or both), or in asymmetry mode the north-south
// asymmetry of that index per record, month or year, as ratio or difference. The mode, the
// asymmetry kind and the horizontal compression are the main window's view settings. Values are
// prepared when the data or the selection change; a paint only walks them.
#include <QImage>
#include <QWidget>
#include <optional>
#include <vector>

#include "ui/graphs/graph_window_frame.h"
#include "ui/graphs/smoothed_graph_painter.h"
#include "ui/shell/app_context.h"
#include "ui/shell/view_settings_follower.h"

class QAction;
class QCheckBox;
class QGroupBox;
class QRadioButton;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPrinter;
class QScrollBar;

namespace ardeno {

class GraphCanvas;

class SmoothedGraphsWindow : public QWidget, public NamedPanelTarget, public ViewSettingsFollower {
  Q_OBJECT
 public:
  explicit SmoothedGraphsWindow(AppContext& ctx, QWidget* parent = nullptr);

  // Operations of the menu and of the provyhlazovaci panel.
  void SelectIndex(SmoothedIndex index);
  void SelectView(SmoothedView view);  // `vybrat` 1..4
  void SelectDiagram(AsymmetryDiagram diagram);
  void SelectKind(AsymmetryKind kind);
  // The shared compression changed (the panel's "><" and "<>"): the scroll range follows the
  // graph's new width and the graph is painted again at once.
  void ViewSettingsChanged() override;
  void ShowScale();
  // "Brusel R": the official relative numbers beside ours, with the factor scroll bar.
  void ShowBrussels(bool shown);
  void SetBrusselsPosition(int position);
  // "Porovnání": the box of the series to compare; "Potvrdit" draws the chosen ones together.
  void ShowComparisonBox(bool shown);
  void ConfirmComparison();
  // Draws the given series together (what "Potvrdit" does with the boxes ticked so).
  void CompareSeries(const std::vector<ComparedSeries>& chosen, FluxKind flux);
  bool Comparing() const { return m_comparison.has_value(); }
  QGroupBox* ComparisonBox() const { return m_compareBox; }
  void ShowStretchBox();  // "Zvětšovat"
  // Applies the size typed into the stretch box to the graph's client area.
  void ApplyStretch();
  void SaveAll();           // "Uložit všechny grafy"
  void SaveWithQuestion();  // F8
  void Print();
  // The printed picture: the graph from its first year to the end of the year of "Tisknout do
  // roku"; nothing (after a message) when that is not a year of the graph.
  std::optional<QImage> PrintedPicture();
  // Prints that picture stretched onto the page; false when there is none.
  bool PrintTo(QPrinter& printer);
  QLineEdit* PrintYearEdit() const { return m_printYear; }
  void ReloadData();

  const SmoothedPicture& Picture() const { return m_picture; }
  SmoothedState State() const;
  QWidget* Canvas() const;

  // The provyhlazovaci panel's buttons (indices, diagrams, views, "Stupnice") run the named
  // operations.
  // The index, view and diagram buttons: pressed for the graph shown.
  std::vector<std::pair<QString, bool>> PanelButtonStates() const override;

 signals:
  void IndexSelected(SmoothedIndex index);
  // The graph shown changed: the panel's pressed buttons follow.
  void PanelStateChanged();

 protected:
  void keyReleaseEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void BuildMenus();
  void BuildStretchBox();
  void BuildComparisonBox();
  void EndComparison();
  void Prepare();
  void PaintCanvas(QPainter& painter);
  void UpdateScrollRange();
  void UpdateCaption();
  void PrepareBrussels();

  AppContext& m_ctx;
  RecordMonths m_months;
  AsymmetryTables m_asymmetry;
  SmoothedPicture m_picture;
  ReferenceMonths m_brussels;
  bool m_brusselsShown = false;
  float m_brusselsFactor = 1.0f;
  SmoothedView m_view = SmoothedView::Whole;
  AsymmetryDiagram m_diagram = AsymmetryDiagram::PerRecord;
  bool m_scaleShown = false;
  bool m_skipReported = false;
  QMenuBar* m_menuBar = nullptr;
  GraphCanvas* m_canvas = nullptr;
  QScrollBar* m_scroll = nullptr;
  QLabel* m_label = nullptr;
  QScrollBar* m_factorBar = nullptr;
  QLabel* m_factorLabel = nullptr;
  QGroupBox* m_stretchBox = nullptr;
  QLineEdit* m_stretchWidth = nullptr;
  QLineEdit* m_stretchHeight = nullptr;
  QGroupBox* m_compareBox = nullptr;
  std::vector<std::pair<ComparedSeries, QCheckBox*>> m_compareChecks;
  std::vector<std::pair<FluxKind, QRadioButton*>> m_fluxChoice;
  struct ComparisonChoice {
    std::vector<ComparedSeries> Chosen;
    FluxKind Flux = FluxKind::Observed;
  };
  std::optional<ComparisonChoice> m_comparison;
  QLineEdit* m_printYear = nullptr;
  bool m_printYearTyped = false;
};

}  // namespace ardeno
