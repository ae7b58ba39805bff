// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/graphs/daily_graph_kinds.h"

#include "core/data/observation_record.h"
#include "core/text/core_text.h"

namespace ardeno {

const std::array<DailyGraphInfo, kDailyGraphCount>& DailyGraphs() {
  static const std::array<DailyGraphInfo, kDailyGraphCount> graphs = {{
      {DailyGraph::G, "ggraf", CoreTextNoop("DailyGraphs", "&g    Počet skupin"), "gb",
       CoreTextNoop("DailyGraphs", " Počet skupin"), 3, kGroupsN, kGroupsS, "Graf_g_", "g"},
      {DailyGraph::F, "fgraf", CoreTextNoop("DailyGraphs", "&f     Počet skvrn"), "fb",
       CoreTextNoop("DailyGraphs", " Počet skvrn"), 50, kSpotsN, kSpotsS, "Graf_f_", "f"},
      {DailyGraph::R, "rrelativni", CoreTextNoop("DailyGraphs", "&r     Relativní číslo"), "rb",
       CoreTextNoop("DailyGraphs", " Relativní číslo"), 50, kRelativeN, kRelativeS, "Graf_r_", "r"},
      {DailyGraph::CV, "cvgraf", CoreTextNoop("DailyGraphs", "&CV"), "cvb",
       CoreTextNoop("DailyGraphs", " CV  (McIntoshovo číslo)"), 50, kCVN, kCVS, "Graf_CV_", "cv"},
      {DailyGraph::SN, "sngraf", CoreTextNoop("DailyGraphs", "&SN"), "snb",
       CoreTextNoop("DailyGraphs", " SN  (Pettisovo číslo)"), 100, kSNN, kSNS, "Graf_SN_", "sn"},
      {DailyGraph::RB, "rbgraf", CoreTextNoop("DailyGraphs", "&RB"), "rbb",
       CoreTextNoop("DailyGraphs", " RB  (Beckovo číslo)"), 1000, kRBN, kRBS, "Graf_RB_", "rb"},
      {DailyGraph::Area, "plochagraf", CoreTextNoop("DailyGraphs", "&Plocha"), "plochb",
       CoreTextNoop("DailyGraphs", " Plocha skvrn disk"), 1000, kAreaN, kAreaS, "Graf_Plo_",
       "area"},
      {DailyGraph::HemisphereArea, "polokoulegraf", CoreTextNoop("DailyGraphs", "Polo&koule"),
       "polob", CoreTextNoop("DailyGraphs", " Plocha skvrn polokoule"), 800, kHemisphereAreaN,
       kHemisphereAreaS, "Graf_Polo_", "hemisphere-area"},
      {DailyGraph::FaculaArea, "Plochafakul", CoreTextNoop("DailyGraphs", "Plocha fakulí"),
       "plochfak", CoreTextNoop("DailyGraphs", " Plocha Fakulí"), 10000, -1, -1, "", "faculae"},
      {DailyGraph::EastWest, "gsvzg", CoreTextNoop("DailyGraphs", "Poloha V-S-Z"), "gsvz",
       CoreTextNoop("DailyGraphs", " Počet skupin "), 2, -1, -1, "", "east-west"},
  }};
  return graphs;
}

const DailyGraphInfo& DailyGraphInfoOf(DailyGraph graph) {
  return DailyGraphs()[static_cast<std::size_t>(graph)];
}

std::optional<DailyGraph> DailyGraphByCommandName(std::string_view name) {
  for (const DailyGraphInfo& info : DailyGraphs())
    if (info.CommandName == name) return info.Graph;
  return std::nullopt;
}

// The texts of the table are literals, so their views end in a terminating zero.
std::string DailyGraphMenuText(const DailyGraphInfo& info) {
  return CoreText("DailyGraphs", info.MenuText.data());
}

std::string DailyGraphTitle(const DailyGraphInfo& info) {
  return CoreText("DailyGraphs", info.Title.data());
}

}  // namespace ardeno
