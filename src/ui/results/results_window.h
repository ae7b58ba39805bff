// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The results window ("TForm9", caption "Výsledky"): monthly statistics and reports, one view at a
// time, chosen from its menu or from the main window's results panel. The views and the commands
// that open them are listed in results_view_table.h.
#include <QPointer>
#include <QWidget>
#include <map>

#include "ui/results/results_view.h"
#include "ui/results/results_view_table.h"
#include "ui/shell/toolbar_panels.h"

class QAction;
class QActionGroup;
class QMenuBar;
class QStackedWidget;

namespace ardeno {

class InstrumentPanel;
class NetworkExportPanel;
class ObserverTableOverlay;
class PrintPanel;

class ResultsWindow : public QWidget, public PanelButtonTarget {
  Q_OBJECT
 public:
  explicit ResultsWindow(AppContext& ctx, QWidget* parent = nullptr);

  // ResultsMode: the view shown, 0 for none.
  int ResultsMode() const { return m_mode; }
  // The variant the view was opened with (the hemisphere for the statistics).
  int Variant() const { return m_variant; }
  ResultsView* CurrentView() const;
  QAction* MenuAction(const QString& name) const;
  PrintPanel* Printing() const { return m_printPanel; }
  InstrumentPanel* Instruments() const { return m_instrumentPanel; }
  NetworkExportPanel* NetworkExport() const { return m_networkPanel; }
  ObserverTableOverlay* ObserverTableShown() const { return m_observerTable; }

  // Opens the view of a table entry; the window keeps its view when the new one declines.
  void ChooseView(const ResultsViewEntry& entry);
  // The records changed: every view recomputes what it shows.
  void RecordsChanged();

  // "Tisk", "Uložit do souboru" and "Do CSV souboru".
  void PrintCurrentView();
  void SaveCurrentView();
  void ExportCsv();

  bool HandlesPanelButton(const QString& buttonName) const override;
  void PanelButtonClicked(const QString& buttonName) override;

 signals:
  // The "Do CSV souboru" button is offered while a view that exports CSV is shown, and hidden
  // again after the export.
  void CsvExportOffered(bool offered);
  // A view made a drawing current for the user to look at (a finding, a day of a track).
  void DrawingChosen();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // The entry a menu item opens: its own, or the variant its panel chose last.
  const ResultsViewEntry& MenuChoice(const ResultsViewEntry& entry) const;
  void CreateMenu();
  void PrintFromPanel();
  // "oficCSV": the CSV panel of the SIDC report.
  void OpenSidcCsvPanel();
  // "pristroj": the instrument panel.
  void ShowInstrumentPanel();
  // "exportsite": the panel writing a month for another network.
  void ShowNetworkPanel();
  void WriteMonthBulletin();
  // "q": the observer table over whatever view is shown.
  void ShowObserverTable();
  void UpdateCommands();
  // "Jen vlastní zákresy" was switched here or in another window.
  void RecordChoiceChanged();

  AppContext& m_app;
  ResultsContext m_results;
  int m_mode = 0;
  int m_variant = 0;
  // Per mode, the variant its panel buttons chose last (the asymmetry's month or year).
  std::map<int, int> m_panelVariant;
  QMenuBar* m_menu = nullptr;
  QActionGroup* m_viewActions = nullptr;
  std::map<QString, QAction*> m_actions;
  QStackedWidget* m_pages = nullptr;
  std::map<int, ResultsView*> m_views;
  PrintPanel* m_printPanel = nullptr;
  InstrumentPanel* m_instrumentPanel = nullptr;
  NetworkExportPanel* m_networkPanel = nullptr;
  ObserverTableOverlay* m_observerTable = nullptr;
};

}  // namespace ardeno
