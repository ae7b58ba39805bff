// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the maps window shows and how: the view, the map's switches and underlays, the
// comparison's halves and shift, the smaller or larger window, and from them the scale of the
// picture and its image name. The window keeps its menus, buttons and bars in step with this
// state and paints what it says; every rule of which command changes what lives here.
#include <optional>
#include <string>

#include "core/maps/map_comparison.h"
#include "core/maps/map_strips.h"
#include "core/maps/maps_window_size.h"

namespace ardeno {

enum class MapsView {
  Map,
  LongMap,
  HighMap,
  TwoMaps,
  CoronaGraph,
  CoronaButterfly,
  RealCorona,
  MagnetCycles
};

// The synoptic maps of the records (the single map and the strips), captioned with the
// rotation's dates.
bool IsSynopticView(MapsView view);
// The long, high and two maps: several rotations in strips.
bool IsStripView(MapsView view);
StripVariant StripVariantOf(MapsView view);

// The controls a view shows besides the picture.
struct MapsControls {
  bool RotationBar = false;  // the corona graph's rotation
  bool DayBar = false;       // the real corona's day
  bool Toolbar = true;       // the map's switches
  bool CyclesBox = false;    // may stay open: the box of the magnetosphere cycles
  bool operator==(const MapsControls&) const = default;
};
MapsControls ControlsOf(MapsView view);

struct MapSwitches {
  bool Faculae = true;
  bool Outlines = true;
  bool CoronaUnderlay = false;
  bool MagnetUnderlay = false;
  bool MagnetPicture = false;
  bool operator==(const MapSwitches&) const = default;
};

// Which data the window has: the switches and halves that need them stay off without them.
struct MapsDataPresent {
  bool Corona = false;
  bool Magnetograms = false;
};

// What a command that needs data did: Refused when its data are missing (the window says so).
enum class MapsCommand { Done, Refused };

// Everything the prepared picture depends on; a picture is prepared again only when it changes.
struct MapsSceneKey {
  MapsView View = MapsView::Map;
  int Rotation = 0;
  int Width = 0;
  int Height = 0;
  int AreaMultiple = 1;
  MapSwitches Switches;
  bool Comparison = false;
  ComparisonLayers Upper;
  ComparisonLayers Lower;
  int Shift = 0;
  bool operator==(const MapsSceneKey&) const = default;
};

// The scale of a strip view and how many rotations it draws from `first`.
struct StripPlan {
  StripVariant Variant = StripVariant::Long;
  int K = 1;
  int Count = 0;
};
StripPlan PlanStrips(MapsView view, int clientWidth, int clientHeight, int first, int lastRotation);

// The image name of a view: a Czech stem (marked for translation in context "Ardeno"; the saved
// file keeps its Czech bytes, the caption shows it translated) and what follows it.
struct MapsImageName {
  const char* Stem = "";
  std::string Suffix;
};
MapsImageName ImageNameOf(MapsView view, int mapRotation, int coronaGraphPosition, int coronaDay);

// The window's size after "<>": the smaller one, or the main window's client area less its
// border when there is one.
inline constexpr WindowSize kSmallMapsWindow{812, 581};
WindowSize ToggledMapsWindowSize(bool small, const std::optional<WindowSize>& mainClient);

class MapsViewState {
 public:
  MapsView View() const { return m_view; }
  const MapSwitches& Switches() const { return m_switches; }
  bool ComparisonShown() const { return m_comparison; }
  const ComparisonLayers& Layers(ComparisonHalf half) const;
  int ShiftPosition() const { return m_shiftPosition; }
  int Shift() const { return ComparisonShift(m_shiftPosition); }
  bool Small() const { return m_small; }

  // A view chosen from the menu. A view other than the single map ends the comparison; the
  // strip views take the corona underlay off (it belongs to one rotation's days).
  void Show(MapsView view);
  // The corona views need the corona's data; the corona graph falls back to the single map.
  MapsCommand ShowCoronaView(MapsView view, const MapsDataPresent& data);

  void ToggleFaculae() { m_switches.Faculae = !m_switches.Faculae; }
  void SetOutlines(bool on) { m_switches.Outlines = on; }
  // Underlays go on only with their data. The corona underlay, and the magnetosphere from its
  // menu, show the single map.
  MapsCommand ToggleCoronaUnderlay(const MapsDataPresent& data);
  MapsCommand ShowMagnetosphere(const MapsDataPresent& data);
  MapsCommand ToggleMagnetUnderlay(const MapsDataPresent& data);
  MapsCommand ToggleMagnetPicture(const MapsDataPresent& data);
  void SetSwitches(bool faculae, bool outlines, bool corona, bool magnetosphere,
                   const MapsDataPresent& data);

  // The comparison is a way of showing the single map.
  void ShowComparison(bool shown);
  // Contents without their data are left off; Refused tells that some were.
  struct LayersRefused {
    bool Corona = false;
    bool Magnetosphere = false;
  };
  LayersRefused SetLayers(const ComparisonLayers& upper, const ComparisonLayers& lower,
                          const MapsDataPresent& data);
  void ClearLayers(ComparisonHalf half);
  void SetShiftPosition(int position);

  void ToggleSmall() { m_small = !m_small; }

  MapsSceneKey SceneKey(int rotation, int width, int height, int areaMultiple) const;

 private:
  MapsView m_view = MapsView::Map;
  MapSwitches m_switches;
  bool m_comparison = false;
  // The map's spots above, its faculae below until the user chooses.
  ComparisonLayers m_upper{true, false, false, false};
  ComparisonLayers m_lower{false, true, false, false};
  int m_shiftPosition = kComparisonNoShiftPosition;
  bool m_small = false;
};

}  // namespace ardeno
