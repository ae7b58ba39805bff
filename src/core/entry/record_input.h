// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the record editor hands to the store: every field and grid cell as the user typed it,
// the mode and the coordinate entry. StoreRecord checks the texts, builds the record and stores
// it in the database, or refuses and leaves the database, the work record and the current index
// exactly as they were.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/data/database.h"
#include "core/data/edit_history.h"
#include "core/entry/group_number_clash.h"

namespace ardeno {

enum class EditorMode { NewDrawing, Special, Correction };

// The undo step a store of the editor makes.
inline EditKind EditKindOf(EditorMode mode) {
  switch (mode) {
    case EditorMode::Special:
      return EditKind::SpecialDrawing;
    case EditorMode::Correction:
      return EditKind::Correction;
    case EditorMode::NewDrawing:
      break;
  }
  return EditKind::NewDrawing;
}

// Header fields of the editor; the names are the fields' object names in the window.
enum class HeaderField {
  Observer,       // ComboBox1
  Date,           // MaskEdit1
  TimeUT,         // Edit3
  Conditions,     // Edit4
  ImageQuality,   // Edit5
  QualityQ,       // Edit6
  CentralGroups,  // Edit7
  CentralSpots,   // Edit8
  CentralR,       // Edit9
  FacularFields,  // Edit10
  GroupCount,     // Edit11
  FacularCount,   // Edit12
  Station,        // Edit13
  Kind,           // Edit25
};
inline constexpr int kHeaderFieldCount = 14;

// Texts of the header fields, indexed by HeaderField.
struct HeaderTexts {
  std::array<std::string, kHeaderFieldCount> Fields;
  std::string& operator[](HeaderField f) { return Fields[static_cast<int>(f)]; }
  const std::string& operator[](HeaderField f) const { return Fields[static_cast<int>(f)]; }
};

// One row of the group grid: index = grid column (1..15; 0 is the row number and unused).
inline constexpr int kGroupGridColumns = 16;
using GroupRowTexts = std::array<std::string, kGroupGridColumns>;
// The group grid's column of the rotation group number.
inline constexpr int kGroupNumberColumn = 9;
// One row of the facula grid: columns 2k-1, 2k are vertex k (angle, distance), k = 1..6.
inline constexpr int kFaculaGridColumns = 13;
using FaculaRowTexts = std::array<std::string, kFaculaGridColumns>;

struct RecordInput {
  EditorMode Mode = EditorMode::NewDrawing;
  HeaderTexts Header;
  std::vector<GroupRowTexts> Groups;    // Groups[i - 1] is grid row i
  std::vector<FaculaRowTexts> Faculae;  // Faculae[i - 1] is grid row i
  // Polar mode only: the group grid takes l and b in columns 4, 5 (the Helios switch, tag 1).
  bool LongitudeLatitudeEntry = false;
  // The header of a photographed drawing: its groups are added from the photograph afterwards,
  // so a drawing without typed groups is accepted.
  bool PhotoEntry = false;
  // Group rows whose rotation group number the user was warned about and kept.
  std::vector<KeptGroupNumber> KeptGroupNumbers;
};

enum class EditorGrid { Groups, Faculae };
struct GridCell {
  EditorGrid Grid = EditorGrid::Groups;
  int Row = 0;     // 1-based grid row
  int Column = 0;  // grid column
  bool operator==(const GridCell&) const = default;
};

struct StoreOutcome {
  bool Stored = false;
  // Every message the user must see, in the order the editor shows them.
  std::vector<std::string> Messages;
  // The cell to select after a cell fault.
  std::optional<GridCell> FaultCell;
  // The header field to focus after a refusal about it (the date, a number field).
  std::optional<HeaderField> FocusField;
  // Every header field the refusal names, to be marked until the user changes it.
  std::vector<HeaderField> FaultFields;
  // Rows of the group grid with decimal commas in columns 4 and 5 rewritten as points, and a
  // rotation group number that another group of the rotation carries replaced by a free one.
  std::vector<GroupRowTexts> Groups;
  // The rows and typed numbers of that warning: confirmed again with these numbers, they stay.
  std::vector<KeptGroupNumber> WarnedGroupNumbers;
  // Records appended in this run of the program, as the editor's counter shows it.
  int RunCounter = 0;
};

// Number shown in the editor's run counter: RecordCount + 1 - RecordCountAtLoad.
int RunCounter(const Database& db);

// Checks the typed record and stores it: appended in the new-drawing and special modes,
// overwriting the current record in the correction mode, with its ephemeris, rotation and
// results block; then the database is sorted by date and CurrentIndex points at the record.
StoreOutcome StoreRecord(Database& db, const RecordInput& input);

}  // namespace ardeno
