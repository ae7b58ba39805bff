// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A rotation group number names one group of a Carrington rotation. Before a drawing is stored,
// each of its numbered groups is compared with the groups of the other drawings of the same
// rotation: a number already given there to a group far from this one (two groups, one number)
// is a slip the observer should see, with the next number still free in that rotation.
#include <optional>
#include <string>
#include <vector>

#include "core/data/database.h"

namespace ardeno {

struct GroupNumberClash {
  int Row = 0;                         // the group's slot (grid row) in the drawing being stored
  int GroupNumber = 0;                 // the number typed
  int Rotation = 0;                    // the rotation the group's longitude belongs to
  int OtherRecord = 0;                 // the drawing whose group carries the same number
  double ApartDegrees = 0;             // the larger of the longitude and latitude distances
  std::optional<int> SuggestedNumber;  // the lowest number still free in the rotation
};

struct KeptGroupNumber {
  int Row = 0;
  int GroupNumber = 0;
  bool operator==(const KeptGroupNumber&) const = default;
};

// The clashes of `record` with the other drawings of the database; `replacedIndex` is the record
// a correction overwrites (0 for a new drawing), which is not compared. Rows listed in `kept`
// with the same number were shown to the user already and stay as typed.
std::vector<GroupNumberClash> FindGroupNumberClashes(const Database& db,
                                                     const ObservationRecord& record,
                                                     int replacedIndex,
                                                     const std::vector<KeptGroupNumber>& kept);

// The groups of a corrected drawing whose number and place are as they were: a correction of
// other fields does not warn again about numbers the observer kept.
std::vector<KeptGroupNumber> UnchangedGroupNumbers(const ObservationRecord& original,
                                                   const ObservationRecord& corrected);

// The warning for one clash, naming the other drawing by its date and time.
std::string GroupNumberClashMessage(const Database& db, const GroupNumberClash& clash);

}  // namespace ardeno
