// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The radius of the paper drawing template, as the observer types it when the data file has no
// setting yet.
#include <optional>
#include <string_view>

namespace ardeno {

// The radius in millimetres: a number ("." or "," as the decimal mark, blanks around allowed)
// from 1 up to below 1000. Larger values would be taken for the heliographic-mode marker when
// record 1's settings word is read back, zero or less would leave every drawing without a size,
// so both are refused (nothing).
std::optional<float> ParseDrawingRadius(std::string_view text);

}  // namespace ardeno
