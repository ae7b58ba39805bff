// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's caption, which tells the observer how group positions are entered.
#include <string>

#include "core/data/database.h"
#include "core/text/core_text.h"

namespace ardeno {

inline constexpr const char* kMainTitle =
    CoreTextNoop("MainCaption", "Ardeno - zákresy sluneční fotosféry");

// The title followed by the heliographic-entry remark, or by the polar-entry remark with the
// drawing diameter in millimetres, in the language of the interface.
std::string MainCaption(CoordinateMode mode, float drawingRadius);

}  // namespace ardeno
