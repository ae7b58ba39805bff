// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's name and version as the About box shows them and as every picture it writes
// names its maker.
#include <string_view>

namespace ardeno {

inline constexpr std::string_view kProgramName = "Ardeno";
inline constexpr std::string_view kProgramVersion = "0.1";

}  // namespace ardeno
