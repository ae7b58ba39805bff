// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the analysis windows sit in the main frame: their MDI sub-window, closing when another
// child window becomes active, and a frame that never outlives the window it holds.
class QMdiArea;
class QMdiSubWindow;
class QWidget;

namespace ardeno {

// The sub-window that frames `window` in the MDI area, or the window itself outside one.
QWidget* OuterWindow(QWidget* window);

// Closes `window` together with its frame: every "Zavřít" of an analysis window goes here, so no
// empty frame is left over the drawing and the list.
void CloseWithFrame(QWidget* window);

// The frame's own close keys (Ctrl+W and Ctrl+F4 from the platform, one set per frame) would
// compete with each other and with the toolbar panel's "Zavřít", whose key Ctrl+W is: the frame
// gives them up. Every frame of the MDI area goes through here.
void DropFrameCloseKey(QMdiSubWindow* frame);

// Puts `window` into a new frame of `area` that deletes itself on close and goes away when the
// window does, whichever way the window was closed.
QMdiSubWindow* AddAnalysisFrame(QMdiArea* area, QWidget* window);

// Closes `window`'s sub-window when another sub-window of its MDI area is activated; call when
// the window is shown (it connects once).
void CloseOnDeactivation(QWidget* window);

}  // namespace ardeno
