// SPDX-License-Identifier: GPL-3.0-or-later
// The monthly report views of the results window: the own results page, the SIDC page and the
// CV grid, for one month.

#include "core/results/month_walk.h"
#include "core/text/core_text.h"
#include "ui/results/results_window.h"
#include "views/render_view.h"

namespace ardeno::render {

namespace {

std::optional<std::string> PaintReport(RenderSession& session, const OptionValues& options,
                                       QPainter& painter, QSize size) {
  const std::string& report = options.Text("report");
  const char* button = report == "own" ? "vlastniv" : report == "sidc" ? "oficialv" : "CVvysledky";
  std::string month =
      std::to_string(options.Number("month")) + "." + std::to_string(options.Number("year"));
  if (options.Number("month") == 0 && session.Db.RecordCount > 0) {
    // The month of the last drawing, where the records end.
    const auto last = RecordDate(session.Db.Record(session.Db.RecordCount));
    if (last) month = std::to_string(last->Month) + "." + std::to_string(last->Year);
  }
  for (const ResultsViewEntry& entry : ResultsViewTable()) {
    if (std::string(entry.ButtonName) != button) continue;
    ResultsWindow window(session.Ctx);
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    window.resize(size);
    session.Msg.Answers = {QString::fromStdString(month)};
    window.ChooseView(entry);
    if (window.ResultsMode() != entry.Mode)
      return FillText(CoreText("ardeno-render", "V měsíci %1 není žádný zákres."), {month});
    ShowUnpainted(window);
    window.render(&painter);
    return std::nullopt;
  }
  return CoreText("ardeno-render", "Neznámý výkaz.");
}

const bool kRegistered = RegisterView(
    {"report",
     CoreTextNoop("ardeno-render", "měsíční výkazy okna výsledků: vlastní výsledky, SIDC, CV"),
     {{"report", "own", {"own", "sidc", "cv"}, false, CoreTextNoop("ardeno-render", "výkaz")},
      {"month",
       "0",
       {},
       true,
       CoreTextNoop("ardeno-render", "měsíc 1 až 12; 0 = měsíc posledního zákresu")},
      {"year", "0", {}, true, CoreTextNoop("ardeno-render", "rok výkazu")}},
     PaintReport,
     QSize(1200, 800)});

}  // namespace

}  // namespace ardeno::render
