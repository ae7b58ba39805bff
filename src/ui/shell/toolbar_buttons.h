#pragma once
// The buttons of the six toolbar panels: objectName, caption, hint and the operation each
// forwarded button calls on its analysis window.
#include <vector>

#include "ui/shell/toolbar_panels.h"

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

// The operation that closes the attached window ("Zavřít" buttons).
inline constexpr const char* kCloseOperation = "close";

}  // namespace ardeno
