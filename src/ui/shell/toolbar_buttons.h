// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The buttons of the six toolbar panels: objectName, caption, hint and what each one does.
#include <vector>

#include "ui/shell/command.h"

namespace ardeno {

inline constexpr const char* kBasicPanel = "zakladni";
inline constexpr const char* kButterflyPanel = "promotylek";
inline constexpr const char* kGraphsPanel = "prografy";
inline constexpr const char* kSmoothedPanel = "provyhlazovaci";
inline constexpr const char* kMapsPanel = "promapu";
inline constexpr const char* kResultsPanel = "provysledky";

const std::vector<ToolbarButtonSpec>& BasicPanelButtons();
const std::vector<ToolbarButtonSpec>& ButterflyPanelButtons();
const std::vector<ToolbarButtonSpec>& GraphsPanelButtons();
const std::vector<ToolbarButtonSpec>& SmoothedPanelButtons();
const std::vector<ToolbarButtonSpec>& MapsPanelButtons();
const std::vector<ToolbarButtonSpec>& ResultsPanelButtons();

struct ToolbarPanelSpec {
  const char* Name;  // objectName of the panel
  const std::vector<ToolbarButtonSpec>& (*Buttons)();
};

// Every panel of the toolbar, the basic one first.
const std::vector<ToolbarPanelSpec>& ToolbarPanelSpecs();

}  // namespace ardeno
