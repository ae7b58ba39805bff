// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The maps window's size for its views, from the main window's client area: the single map
// fills the frame, two maps stand 1400 pixels wide; never wider than the frame.
namespace ardeno {

struct WindowSize {
  int Width = 0;
  int Height = 0;
  bool operator==(const WindowSize&) const = default;
};

// The design height of the maps window; a window of this height takes the frame's size.
inline constexpr int kMapsDesignHeight = 1008;

// "Mapa otočky": the window's size (its frame's, title and border included) after the command,
// from its size now, the main window's client area and the height of the main window's toolbar.
WindowSize SingleMapWindowSize(WindowSize now, WindowSize mainClient, int toolbarHeight);

// "Dvě nadsebou": 1400 wide and the main client's height less 60, within the main client area.
WindowSize TwoMapsWindowSize(WindowSize mainClient);

}  // namespace ardeno
