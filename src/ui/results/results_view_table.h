// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The views of the results window, one entry per command that opens one: the mode (ResultsMode),
// the window's menu item, the main window's results-panel button, the variant handed to the
// view's Open and the factory that creates the view. An entry without a factory is a view that is
// not built yet: its menu item and button stay visible, disabled, with the hint "Připravuje se".
//
// Adding a view: write a ResultsView subclass in src/ui/results/ with a factory function
// `ResultsView* MakeXxxView(ResultsContext&, QWidget*)`, and put that factory into the entries of
// its mode below. A button the view handles besides opening it goes into ResultsViewButtons().
#include <vector>

class QWidget;

namespace ardeno {

class ResultsContext;
class ResultsView;

using ResultsViewFactory = ResultsView* (*)(ResultsContext& ctx, QWidget* parent);

struct ResultsViewEntry {
  int Mode;
  const char* MenuName;  // objectName of the window's menu item, "" for none
  const char* MenuText;
  const char* ButtonName;  // objectName of the main window's results-panel button, "" for none
  int Variant;
  ResultsViewFactory Factory;
  // The menu item opens the variant last chosen on the panel (monthly or yearly asymmetry).
  bool MenuFollowsPanel = false;
};

const std::vector<ResultsViewEntry>& ResultsViewTable();

// The window's "Zobrazit" menu in groups of related views, each listing the MenuName of its
// entries: every entry with a menu item is in exactly one group.
struct ResultsMenuGroup {
  const char* Name;  // objectName of the submenu
  const char* Title;
  std::vector<const char*> MenuNames;
};
const std::vector<ResultsMenuGroup>& ResultsMenuGroups();

// Results-panel controls that act on an open view (other than opening it): the view of `Mode`
// gets ButtonClicked(name) while it is shown; while another is shown, the control opens the view
// of the panel button `Opens` when it names one.
struct ResultsViewButton {
  const char* ButtonName;
  int Mode;
  const char* Opens = "";
};
const std::vector<ResultsViewButton>& ResultsViewButtons();

}  // namespace ardeno
