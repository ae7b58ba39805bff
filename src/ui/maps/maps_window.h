// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The maps window ("TForm7", caption "Mapa"): synoptic maps of the Carrington rotations (the
// single map, the long map, the high map, two maps) and the corona and magnetosphere views and
// underlays. It works on the shared work record, which it points at the chosen rotation's first
// record and gives back when it closes.
#include <QCoreApplication>
#include <QImage>
#include <QWidget>
#include <memory>
#include <optional>

#include "core/maps/magnet_cycles.h"
#include "core/maps/magnet_summary.h"
#include "core/maps/map_comparison.h"
#include "core/maps/map_rotation.h"
#include "core/maps/map_sightings.h"
#include "core/maps/maps_view_state.h"
#include "core/maps/maps_window_size.h"
#include "ui/maps/corona_painter.h"
#include "ui/maps/magnet_cycles_box.h"
#include "ui/maps/map_painter.h"
#include "ui/shell/app_context.h"

class QAction;
class QLabel;
class QListWidget;
class QMenuBar;
class QPrinter;
class QScrollBar;
class QToolBar;
class QToolButton;

namespace ardeno {

class MapsWindow : public QWidget {
  Q_OBJECT
 public:
  using View = MapsView;

  explicit MapsWindow(AppContext& ctx, QWidget* parent = nullptr);
  ~MapsWindow() override;

  View CurrentView() const { return m_state.View(); }
  const MapsViewState& State() const { return m_state; }
  int MapRotation() const;
  int RotationListIndex() const { return m_listIndex; }
  const std::vector<RotationListEntry>& RotationList() const { return m_rotations; }
  bool GroupOutlines() const { return m_state.Switches().Outlines; }
  bool FaculaeShown() const { return m_state.Switches().Faculae; }
  QWidget* Canvas() const { return m_canvas; }
  QAction* MenuAction(const QString& name) const;
  QToolButton* ToolButton(const QString& name) const;
  QScrollBar* CoronaRotationBar() const { return m_rotationBar; }
  QScrollBar* CoronaDayBar() const { return m_dayBar; }

  // The chosen rotation by its position in the rotation list.
  void ChooseRotation(int position);
  // The rotation by its number: the list entry holding it, or the last one before it; false
  // when the data hold no such rotation.
  bool ChooseRotationNumber(int rotation);
  // What the maps read from the records, prepared once per change of the data.
  // The shared maps' data, prepared once per change of the data.
  const MapSightings& Sightings() const { return m_ctx.Groups.Maps(m_ctx.Db); }
  // The rotations the view shows: the strips of the long, high and two maps as last painted,
  // otherwise the chosen rotation.
  std::vector<int> RotationsShown() const;
  // Switches of the map: facular fields, group outlines, the corona and magnetosphere underlays.
  void SetSwitches(bool faculae, bool outlines, bool corona, bool magnetosphere);
  // The corona graph's rotation position (1 = the first loaded rotation).
  void SetCoronaGraphPosition(int position);
  // Recomputes what the maps read from the records; called once per change of the data.
  void DataChanged();
  // The view on a painter of `client` size (the window's own paint, images and tests).
  void PaintView(QPainter& painter, QSize client, bool printing);
  // Prints the current view on one page (the high map as strips drawn on the page), with `note`
  // on a line under the map when given.
  void PrintTo(QPrinter& printer, const QString& note = {});
  // The image name the window saves under with F8 (Czech, at most 20 characters), or, `shown`,
  // the same name in the windows' language as the window's caption.
  QString ImageNameForView(bool shown) const;
  // Runs the magnetosphere summation and rewrites magn.dat (key P).
  void SumMagnetosphere();
  // The box of the cycle comparison, and the curves its "Potvrdit" computed last.
  MagnetCyclesBox* MagnetCyclesPanel() const { return m_cyclesBox; }
  const std::optional<MagnetCycleCurves>& MagnetCycles() const { return m_magnetCycles; }

  // The comparison of an upper and a lower map ("Srovnávání").
  bool ComparisonShown() const { return m_state.ComparisonShown(); }
  QWidget* ComparisonPanel() const { return m_comparisonPanel; }
  QScrollBar* ComparisonShiftBar() const { return m_shiftBar; }
  // Sets what the halves show and the shift bar's position; contents whose data are missing
  // are refused with the window's message and left off.
  void SetComparison(const ComparisonLayers& upper, const ComparisonLayers& lower,
                     int shiftPosition);
  ComparisonLayers Layers(ComparisonHalf half) const { return m_state.Layers(half); }

