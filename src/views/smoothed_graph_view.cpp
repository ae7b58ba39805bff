// SPDX-License-Identifier: GPL-3.0-or-later
// The smoothed-graphs window's pictures: the smoothed course of an index and, in asymmetry
// mode, the north-south asymmetry diagrams.
#include <algorithm>

#include "core/graphs/graph_plot_data.h"
#include "core/graphs/smoothed_picture.h"
#include "core/text/core_text.h"
#include "ui/graphs/smoothed_graph_painter.h"
#include "views/render_view.h"

namespace ardeno::render {

namespace {

std::vector<std::string> IndexChoices() {
  std::vector<std::string> names;
  for (const SmoothedIndexInfo& info : SmoothedIndexes()) names.emplace_back(info.CommandName);
  return names;
}

SmoothedView ViewFromName(const std::string& name) {
  if (name == "north") return SmoothedView::North;
  if (name == "south") return SmoothedView::South;
  if (name == "both") return SmoothedView::Both;
  return SmoothedView::Whole;
}

AsymmetryDiagram DiagramFromName(const std::string& name) {
  if (name == "monthly") return AsymmetryDiagram::Monthly;
  if (name == "yearly") return AsymmetryDiagram::Yearly;
  return AsymmetryDiagram::PerRecord;
}

// The compression that shows the whole span in the width: the smallest power of two that fits,
// at most 16 as on the toolbar.
int FittingCompression(const SmoothedPicture& picture, SmoothedState state) {
  for (state.Compression = 1; state.Compression < 16; state.Compression *= 2)
    if (SmoothedContentWidth(picture, state) <= state.Width) break;
  return state.Compression;
}

// The picture at the --compression asked for (0: the whole span fits) with the newest data in
// view when the graph is wider than the picture, and the scale when asked for.
std::optional<std::string> PaintAtCompression(const OptionValues& options, QPainter& painter,
                                              const SmoothedPicture& picture, SmoothedState state) {
  const int compression = options.Number("compression");
  if (compression < 0 || compression > 64)
    return CoreText("ardeno-render",
                    "Volba --compression čeká 0 (přizpůsobit šířce) až 64 dní na pixel.");
  state.Compression = compression == 0 ? FittingCompression(picture, state) : compression;
  state.Scroll = std::max(0, SmoothedContentWidth(picture, state) - state.Width);
  PaintSmoothedGraph(painter, picture, state);
  if (options.Text("scale") == "yes") PaintSmoothedScale(painter, picture, state);
  return std::nullopt;
}

std::optional<std::string> Paint(RenderSession& session, const OptionValues& options,
                                 QPainter& painter, QSize size, bool asymmetry) {
  SmoothedState state;
  state.Asymmetry = asymmetry;
  if (asymmetry) {
    state.Diagram = DiagramFromName(options.Text("diagram"));
    state.Kind =
        options.Text("kind") == "difference" ? AsymmetryKind::Difference : AsymmetryKind::Ratio;
  } else {
    state.View = ViewFromName(options.Text("view"));
  }
  state.Width = size.width();
  state.Height = size.height();
  const SmoothedPicture picture =
      BuildSmoothedPicture(session.Db, CollectMonths(session.Db), ComputeAsymmetry(session.Db),
                           *SmoothedIndexByCommandName(options.Text("index")), state.Kind);
  if (session.DataRequested) {
    if (asymmetry) {
      const CalendarDate first =
          session.Db.RecordCount > 0
              ? ParseDate(session.Db.Record(1).Date()).value_or(CalendarDate{})
              : CalendarDate{};
      session.Plotted = AsymmetryPlotData(picture, state.Diagram, first);
    } else {
      session.Plotted = SmoothedPlotData(picture, state.View);
    }
  }
  return PaintAtCompression(options, painter, picture, state);
}

// "r+brussels-r+flux": our indices by their --index names and the official series.
std::optional<std::vector<ComparedSeries>> ParseSeries(const std::string& text) {
  std::vector<ComparedSeries> chosen;
  for (const std::string& name : SplitOptionList(text)) {
    if (const auto index = SmoothedIndexByCommandName(name))
      chosen.push_back(static_cast<ComparedSeries>(static_cast<int>(*index)));
    else if (name == "brussels-r")
      chosen.push_back(ComparedSeries::BrusselsR);
    else if (name == "brussels-area")
      chosen.push_back(ComparedSeries::BrusselsAreas);
    else if (name == "flux")
      chosen.push_back(ComparedSeries::RadioFlux);
    else
      return std::nullopt;
  }
  return chosen;
}

std::optional<std::string> PaintComparison(RenderSession& session, const OptionValues& options,
                                           QPainter& painter, QSize size) {
  const auto chosen = ParseSeries(options.Text("series"));
  if (!chosen)
    return FillText(CoreText("ardeno-render",
                             "Volba --series: %1 (názvy indexů jako u --index, brussels-r, "
                             "brussels-area, flux, spojené +)."),
                    {options.Text("series")});
  const FluxKind flux = options.Text("flux") == "adj"   ? FluxKind::Adjusted
                        : options.Text("flux") == "abs" ? FluxKind::Absolute
                                                        : FluxKind::Observed;
  SmoothedState state;
  state.View = ViewFromName(options.Text("view"));
  state.Width = size.width();
  state.Height = size.height();
  const RecordMonths months = CollectMonths(session.Db);
  SmoothedPicture picture =
      BuildSmoothedPicture(session.Db, months, AsymmetryTables{}, SmoothedIndex::R, state.Kind);
  const ReferenceMonths brussels =
      SidcMonthMeansOf(session.Inputs.SidcDaily, session.Ctx.ProgDir, months.Span.FirstYear);
  ComparisonSources sources;
  sources.Records = &months;
  sources.View = state.View;
  sources.BrusselsR = &brussels;
  sources.Areas = &session.Inputs.SidcAreas;
  sources.Flux = &session.Inputs.RadioFlux;
  picture.Comparison = BuildComparison(*chosen, flux, sources);
  picture.Flux = flux;
  std::string missing;
  for (const ComparedSeries series : picture.Comparison->WithoutData)
    missing += (missing.empty() ? "" : "\n") + ComparisonMissingText(series);
  // As in the window: the frame is drawn with the curves there are, the rest is said.
  if (!missing.empty()) session.Msg.ShowMessageText(QString::fromStdString(missing));
  if (session.DataRequested)
    session.Plotted = ComparisonPlotData(*picture.Comparison, picture.Months.FirstYear);
  return PaintAtCompression(options, painter, picture, state);
}

const ViewOption kIndexOption{"index", "r", IndexChoices(), false,
                              CoreTextNoop("ardeno-render", "zobrazený index")};
const ViewOption kCompressionOption{
    "compression",
    "0",
    {},
    true,
    CoreTextNoop("ardeno-render", "dní na pixel; 0 = celé období na šířku obrázku")};
const ViewOption kScaleOption{"scale",
                              "yes",
                              {"yes", "no"},
                              false,
                              CoreTextNoop("ardeno-render", "stupnice hodnot u levého okraje")};

const bool kRegistered =
    RegisterView(
        {"smoothed-graph",
         CoreTextNoop("ardeno-render", "vyhlazovací grafy: měsíční průměry a 13měsíční vyhlazení"),
         {kIndexOption,
          {"view",
           "total",
           {"total", "north", "south", "both"},
           false,
           CoreTextNoop("ardeno-render", "polokoule")},
          kCompressionOption,
          kScaleOption},
         [](RenderSession& s, const OptionValues& o, QPainter& p, QSize size) {
           return Paint(s, o, p, size, false);
         },
         QSize(1600, 1000)}) &&
    RegisterView(
        {"asymmetry-graph",
         CoreTextNoop("ardeno-render", "asymetrie sever-jih po záznamech, měsících nebo letech"),
         {kIndexOption,
          {"diagram",
           "record",
           {"record", "monthly", "yearly"},
           false,
           CoreTextNoop("ardeno-render", "diagram")},
          {"kind",
           "ratio",
           {"ratio", "difference"},
           false,
           CoreTextNoop("ardeno-render", "podílová nebo rozdílová")},
          kCompressionOption,
          kScaleOption},
         [](RenderSession& s, const OptionValues& o, QPainter& p, QSize size) {
           return Paint(s, o, p, size, true);
         },
         QSize(1600, 1000)}) &&
    RegisterView(
        {"smoothed-comparison",
         CoreTextNoop("ardeno-render",
                      "porovnání vyhlazených křivek, každá v procentech svého maxima"),
         {{"series",
           "r+brussels-r+flux",
           {},
           false,
           CoreTextNoop(
               "ardeno-render",
               "křivky: indexy jako u --index, brussels-r, brussels-area, flux, spojené +")},
          {"flux",
           "obs",
           {"obs", "adj", "abs"},
           false,
           CoreTextNoop("ardeno-render", "rádiový tok OBS, ADJ nebo ABS")},
          {"view",
           "total",
           {"total", "north", "south"},
           false,
           CoreTextNoop("ardeno-render", "polokoule našich indexů")},
          kCompressionOption,
          kScaleOption},
         PaintComparison,
         QSize(1600, 1000)});

}  // namespace

}  // namespace ardeno::render
