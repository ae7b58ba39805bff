// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/maps/maps_view_state.h"

#include <algorithm>

#include "core/maps/corona_views.h"
#include "core/text/core_text.h"
#include "core/text/dates.h"

namespace ardeno {

bool IsSynopticView(MapsView view) { return view == MapsView::Map || IsStripView(view); }

bool IsStripView(MapsView view) {
  return view == MapsView::LongMap || view == MapsView::HighMap || view == MapsView::TwoMaps;
}

StripVariant StripVariantOf(MapsView view) {
  return view == MapsView::LongMap   ? StripVariant::Long
         : view == MapsView::HighMap ? StripVariant::High
                                     : StripVariant::Two;
}

MapsControls ControlsOf(MapsView view) {
  MapsControls controls;
  controls.RotationBar = view == MapsView::CoronaGraph;
  controls.DayBar = view == MapsView::RealCorona;
  controls.Toolbar = view != MapsView::RealCorona;
  controls.CyclesBox = view == MapsView::MagnetCycles;
  return controls;
}

StripPlan PlanStrips(MapsView view, int clientWidth, int clientHeight, int first,
                     int lastRotation) {
  StripPlan plan;
  plan.Variant = StripVariantOf(view);
  plan.K = plan.Variant == StripVariant::Two ? TwoMapsScale(clientWidth, clientHeight)
                                             : StripScale(clientWidth);
  plan.Count = StripCount(plan.Variant, first, lastRotation, clientHeight, plan.K);
  return plan;
}

MapsImageName ImageNameOf(MapsView view, int mapRotation, int coronaGraphPosition, int coronaDay) {
  const std::string rotation = std::to_string(mapRotation);
  switch (view) {
    case MapsView::Map:
    case MapsView::TwoMaps:
      return {CoreTextNoop("Ardeno", "Mapa  "), rotation};
    case MapsView::LongMap:
      return {CoreTextNoop("Ardeno", "Dlouhamapa  "), rotation};
    case MapsView::HighMap:
      return {CoreTextNoop("Ardeno", "Vysokamapa  "), rotation};
    case MapsView::CoronaGraph:
      return {CoreTextNoop("Ardeno", "Korona_graf"),
              std::to_string(coronaGraphPosition + kCoronaGraphRotationOffset)};
    case MapsView::CoronaButterfly:
      return {CoreTextNoop("Ardeno", "Korona_motyl"), ""};
    case MapsView::RealCorona:
      return {CoreTextNoop("Ardeno", "Korona "), FormatDate(CoronaRowDate(coronaDay))};
    case MapsView::MagnetCycles:
      return {CoreTextNoop("Ardeno", "Cykly_magnet"), ""};
  }
  return {};
}

WindowSize ToggledMapsWindowSize(bool small, const std::optional<WindowSize>& mainClient) {
  if (small || !mainClient) return kSmallMapsWindow;
  return {mainClient->Width - 8, mainClient->Height - 37};
}

const ComparisonLayers& MapsViewState::Layers(ComparisonHalf half) const {
  return half == ComparisonHalf::Upper ? m_upper : m_lower;
}

void MapsViewState::Show(MapsView view) {
  if (view != MapsView::Map) m_comparison = false;
  if (IsStripView(view)) m_switches.CoronaUnderlay = false;
  m_view = view;
}

MapsCommand MapsViewState::ShowCoronaView(MapsView view, const MapsDataPresent& data) {
  if (!data.Corona) {
    if (view == MapsView::CoronaGraph) Show(MapsView::Map);
    return MapsCommand::Refused;
  }
  Show(view);
  return MapsCommand::Done;
}

MapsCommand MapsViewState::ToggleCoronaUnderlay(const MapsDataPresent& data) {
  if (!m_switches.CoronaUnderlay && !data.Corona) return MapsCommand::Refused;
  m_switches.CoronaUnderlay = !m_switches.CoronaUnderlay;
  if (m_view != MapsView::Map) Show(MapsView::Map);
  return MapsCommand::Done;
}

MapsCommand MapsViewState::ShowMagnetosphere(const MapsDataPresent& data) {
  if (!data.Magnetograms) return MapsCommand::Refused;
  m_switches.MagnetUnderlay = true;
  if (m_view != MapsView::Map) Show(MapsView::Map);
  return MapsCommand::Done;
}

MapsCommand MapsViewState::ToggleMagnetUnderlay(const MapsDataPresent& data) {
  if (!m_switches.MagnetUnderlay && !data.Magnetograms) return MapsCommand::Refused;
  m_switches.MagnetUnderlay = !m_switches.MagnetUnderlay;
  return MapsCommand::Done;
}

MapsCommand MapsViewState::ToggleMagnetPicture(const MapsDataPresent& data) {
  if (!m_switches.MagnetPicture && !data.Magnetograms) return MapsCommand::Refused;
  m_switches.MagnetPicture = !m_switches.MagnetPicture;
  return MapsCommand::Done;
}

void MapsViewState::SetSwitches(bool faculae, bool outlines, bool corona, bool magnetosphere,
                                const MapsDataPresent& data) {
  m_switches.Faculae = faculae;
  m_switches.Outlines = outlines;
  m_switches.CoronaUnderlay = corona && data.Corona;
  m_switches.MagnetUnderlay = magnetosphere;
}

void MapsViewState::ShowComparison(bool shown) {
  m_comparison = shown;
  if (shown) m_view = MapsView::Map;
}

MapsViewState::LayersRefused MapsViewState::SetLayers(const ComparisonLayers& upper,
                                                      const ComparisonLayers& lower,
                                                      const MapsDataPresent& data) {
  LayersRefused refused;
  m_upper = upper;
  m_lower = lower;
  m_lower.Spots = lower.Spots && SpotsOffered(ComparisonHalf::Lower);
  for (ComparisonLayers* half : {&m_upper, &m_lower}) {
    if (half->Corona && !data.Corona) {
      half->Corona = false;
      refused.Corona = true;
    }
    if (half->Magnetosphere && !data.Magnetograms) {
      half->Magnetosphere = false;
      refused.Magnetosphere = true;
    }
  }
  return refused;
}

void MapsViewState::ClearLayers(ComparisonHalf half) {
  (half == ComparisonHalf::Upper ? m_upper : m_lower) = ComparisonLayers{};
}

void MapsViewState::SetShiftPosition(int position) {
  m_shiftPosition = std::clamp(position, 0, kComparisonShiftPositions);
}

MapsSceneKey MapsViewState::SceneKey(int rotation, int width, int height, int areaMultiple) const {
  return {m_view,     rotation,     width,   height,  areaMultiple,
          m_switches, m_comparison, m_upper, m_lower, Shift()};
}

}  // namespace ardeno
