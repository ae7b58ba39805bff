#pragma once
// The smoothed-graphs window ("TForm8"): the monthly means and the 13-month smoothed course of
// one index (whole disk, one hemisphere or both), or in asymmetry mode the north-south
// asymmetry of that index per record, month or year, as ratio or difference. The mode, the
// asymmetry kind and the horizontal compression are the main window's view settings. Values are
// prepared when the data or the selection change; a paint only walks them.
#include <QWidget>
#include <map>

#include "ui/graphs/smoothed_graph_painter.h"
#include "ui/shell/app_context.h"
#include "ui/shell/toolbar_panels.h"
#include <functional>

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPrinter;
class QScrollBar;

namespace ardeno {

class GraphCanvas;

class SmoothedGraphsWindow : public QWidget, public PanelButtonTarget {
  Q_OBJECT
 public:
  explicit SmoothedGraphsWindow(AppContext& ctx, QWidget* parent = nullptr);

  // Operations of the menu and of the provyhlazovaci panel.
  void SelectIndex(SmoothedIndex index);
  void SelectView(SmoothedView view);  // `vybrat` 1..4
  void SelectDiagram(AsymmetryDiagram diagram);
  void SelectKind(AsymmetryKind kind);
  // The shared compression changed (the panel's "><" and "<>").
  void CompressionChanged();
  void ShowScale();
  // "Brusel R": the official relative numbers beside ours, with the factor scroll bar.
  void ShowBrussels(bool shown);
  void SetBrusselsPosition(int position);
  void ShowStretchBox();  // "Zvětšovat"
  // Applies the size typed into the stretch box to the graph's client area.
  void ApplyStretch();
  void SaveAll();           // "Uložit všechny grafy"
  void SaveWithQuestion();  // F8
  void Print();
  void PrintTo(QPrinter& printer);
  void ReloadData();

  const SmoothedPicture& Picture() const { return m_picture; }
  SmoothedState State() const;
  QWidget* Canvas() const;
  QAction* Action(const QString& name) const;

  // The provyhlazovaci panel's buttons (indices, diagrams, views, "Stupnice").
  bool HandlesPanelButton(const QString& buttonName) const override;
  void PanelButtonClicked(const QString& buttonName) override;

 signals:
  void IndexSelected(SmoothedIndex index);

 protected:
  void keyReleaseEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void BuildMenus();
  QAction* AddAction(QMenu* menu, const char* name, const QString& text, bool checkable);
  void BuildStretchBox();
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
  std::map<QString, QAction*> m_actions;
  std::map<QString, std::function<void()>> m_panelOperations;
  int m_paintedCompression = 0;
};

}  // namespace ardeno
