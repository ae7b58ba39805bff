// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/entry/record_input_checks.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/data/group_types.h"
#include "core/entry/cell_numbers.h"
#include "core/entry/editor_texts.h"
#include "core/entry/header_fields.h"
#include "core/solar/heliographic.h"
#include "core/text/core_text.h"
#include "core/text/number_format.h"

namespace ardeno {
namespace {

// Millionths of the disk in one square millimetre of a drawing of radius 125.
constexpr double kMillionthsPerSquareMm = 20.4;
constexpr int kMaxRotationGroupNumber = 70;
constexpr int kMaxAngleDegrees = 360;
// Packed positions keep the distance in the low 7 bits.
constexpr int kMaxPackedDistance = 127;

std::string Upper(std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return text;
}

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool IsListedGroupType(const std::string& typed) {
  const std::string upper = Upper(Trimmed(typed));
  for (std::string_view type : GroupTypes) {
    if (Upper(std::string(type)) == upper) return true;
  }
  return false;
}

const std::string& Cell(const std::vector<GroupRowTexts>& rows, int row, int column) {
  static const std::string kEmpty;
  if (row < 1 || row > static_cast<int>(rows.size())) return kEmpty;
  return rows[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(column)];
}

const std::string& Cell(const std::vector<FaculaRowTexts>& rows, int row, int column) {
  static const std::string kEmpty;
  if (row < 1 || row > static_cast<int>(rows.size())) return kEmpty;
  return rows[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(column)];
}

std::string HeaderNumberMessage(const HeaderFieldSpec& field) {
  return FillText(
      CoreText("RecordInput", "V poli \"%1\" musí být celé číslo od 0 do %2\rzáznam nebude zapsán"),
      {MessageLabel(EditorText(field.Label)), std::to_string(field.Max)});
}

// Conditions, image quality and Q are rated 1 (best) to 5; 0 is what an untouched field holds.
constexpr int kLowestRating = 1;
constexpr int kHighestRating = 5;

bool IsRating(HeaderField field) {
  return field == HeaderField::Conditions || field == HeaderField::ImageQuality ||
         field == HeaderField::QualityQ;
}

// A correction of a drawing stored before the rating was required may leave it unrated (lint
// names it); it is not made to invent a rating to fix something else.
bool KeepsUnratedCorrection(const Database& db, const RecordInput& input, HeaderField field) {
  if (input.Mode != EditorMode::Correction || !db.HasCurrentRecord()) return false;
  const ObservationRecord& stored = db.Record(db.CurrentIndex);
  switch (field) {
    case HeaderField::Conditions:
      return stored.Conditions() == 0;
    case HeaderField::ImageQuality:
      return stored.ImageQuality() == 0;
    default:
      return stored.QualityQ() == 0;
  }
}

std::string RatingMessage(const HeaderFieldSpec& field, std::int64_t value) {
  return FillText(value == 0 ? CoreText("RecordInput",
                                        "Pole \"%1\" není vyplněno: zadejte hodnocení od %2 do "
                                        "%3\rzáznam nebude zapsán")
                             : CoreText("RecordInput",
                                        "V poli \"%1\" musí být hodnocení od %2 do %3\rzáznam "
                                        "nebude zapsán"),
                  {MessageLabel(EditorText(field.Label)), std::to_string(kLowestRating),
                   std::to_string(kHighestRating)});
}

std::string CellNumberMessage(EditorGrid grid, int row, std::string_view title, bool whole,
                              std::optional<double> max) {
  const std::string cell =
      FillText(grid == EditorGrid::Groups ? CoreText("RecordInput", "Skupina %1, sloupec \"%2\"")
                                          : CoreText("RecordInput", "Fakule %1, sloupec \"%2\""),
               {std::to_string(row), Trimmed(EditorText(title))});
  if (!max)
    return FillText(whole ? CoreText("RecordInput", "%1: zadejte celé číslo")
                          : CoreText("RecordInput", "%1: zadejte číslo"),
                    {cell});
  return FillText(whole ? CoreText("RecordInput", "%1: zadejte celé číslo od 0 do %2")
                        : CoreText("RecordInput", "%1: zadejte číslo od 0 do %2"),
                  {cell, whole ? std::to_string(Round(*max)) : FormatFloat("0.0", *max)});
}

struct OffDisk {
  int Column;          // 4 for a point behind the limb, 5 for a latitude beyond the poles
  std::string Reason;  // in the language of the interface
};

// A position typed as l (column 4) and b (column 5) that no drawing can show.
std::optional<OffDisk> OffTheDisk(const SolarEphemeris& eph, const std::string& lText,
                                  const std::string& bText) {
  const double l = DecimalOrZero(lText);
  const double b = DecimalOrZero(bText);
  if (std::abs(b) > kMaxHelioLatitude)
    return OffDisk{5, CoreText("RecordInput", "šířka b musí být od -90 do 90")};
  if (!IsOnVisibleHemisphere(eph, l, b))
    return OffDisk{
        4, FillText(CoreText("RecordInput",
                             "bod l = %1, b = %2 je na odvrácené straně Slunce "
                             "(centrální poledník l = %3)"),
                    {FormatFloat("0.0", l), FormatFloat("0.0", b), FormatFloat("0.0", eph.EphL0)})};
  return std::nullopt;
}

void SetNumber(HeaderNumbers& numbers, HeaderField field, std::int64_t value) {
  switch (field) {
    case HeaderField::TimeUT:
      numbers.TimeUT = static_cast<std::uint16_t>(value);
      break;
    case HeaderField::Conditions:
      numbers.Conditions = static_cast<std::uint8_t>(value);
      break;
    case HeaderField::ImageQuality:
      numbers.ImageQuality = static_cast<std::uint8_t>(value);
      break;
    case HeaderField::QualityQ:
      numbers.QualityQ = static_cast<std::uint8_t>(value);
      break;
    case HeaderField::CentralGroups:
      numbers.CentralGroups = static_cast<std::uint16_t>(value);
      break;
    case HeaderField::CentralSpots:
      numbers.CentralSpots = static_cast<std::uint16_t>(value);
      break;
    case HeaderField::CentralR:
      numbers.CentralR = static_cast<std::uint16_t>(value);
      break;
    case HeaderField::FacularFields:
      numbers.FacularFields = static_cast<std::uint16_t>(value);
      break;
    case HeaderField::GroupCount:
      numbers.GroupCount = static_cast<int>(value);
      break;
    case HeaderField::FacularCount:
      numbers.FacularCount = static_cast<int>(value);
      break;
    default:
      break;
  }
}

}  // namespace

double AreaFactor(AreaUnit unit, float drawingRadius) {
  switch (unit) {
    case AreaUnit::SquareMillimetres:
      return kMillionthsPerSquareMm * 125.0 / drawingRadius;
    case AreaUnit::DrawingMillionths:
      return 125.0 / drawingRadius;
    case AreaUnit::StoredMillionths:
      return 1.0;
  }
  return 1.0;
}

AreaUnit GroupAreaUnit(CoordinateMode mode, bool longitudeLatitudeEntry) {
  if (mode == CoordinateMode::Heliographic) return AreaUnit::DrawingMillionths;
  return longitudeLatitudeEntry ? AreaUnit::StoredMillionths : AreaUnit::SquareMillimetres;
}

AreaUnit AuxAreaUnit(CoordinateMode mode) {
  return mode == CoordinateMode::Heliographic ? AreaUnit::DrawingMillionths
                                              : AreaUnit::SquareMillimetres;
}

bool TakesLongitudeLatitude(CoordinateMode mode, bool longitudeLatitudeEntry) {
  return mode == CoordinateMode::Heliographic || longitudeLatitudeEntry;
}

HeaderCheck CheckHeader(const Database& db, const RecordInput& input) {
  HeaderCheck check;
  auto refuse = [&](std::string_view message, std::optional<HeaderField> focus = std::nullopt) {
    check.Refused = true;
    check.Messages.emplace_back(message);
    if (!focus) return;
    if (!check.Focus) check.Focus = focus;
    if (std::find(check.FaultFields.begin(), check.FaultFields.end(), *focus) ==
        check.FaultFields.end())
      check.FaultFields.push_back(*focus);
  };

  // Group types: at least one of the rows holds a listed class. A spotless day (0 groups) is an
  // observation too and has no class to check. A count that is not a number is reported below
  // as a number field instead.
  const auto groupCount = ParseWholeNumber(input.Header[HeaderField::GroupCount]);
  if (groupCount && *groupCount < 0) refuse(EditorText(kMsgBadGroupType));
  if (groupCount && *groupCount > 0 && !input.PhotoEntry) {
    bool listed = false;
    const std::int64_t rows = std::min<std::int64_t>(*groupCount, kMaxGroups);
    for (int row = 1; row <= rows; ++row)
      listed = listed || IsListedGroupType(Cell(input.Groups, row, 1));
    if (!listed) refuse(EditorText(kMsgBadGroupType));
  }

  if (db.RecordCount > db.RecordCountAtLoad + 197)
    check.Messages.push_back(EditorText(kMsgRunWarning));

  // Day and month take one or two digits, the year exactly four.
  const auto date = ParseEnteredDate(input.Header[HeaderField::Date]);
  if (!date) {
    refuse(EditorText(kMsgBadDate), HeaderField::Date);
  } else {
    check.Date = *date;
    if (input.Mode != EditorMode::Correction) {
      for (int i = 1; i <= db.RecordCount; ++i) {
        const auto stored = ParseDate(db.Record(i).Date());
        if (stored && *stored == *date) refuse(EditorText(kMsgRecordExists), HeaderField::Date);
      }
    }
  }

  if (input.Header[HeaderField::Observer].empty())
    refuse(EditorText(kMsgNoObserver), HeaderField::Observer);

  // Every header number is checked here, before anything is stored, so that a mistyped field
  // can never leave a half-stored record behind.
  for (const HeaderFieldSpec& field : kHeaderFieldSpecs) {
    if (field.Max == 0) continue;
    const auto value = ParseWholeNumber(input.Header[field.Field]);
    const bool negativeCount = field.Field == HeaderField::GroupCount && value && *value < 0;
    if (negativeCount) continue;  // already refused as a wrong group type
    if (!value || *value < 0 || *value > field.Max) {
      refuse(HeaderNumberMessage(field), field.Field);
    } else if (IsRating(field.Field) && (*value < kLowestRating || *value > kHighestRating) &&
               !(*value == 0 && KeepsUnratedCorrection(db, input, field.Field))) {
      refuse(RatingMessage(field, *value), field.Field);
    } else {
      SetNumber(check.Numbers, field.Field, *value);
    }
  }

  if (input.Mode == EditorMode::Correction && !db.HasCurrentRecord())
    refuse(EditorText(kMsgNoRecordChosen));
  return check;
}

CellCheck CheckCells(const RecordInput& input, int groupCount, int facularCount,
                     CoordinateMode mode, float drawingRadius, const SolarEphemeris& eph) {
  CellCheck check;
  enum class Slot { None, Angle, GroupDistance, FaculaDistance };
  Slot slot = Slot::None;
  bool rotationFault = false;
  const double radius = drawingRadius;
  const bool longitudeLatitude = TakesLongitudeLatitude(mode, input.LongitudeLatitudeEntry);
  const auto& titles =
      mode == CoordinateMode::Heliographic ? kGroupTitlesHeliographic : kGroupTitlesPolar;

  std::optional<std::string> numberMessage;
  auto markCell = [&](EditorGrid grid, int row, int column) {
    check.Faulty = true;
    check.Cell = GridCell{grid, row, column};
  };
  // A cell the store could not turn into its field; the first one found is reported.
  auto badNumber = [&](EditorGrid grid, int row, int column, std::string_view title, bool whole,
                       std::optional<double> max) {
    if (numberMessage) return;
    numberMessage = CellNumberMessage(grid, row, title, whole, max);
    markCell(grid, row, column);
  };
  auto checkWhole = [&](EditorGrid grid, int row, int column, const std::string& text,
                        std::string_view title, int max) {
    if (IsBlank(text)) return true;
    const auto value = ParseWholeNumber(text);
    if (value && *value >= 0 && *value <= max) return true;
    badNumber(grid, row, column, title, true, max);
    return false;
  };
  auto checkArea = [&](int row, int column, AreaUnit unit) {
    const std::string& text = Cell(input.Groups, row, column);
    if (IsBlank(text)) return true;
    const double factor = AreaFactor(unit, drawingRadius);
    const auto value = ParseDecimal(text);
    if (value && *value >= 0 && Round(*value * factor) <= kMaxStoredWord) return true;
    badNumber(EditorGrid::Groups, row, column, titles[static_cast<std::size_t>(column)], false,
              std::floor(kMaxStoredWord / factor * 10) / 10);
    return false;
  };

  for (int row = 1; row <= groupCount && !check.Faulty; ++row) {
    auto cell = [&](int column) -> const std::string& { return Cell(input.Groups, row, column); };
    const HemisphereMarker marker = MarkerOf(cell(4));
    for (int column : {2, 3})
      checkWhole(EditorGrid::Groups, row, column, cell(column), titles[column], kMaxStoredByte);
    if (marker == HemisphereMarker::None && !IsBlank(cell(4)) && !ParseDecimal(cell(4))) {
      badNumber(EditorGrid::Groups, row, 4, titles[4], false, std::nullopt);
    }
    if (marker == HemisphereMarker::None && !IsBlank(cell(5)) && !ParseDecimal(cell(5))) {
      badNumber(EditorGrid::Groups, row, 5, titles[5], false, std::nullopt);
    }
    checkArea(row, 6, GroupAreaUnit(mode, input.LongitudeLatitudeEntry));
    for (int column : {7, 8})
      checkWhole(EditorGrid::Groups, row, column, cell(column), titles[column], kMaxStoredWord);
    if (!IsBlank(cell(kGroupNumberColumn)) && !ParseWholeNumber(cell(kGroupNumberColumn)))
      badNumber(EditorGrid::Groups, row, 9, titles[9], true, std::nullopt);
    for (int column : {10, 13})
      checkWhole(EditorGrid::Groups, row, column, cell(column), titles[column], kMaxAngleDegrees);
    for (int column : {11, 14})
      checkWhole(EditorGrid::Groups, row, column, cell(column), titles[column], kMaxPackedDistance);
    checkArea(row, 12, AuxAreaUnit(mode));
    checkArea(row, 15, AuxAreaUnit(mode));
    if (longitudeLatitude && marker == HemisphereMarker::None && !numberMessage) {
      if (const auto off = OffTheDisk(eph, cell(4), cell(5))) {
        // The polar grid switched to l and b shows these titles over columns 4 and 5.
        const std::string_view title = mode == CoordinateMode::Heliographic
                                           ? titles[static_cast<std::size_t>(off->Column)]
                                       : off->Column == 4 ? kTitleLongitudeEntry
                                                          : kTitleLatitudeEntry;
        numberMessage = FillText(
            CoreText("RecordInput", "Skupina %1, sloupec \"%2\": %3\rzáznam nebude zapsán"),
            {std::to_string(row), Trimmed(EditorText(title)), off->Reason});
        markCell(EditorGrid::Groups, row, off->Column);
      }
    }

    // The limits of the drawing; angle and distance typed on the drawing cannot be negative.
    const double angle = DecimalOrZero(cell(4));
    const double distance = DecimalOrZero(cell(5));
    if (angle > kMaxAngleDegrees || (!longitudeLatitude && angle < 0)) {
      slot = Slot::Angle;
      markCell(EditorGrid::Groups, row, 4);
    }
    if (marker == HemisphereMarker::None &&
        (distance > radius || (!longitudeLatitude && distance < 0))) {
      slot = Slot::GroupDistance;
      markCell(EditorGrid::Groups, row, 5);
    }
    for (int column : {11, 14}) {
      if (DecimalOrZero(cell(column)) > radius) {
        slot = Slot::GroupDistance;
        markCell(EditorGrid::Groups, row, column);
      }
    }
    const double rotationNumber = DecimalOrZero(cell(kGroupNumberColumn));
    if (rotationNumber > kMaxRotationGroupNumber || rotationNumber < 0) {
      rotationFault = true;
      markCell(EditorGrid::Groups, row, 9);
    }
  }

  for (int row = 1; row <= facularCount; ++row) {
    for (int vertex = 1; vertex <= kFaculaVertices; ++vertex) {
      const int angleColumn = 2 * vertex - 1;
      const int distanceColumn = 2 * vertex;
      const std::string& angleText = Cell(input.Faculae, row, angleColumn);
      const std::string& distanceText = Cell(input.Faculae, row, distanceColumn);
      const bool wellFormed = checkWhole(EditorGrid::Faculae, row, angleColumn, angleText,
                                         FaculaColumnTitle(angleColumn), kMaxAngleDegrees) &&
                              checkWhole(EditorGrid::Faculae, row, distanceColumn, distanceText,
                                         FaculaColumnTitle(distanceColumn), kMaxPackedDistance);
      if (DecimalOrZero(distanceText) > radius) {
        // A facula fault takes the place of a group fault; the first facula fault is selected.
        if (slot != Slot::FaculaDistance) markCell(EditorGrid::Faculae, row, distanceColumn);
        slot = Slot::FaculaDistance;
        break;
      }
      if (!wellFormed) break;
    }
  }

  if (numberMessage) check.Messages.push_back(*numberMessage);
  switch (slot) {
    case Slot::GroupDistance:
      check.Messages.push_back(GroupDistanceMessage(drawingRadius));
      break;
    case Slot::FaculaDistance:
      check.Messages.push_back(FaculaDistanceMessage(drawingRadius));
      break;
    case Slot::Angle:
      check.Messages.push_back(EditorText(kMsgAngle));
      break;
    case Slot::None:
      break;
  }
  if (rotationFault) check.Messages.push_back(EditorText(kMsgRotationNumber));
  return check;
}

}  // namespace ardeno
