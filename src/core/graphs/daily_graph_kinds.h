// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The ten daily graphs: which results-block words they plot, their grid unit, titles, the names
// of their menu items and toolbar buttons, and the prefixes of their saved pictures.
#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace ardeno {

enum class DailyGraph : int { G, F, R, CV, SN, RB, Area, HemisphereArea, FaculaArea, EastWest };
inline constexpr int kDailyGraphCount = 10;

struct DailyGraphInfo {
  DailyGraph Graph;
  std::string_view MenuName;    // objectName of the menu item
  std::string_view MenuText;    // Czech; shown through DailyGraphMenuText
  std::string_view ButtonName;  // objectName of the prografy button
  std::string_view Title;       // GraphTitle, Czech; shown through DailyGraphTitle
  int UnitsPerRow;
  int NorthWord;  // results-block word, or -1 (derived elsewhere)
  int SouthWord;
  std::string_view SavePrefix;   // empty: not among "Uložit všechny obrázky"
  std::string_view CommandName;  // short name on ardeno-render's command line
};

const std::array<DailyGraphInfo, kDailyGraphCount>& DailyGraphs();
const DailyGraphInfo& DailyGraphInfoOf(DailyGraph graph);
std::optional<DailyGraph> DailyGraphByCommandName(std::string_view name);

// The menu item and the title in the language of the interface. The table keeps the Czech
// texts: a saved picture is named after the Czech title whatever the language.
std::string DailyGraphMenuText(const DailyGraphInfo& info);
std::string DailyGraphTitle(const DailyGraphInfo& info);

}  // namespace ardeno
