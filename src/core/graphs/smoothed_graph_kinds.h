// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The eight indices of the smoothed and asymmetry graphs and the four views, with their titles,
// grid units, menu and toolbar names and the names of their saved pictures.
#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace ardeno {

enum class SmoothedIndex : int { G = 1, F, R, CV, SN, RB, Area, HemisphereArea };
inline constexpr int kSmoothedIndexCount = 8;

struct SmoothedIndexInfo {
  SmoothedIndex Index;
  std::string_view MenuName;
  std::string_view MenuText;  // Czech; shown through SmoothedIndexMenuText
  std::string_view ButtonName;
  std::string_view Title;  // SmoothTitle, Czech; shown through SmoothedIndexTitle
  int Unit;                // SmoothUnit: the value of one grid row
  int NorthWord;           // results-block words
  int SouthWord;
  std::string_view SmoothedSaveName;   // "Vyhl_g"
  std::string_view AsymmetrySaveName;  // "Asy_g_", followed by the diagram suffix
  std::string_view CommandName;        // ardeno-render's --index
};

const std::array<SmoothedIndexInfo, kSmoothedIndexCount>& SmoothedIndexes();
const SmoothedIndexInfo& SmoothedIndexInfoOf(SmoothedIndex index);
std::optional<SmoothedIndex> SmoothedIndexByCommandName(std::string_view name);

// The menu item and the title in the language of the interface.
std::string SmoothedIndexMenuText(const SmoothedIndexInfo& info);
std::string SmoothedIndexTitle(const SmoothedIndexInfo& info);

// 1 whole disk, 2 north, 3 south, 4 north and south together.
enum class SmoothedView : int { Whole = 1, North, South, Both };
// The view added to the title, in the language of the interface.
std::string SmoothedViewText(SmoothedView view);

enum class AsymmetryDiagram : int { PerRecord = 1, Monthly, Yearly };
enum class AsymmetryKind : int { Ratio = 0, Difference = 1 };

// "Z_P": the diagram letter (Z, M, R) and _P for ratio or _R for difference.
std::string_view AsymmetryDiagramLetter(AsymmetryDiagram diagram);
// The picture name of "Uložit všechny grafy", at most 20 characters.
std::string SmoothedSaveName(SmoothedIndex index, bool asymmetryMode, AsymmetryDiagram diagram,
                             AsymmetryKind kind);

}  // namespace ardeno
