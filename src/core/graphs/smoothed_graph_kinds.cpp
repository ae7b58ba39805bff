#include "core/graphs/smoothed_graph_kinds.h"

#include <string>

#include "core/data/observation_record.h"

namespace ardeno {

const std::array<SmoothedIndexInfo, kSmoothedIndexCount>& SmoothedIndexes() {
  static const std::array<SmoothedIndexInfo, kSmoothedIndexCount> indexes = {{
      {SmoothedIndex::G, "gvyhl", "g   Počet skupin", "gv", "Počet skupin", 3, kGroupsN, kGroupsS,
       "Vyhl_g", "Asy_g_", "g"},
      {SmoothedIndex::F, "fvyhl", "f    Počet skvrn", "fv", "Počet skvrn", 25, kSpotsN, kSpotsS,
       "Vyhl_f", "Asy_f_", "f"},
      {SmoothedIndex::R, "rvyhl", "r    Relativní číslo", "rv", "Relativní číslo", 40, kRelativeN,
       kRelativeS, "Vyhl_r", "Asy_r_", "r"},
      {SmoothedIndex::CV, "cvvyhl", "CV", "cvv", " CV  (McIntoshovo číslo)", 40, kCVN, kCVS,
       "Vyhl_CV", "Asy_CV_", "cv"},
      {SmoothedIndex::SN, "snvyhl", "SN", "snv", " SN  (Pettisovo číslo)", 60, kSNN, kSNS,
       "Vyhl_SN", "Asy_SN_", "sn"},
      {SmoothedIndex::RB, "rbvyhl", "RB", "rbv", " RB  (Beckovo číslo)", 250, kRBN, kRBS, "Vyhl_RB",
       "Asy_RB_", "rb"},
      {SmoothedIndex::Area, "plochavyhl", "Plocha", "plochv", " Plocha  skvrn  disk", 400, kAreaN,
       kAreaS, "Vyhl_Plo", "Asy_Plo_", "area"},
      {SmoothedIndex::HemisphereArea, "polokvyhl", "Polokoule", "polokouv",
       " Plocha skvrn  polokoule", 400, kHemisphereAreaN, kHemisphereAreaS, "Vyhl_Polo",
       "Asy_Polo_", "hemisphere-area"},
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

std::string_view SmoothedViewText(SmoothedView view) {
  switch (view) {
    case SmoothedView::Whole:
      return "   celkový";
    case SmoothedView::North:
      return "   severní";
    case SmoothedView::South:
      return "   jižní";
    case SmoothedView::Both:
      return "   severní a jižní";
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
