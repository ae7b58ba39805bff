// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/data/ascii_export.h"

#include <stdexcept>

#include "core/data/aux_file_io.h"
#include "core/data/file_error_text.h"
#include "core/data/file_replace.h"
#include "core/solar/ephemeris.h"
#include "core/solar/heliographic.h"
#include "core/text/core_text.h"
#include "core/text/encoding.h"
#include "core/text/number_format.h"

namespace ardeno {

namespace {

constexpr const char* kHeader = "   Datum    čas   č typ  l   b  ploch lv  bv plo.v";
constexpr const char* kEmptyClassMark = "***";
constexpr const char* kLatitudePattern = " 00;-00";
constexpr int kMinutesPerDay = 1440;
constexpr int kAuxPositionAngleUnit = 128;  // Aux1Position = whole degrees * 128 + millimetres
constexpr const char* kNoAuxiliarySpot = "             ";  // 13 blanks

std::string TimeText(std::uint16_t timeUT) {
  // Taken as a fraction of a day, so minutes past 59 carry into the hour.
  const int minutes = (timeUT / 100 * 60 + timeUT % 100) % kMinutesPerDay;
  return FormatFloat("00", minutes / 60) + " " + FormatFloat("00", minutes % 60);
}

std::string DateText(const CalendarDate& date) {
  return FormatFloat("00", date.Day) + ":" + FormatFloat("00", date.Month) + ":" +
         FormatFloat("0000", date.Year);
}

bool HasAuxiliarySpot(const ObservationRecord& record, int k) {
  const std::string type = record.GroupTypeRaw(k);
  return !type.empty() && type.front() == 'B' && record.Aux1Position(k) != 0;
}

std::string GroupLine(const ObservationRecord& record, int k, const CalendarDate& date,
                      const SolarEphemeris& eph) {
  const auto group = PolarToHeliographic(eph, record.Angle10(k), record.Distance10(k));
  std::string line =
      DateText(date) + " " + TimeText(record.TimeUT()) + " " +
      FormatFloat("00", record.RotationGroupNumber(k)) + " " + record.GroupTypeRaw(k) + " " +
      FormatFloat("000", group.HelioLongitude) + " " +
      FormatFloat(kLatitudePattern, group.HelioLatitude) + " " +
      FormatFloat("0000", static_cast<double>(Round(record.Area(k) +
                                                    record.SmallSpots(k) * kExportSmallSpotArea))) +
      " ";
  if (HasAuxiliarySpot(record, k)) {
    const int aux = record.Aux1Position(k);
    const auto spot = PolarToHeliographic(eph, (aux / kAuxPositionAngleUnit) * 10.0,
                                          (aux % kAuxPositionAngleUnit) * 10.0);
    line += FormatFloat("000", spot.HelioLongitude) + " " +
            FormatFloat(kLatitudePattern, spot.HelioLatitude) + " " +
            FormatFloat("0000", record.Aux1Area(k));
  } else {
    line += kNoAuxiliarySpot;
  }
  return line + "\r\n";
}

}  // namespace

Refusal CheckAsciiExport(const Database& db) {
  for (int i = 1; i <= db.RecordCount; ++i) {
    const auto& record = db.Record(i);
    if (record.GroupCount() > 0 && !ParseDate(record.Date())) {
      return "Záznam č. " + std::to_string(i) + " má chybné datum \"" + record.Date() +
             "\", soubor " + kAsciiExportFileName + " nebyl uložen.";
    }
  }
  return std::nullopt;
}

std::string AsciiExportText(Database& db) {
  if (auto refusal = CheckAsciiExport(db)) throw std::invalid_argument(*refusal);
  std::string text = Utf8ToCp1250(kHeader) + "\r\n";
  for (int i = 1; i <= db.RecordCount; ++i) {
    auto& record = db.Record(i);
    if (record.GroupCount() == 0) continue;
    const CalendarDate date = *ParseDate(record.Date());
    const SolarEphemeris eph = Ephemeris(date, record.TimeUT());
    for (int k = 1; k <= record.GroupCount(); ++k) {
      if (record.GroupTypeRaw(k).empty()) record.SetGroupType(k, kEmptyClassMark);
      text += GroupLine(record, k, date, eph);
    }
  }
  return text;
}

Refusal WriteAsciiExport(Database& db, const std::filesystem::path& progDir) {
  if (auto refusal = CheckAsciiExport(db)) return refusal;
  // An export, never written through a link planted at its name.
  const std::error_code reason =
      ReplaceOutputFile(progDir / kAsciiExportFileName, AsciiExportText(db));
  if (!reason) return std::nullopt;
  return FillText(CoreText("AuxFiles", "Soubor %1 nelze zapsat: %2."),
                  {kAsciiExportFileName, FileErrorText(reason)});
}

}  // namespace ardeno
