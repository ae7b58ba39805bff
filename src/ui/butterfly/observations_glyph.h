// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The picture of the butterfly panel's "Podkreslit" button: while the observations are drawn it
// shows the marks in its four states (normal, disabled, pointed at, pressed), otherwise one
// picture of the empty frame, which Qt greys for the disabled state.
#include <QIcon>

namespace ardeno {

QIcon ObservationsGlyph(bool observationsDrawn);

}  // namespace ardeno
