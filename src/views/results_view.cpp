// SPDX-License-Identifier: GPL-3.0-or-later
// The results window's views: the measured and smoothed monthly tables and the calendar of days
// without activity, as the window shows them.
#include <QSpinBox>

#include "core/text/core_text.h"
#include "ui/results/results_window.h"
#include "views/render_view.h"

namespace ardeno::render {

namespace {

const ResultsViewEntry* EntryFor(const std::string& view, int hemisphere) {
  const char* button = view == "quiet" ? "SpeedButton1" : nullptr;
  static const char* measured[] = {"namercelek", "namersever", "namerjih"};
  static const char* smoothed[] = {"vyhlcelek", "vyhlsever", "vyhljih"};
  if (view == "measured") button = measured[hemisphere - 1];
  if (view == "smoothed") button = smoothed[hemisphere - 1];
  for (const ResultsViewEntry& entry : ResultsViewTable()) {
    if (button != nullptr && std::string(entry.ButtonName) == button) return &entry;
  }
  return nullptr;
}

std::optional<std::string> PaintResults(RenderSession& session, const OptionValues& options,
                                        QPainter& painter, QSize size) {
  const int hemisphere = options.Number("hemisphere");
  if (hemisphere < 1 || hemisphere > 3)
    return CoreText("ardeno-render", "Polokoule je 1 (celková), 2 (sever) nebo 3 (jih).");
  const ResultsViewEntry* entry = EntryFor(options.Text("view"), hemisphere);
  if (entry == nullptr) return CoreText("ardeno-render", "Neznámý pohled výsledků.");
  ResultsWindow window(session.Ctx);
  window.setAttribute(Qt::WA_DeleteOnClose, false);
  window.resize(size);
  window.ChooseView(*entry);
  if (window.ResultsMode() != entry->Mode) {
    return session.Msg.Shown.isEmpty() ? CoreText("ardeno-render", "Pohled nelze otevřít.")
                                       : session.Msg.Shown.last().toStdString();
  }
  if (options.Number("year") != 0) {
    if (auto* year = window.findChild<QSpinBox*>("SpinEdit3"))
      year->setValue(options.Number("year"));
  }
  ShowUnpainted(window);
  window.render(&painter);
  return std::nullopt;
}

const bool kRegistered = RegisterView(
    {"results",
     CoreTextNoop("ardeno-render",
                  "okno výsledků: naměřené a vyhlazené měsíční hodnoty, dny bez aktivity"),
     {{"view",
       "measured",
       {"measured", "smoothed", "quiet"},
       false,
       CoreTextNoop("ardeno-render", "pohled okna výsledků")},
      {"hemisphere", "1", {}, true, CoreTextNoop("ardeno-render", "1 celková, 2 sever, 3 jih")},
      {"year",
       "0",
       {},
       true,
       CoreTextNoop("ardeno-render", "rok kalendáře bez aktivity; 0 = rok posledního zákresu")}},
     PaintResults,
     QSize(1000, 700)});

}  // namespace

}  // namespace ardeno::render
