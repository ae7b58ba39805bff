#pragma once
// How the graph windows sit in the main frame: their MDI sub-window, and closing when another
// child window becomes active (the analysis windows close when they lose activation).
class QWidget;

namespace ardeno {

// The sub-window that frames `window` in the MDI area, or the window itself outside one.
QWidget* OuterWindow(QWidget* window);

// Closes `window`'s sub-window when another sub-window of its MDI area is activated; call when
// the window is shown (it connects once).
void CloseOnDeactivation(QWidget* window);

}  // namespace ardeno
