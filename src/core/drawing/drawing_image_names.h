// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Names of the picture files of drawings, saved into the folder "Obrázek" of the program:
// a range of drawings as BMP or JPG, and the current drawing (F8).
#include <optional>
#include <string>

#include "core/data/database.h"
#include "core/text/core_text.h"

namespace ardeno {

inline constexpr const char* kPictureFolder = "Obrázek";
inline constexpr int kDefaultJpegQuality = 80;

enum class DrawingImageFormat { Bmp, Jpg };

// BMP: prefix + " Zakres " + yyyy-mm-dd + ".bmp"; JPG: prefix + " " + yyyy-mm-dd + ".jpg".
// Nothing for a drawing whose date does not parse.
std::optional<std::string> RangeImageFileName(const std::string& prefix,
                                              const ObservationRecord& record,
                                              DrawingImageFormat format);

// "Zakres " + yyyy-mm-dd + ".bmp".
std::optional<std::string> CurrentDrawingFileName(const ObservationRecord& record);

// The drawings from..to that exist (1..RecordCount); empty (First > Last) when none does.
struct RecordRange {
  int First = 1;
  int Last = 0;
  bool Empty() const { return First > Last; }
};
RecordRange ClampRange(const Database& db, int from, int to);

// The JPG quality typed in the quality field: a whole number 1..100; nothing otherwise.
std::optional<int> ParseJpegQuality(const std::string& text);
inline constexpr const char* kJpegQualityMessage =
    CoreTextNoop("DrawingImages", "Kvalita jpg musí být celé číslo od 1 do 100.");

}  // namespace ardeno
