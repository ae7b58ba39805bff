// The maps window's pictures: the synoptic map of a rotation, the long, high and two maps, and
// the corona graph and corona butterfly.
#include <filesystem>

#include <QScrollBar>

#include "render/render_view.h"
#include "ui/maps/maps_window.h"

namespace ardeno::render {

namespace {

using MapView = MapsWindow::View;

// Rotations the high map shows by default, ending with the last one.
constexpr int kHighMapDefaultRotations = 20;

std::optional<std::string> PaintMaps(RenderSession& session, const OptionValues& options,
                                     QPainter& painter, QSize size, MapView view) {
  if (session.Db.RecordCount == 0) return std::string("Databáze nemá žádný záznam.");
  MapsWindow window(session.Ctx);
  const int rotation = options.Number("rotation");
  if (rotation != 0 && !window.ChooseRotationNumber(rotation))
    return "Rotace " + std::to_string(rotation) + " v datech není.";
  if (rotation == 0) {
    // The latest data: the last rotation, or for the strip maps the rotations leading to it.
    const auto& list = window.RotationList();
    const int last = list.back().Rotation;
    const int back = view == MapView::LongMap ? kLongMapRotations - 1
                     : view == MapView::HighMap ? kHighMapDefaultRotations - 1
                     : view == MapView::TwoMaps ? 1
                                                : 0;
    int position = static_cast<int>(list.size()) - 1;
    while (position > 0 && list[static_cast<std::size_t>(position - 1)].Rotation >= last - back)
      --position;
    window.ChooseRotation(position);
  }
  const bool magnetosphere = options.Text("magnetosphere") == "yes";
  if (magnetosphere &&
      !std::filesystem::is_directory(session.Ctx.ProgDir / kMagnetogramFolder))
    return std::string("Nejsou data pro magnetosféru");
  const bool corona = options.Text("corona") == "yes";
  if (corona && !(session.Inputs.Corona.FolderFound && session.Inputs.Corona.DayCount() > 0))
    return std::string("Nejsou data pro koronu");
  window.SetSwitches(options.Text("faculae") == "yes", options.Text("outlines") == "yes", corona,
                     magnetosphere);
  switch (view) {
    case MapView::LongMap: window.dlouhamapClick(); break;
    case MapView::HighMap: window.vysokamapClick(); break;
    case MapView::TwoMaps: window.dvenadsebouClick(); break;
    default: break;
  }
  window.PaintView(painter, size, false);
  return std::nullopt;
}

std::optional<std::string> PaintCorona(RenderSession& session, const OptionValues& options,
                                       QPainter& painter, QSize size, MapView view) {
  if (!(session.Inputs.Corona.FolderFound && session.Inputs.Corona.DayCount() > 0))
    return std::string("Nejsou data pro koronu");
  MapsWindow window(session.Ctx);
  if (view == MapView::CoronaGraph) {
    const int position = options.Number("position");
    const int last = window.CoronaRotationBar()->maximum();
    if (position < 1 || position > last)
      return "Pozice rotace musí být od 1 do " + std::to_string(last) + ".";
    window.KoronaGrafClick();
    window.SetCoronaGraphPosition(position);
  } else {
    window.koronamotylClick();
  }
  window.PaintView(painter, size, false);
  return std::nullopt;
}

std::vector<ViewOption> MapOptions() {
  return {{"rotation", "0", {}, true, "Carringtonova rotace; 0 = poslední v datech (u pásových map rotace před ní)"},
          {"faculae", "yes", {"yes", "no"}, false, "fakulová pole"},
          {"outlines", "yes", {"yes", "no"}, false, "obrysy spojující skupinu s pomocnou skvrnou"},
          {"corona", "no", {"no", "yes"}, false, "zelená koróna pod mapou"},
          {"magnetosphere", "no", {"no", "yes"}, false, "magnetosféra pod mapou"}};
}

View MapsView(const char* name, const char* summary, MapView view, QSize size) {
  return {name, summary, MapOptions(),
          [view](RenderSession& s, const OptionValues& o, QPainter& p, QSize size) {
            return PaintMaps(s, o, p, size, view);
          },
          size};
}

const bool kRegistered =
    RegisterView(MapsView("map", "synoptická mapa jedné rotace se skupinami a tabulkou b/l",
                         MapView::Map, QSize(1400, 900))) &&
    RegisterView(MapsView("long-map", "dlouhá mapa: 16 rotací vedle sebe", MapView::LongMap,
                         QSize(1920, 700))) &&
    RegisterView(MapsView("high-map", "vysoká mapa: rotace pod sebou", MapView::HighMap,
                         QSize(1000, 1000))) &&
    RegisterView(MapsView("two-maps", "dvě mapy nad sebou", MapView::TwoMaps, QSize(1400, 900))) &&
    RegisterView({"corona-graph",
                  "graf zelené koróny jedné rotace po sektorech",
                  {{"position", "1", {}, true, "pozice rotace od 1 (rotace = pozice + 1327)"}},
                  [](RenderSession& s, const OptionValues& o, QPainter& p, QSize size) {
                    return PaintCorona(s, o, p, size, MapView::CoronaGraph);
                  },
                  QSize(1100, 650)}) &&
    RegisterView({"corona-butterfly",
                  "motýlek zelené koróny ze všech načtených rotací",
                  {},
                  [](RenderSession& s, const OptionValues& o, QPainter& p, QSize size) {
                    return PaintCorona(s, o, p, size, MapView::CoronaButterfly);
                  },
                  QSize(1400, 700)});

}  // namespace

}  // namespace ardeno::render
