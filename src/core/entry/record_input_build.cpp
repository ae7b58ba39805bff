// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/entry/record_input_build.h"

#include <algorithm>

#include "core/entry/cell_numbers.h"
#include "core/entry/editor_texts.h"
#include "core/entry/record_display.h"
#include "core/solar/heliographic.h"
#include "core/text/dates.h"
#include "core/text/number_format.h"

namespace ardeno {
namespace {

constexpr const char* kClearedGroupType = "***";
constexpr int kPackedAngleFactor = 128;  // packed position: degrees * 128 + millimetres
// Switches of the polar grid followed when telling an edited cell from a rounded one: two round
// trips to l and b and back.
constexpr int kSwitchesFollowed = 4;

std::string CellText(const RecordInput& input, int row, int column) {
  if (row > static_cast<int>(input.Groups.size())) return {};
  return input.Groups[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(column)];
}

std::string FaculaText(const RecordInput& input, int row, int column) {
  if (row > static_cast<int>(input.Faculae.size())) return {};
  return input.Faculae[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(column)];
}

// Cells are checked before the record is built; an empty cell counts as 0.
std::int64_t Whole(const std::string& text) { return ParseWholeNumber(text).value_or(0); }

std::uint16_t Word(std::int64_t value) { return static_cast<std::uint16_t>(value & 0xFFFF); }

// "dKC" -> "Dkc": the Zurich letter upper case, the other two lower case.
std::string GroupTypeText(const std::string& typed) {
  const auto first = typed.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  std::string type = typed.substr(first, typed.find_last_not_of(" \t") - first + 1);
  // Three characters, not three bytes: a letter with a diacritic takes two bytes here and must
  // not be cut in half.
  std::size_t characters = 0;
  for (std::size_t i = 0; i < type.size(); ++i) {
    const bool startsCharacter = (static_cast<unsigned char>(type[i]) & 0xC0) != 0x80;
    if (startsCharacter && ++characters > 3) {
      type.resize(i);
      break;
    }
  }
  for (std::size_t i = 0; i < type.size(); ++i) {
    char& c = type[i];
    if (i == 0 && c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (i > 0 && c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return type;
}

void FillPosition(ObservationRecord& record, int slot, const std::string& column4,
                  const std::string& column5, const SolarEphemeris& eph, CoordinateMode mode,
                  bool longitudeLatitudeEntry, float drawingRadius) {
  const HemisphereMarker marker = MarkerOf(column4);
  if (marker != HemisphereMarker::None) {
    record.SetAngle10(
        slot, marker == HemisphereMarker::North ? kNorthMarkerAngle10 : kSouthMarkerAngle10);
    record.SetDistance10(slot, kMarkerDistance10);
    return;
  }
  const double first = DecimalOrZero(column4);
  const double second = DecimalOrZero(column5);
  if (!TakesLongitudeLatitude(mode, longitudeLatitudeEntry)) {
    record.SetAngle10(slot, Word(Round(first * 10)));
    record.SetDistance10(slot, Word(Round(second * 10 * 125 / drawingRadius)));
    return;
  }
  const PolarPosition polar = HeliographicToPolar(eph, static_cast<float>(first),
                                                  static_cast<float>(second), drawingRadius);
  double angle = polar.PolarAngle;
  // Heliographic mode keeps an angle above 360 as it came; the l/b entry of polar mode does not.
  if (mode != CoordinateMode::Heliographic && angle > 360) angle -= 360;
  record.SetAngle10(slot, Word(Round(angle * 10)));
  record.SetDistance10(slot, Word(Round(polar.PolarDistance * 10 * 125 / drawingRadius)));
}

}  // namespace

void ClearWorkRecord(ObservationRecord& record, const Database& db) {
  record.SetObserver("");
  if (db.RecordCount > 1) record.SetStation(db.Record(1).Station());
  record.SetTimeUT(1200);
  record.SetDate("");
  record.SetGroupCount(0);
  record.SetFacularCount(0);
  record.SetConditions(0);
  record.SetImageQuality(0);
  record.SetQualityQ(0);
  record.SetCentralGroups(0);
  record.SetCentralSpots(0);
  record.SetCentralR(0);
  record.SetFacularFields(0);
  record.SetKind("");
  for (int slot = 1; slot <= kMaxGroups; ++slot) {
    record.SetGroupType(slot, kClearedGroupType);
    record.SetSpotCount(slot, 0);
    record.SetPenumbralCount(slot, 0);
    // Angle10 through the last facula vertex: slot bytes 6..37.
    for (std::size_t offset = 6; offset < 38; offset += 2) {
      record.SetU16(ObservationRecord::Slot(slot) + offset, 0);
    }
  }
}

std::uint16_t StoredArea(double typed, AreaUnit unit, float drawingRadius) {
  double value = typed;
  switch (unit) {
    case AreaUnit::SquareMillimetres:
      value = typed * 20.4 * 125 / drawingRadius;
      break;
    case AreaUnit::DrawingMillionths:
      value = typed * 125 / drawingRadius;
      break;
    case AreaUnit::StoredMillionths:
      break;
  }
  return Word(Round(value));
}

void FillRecord(ObservationRecord& record, const RecordInput& input, const HeaderNumbers& numbers,
                const SolarEphemeris& eph, CoordinateMode mode, float drawingRadius) {
  record.SetDate(input.Header[HeaderField::Date]);
  record.SetKind(input.Header[HeaderField::Kind].empty() ? std::string_view{}
                                                         : std::string_view{kSpecialKind});
  record.SetObserver(input.Header[HeaderField::Observer]);
  record.SetTimeUT(numbers.TimeUT);
  record.SetConditions(numbers.Conditions);
  record.SetImageQuality(numbers.ImageQuality);
  record.SetQualityQ(numbers.QualityQ);
  record.SetCentralGroups(numbers.CentralGroups);
  record.SetCentralSpots(numbers.CentralSpots);
  record.SetCentralR(numbers.CentralR);
  record.SetFacularFields(numbers.FacularFields);
  record.SetGroupCount(numbers.GroupCount);
  record.SetFacularCount(numbers.FacularCount);
  record.SetStation(input.Header[HeaderField::Station]);

  const AreaUnit groupArea = GroupAreaUnit(mode, input.LongitudeLatitudeEntry);
  const AreaUnit auxArea = AuxAreaUnit(mode);
  for (int i = 1; i <= numbers.GroupCount; ++i) {
    auto cell = [&](int column) { return CellText(input, i, column); };
    record.SetGroupType(i, GroupTypeText(cell(1)));
    record.SetSpotCount(i, static_cast<std::uint8_t>(Whole(cell(2))));
    record.SetPenumbralCount(i, static_cast<std::uint8_t>(Whole(cell(3))));
    FillPosition(record, i, cell(4), cell(5), eph, mode, input.LongitudeLatitudeEntry,
                 drawingRadius);
    record.SetArea(i, StoredArea(DecimalOrZero(cell(6)), groupArea, drawingRadius));
    record.SetSmallSpots(i, Word(Whole(cell(7))));
    record.SetGroupNumber(i, Word(Whole(cell(8))));
    record.SetRotationGroupNumber(i, Word(Whole(cell(kGroupNumberColumn))));
    record.SetAux1Position(i, Word(Whole(cell(10)) * kPackedAngleFactor + Whole(cell(11))));
    record.SetAux2Position(i, Word(Whole(cell(13)) * kPackedAngleFactor + Whole(cell(14))));
    record.SetAux1Area(i, StoredArea(DecimalOrZero(cell(12)), auxArea, drawingRadius));
    record.SetAux2Area(i, StoredArea(DecimalOrZero(cell(15)), auxArea, drawingRadius));
  }
  for (int i = 1; i <= numbers.FacularCount; ++i) {
    for (int vertex = 1; vertex <= kFaculaVertices; ++vertex) {
      const std::int64_t angle = Whole(FaculaText(input, i, 2 * vertex - 1));
      const std::int64_t distance = Whole(FaculaText(input, i, 2 * vertex));
      record.SetFaculaVertex(i, vertex, Word(angle * kPackedAngleFactor + distance));
    }
  }

  record.SetRotation(Word(eph.RotationNumber));
  record.SetCentralL0(Word(Trunc(eph.EphL0)));
}

void KeepUntouchedGroupValues(ObservationRecord& record, const ObservationRecord& original,
                              const RecordInput& typed, CoordinateMode mode, float drawingRadius) {
  const EditorTexts shown = FillFromWorkRecord(original, mode, drawingRadius);
  const bool sameMoment =
      ParseDate(shown.Header[HeaderField::Date]) == ParseDate(typed.Header[HeaderField::Date]) &&
      ParseWholeNumber(shown.Header[HeaderField::TimeUT]) ==
          ParseWholeNumber(typed.Header[HeaderField::TimeUT]);
  const int rows = std::min({record.GroupCount(), static_cast<int>(shown.Groups.size()),
                             static_cast<int>(typed.Groups.size())});
  // The polar grid may have been switched to l and b and back any number of times, and every
  // switch rounds the shown texts. A cell that equals what mere switching made of the shown row
  // was not edited, so the stored value stays exactly as it was.
  std::vector<std::vector<GroupRowTexts>> unedited;
  std::vector<GroupRowTexts> state = shown.Groups;
  bool longitudeLatitude = false;
  for (int switches = 0; switches <= kSwitchesFollowed; ++switches) {
    if (longitudeLatitude == typed.LongitudeLatitudeEntry) unedited.push_back(state);
    if (mode == CoordinateMode::Heliographic ||
        SwitchPositionEntry(state, rows, typed.Header[HeaderField::Date],
                            typed.Header[HeaderField::TimeUT], !longitudeLatitude, drawingRadius))
      break;
    longitudeLatitude = !longitudeLatitude;
  }
  const bool positionsKept =
      (mode != CoordinateMode::Heliographic && !typed.LongitudeLatitudeEntry) || sameMoment;
  const auto untouched = [&](int k, std::initializer_list<int> columns) {
    const GroupRowTexts& now = typed.Groups[static_cast<std::size_t>(k - 1)];
    for (const auto& then : unedited) {
      const GroupRowTexts& row = then[static_cast<std::size_t>(k - 1)];
      bool same = true;
      for (int c : columns)
        same = same && row[static_cast<std::size_t>(c)] == now[static_cast<std::size_t>(c)];
      if (same) return true;
    }
    return false;
  };
  for (int k = 1; k <= rows; ++k) {
    if (positionsKept && untouched(k, {4, 5})) {
      record.SetAngle10(k, original.Angle10(k));
      record.SetDistance10(k, original.Distance10(k));
    }
    if (untouched(k, {6})) record.SetArea(k, original.Area(k));
    if (untouched(k, {12})) record.SetAux1Area(k, original.Aux1Area(k));
    if (untouched(k, {15})) record.SetAux2Area(k, original.Aux2Area(k));
  }
}

}  // namespace ardeno
