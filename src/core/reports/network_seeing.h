// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the observing conditions of a drawing (the "PP" mark, 1 best .. 5 worst, as the school marks
// the observers give) read on the seeing scales of the other networks. One table, so that the
// USSPS message, the AAVSO report and the help say the same. The scales run the other way: the
// USSPS code book's b is 1 very poor, 2 poor, 3 fair, 4 good, 5 exceptional (so b = 6 - PP), the
// AAVSO letters are E excellent, G good, F fair, P poor (no letter below poor).
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
    {1, '5', 'E', "výborné"},
    {2, '4', 'G', "dobré"},
    {3, '3', 'F', "průměrné"},
    {4, '2', 'P', "špatné"},
    {5, '1', 'P', "velmi špatné"},
}};
// What the networks write for an unknown seeing: "/" is the code books' "not observed", and the
// AAVSO column stays blank.
inline constexpr char kUnknownUsspsSeeing = '/';
inline constexpr char kUnknownAavsoSeeing = ' ';

char UsspsSeeing(std::uint8_t conditions);
char AavsoSeeing(std::uint8_t conditions);

}  // namespace ardeno
