// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/entry/record_display.h"

#include "core/entry/cell_numbers.h"
#include "core/entry/editor_texts.h"
#include "core/entry/record_input_build.h"
#include "core/solar/ephemeris.h"
#include "core/solar/heliographic.h"
#include "core/text/number_format.h"

namespace ardeno {
namespace {

constexpr int kPackedAngleFactor = 128;

std::string ShownGroupType(std::string type) {
  for (std::size_t i = 0; i < type.size(); ++i) {
    char& c = type[i];
    if (i == 0 && c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (i > 0 && c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return type;
}

GroupRowTexts GroupRow(const ObservationRecord& record, int k, CoordinateMode mode, float radius,
                       const std::optional<SolarEphemeris>& eph) {
  GroupRowTexts row;
  const bool heliographic = mode == CoordinateMode::Heliographic;
  const double drawingScale = 125.0 / radius;  // millimetres of the 125 disk per drawing mm
  row[1] = ShownGroupType(record.GroupType(k));
  row[2] = std::to_string(record.SpotCount(k));
  row[3] = std::to_string(record.PenumbralCount(k));
  const int angle10 = record.Angle10(k);
  const int distance10 = record.Distance10(k);
  if (distance10 == kMarkerDistance10 && angle10 == kNorthMarkerAngle10) {
    row[4] = "s";
  } else if (distance10 == kMarkerDistance10 && angle10 == kSouthMarkerAngle10) {
    row[4] = "j";
  } else if (!heliographic) {
    row[4] = FormatFloat("0.0", angle10 / 10.0);
    row[5] = FormatFloat("0.0", distance10 * static_cast<double>(radius) / 125 / 10);
  } else if (eph) {
    const HeliographicPosition position = PolarToHeliographic(*eph, angle10, distance10);
    row[4] = FormatFloat("0.0", position.HelioLongitude);
    row[5] = FormatFloat("0.0", position.HelioLatitude);
  }
  row[6] = heliographic ? FormatFloat("0", record.Area(k) / drawingScale)
                        : FormatFixed(record.Area(k) / 20.4 / drawingScale, 3, 1);
  row[7] = std::to_string(record.SmallSpots(k));
  row[8] = std::to_string(record.GroupNumber(k));
  row[9] = std::to_string(record.RotationGroupNumber(k));
  const double auxScale = heliographic ? drawingScale : 2550.0 / radius;
  row[10] = std::to_string(record.Aux1Position(k) / kPackedAngleFactor);
  row[11] = std::to_string(record.Aux1Position(k) % kPackedAngleFactor);
  row[12] = std::to_string(Round(record.Aux1Area(k) / auxScale));
  row[13] = std::to_string(record.Aux2Position(k) / kPackedAngleFactor);
  row[14] = std::to_string(record.Aux2Position(k) % kPackedAngleFactor);
  row[15] = std::to_string(Round(record.Aux2Area(k) / auxScale));
  return row;
}

}  // namespace

EditorTexts FillFromWorkRecord(const ObservationRecord& record, CoordinateMode mode,
                               float drawingRadius) {
  EditorTexts texts;
  HeaderTexts& h = texts.Header;
  h[HeaderField::Observer] = record.Observer();
  h[HeaderField::Date] = record.Date();
  h[HeaderField::TimeUT] = std::to_string(record.TimeUT());
  h[HeaderField::Conditions] = std::to_string(record.Conditions());
  h[HeaderField::ImageQuality] = std::to_string(record.ImageQuality());
  h[HeaderField::QualityQ] = std::to_string(record.QualityQ());
  h[HeaderField::CentralGroups] = std::to_string(record.CentralGroups());
  h[HeaderField::CentralSpots] = std::to_string(record.CentralSpots());
  h[HeaderField::CentralR] = std::to_string(record.CentralR());
  h[HeaderField::FacularFields] = std::to_string(record.FacularFields());
  h[HeaderField::GroupCount] = std::to_string(record.GroupCount());
  h[HeaderField::FacularCount] = std::to_string(record.FacularCount());
  h[HeaderField::Station] = record.Station();

  const std::optional<SolarEphemeris> eph = RecordEphemeris(record);
  for (int k = 1; k <= record.GroupCount(); ++k) {
    texts.Groups.push_back(GroupRow(record, k, mode, drawingRadius, eph));
  }
  for (int k = 1; k <= record.FacularCount(); ++k) {
    FaculaRowTexts row;
    for (int vertex = 1; vertex <= kFaculaVertices; ++vertex) {
      const int packed = record.FaculaVertex(k, vertex);
      row[static_cast<std::size_t>(2 * vertex - 1)] = std::to_string(packed / kPackedAngleFactor);
      row[static_cast<std::size_t>(2 * vertex)] = std::to_string(packed % kPackedAngleFactor);
    }
    texts.Faculae.push_back(row);
  }
  return texts;
}

EditorOpening OpenEditor(Database& db, EditorMode mode) {
  EditorOpening opening;
  if (db.RecordCount == 1) db.CurrentIndex = 1;
  const bool hasCurrent = db.HasCurrentRecord();
  opening.RunCounter = RunCounter(db);

  if (mode == EditorMode::Correction) {
    // The record shown is the one the store will overwrite.
    if (hasCurrent) db.ChooseRecord(db.CurrentIndex);
    opening.Texts = FillFromWorkRecord(db.WorkRecord, db.Mode, db.DrawingRadius);
    opening.KindVisible = db.WorkRecord.IsSpecial();
    if (opening.KindVisible) opening.Texts.Header[HeaderField::Kind] = db.WorkRecord.Kind();
    return opening;
  }

  ClearWorkRecord(db.WorkRecord, db);
  if (mode == EditorMode::Special) db.WorkRecord.SetKind(kSpecialKind);
  opening.Texts = FillFromWorkRecord(db.WorkRecord, db.Mode, db.DrawingRadius);
  if (mode == EditorMode::Special) {
    opening.KindVisible = true;
    opening.Texts.Header[HeaderField::Kind] = std::string(kSpecialKind);
  }
  if (!db.Observers.empty()) opening.Texts.Header[HeaderField::Observer] = db.Observers.front();
  // The shown defaults stay; the store starts again from the current record's bytes, so a new
  // drawing carries its reserved bytes. An empty database keeps the defaults themselves.
  if (hasCurrent) db.ChooseRecord(db.CurrentIndex);
  return opening;
}

CountFieldChange CountChanged(const std::string& text) {
  CountFieldChange change;
  const auto value = ParseWholeNumber(text);
  if (!value) return change;
  change.IsNumber = true;
  std::int64_t n = *value;
  change.GridEnabled = n >= 1;
  if (n > kMaxGroups) {
    change.Message = EditorText(kMsgMaxGroups);
    n = kMaxGroups;
    change.FieldText = std::to_string(kMaxGroups);
  }
  change.Rows = n < 1 ? 1 : static_cast<int>(n);
  return change;
}

void FillEmptyGroupRows(std::vector<GroupRowTexts>& rows, int count) {
  if (static_cast<int>(rows.size()) < count) rows.resize(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    GroupRowTexts& row = rows[static_cast<std::size_t>(i)];
    if (!row[2].empty()) continue;
    for (int column = 2; column < kGroupGridColumns; ++column)
      row[static_cast<std::size_t>(column)] = "0";
  }
}

Refusal SwitchPositionEntry(std::vector<GroupRowTexts>& rows, int count,
                            const std::string& dateText, const std::string& timeText,
                            bool toLongitudeLatitude, float drawingRadius) {
  const auto date = ParseDate(dateText);
  if (!date) return EditorText(kMsgNoDate);
  const auto time = ParseWholeNumber(timeText);
  if (!time || *time < 0 || *time > 65535) {
    return CoreText("RecordEditor", "V poli \"Čas UT\" musí být celé číslo od 0 do 65535");
  }
  const SolarEphemeris eph = Ephemeris(*date, static_cast<std::uint16_t>(*time));
  const double radius = drawingRadius;
  for (int i = 0; i < count && i < static_cast<int>(rows.size()); ++i) {
    GroupRowTexts& row = rows[static_cast<std::size_t>(i)];
    const double area = DecimalOrZero(row[6]);
    row[6] = toLongitudeLatitude ? FormatFloat("0", area * 20.4 * 125 / radius)
                                 : FormatFloat("0.0", area / (2550 / radius));
    if (MarkerOf(row[4]) != HemisphereMarker::None) continue;
    const double first = DecimalOrZero(row[4]);
    const double second = DecimalOrZero(row[5]);
    if (toLongitudeLatitude) {
      const HeliographicPosition position =
          PolarToHeliographic(eph, static_cast<double>(Round(first * 10)),
                              static_cast<double>(Round(second * 10 * 125 / radius)));
      row[4] = FormatFloat("0.0", position.HelioLongitude);
      row[5] = FormatFloat("0.0", position.HelioLatitude);
    } else {
      const PolarPosition polar = HeliographicToPolar(eph, static_cast<float>(first),
                                                      static_cast<float>(second), drawingRadius);
      const double angle = polar.PolarAngle > 360 ? polar.PolarAngle - 360 : polar.PolarAngle;
      row[4] = FormatFloat("0.0", angle);
      row[5] = FormatFloat("0.0", polar.PolarDistance);
    }
  }
  return std::nullopt;
}

}  // namespace ardeno