 public slots:
  void vybermClick();
  void mapkyClick();
  void dlouhamapClick();
  void vysokamapClick();
  void dvenadsebouClick();
  void KoronaGrafClick();
  void koronamotylClick();
  void koronaglobClick();
  void koronapodClick();
  void MagnetoSfera1Click();
  void datamagnetClick();
  void SrovnaniClick();
  void Tisk1Click();

 signals:
  // A printout took the text the panel's "A" asked for.
  void InsertTextUsed();

 protected:
  void keyReleaseEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  static constexpr const char* kNoCoronaData =
      QT_TRANSLATE_NOOP("Ardeno", "Nejsou data pro koronu");
  static constexpr const char* kNoMagnetosphereData =
      QT_TRANSLATE_NOOP("Ardeno", "Nejsou data pro magnetosféru");
  // The rotation of the data's last record; 0 without records.
  static int LastRotation(const Database& db);
  // The client area of the main frame the window sits in; none outside a frame.
  std::optional<WindowSize> FrameArea() const;
  // Gives the window's frame the size `outer` (title and border included).
  void ResizeWithinFrame(WindowSize outer);
  void BuildMenus();
  void BuildToolbar();
  void BuildRotationList();
  // Shows the state's view with its controls; the commands change the state first.
  void ShowView(View view);
  void ApplyState();
  // Tells what a command refused for lack of data; true when it was done.
  bool Done(MapsCommand result, const char* missing);
  MapsDataPresent DataPresent() const;
  void ToggleFaculae();
  void ToggleOutlines();
  void ToggleSize();
  void ToggleCoronaUnderlay();
  void ToggleMagnetosphereUnderlay();
  void ToggleMagnetospherePicture();
  void ShowMagnetCycles();
  // Reads magn.dat when first needed; false (after telling why) when it cannot be read.
  bool ReadMagnetSummaryOnce();
  bool CoronaPresent() const;
  bool MagnetogramsPresent() const;
  void SaveImage(bool ask);
  void Invalidate();
  void PrepareIfNeeded(QSize client);
  void RestoreWorkRecord();
  void BuildComparisonPanel();
  void ShowComparison(bool shown);
  // The comparison's buttons, bar and panel as the state says; the layers the buttons show.
  void ApplyComparison();
  ComparisonLayers CheckedLayers(ComparisonHalf half) const;
  void ApplyLayers(const ComparisonLayers& upper, const ComparisonLayers& lower);
  void LayerToggled();
  void ShiftChanged(int position);
  // Underlays of one rotation; null when switched off or without data for it.
  const CoronaData* CoronaUnderlayOf(int rotation) const;
  const MagnetosphereUnderlay& MagnetosphereOf(int rotation);
  // Shows, once the current paint is done, which magnetogram day files could not be read.
  void TellUnreadDays(const std::vector<std::string>& messages);
  SingleMapScene PrepareHalf(ComparisonHalf half, QSize client, int areaMultiple);

  AppContext& m_ctx;
  MapsViewState m_state;
  View m_appliedView = View::Map;
  int m_listIndex = 0;
  std::vector<RotationListEntry> m_rotations;
  MagnetSummary m_magnetSummary;  // as stored, kept whole for the summation's rewrite
  bool m_magnetSummaryRead = false;
  std::optional<MagnetCycleCurves> m_magnetCycles;
  MagnetCyclesBox* m_cyclesBox = nullptr;
  CoronaButterflyScene m_coronaButterfly;

  // Prepared for the current rotation, size and switches; rebuilt only when one of them changes.
  std::optional<MapsSceneKey> m_preparedKey;
  SingleMapScene m_singleScene;
  StripScene m_stripScene;
  ComparisonScene m_comparisonScene;
  // Read per rotation when first shown; the comparison may show two rotations at once.
  std::map<int, MagnetosphereUnderlay> m_magnetospheres;

  QMenuBar* m_menu = nullptr;
  QToolBar* m_toolbar = nullptr;
  QWidget* m_canvas = nullptr;
  QListWidget* m_list = nullptr;
  QLabel* m_sizeLabel = nullptr;
  QLabel* m_busyPanel = nullptr;
  QScrollBar* m_rotationBar = nullptr;
  QScrollBar* m_dayBar = nullptr;
  std::map<QString, QAction*> m_actions;
  std::map<QString, QToolButton*> m_buttons;
  QWidget* m_comparisonPanel = nullptr;
  QScrollBar* m_shiftBar = nullptr;
  QLabel* m_shiftLabel = nullptr;
  bool m_restored = false;
};

}  // namespace ardeno
