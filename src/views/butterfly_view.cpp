// SPDX-License-Identifier: GPL-3.0-or-later
// The butterfly diagram: groups and facular fields by latitude against the Carrington rotation,
// with the statistics curves, the supplementary data of Motfakul.dat and the corona underlay.
#include <QScrollBar>
#include <sstream>

#include "core/butterfly/butterfly_plot_data.h"
#include "core/text/core_text.h"
#include "ui/butterfly/butterfly_window.h"
#include "views/render_view.h"

namespace ardeno::render {

namespace {

bool IsPowerOfTwoUpTo16(int t) { return t == 1 || t == 2 || t == 4 || t == 8 || t == 16; }

std::optional<std::string> Paint(RenderSession& session, const OptionValues& options,
                                 QPainter& painter, QSize size) {
  if (session.Db.RecordCount == 0) return CoreText("ardeno-render", "Databáze nemá žádný záznam.");
  const int t = options.Number("time-factor");
  const int h = options.Number("height-scale");
  if (!IsPowerOfTwoUpTo16(t))
    return CoreText("ardeno-render",
                    "Volba --time-factor čeká 1, 2, 4, 8 nebo 16 pixelů na otočku.");
  if (h < 1 || h > 9)
    return CoreText("ardeno-render", "Volba --height-scale čeká 1 až 9 pixelů na stupeň.");
  const bool corona = options.Text("corona") == "yes";
  if (corona && !(session.Inputs.Corona.FolderFound && session.Inputs.Corona.DayCount() > 0))
    return CoreText("ardeno-render", "Nejsou data pro koronu");
  const bool supplementary = options.Text("supplementary") == "yes";
  if (supplementary && !session.Inputs.Supplementary.Present())
    return CoreText("ardeno-render", "Soubor Motfakul.dat s doplňkovými daty ve složce není.");

  ButterflyWindow window(session.Ctx);
  session.Ctx.View.ButterflyTimeFactor = static_cast<std::uint16_t>(t);
  session.Ctx.View.ButterflyHeightScale = h;
  session.Ctx.View.FaculaeWidthFlag = options.Text("faculae-width") == "yes" ? 1 : 0;
  const std::string mode = options.Text("mode");
  if (mode == "faculae") window.fakulemotClick();
  if (mode == "both") window.celek1Click();
  std::stringstream curves(options.Text("curves"));
  for (std::string curve; std::getline(curves, curve, ',');) {
    if (curve == "mean")
      window.vyskaskvrnClick();
    else if (curve == "smoothed")
      window.vyskahlazenaClick();
    else if (curve == "bounds")
      window.hraniceClick();
    else if (curve != "none")
      return FillText(CoreText("ardeno-render",
                               "Neznámá křivka '%1': volba --curves čeká mean, smoothed, bounds."),
                      {curve});
  }
  if (corona) window.koronapodClick();
  window.SetSupplementaryShown(supplementary);
  window.SetTimeScrollRange(t * 1000 + 1000 + size.width());
  window.HorizontalBar()->setRange(0, 1 << 20);
  window.HorizontalBar()->setValue(std::max(0, options.Number("scroll")));
  // The latitude scale at the left edge, as the Stupnice command writes it over a scrolled view.
  if (options.Text("scale") == "yes") window.Stupnice1Click();
  window.PaintDiagram(painter, size);
  if (session.DataRequested)
    session.Plotted = ButterflyPlotData(window.Data(), window.Layers(), window.Scene().Scale);
  return std::nullopt;
}

const bool kRegistered = RegisterView(
    {"butterfly",
     CoreTextNoop("ardeno-render",
                  "motýlkový diagram: šířka skupin a fakulí podle Carringtonovy otočky"),
     {{"mode",
       "spots",
       {"spots", "faculae", "both"},
       false,
       CoreTextNoop("ardeno-render", "skvrny, fakule, nebo obojí")},
      {"curves",
       "none",
       {},
       false,
       CoreTextNoop("ardeno-render",
                    "křivky oddělené čárkou: mean (střední šířka), smoothed (vyhlazená), bounds "
                    "(ohraničení)")},
      {"corona",
       "no",
       {"no", "yes"},
       false,
       CoreTextNoop("ardeno-render", "zelená koróna pod diagramem (začátek od otočky 1100)")},
      {"supplementary",
       "no",
       {"no", "yes"},
       false,
       CoreTextNoop("ardeno-render", "doplňková data z Motfakul.dat (začátek od otočky 1200)")},
      {"faculae-width",
       "no",
       {"no", "yes"},
       false,
       CoreTextNoop("ardeno-render", "fakule jako sloupky místo čar")},
      {"time-factor",
       "1",
       {},
       true,
       CoreTextNoop("ardeno-render", "pixelů na otočku: 1, 2, 4, 8, 16")},
      {"height-scale",
       "3",
       {},
       true,
       CoreTextNoop("ardeno-render", "pixelů na stupeň šířky: 1 až 9")},
      {"scroll", "0", {}, true, CoreTextNoop("ardeno-render", "vodorovný posun v pixelech")},
      {"scale",
       "no",
       {"no", "yes"},
       false,
       CoreTextNoop("ardeno-render", "stupnice šířek u levého okraje i v posunutém pohledu")}},
     Paint,
     QSize(1400, 700)});

}  // namespace

}  // namespace ardeno::render
