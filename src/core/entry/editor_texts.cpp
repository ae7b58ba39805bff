// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/entry/editor_texts.h"

#include "core/text/core_text.h"
#include "core/text/number_format.h"

namespace ardeno {

std::string EditorText(std::string_view czech) {
  return CoreText("RecordEditor", std::string(czech).c_str());
}

std::string FaculaColumnTitle(int column) {
  const int vertex = (column + 1) / 2;
  return std::string(column % 2 == 1 ? "  U" : "  V") + std::to_string(vertex);
}

std::string GroupGridHint(bool heliographic) {
  std::string hint = CoreText(
      "RecordEditor",
      "Typ   = Typ skupiny\rpoč.  = počet skvrn ve skupině\rs pen = počet skvrn s penumbrou\r");
  const char* const heliographicLines[] = {
      CoreTextNoop("RecordEditor", "  l        = heliografická délka"),
      CoreTextNoop("RecordEditor", "  b       = heliografická šířka"),
      CoreTextNoop("RecordEditor", " plocha= plocha skvrn ve skupině - miliontiny"),
      CoreTextNoop("RecordEditor", " mal.s = počet malých skvrn menší než 20 mili."),
      CoreTextNoop("RecordEditor", "č.sk1. = číslo skupiny globalní"),
      CoreTextNoop("RecordEditor", "č.sk2. = číslo skupiny v rotaci( důležité)")};
  const char* const polarLines[] = {
      CoreTextNoop("RecordEditor", " úhel = polární souřadnice  úhel"),
      CoreTextNoop("RecordEditor", " vzd.  = polární souřadnice  vzdálenost"),
      CoreTextNoop("RecordEditor", " plocha= plocha skvrn ve skupině"),
      CoreTextNoop("RecordEditor", " mal.s = počet malých skvrn menší než 1 mm2"),
      CoreTextNoop("RecordEditor", "č.sk1. = číslo skupiny globalní"),
      CoreTextNoop("RecordEditor", "č.sk2. = číslo skupiny v rotaci( důležité)"),
      CoreTextNoop("RecordEditor", "uhel1  = úhel 1. pomocné skvrny"),
      CoreTextNoop("RecordEditor", " vzd1. = vzdálenost 1. pomocné skvrny"),
      CoreTextNoop("RecordEditor", " plo.1 = plocha 1. pomocné skvrny"),
      CoreTextNoop("RecordEditor", "uhel2  = úhel 2. pomocné skvrny"),
      CoreTextNoop("RecordEditor", " vzd2. = vzdálenost 2. pomocné skvrny"),
      CoreTextNoop("RecordEditor", " plo.2 = plocha 2. pomocné skvrny")};
  bool first = true;
  auto append = [&](const char* line) {
    if (!first) hint += '\r';
    hint += CoreText("RecordEditor", line);
    first = false;
  };
  if (heliographic) {
    for (const char* line : heliographicLines) append(line);
  } else {
    for (const char* line : polarLines) append(line);
  }
  return hint;
}

std::string GroupDistanceMessage(float drawingRadius) {
  return FillText(CoreText("RecordInput", "Špatně zadaná vzdálenst u skupin max. %1"),
                  {FormatFloat("###.#", drawingRadius)});
}

std::string FaculaDistanceMessage(float drawingRadius) {
  return FillText(CoreText("RecordInput", "Špatně zadaná vzdálenost u fakulí max. %1"),
                  {FormatFloat("###.#", drawingRadius)});
}

}  // namespace ardeno
