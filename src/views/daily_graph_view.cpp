// SPDX-License-Identifier: GPL-3.0-or-later
// The daily-graphs window's picture, as the window opens: the newest data in view.
#include "core/graphs/daily_graph_axis.h"
#include "core/graphs/graph_plot_data.h"
#include "core/text/core_text.h"
#include "ui/graphs/daily_graph_painter.h"
#include "views/render_view.h"

namespace ardeno::render {

namespace {

std::vector<std::string> IndexChoices() {
  std::vector<std::string> names;
  for (const DailyGraphInfo& info : DailyGraphs()) names.emplace_back(info.CommandName);
  return names;
}

DailyView ViewFromName(const std::string& name) {
  if (name == "total") return DailyView::Whole;
  if (name == "north") return DailyView::North;
  if (name == "south") return DailyView::South;
  return DailyView::All;
}

std::optional<std::string> PaintDaily(RenderSession& session, const OptionValues& options,
                                      QPainter& painter, QSize size) {
  const int dayWidth = options.Number("day-width");
  if (dayWidth < 1 || dayWidth > 16)
    return CoreText("ardeno-render", "Volba --day-width čeká 1 až 16 pixelů.");
  const DailyGraph graph = *DailyGraphByCommandName(options.Text("index"));
  const RecordPositions positions =
      graph == DailyGraph::EastWest ? ComputeRecordPositions(session.Db) : RecordPositions{};
  DailyGraphPlot plot;
  plot.SetClientHeight(size.height());
  plot.SetData(session.Db, positions, dayWidth);
  plot.SelectGraph(session.Db, positions, graph);
  if (plot.Axis().Skipped > 0)
    session.Msg.Shown << QString::fromStdString(SkippedRecordsText(plot.Axis().Skipped));
  DailyFrame frame;
  frame.Width = size.width();
  frame.Height = size.height();
  const std::string& firstDay = options.Text("first-day");
  if (firstDay.empty()) {
    frame.Scroll = plot.Axis().OpeningScroll(size.width());
  } else if (const std::optional<CalendarDate> day = ParseDate(firstDay)) {
    frame.Scroll = plot.Axis().ScrollToDay(*day);
  } else {
    return CoreText("ardeno-render", "Volba --first-day čeká datum D.M.RRRR.");
  }
  const DailyView view = ViewFromName(options.Text("view"));
  PaintDailyGraph(painter, plot, view, frame);
  if (options.Text("scale") == "yes") PaintDailyScale(painter, plot, view, frame);
  if (session.DataRequested) session.Plotted = DailyPlotData(session.Db, plot, view);
  return std::nullopt;
}

const bool kRegistered = RegisterView(
    {"daily-graph",
     CoreTextNoop("ardeno-render", "denní grafy (okno Grafy) s nejnovějšími daty v záběru"),
     {{"index", "g", IndexChoices(), false, CoreTextNoop("ardeno-render", "zobrazený index")},
      {"view",
       "all",
       {"all", "total", "north", "south"},
       false,
       CoreTextNoop("ardeno-render", "tři panely nebo jeden")},
      {"day-width", "2", {}, true, CoreTextNoop("ardeno-render", "pixelů na den (1 až 16)")},
      {"first-day",
       "",
       {},
       false,
       CoreTextNoop("ardeno-render", "den u levého okraje, D.M.RRRR (jinak nejnovější data)")},
      {"scale",
       "yes",
       {"yes", "no"},
       false,
       CoreTextNoop("ardeno-render", "stupnice hodnot u levého okraje")}},
     PaintDaily,
     QSize(1600, 1000)});

}  // namespace

}  // namespace ardeno::render
