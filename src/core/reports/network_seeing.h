// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the observing conditions of a drawing (the "PP" mark, 1 best .. 5 worst, as the school marks
// the observers give) read on the seeing scales of the other networks. One table, so that the
// USSPS message, the AAVSO report and the help say the same.
#include <array>
#include <cstdint>
#include <string_view>

namespace ardeno {

struct SeeingRow {
  std::uint8_t Conditions;   // the record's mark
  char Ussps;                // USSPS seeing figure b
  char Aavso;                // AAVSO seeing letter
  std::string_view Meaning;  // in the help's words
};

// Marks 1..5; any other mark (0 for "not given") reads as unknown.
inline constexpr std::array<SeeingRow, 5> kSeeingTable = {{
    {1, '1', 'E', "výborné"},
    {2, '2', 'G', "dobré"},
    {3, '3', 'F', "průměrné"},
    {4, '4', 'P', "špatné"},
    {5, '5', 'P', "velmi špatné"},
}};
// What the networks write for an unknown seeing: "/" is the code books' "not observed", and the
// AAVSO column stays blank.
inline constexpr char kUnknownUsspsSeeing = '/';
inline constexpr char kUnknownAavsoSeeing = ' ';

char UsspsSeeing(std::uint8_t conditions);
char AavsoSeeing(std::uint8_t conditions);

}  // namespace ardeno
