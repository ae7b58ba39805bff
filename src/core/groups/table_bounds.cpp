// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/groups/table_bounds.h"

#include "core/text/core_text.h"

namespace ardeno {

std::string LeftOutRecords::Message() const {
  if (Count <= 0) return {};
  return CoreText("GroupTables", Reason) + " (" + std::to_string(Count) + ").";
}

}  // namespace ardeno
