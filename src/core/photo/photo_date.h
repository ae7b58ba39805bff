// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The day a photographed drawing was taken, from the EXIF DateTimeOriginal tag of the JPEG file
// ("2014:03:05 10:41:07"), so that groups digitized from the photo of one day are not stored into
// the drawing of another without the observer saying so.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/text/dates.h"

namespace ardeno {

// The date of DateTimeOriginal in the bytes of a JPEG file; nothing when the file has no EXIF
// block, no such tag, or one that does not hold a real date. Reads only within the bytes given.
std::optional<CalendarDate> PhotoTakenDate(std::string_view jpegBytes);

// The same for a file (its first 256 KiB, where the EXIF block always is).
std::optional<CalendarDate> PhotoTakenDateOfFile(const std::filesystem::path& file);

// The question asked before the photo of one day is digitized into the drawing of another;
// nothing when the photo has no date, the drawing's date does not read, or they agree.
std::optional<std::string> OtherDayQuestion(const std::optional<CalendarDate>& photoDate,
                                            const std::string& recordDate);

}  // namespace ardeno
