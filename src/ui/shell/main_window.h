// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main frame ("TForm1"): a multiple-document area with the main menu, the toolbar panels and
// the status bar. It opens every other window, holds the view settings the toolbar buttons
// change, and runs the start-up and shutdown of the program.
#include <QMainWindow>
#include <QPointer>
#include <QSize>
#include <map>
#include <vector>

#include "core/data/startup_inputs.h"
#include "ui/shell/app_context.h"
#include "ui/shell/command.h"
#include "ui/shell/help_window.h"
#include "ui/shell/interface_language.h"

class QAction;
class QMenu;
class QLabel;
class QMdiArea;

namespace ardeno {

class ButterflyWindow;
class DailyGraphsWindow;
class DrawingWindow;
class SmoothedGraphsWindow;
class RecordListWindow;
class MapsWindow;
class PhotoDrawingWindow;
class ResultsWindow;
class ToolbarPanels;

class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit MainWindow(AppContext& ctx, QWidget* parent = nullptr);
  // The child windows go first: their last signals still find the frame whole.
  ~MainWindow() override;

  // The start-up sequence for a screen of `screen` pixels: auxiliary files, the data file, the
  // settings of record 1 (asking for them when absent), caption and scale. Returns false when
  // the screen is too small; the window has then closed itself.
  bool Start(QSize screen);

  QMdiArea* MdiArea() const { return m_mdi; }
  ToolbarPanels* Toolbar() const { return m_toolbar; }
  // The action of a command by objectName (null when unknown).
  QAction* Action(const QString& name) const;
  // Every command of the main window, as its menus and toolbar buttons run them.
  const std::vector<Command>& Commands() const { return m_commands; }
  // Enables each command whose rule holds; the others say "Připravuje se".
  void UpdateCommands();
  QLabel* StatusPanel(int index) const { return m_statusPanels[index]; }
  const StartupInputs& Inputs() const { return m_inputs; }
  DrawingWindow* Drawing() const { return m_drawing; }
  ResultsWindow* Results() const;
  MapsWindow* Maps() const;
  ButterflyWindow* Butterfly() const;
  RecordListWindow* RecordList() const { return m_list; }
  HelpWindow* Help() const { return m_help; }

  // The help text of the `napoveda` menu item.
  static QString HelpText();

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The table of commands (main_window_commands.cpp).
  std::vector<Command> BuildCommands();
  void CreateActions();
  void CreateMenus();
  // "Jazyk" in Zadávání: the language of the windows from the next start on.
  void CreateLanguageMenu(QMenu* entry);
  // Keeps the language chosen in the menu for the next start.
  void KeepLanguageChoice(InterfaceLanguage language);
  void Place(QWidget* menu, std::initializer_list<const char*> names);
  void CreateToolbar();
  void CreateStatusBar();

  // Commands.
  void OpenEditor(const QString& actionName, int mode);
  void CorrectRecord();
  // "Odstranit zákres": asks, keeps the drawing in odstranene.dat and takes it out of the data.
  void RemoveCurrentDrawing();
  // Ctrl+Z / Ctrl+Y: the records as before the last change, or as after the next undone one.
  void StepThroughHistory(bool redo);
  // The undo and redo items name their steps ("Zpět: oprava 05.03.2014").
  void NameHistorySteps();
  void SaveData();
  void SaveAsciiExport();
  void ShowHelp();
  // F1 ("Příručka"): the help window with the page of the window that has the focus.
  void ShowHelpPage();
  void ShowAbout();
  // "Stanice": the station's codes, place and description, set once for every report.
  void OpenStationForm();
  void OpenResults();
  void OpenCoordinateTables();
  void OpenDailyGraphs();
  // mode 0 smoothed, 1 asymmetry (the kind set beforehand).
  void OpenSmoothedGraphs(int mode);
  // kind 0 ratio ("asypo"), 1 difference ("asyroz").
  void OpenAsymmetryGraphs(int kind);
  void OpenMaps();
  void OpenButterfly();
  // "Foto" and the drawing window's "F": a new photographed-drawing window replaces the open one.
  void OpenPhotoWindow();
  // Places an analysis window over the frame's client area with its toolbar panel in place of
  // the basic one; closing the window's frame brings the basic panel back.
  void ShowAnalysisWindow(QWidget* window, const char* panelName);

  // Buttons whose settings the main window keeps.
  void ChangeTimeFactor(bool wider);
  void ChangeHeightScale(bool higher);
  void ToggleFaculaeWidth();
  void ChangeCompression(bool more);
  void ToggleAreaMultiple();
  void RequestInsertText();
  void RefreshAttachedWindow();

  // Start-up steps.
  void ApplyRecordOneSettings();
  void CreateDataWindows();
  void ShowChangedRecords();
  // A finding chose the current record: the drawing window comes forward beside the results
  // (shown, not minimized, with its group ringed) and the list selects the record.
  void BringDrawingForward();
  // The results' toolbar panel shown again when the basic panel stands in its place (another
  // analysis window had taken the toolbar and was closed).
  void ShowResultsPanelAgain();
  void UpdateCaption();
  bool ScreenIsWideEnough(QSize screen);
  bool Shutdown();

  AppContext& m_ctx;
  StartupInputs m_inputs;
  QMdiArea* m_mdi = nullptr;
  ToolbarPanels* m_toolbar = nullptr;
  std::vector<Command> m_commands;
  std::map<QString, QAction*> m_actions;
  DrawingWindow* m_drawing = nullptr;
  RecordListWindow* m_list = nullptr;
  QPointer<ResultsWindow> m_results;
  QPointer<DailyGraphsWindow> m_dailyGraphs;
  QPointer<SmoothedGraphsWindow> m_smoothedGraphs;
  QPointer<MapsWindow> m_maps;
  QPointer<ButterflyWindow> m_butterfly;
  QPointer<PhotoDrawingWindow> m_photo;
  QPointer<HelpWindow> m_help;
  // The drawing's frame before it made room beside the results; given back when they close.
  QSize m_drawingSizeBeforeResults;
  QLabel* m_statusPanels[3] = {nullptr, nullptr, nullptr};
  int m_areaMultipleTag = 0;
  bool m_shutdownDone = false;
};

}  // namespace ardeno
