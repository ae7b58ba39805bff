// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/drawing/drawing_image_names.h"

#include <algorithm>

#include "core/entry/cell_numbers.h"
#include "core/text/dates.h"
#include "core/text/number_format.h"

namespace ardeno {

namespace {

std::optional<std::string> IsoDate(const ObservationRecord& record) {
  const std::optional<CalendarDate> date = ParseDate(record.Date());
  if (!date) return std::nullopt;
  return std::to_string(date->Year) + "-" + FormatFloat("00", date->Month) + "-" +
         FormatFloat("00", date->Day);
}

}  // namespace

std::optional<std::string> RangeImageFileName(const std::string& prefix,
                                              const ObservationRecord& record,
                                              DrawingImageFormat format) {
  const std::optional<std::string> date = IsoDate(record);
  if (!date) return std::nullopt;
  if (format == DrawingImageFormat::Bmp) return prefix + " Zakres " + *date + ".bmp";
  return prefix + " " + *date + ".jpg";
}

std::optional<std::string> CurrentDrawingFileName(const ObservationRecord& record) {
  const std::optional<std::string> date = IsoDate(record);
  if (!date) return std::nullopt;
  return "Zakres " + *date + ".bmp";
}

RecordRange ClampRange(const Database& db, int from, int to) {
  return {std::max(from, 1), std::min(to, db.RecordCount)};
}

std::optional<int> ParseJpegQuality(const std::string& text) {
  const std::optional<std::int64_t> value = ParseWholeNumber(text);
  if (!value || *value < 1 || *value > 100) return std::nullopt;
  return static_cast<int>(*value);
}

}  // namespace ardeno
