// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/photo/photo_groups.h"

#include <algorithm>
#include <cmath>

#include "core/data/group_types.h"
#include "core/entry/cell_numbers.h"
#include "core/solar/day_results.h"
#include "core/text/core_text.h"
#include "core/text/number_format.h"

namespace ardeno {

namespace {

constexpr double kMillionthsPerSquareMm = 20.4;
constexpr double kStandardRadiusMm = 125.0;
// The grid holds one decimal; a hair added before truncating keeps 2.3 from becoming 2.2 where
// the binary value lies just below the decimal one.
constexpr double kDecimalGuard = 1e-7;

std::string Upper(std::string_view text) {
  std::string upper(text);
  for (char& c : upper)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return upper;
}

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The class as listed ("dkc" -> "Dkc"), so that its CV value is found; nothing when unlisted.
std::optional<std::string> ListedType(const std::string& typed) {
  const std::string upper = Upper(Trimmed(typed));
  for (std::string_view type : GroupTypes)
    if (Upper(type) == upper) return std::string(type);
  return std::nullopt;
}

int WholeOrZero(const std::string& text) {
  const std::optional<std::int64_t> value = ParseWholeNumber(text);
  if (value) return static_cast<int>(std::clamp<std::int64_t>(*value, 0, 65535));
  return static_cast<int>(std::clamp<double>(Trunc(DecimalOrZero(text)), 0, 65535));
}

PendingPoint PointOf(const GroupGridRow& row, int angleColumn) {
  return {DecimalOrZero(row[angleColumn]), DecimalOrZero(row[angleColumn + 1]),
          DecimalOrZero(row[angleColumn + 2])};
}

std::uint16_t Word(double value) {
  return static_cast<std::uint16_t>(std::clamp<double>(value, 0, 65535));
}

std::uint16_t Tenths(double value) { return Word(Trunc(value * 10 + kDecimalGuard)); }

std::uint16_t PackedPosition(const PendingPoint& p) {
  return Word(Trunc(p.Angle + kDecimalGuard) * 128 +
              std::min<double>(Trunc(p.Distance + kDecimalGuard), 127));
}

// Auxiliary spots take their area in whole square millimetres first.
std::uint16_t AuxArea(double area, double radius) {
  return Word(Round(static_cast<double>(Round(area)) * kMillionthsPerSquareMm * kStandardRadiusMm /
                    radius));
}

}  // namespace

std::optional<int> PositionColumnFor(int selectedColumn) {
  switch (selectedColumn) {
    case kColAngle:
    case kColDistance:
      return kColAngle;
    case kColAux1Angle:
    case kColAux1Distance:
      return kColAux1Angle;
    case kColAux2Angle:
    case kColAux2Distance:
      return kColAux2Angle;
    default:
      return std::nullopt;
  }
}

std::variant<PendingGroup, std::string> ReadPendingGroup(const GroupGridRow& row) {
  const std::optional<std::string> type = ListedType(row[kColType]);
  if (!type) return CoreText("PhotoEntry", kWrongGroupTypeMessage);
  if (IsBlank(row[kColRotationGroupNumber]))
    return CoreText("PhotoEntry", kMissingTypeOrNumberMessage);
  PendingGroup group;
  group.Type = *type;
  group.Spots = std::min(WholeOrZero(row[kColSpots]), 255);
  group.Penumbral = std::min(WholeOrZero(row[kColPenumbral]), 255);
  group.SmallSpots = WholeOrZero(row[kColSmallSpots]);
  group.GroupNumber = WholeOrZero(row[kColGroupNumber]);
  group.RotationGroupNumber = WholeOrZero(row[kColRotationGroupNumber]);
  group.Group = PointOf(row, kColAngle);
  group.Aux1 = PointOf(row, kColAux1Angle);
  group.Aux2 = PointOf(row, kColAux2Angle);
  return group;
}

Refusal CheckGroupSequence(int sequence) {
  if (sequence > kMaxGroups) return CoreText("PhotoEntry", kTooManyGroupsMessage);
  return std::nullopt;
}

Refusal StorePendingGroups(ObservationRecord& record, const PendingGroups& groups,
                           float drawingRadius) {
  const std::optional<SolarEphemeris> eph = RecordEphemeris(record);
  if (!eph) return std::string(kRecordFirstMessage);
  // A radius never chosen counts as the standard drawing, as the settings word does.
  const double radius = drawingRadius > 0 ? drawingRadius : kStandardRadiusMm;
  int k = 0;
  for (const auto& [sequence, g] : groups) {
    if (g.Type.empty() || k == kMaxGroups) continue;
    ++k;
    record.SetGroupType(k, g.Type);
    record.SetSpotCount(k, static_cast<std::uint8_t>(g.Spots));
    record.SetPenumbralCount(k, static_cast<std::uint8_t>(g.Penumbral));
    record.SetRotationGroupNumber(k, static_cast<std::uint16_t>(g.RotationGroupNumber));
    record.SetGroupNumber(k, static_cast<std::uint16_t>(g.GroupNumber));
    record.SetSmallSpots(k, static_cast<std::uint16_t>(g.SmallSpots));
    record.SetAngle10(k, Tenths(g.Group.Angle));
    record.SetDistance10(k, Tenths(g.Group.Distance));
    record.SetAux1Position(k, PackedPosition(g.Aux1));
    record.SetAux2Position(k, PackedPosition(g.Aux2));
    record.SetArea(k,
                   Word(Round(kMillionthsPerSquareMm * g.Group.Area * kStandardRadiusMm / radius)));
    record.SetAux1Area(k, AuxArea(g.Aux1.Area, radius));
    record.SetAux2Area(k, AuxArea(g.Aux2.Area, radius));
  }
  record.SetGroupCount(k);
  StoreDayResults(record, *eph);
  return std::nullopt;
}

}  // namespace ardeno
