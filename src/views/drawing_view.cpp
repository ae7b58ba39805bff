// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing window's picture of one record.
#include "core/drawing/drawing_scale.h"
#include "core/drawing/facula_area.h"
#include "core/text/core_text.h"
#include "ui/drawing/drawing_painter.h"
#include "views/render_view.h"

namespace ardeno::render {

namespace {

std::optional<std::string> PaintRecord(RenderSession& session, const OptionValues& options,
                                       QPainter& painter, QSize size) {
  Database& db = session.Db;
  // 0 (the default) is the record the program opens with: the last one.
  const int index = options.Number("record") == 0 ? db.RecordCount : options.Number("record");
  if (index < 1 || index > db.RecordCount)
    return FillText(CoreText("ardeno-render", "Záznam %1 neexistuje (databáze má %2 záznamů)."),
                    {std::to_string(index), std::to_string(db.RecordCount)});
  DrawingView view;
  view.ForPicture = options.Text("picture") == "yes";
  view.Scale.DrawScale = DrawScaleForWidth(size.width());
  FaculaBitmap bitmap;
  const int faculaPixels = MeasureDrawingFaculae(&db.Record(index), view, bitmap);
  PaintDrawing(painter, size.width(), size.height(), &db.Record(index), view, faculaPixels);
  session.PaintedRecord = index;
  return std::nullopt;
}

const bool kRegistered = RegisterView(
    {"drawing",
     CoreTextNoop("ardeno-render", "zákres jednoho záznamu, jak ho ukazuje okno zákresu"),
     {{"record", "0", {}, true, CoreTextNoop("ardeno-render", "číslo záznamu od 1; 0 = poslední")},
      {"picture",
       "no",
       {"no", "yes"},
       false,
       CoreTextNoop("ardeno-render", "bílý disk jako při tisku a ukládání obrázku")}},
     PaintRecord,
     QSize(800, 680)});

}  // namespace

}  // namespace ardeno::render
