// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the group statistics tables leave out. The tables grow with the data (one entry per
// rotation, month or year from record 1's on), so only records that lie before record 1's period
// (a damaged rotation number, an unsorted file) or groups numbered beyond the numbering can be
// left out; they are counted, so that the window can tell the user once.
#include <string>

#include "core/text/core_text.h"

namespace ardeno {

inline constexpr int kMaxRotationGroupNumber = 70;  // group numbers within a rotation, 1..70

// Records (or group sightings) a table could not place.
struct LeftOutRecords {
  int Count = 0;
  // What was left out and from which table, without the count: the Czech text of the context
  // "GroupTables".
  const char* Reason = "";

  explicit operator bool() const { return Count > 0; }
  // The reason followed by the count, for the user in the language of the interface; empty when
  // none.
  std::string Message() const;
};

}  // namespace ardeno
