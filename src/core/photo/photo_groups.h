// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Groups measured on a photographed drawing: each row of the group grid is checked and kept as
// a pending group under its sequence number, and ending the entry stores the pending groups into
// the record in the order of their sequence numbers.
#include <array>
#include <map>
#include <optional>
#include <string>
#include <variant>

#include "core/data/observation_record.h"
#include "core/text/core_text.h"
#include "core/text/refusal.h"

namespace ardeno {

inline constexpr const char* kWrongGroupTypeMessage =
    CoreTextNoop("PhotoEntry", "Špatně zadaný typ skupiny");
inline constexpr const char* kMissingTypeOrNumberMessage =
    CoreTextNoop("PhotoEntry", "Nabyl zadán typ nebo číslo skupiny  - povinné");
inline constexpr const char* kTooManyGroupsMessage =
    CoreTextNoop("PhotoEntry", "Maximální počet skupin je 40 !");
inline constexpr const char* kSpotBeyondRadiusMessage =
    CoreTextNoop("PhotoEntry", "Vzdálenost skvrny přesahuje poloměr zákresu, změnit");
inline constexpr const char* kRecordFirstMessage = CoreTextNoop(
    "PhotoEntry", "Musí být zadám daný záznam s datumen a časem do ktrého se data zapíšou !   ");

// Columns of the group grid, 1-based as the user sees them.
enum GroupGridColumn : int {
  kColType = 1,
  kColSpots,
  kColPenumbral,
  kColAngle,
  kColDistance,
  kColArea,
  kColSmallSpots,
  kColGroupNumber,
  kColRotationGroupNumber,
  kColAux1Angle,
  kColAux1Distance,
  kColAux1Area,
  kColAux2Angle,
  kColAux2Distance,
  kColAux2Area,
};
inline constexpr int kPhotoGridColumns = 15;
using GroupGridRow = std::array<std::string, kPhotoGridColumns + 1>;  // index 0 unused

// Where a measured point is written: the angle column of the group or of an auxiliary spot.
// Nothing for a column that holds no position.
std::optional<int> PositionColumnFor(int selectedColumn);

struct PendingPoint {
  double Angle = 0;     // degrees
  double Distance = 0;  // millimetres of the 125 mm drawing
  double Area = 0;      // square millimetres of the drawing
};

struct PendingGroup {
  std::string Type;  // as listed among the group types
  int Spots = 0;
  int Penumbral = 0;
  int SmallSpots = 0;
  int GroupNumber = 0;
  int RotationGroupNumber = 0;
  PendingPoint Group;
  PendingPoint Aux1;
  PendingPoint Aux2;
};

// Checks and reads a grid row; the refusal text when it cannot be kept.
std::variant<PendingGroup, std::string> ReadPendingGroup(const GroupGridRow& row);

// Refusal of a group sequence number; nothing when it can be used.
Refusal CheckGroupSequence(int sequence);

// Pending groups by their sequence number 1..40.
using PendingGroups = std::map<int, PendingGroup>;

// Stores the pending groups as groups 1, 2, ... in the order of their sequence numbers,
// sets GroupCount and computes the record's results block. Group fields only: the facular
// vertices sharing the slots stay. drawingRadius is the paper drawing's radius in millimetres.
// Refused (record unchanged) when the record has no date to compute the results for.
Refusal StorePendingGroups(ObservationRecord& record, const PendingGroups& groups,
                           float drawingRadius);

}  // namespace ardeno
