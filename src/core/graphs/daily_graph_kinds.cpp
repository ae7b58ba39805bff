#include "core/graphs/daily_graph_kinds.h"

#include "core/data/observation_record.h"

namespace ardeno {

const std::array<DailyGraphInfo, kDailyGraphCount>& DailyGraphs() {
  static const std::array<DailyGraphInfo, kDailyGraphCount> graphs = {{
      {DailyGraph::G, "ggraf", "&g    Počet skupin", "gb", " Počet skupin", 3, kGroupsN, kGroupsS,
       "Graf_g_", "g"},
      {DailyGraph::F, "fgraf", "&f     Počet skvrn", "fb", " Počet skvrn", 50, kSpotsN, kSpotsS,
       "Graf_f_", "f"},
      {DailyGraph::R, "rrelativni", "&r     Relativní číslo", "rb", " Relativní číslo", 50,
       kRelativeN, kRelativeS, "Graf_r_", "r"},
      {DailyGraph::CV, "cvgraf", "&CV", "cvb", " CV  (McIntoshovo číslo)", 50, kCVN, kCVS,
       "Graf_CV_", "cv"},
      {DailyGraph::SN, "sngraf", "&SN", "snb", " SN  (Pettisovo číslo)", 100, kSNN, kSNS,
       "Graf_SN_", "sn"},
      {DailyGraph::RB, "rbgraf", "&RB", "rbb", " RB  (Beckovo číslo)", 1000, kRBN, kRBS, "Graf_RB_",
       "rb"},
      {DailyGraph::Area, "plochagraf", "&Plocha", "plochb", " Plocha skvrn disk", 1000, kAreaN,
       kAreaS, "Graf_Plo_", "area"},
      {DailyGraph::HemisphereArea, "polokoulegraf", "Polo&koule", "polob",
       " Plocha skvrn polokoule", 800, kHemisphereAreaN, kHemisphereAreaS, "Graf_Polo_",
       "hemisphere-area"},
      {DailyGraph::FaculaArea, "Plochafakul", "Plocha fakulí", "plochfak", " Plocha Fakulí", 10000,
       -1, -1, "", "faculae"},
      {DailyGraph::EastWest, "gsvzg", "Poloha V-S-Z", "gsvz", " Počet skupin ", 2, -1, -1, "",
       "east-west"},
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

}  // namespace ardeno
