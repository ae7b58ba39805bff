#pragma once
// The main window's caption, which tells the observer how group positions are entered.
#include <string>

#include "core/data/database.h"

namespace ardeno {

inline constexpr const char* kMainTitle = "Ardeno - zákresy sluneční fotosféry";

// The title followed by the heliographic-entry remark, or by the polar-entry remark with the
// drawing diameter in millimetres.
std::string MainCaption(CoordinateMode mode, float drawingRadius);

}  // namespace ardeno
