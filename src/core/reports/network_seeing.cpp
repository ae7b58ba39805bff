// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/reports/network_seeing.h"

namespace ardeno {

namespace {

const SeeingRow* RowOf(std::uint8_t conditions) {
  for (const SeeingRow& row : kSeeingTable) {
    if (row.Conditions == conditions) return &row;
  }
  return nullptr;
}

}  // namespace

char UsspsSeeing(std::uint8_t conditions) {
  const SeeingRow* row = RowOf(conditions);
  return row != nullptr ? row->Ussps : kUnknownUsspsSeeing;
}

char AavsoSeeing(std::uint8_t conditions) {
  const SeeingRow* row = RowOf(conditions);
  return row != nullptr ? row->Aavso : kUnknownAavsoSeeing;
}

}  // namespace ardeno
