// The smoothed-graphs window's pictures: the smoothed course of an index and, in asymmetry
// mode, the north-south asymmetry diagrams.
#include "core/graphs/smoothed_picture.h"
#include "render/render_view.h"
#include "ui/graphs/smoothed_graph_painter.h"

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

std::optional<std::string> Paint(RenderSession& session, const OptionValues& options,
                                 QPainter& painter, QSize size, bool asymmetry) {
  SmoothedState state;
  state.Asymmetry = asymmetry;
  if (asymmetry) {
    state.Diagram = DiagramFromName(options.Text("diagram"));
    state.Kind = options.Text("kind") == "difference" ? AsymmetryKind::Difference
                                                       : AsymmetryKind::Ratio;
  } else {
    state.View = ViewFromName(options.Text("view"));
  }
  state.Width = size.width();
  state.Height = size.height();
  const SmoothedPicture picture =
      BuildSmoothedPicture(session.Db, CollectMonths(session.Db), ComputeAsymmetry(session.Db),
                           *SmoothedIndexByCommandName(options.Text("index")), state.Kind);
  const int compression = options.Number("compression");
  if (compression < 0 || compression > 64)
    return std::string("Volba --compression čeká 0 (přizpůsobit šířce) až 64 dní na pixel.");
  state.Compression = compression == 0 ? FittingCompression(picture, state) : compression;
  // The newest data in view when the graph is wider than the picture.
  state.Scroll = std::max(0, SmoothedContentWidth(picture, state) - state.Width);
  PaintSmoothedGraph(painter, picture, state);
  if (options.Text("scale") == "yes") PaintSmoothedScale(painter, picture, state);
  return std::nullopt;
}

const ViewOption kIndexOption{"index", "r", IndexChoices(), false, "zobrazený index"};
const ViewOption kCompressionOption{"compression", "0", {}, true,
                                    "dní na pixel; 0 = celé období na šířku obrázku"};
const ViewOption kScaleOption{"scale", "yes", {"yes", "no"}, false,
                              "stupnice hodnot u levého okraje"};

const bool kRegistered =
    RegisterView({"smoothed-graph",
                  "vyhlazovací grafy: měsíční průměry a 13měsíční vyhlazení",
                  {kIndexOption,
                   {"view", "total", {"total", "north", "south", "both"}, false, "polokoule"},
                   kCompressionOption, kScaleOption},
                  [](RenderSession& s, const OptionValues& o, QPainter& p, QSize size) {
                    return Paint(s, o, p, size, false);
                  },
                  QSize(1600, 1000)}) &&
    RegisterView({"asymmetry-graph",
                  "asymetrie sever-jih po záznamech, měsících nebo letech",
                  {kIndexOption,
                   {"diagram", "record", {"record", "monthly", "yearly"}, false, "diagram"},
                   {"kind", "ratio", {"ratio", "difference"}, false, "podílová nebo rozdílová"},
                   kCompressionOption, kScaleOption},
                  [](RenderSession& s, const OptionValues& o, QPainter& p, QSize size) {
                    return Paint(s, o, p, size, true);
                  },
                  QSize(1600, 1000)});

}  // namespace

}  // namespace ardeno::render
