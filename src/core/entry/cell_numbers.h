// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading the numbers typed into the editor's fields and grid cells. Blanks around a number are
// ignored (the editor itself writes right-aligned numbers); a decimal comma counts as a point.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ardeno {

// An optional sign and decimal digits only; nothing for anything else, an empty text included.
std::optional<std::int64_t> ParseWholeNumber(std::string_view text);

// An optional sign, digits and at most one decimal point or comma; nothing for anything else.
std::optional<double> ParseDecimal(std::string_view text);

// A decimal, or 0 for text that is not a number (how the cell checks read a cell).
double DecimalOrZero(std::string_view text);

// Cells left empty count as 0 when a record is built from the grid.
bool IsBlank(std::string_view text);

// Column 4 may hold a hemisphere marker instead of a position: "s" (north) or "j" (south).
enum class HemisphereMarker { None, North, South };
HemisphereMarker MarkerOf(std::string_view text);

// The first "," replaced by ".".
std::string WithDecimalPoint(std::string text);

}  // namespace ardeno
