// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/graphs/smoothed_graph_kinds.h"

#include <string>

#include "core/data/observation_record.h"
#include "core/text/core_text.h"

namespace ardeno {

const std::array<SmoothedIndexInfo, kSmoothedIndexCount>& SmoothedIndexes() {
  static const std::array<SmoothedIndexInfo, kSmoothedIndexCount> indexes = {{
      {SmoothedIndex::G, "gvyhl", CoreTextNoop("SmoothedGraphs", "g   Počet skupin"), "gv",
       CoreTextNoop("SmoothedGraphs", "Počet skupin"), 3, kGroupsN, kGroupsS, "Vyhl_g", "Asy_g_",
       "g"},
      {SmoothedIndex::F, "fvyhl", CoreTextNoop("SmoothedGraphs", "f    Počet skvrn"), "fv",
       CoreTextNoop("SmoothedGraphs", "Počet skvrn"), 25, kSpotsN, kSpotsS, "Vyhl_f", "Asy_f_",
       "f"},
      {SmoothedIndex::R, "rvyhl", CoreTextNoop("SmoothedGraphs", "r    Relativní číslo"), "rv",
       CoreTextNoop("SmoothedGraphs", "Relativní číslo"), 40, kRelativeN, kRelativeS, "Vyhl_r",
       "Asy_r_", "r"},
      {SmoothedIndex::CV, "cvvyhl", CoreTextNoop("SmoothedGraphs", "CV"), "cvv",
       CoreTextNoop("SmoothedGraphs", " CV  (McIntoshovo číslo)"), 40, kCVN, kCVS, "Vyhl_CV",
       "Asy_CV_", "cv"},
      {SmoothedIndex::SN, "snvyhl", CoreTextNoop("SmoothedGraphs", "SN"), "snv",
       CoreTextNoop("SmoothedGraphs", " SN  (Pettisovo číslo)"), 60, kSNN, kSNS, "Vyhl_SN",
       "Asy_SN_", "sn"},
      {SmoothedIndex::RB, "rbvyhl", CoreTextNoop("SmoothedGraphs", "RB"), "rbv",
       CoreTextNoop("SmoothedGraphs", " RB  (Beckovo číslo)"), 250, kRBN, kRBS, "Vyhl_RB",
       "Asy_RB_", "rb"},
      {SmoothedIndex::Area, "plochavyhl", CoreTextNoop("SmoothedGraphs", "Plocha"), "plochv",
       CoreTextNoop("SmoothedGraphs", " Plocha  skvrn  disk"), 400, kAreaN, kAreaS, "Vyhl_Plo",
       "Asy_Plo_", "area"},
      {SmoothedIndex::HemisphereArea, "polokvyhl", CoreTextNoop("SmoothedGraphs", "Polokoule"),
       "polokouv", CoreTextNoop("SmoothedGraphs", " Plocha skvrn  polokoule"), 400,
       kHemisphereAreaN, kHemisphereAreaS, "Vyhl_Polo", "Asy_Polo_", "hemisphere-area"},
  }};
  return indexes;
}

const SmoothedIndexInfo& SmoothedIndexInfoOf(SmoothedIndex index) {
  return SmoothedIndexes()[static_cast<std::size_t>(static_cast<int>(index) - 1)];
}

std::optional<SmoothedIndex> SmoothedIndexByCommandName(std::string_view name) {
  for (const SmoothedIndexInfo& info : SmoothedIndexes())
    if (info.CommandName == name) return info.Index;
  return std::nullopt;
}

// The texts of the table are literals, so their views end in a terminating zero.
std::string SmoothedIndexMenuText(const SmoothedIndexInfo& info) {
  return CoreText("SmoothedGraphs", info.MenuText.data());
}

std::string SmoothedIndexTitle(const SmoothedIndexInfo& info) {
  return CoreText("SmoothedGraphs", info.Title.data());
}

std::string SmoothedViewText(SmoothedView view) {
  switch (view) {
    case SmoothedView::Whole:
      return CoreText("SmoothedGraphs", "   celkový");
    case SmoothedView::North:
      return CoreText("SmoothedGraphs", "   severní");
    case SmoothedView::South:
      return CoreText("SmoothedGraphs", "   jižní");
    case SmoothedView::Both:
      return CoreText("SmoothedGraphs", "   severní a jižní");
  }
  return "";
}

std::string_view AsymmetryDiagramLetter(AsymmetryDiagram diagram) {
  switch (diagram) {
    case AsymmetryDiagram::PerRecord:
      return "Z";
    case AsymmetryDiagram::Monthly:
      return "M";
    case AsymmetryDiagram::Yearly:
      return "R";
  }
  return "";
}

std::string SmoothedSaveName(SmoothedIndex index, bool asymmetryMode, AsymmetryDiagram diagram,
                             AsymmetryKind kind) {
  const SmoothedIndexInfo& info = SmoothedIndexInfoOf(index);
  if (!asymmetryMode) return std::string(info.SmoothedSaveName);
  std::string name = std::string(info.AsymmetrySaveName) +
                     std::string(AsymmetryDiagramLetter(diagram)) +
                     (kind == AsymmetryKind::Ratio ? "_P" : "_R");
  return name.substr(0, 20);
}

}  // namespace ardeno
