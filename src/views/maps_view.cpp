// SPDX-License-Identifier: GPL-3.0-or-later
// The maps window's pictures: the synoptic map of a rotation, the long, high and two maps, and
// the corona graph and corona butterfly, the magnetosphere cycle comparison.
#include <algorithm>
#include <filesystem>

#include <QScrollBar>

#include "core/butterfly/butterfly_plot_data.h"
#include "core/data/aux_file_io.h"
#include "core/maps/magnet_cycles.h"
#include "core/maps/map_plot_data.h"
#include "core/text/core_text.h"
#include "ui/maps/magnet_cycles_painter.h"
#include "ui/maps/maps_window.h"
#include "views/render_view.h"

namespace ardeno::render {

namespace {

using MapView = MapsWindow::View;

// Rotations the high map shows by default, ending with the last one.
constexpr int kHighMapDefaultRotations = 20;

std::optional<std::string> PaintMaps(RenderSession& session, const OptionValues& options,
                                     QPainter& painter, QSize size, MapView view) {
  if (session.Db.RecordCount == 0) return CoreText("ardeno-render", "Databáze nemá žádný záznam.");
  MapsWindow window(session.Ctx);
  const int rotation = options.Number("rotation");
  if (rotation != 0 && !window.ChooseRotationNumber(rotation))
    return FillText(CoreText("ardeno-render", "Rotace %1 v datech není."),
                    {std::to_string(rotation)});
  if (rotation == 0) {
    // The latest data: the last rotation, or for the strip maps the rotations leading to it.
    const auto& list = window.RotationList();
    const int last = list.back().Rotation;
    const int back = view == MapView::LongMap   ? kLongMapRotations - 1
                     : view == MapView::HighMap ? kHighMapDefaultRotations - 1
                     : view == MapView::TwoMaps ? 1
                                                : 0;
    int position = static_cast<int>(list.size()) - 1;
    while (position > 0 && list[static_cast<std::size_t>(position - 1)].Rotation >= last - back)
      --position;
    window.ChooseRotation(position);
  }
  const bool magnetosphere = options.Text("magnetosphere") == "yes";
  if (magnetosphere && !std::filesystem::is_directory(session.Ctx.ProgDir / kMagnetogramFolder))
    return CoreText("ardeno-render", "Nejsou data pro magnetosféru");
  const bool corona = options.Text("corona") == "yes";
  if (corona && !(session.Inputs.Corona.FolderFound && session.Inputs.Corona.DayCount() > 0))
    return CoreText("ardeno-render", "Nejsou data pro koronu");
  window.SetSwitches(options.Text("faculae") == "yes", options.Text("outlines") == "yes", corona,
                     magnetosphere);
  switch (view) {
    case MapView::LongMap:
      window.dlouhamapClick();
      break;
    case MapView::HighMap:
      window.vysokamapClick();
      break;
    case MapView::TwoMaps:
      window.dvenadsebouClick();
      break;
    default:
      break;
  }
  window.PaintView(painter, size, false);
  if (session.DataRequested) {
    // The single map draws the auxiliary spots and facular fields too, the strips the groups.
    const bool single = view == MapView::Map;
    session.Plotted = MapPlotData(session.Db, window.Sightings(), window.RotationsShown(),
                                  {true, single, single && window.FaculaeShown()});
  }
  return std::nullopt;
}

std::optional<std::string> PaintCorona(RenderSession& session, const OptionValues& options,
                                       QPainter& painter, QSize size, MapView view) {
  if (!(session.Inputs.Corona.FolderFound && session.Inputs.Corona.DayCount() > 0))
    return CoreText("ardeno-render", "Nejsou data pro koronu");
  MapsWindow window(session.Ctx);
  if (view == MapView::CoronaGraph) {
    const int position = options.Number("position");
    const int last = window.CoronaRotationBar()->maximum();
    if (position < 1 || position > last)
      return FillText(CoreText("ardeno-render", "Pozice rotace musí být od 1 do %1."),
                      {std::to_string(last)});
    window.KoronaGrafClick();
    window.SetCoronaGraphPosition(position);
    if (session.DataRequested)
      session.Plotted = CoronaGraphPlotData(session.Inputs.Corona, CoronaGraphFirstRow(position));
  } else {
    window.koronamotylClick();
    if (session.DataRequested)
      session.Plotted = CoronaBandPlotData(CoronaColumns(session.Inputs.Corona));
  }
  window.PaintView(painter, size, false);
  return std::nullopt;
}

// "spots+faculae", "corona", "none": the contents of one half of the comparison.
std::optional<ComparisonLayers> ParseLayers(const std::string& text, bool spotsOffered) {
  ComparisonLayers layers;
  if (text == "none") return layers;
  for (const std::string& name : SplitOptionList(text)) {
    if (name == "spots" && spotsOffered)
      layers.Spots = true;
    else if (name == "faculae")
      layers.Faculae = true;
    else if (name == "corona")
      layers.Corona = true;
    else if (name == "magnetosphere")
      layers.Magnetosphere = true;
    else
      return std::nullopt;
  }
  return layers;
}

std::optional<std::string> PaintComparison(RenderSession& session, const OptionValues& options,
                                           QPainter& painter, QSize size) {
  const auto upper = ParseLayers(options.Text("upper"), true);
  if (!upper)
    return FillText(CoreText("ardeno-render",
                             "Horní polovina: %1 (lze spots, faculae, corona, magnetosphere "
                             "spojené +, nebo none)."),
                    {options.Text("upper")});
  const auto lower = ParseLayers(options.Text("lower"), false);
  if (!lower)
    return FillText(CoreText("ardeno-render",
                             "Dolní polovina: %1 (lze faculae, corona, magnetosphere spojené +, "
                             "nebo none)."),
                    {options.Text("lower")});
  const int shift = options.Number("shift");
  if (ComparisonShift(shift + kComparisonNoShiftPosition) != shift)
    return CoreText("ardeno-render", "Posuv v otočkách musí být od -10 do 10.");
  if ((upper->Magnetosphere || lower->Magnetosphere) &&
      !std::filesystem::is_directory(session.Ctx.ProgDir / kMagnetogramFolder))
    return CoreText("ardeno-render", "Nejsou data pro magnetosféru");
  if ((upper->Corona || lower->Corona) &&
      !(session.Inputs.Corona.FolderFound && session.Inputs.Corona.DayCount() > 0))
    return CoreText("ardeno-render", "Nejsou data pro koronu");
  if (session.Db.RecordCount == 0) return CoreText("ardeno-render", "Databáze nemá žádný záznam.");
  MapsWindow window(session.Ctx);
  const int rotation = options.Number("rotation");
  if (rotation != 0 && !window.ChooseRotationNumber(rotation))
    return FillText(CoreText("ardeno-render", "Rotace %1 v datech není."),
                    {std::to_string(rotation)});
  if (rotation == 0) window.ChooseRotation(static_cast<int>(window.RotationList().size()) - 1);
  window.SetComparison(*upper, *lower, shift + kComparisonNoShiftPosition);
  window.PaintView(painter, size, false);
  if (session.DataRequested) {
    PlotData data;
    for (const ComparisonHalf half : {ComparisonHalf::Upper, ComparisonHalf::Lower}) {
      const ComparisonLayers layers = window.Layers(half);
      const PlotData rows = MapPlotData(session.Db, window.Sightings(),
                                        {ComparisonRotation(window.MapRotation(), half, shift)},
                                        {layers.Spots, layers.Spots, layers.Faculae});
      data.Columns = rows.Columns;
      data.Rows.insert(data.Rows.end(), rows.Rows.begin(), rows.Rows.end());
    }
    session.Plotted = std::move(data);
  }
  return std::nullopt;
}

std::optional<std::string> PaintMagnetCycles(RenderSession& session, const OptionValues& options,
                                             QPainter& painter, QSize size) {
  MagnetSummary summary;
  try {
    summary = ReadMagnetSummary(session.Ctx.ProgDir, 0);
  } catch (const AuxFileError& error) {
    return std::string(error.what());
  }
  if (!summary.FileFound)
    return CoreText("ardeno-render",
                    "Soubor magn.dat není: vytvoří ho součet magnetogramů (klávesa P v okně map).");
  if (summary.RecordCount() == 0)
    return CoreText("ardeno-render",
                    "Soubor magn.dat nemá ani jednu otočku (je prázdný nebo zkrácený): vytvoří ho "
                    "znovu součet magnetogramů (klávesa P v okně map).");
  const MagnetCycleQuery query{static_cast<double>(options.Number("from")),
                               static_cast<double>(options.Number("to")),
                               options.Number("cycles"),
                               options.Number("rotation"),
                               options.Text("polarity") == "greater",
                               options.Text("hemispheres") == "both"};
  if (const auto refusal = CheckMagnetCycleQuery(query)) return refusal;
  const MagnetCycleCurves curves = CompareMagnetCycles(summary, query);
  // A chart without a single point would pass for a comparison of empty cycles.
  if (std::ranges::none_of(curves.Shares, [](const auto& cycle) {
        return std::ranges::any_of(cycle, [](const auto& share) { return share.has_value(); });
      }))
    return CoreText("ardeno-render",
                    "V souboru magn.dat nejsou v pásu šířek a v otočkách zvolených cyklů žádná "
                    "pozorování.");
  ardeno::PaintMagnetCycles(painter, curves, size);
  if (session.DataRequested) session.Plotted = MagnetCyclesPlotData(curves);
  return std::nullopt;
}

std::vector<ViewOption> MagnetCyclesOptions() {
  const MagnetCycleQuery defaults;
  return {{"from",
           std::to_string(static_cast<int>(defaults.From)),
           {},
           true,
           CoreTextNoop("ardeno-render", "šířka od, stupně")},
          {"to",
           std::to_string(static_cast<int>(defaults.To)),
           {},
           true,
           CoreTextNoop("ardeno-render", "šířka do, stupně")},
          {"cycles",
           std::to_string(defaults.Cycles),
           {},
           true,
           CoreTextNoop("ardeno-render", "počet cyklů po 147 otočkách")},
          {"rotation",
           std::to_string(defaults.StartRotation),
           {},
           true,
           CoreTextNoop("ardeno-render", "první otočka prvního cyklu")},
          {"polarity",
           "greater",
           {"greater", "smaller"},
           false,
           CoreTextNoop("ardeno-render", "polarita větší nebo menší")},
          {"hemispheres",
           "both",
           {"both", "north"},
           false,
           CoreTextNoop("ardeno-render", "sever i jih, nebo jen sever")}};
}

std::vector<ViewOption> MapOptions() {
  return {
      {"rotation",
       "0",
       {},
       true,
       CoreTextNoop("ardeno-render",
                    "Carringtonova rotace; 0 = poslední v datech (u pásových map rotace před ní)")},
      {"faculae", "yes", {"yes", "no"}, false, CoreTextNoop("ardeno-render", "fakulová pole")},
      {"outlines",
       "yes",
       {"yes", "no"},
       false,
       CoreTextNoop("ardeno-render", "obrysy spojující skupinu s pomocnou skvrnou")},
      {"corona",
       "no",
       {"no", "yes"},
       false,
       CoreTextNoop("ardeno-render", "zelená koróna pod mapou")},
      {"magnetosphere",
       "no",
       {"no", "yes"},
       false,
       CoreTextNoop("ardeno-render", "magnetosféra pod mapou")}};
}

View MapsView(const char* name, const char* summary, MapView view, QSize size) {
  return {name, summary, MapOptions(),
          [view](RenderSession& s, const OptionValues& o, QPainter& p, QSize size) {
            return PaintMaps(s, o, p, size, view);
          },
          size};
}

View CoronaView(const char* name, const char* summary, std::vector<ViewOption> options,
                MapView view, QSize size) {
  return {name, summary, std::move(options),
          [view](RenderSession& s, const OptionValues& o, QPainter& p, QSize size) {
            return PaintCorona(s, o, p, size, view);
          },
          size};
}

std::vector<ViewOption> ComparisonOptions() {
  std::vector<ViewOption> options;
  options.push_back(
      {"rotation",
       "0",
       {},
       true,
       CoreTextNoop("ardeno-render", "Carringtonova rotace horní mapy; 0 = poslední v datech")});
  options.push_back(
      {"upper",
       "spots+faculae",
       {},
       false,
       CoreTextNoop(
           "ardeno-render",
           "obsah horní mapy: spots, faculae, corona, magnetosphere spojené +, nebo none")});
  options.push_back(
      {"lower",
       "faculae",
       {},
       false,
       CoreTextNoop("ardeno-render",
                    "obsah dolní mapy: faculae, corona, magnetosphere spojené +, nebo none")});
  options.push_back({"shift",
                     "0",
                     {},
                     true,
                     CoreTextNoop("ardeno-render", "posuv dolní mapy v otočkách, -10 až 10")});
  return options;
}

bool RegisterMapsViews() {
  RegisterView(MapsView(
      "map",
      CoreTextNoop("ardeno-render", "synoptická mapa jedné rotace se skupinami a tabulkou b/l"),
      MapView::Map, QSize(1400, 900)));
  RegisterView(MapsView("long-map",
                        CoreTextNoop("ardeno-render", "dlouhá mapa: 16 rotací vedle sebe"),
                        MapView::LongMap, QSize(1920, 700)));
  RegisterView(MapsView("high-map", CoreTextNoop("ardeno-render", "vysoká mapa: rotace pod sebou"),
                        MapView::HighMap, QSize(1000, 1000)));
  RegisterView(MapsView("two-maps", CoreTextNoop("ardeno-render", "dvě mapy nad sebou"),
                        MapView::TwoMaps, QSize(1400, 900)));
  RegisterView(CoronaView(
      "corona-graph", CoreTextNoop("ardeno-render", "graf zelené koróny jedné rotace po sektorech"),
      {{"position",
        "1",
        {},
        true,
        CoreTextNoop("ardeno-render", "pozice rotace od 1 (rotace = pozice + 1327)")}},
      MapView::CoronaGraph, QSize(1100, 650)));
  RegisterView(
      CoronaView("corona-butterfly",
                 CoreTextNoop("ardeno-render", "motýlek zelené koróny ze všech načtených rotací"),
                 {}, MapView::CoronaButterfly, QSize(1400, 700)));
  RegisterView(
      {"magnet-cycles",
       CoreTextNoop("ardeno-render",
                    "srovnání cyklů z magn.dat: podíl polarity v pásu šířek otočku po otočce"),
       MagnetCyclesOptions(), PaintMagnetCycles, QSize(1200, 700)});
  RegisterView(
      {"map-comparison",
       CoreTextNoop("ardeno-render",
                    "srovnání dvou map nad sebou: horní rotace a dolní posunutá o celé rotace"),
       ComparisonOptions(), PaintComparison, QSize(1400, 900)});
  return true;
}

const bool kRegistered = RegisterMapsViews();

}  // namespace

}  // namespace ardeno::render
