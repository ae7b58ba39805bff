// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two days every report test is written out for: a busy drawing with values in every column
// and a special record (by default without hemisphere marker), whose hemisphere cells the
// reports leave empty.
#include "core/results/results_records.h"

namespace ardeno::test {

inline DayValues BusyDay() {
  DayValues v;
  v.North = {2, 5, 25, 10, 25, 30, 120, 130};
  v.South = {1, 3, 13, 7, 13, 10, 40, 45};
  v.Central = {1, 2, 12, 3};
  v.Quality = {2, 3, 4};
  return v;
}

inline DayValues SpecialDay(Marker marker = Marker::None) {
  DayValues v;
  v.North = {1, 1, 11, 5, 11, 4, 300, 310};
  v.Special = true;
  v.FirstGroup = marker;
  v.Central = {0, 0, 0, 1};
  v.Quality = {1, 1, 1};
  return v;
}

}  // namespace ardeno::test
