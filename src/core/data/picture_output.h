// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a picture may be written by a tool that paints a data folder: the format follows the
// file name's extension, an existing file is replaced only when it is a picture of that format,
// and nothing that already lies inside the data folder (the data file, a scanned drawing) is
// ever written over.
#include <filesystem>
#include <optional>

#include "core/text/refusal.h"

namespace ardeno {

// Png, Jpeg and Bmp are pictures of pixels; Svg and Pdf hold the same painting as vectors and
// text, for figures in papers.
enum class PictureFormat { Png, Jpeg, Bmp, Svg, Pdf };

// ".png", ".jpg"/".jpeg", ".bmp", ".svg" and ".pdf" in any letter case; nothing for another
// extension.
std::optional<PictureFormat> PictureFormatOf(const std::filesystem::path& file);

// The file starts with the signature of `format` (PNG, JPEG start of image, BMP "BM", PDF
// "%PDF-"); an SVG is XML text whose first 4 KB open an <svg> element.
bool HoldsPictureOf(const std::filesystem::path& file, PictureFormat format);

// Why `output` must not be written for a picture of `dataFolder`; nothing when it may. An
// unknown extension, a name inside the data folder that already exists, and an existing file
// that is not a picture of the extension's format are refused with a Czech message.
Refusal CheckPictureOutput(const std::filesystem::path& output,
                           const std::filesystem::path& dataFolder);

// The same for the numbers a picture draws, written as CSV: the name ends in ".csv", and an
// existing file is replaced only when it holds text and lies outside the data folder.
Refusal CheckNumbersOutput(const std::filesystem::path& output,
                           const std::filesystem::path& dataFolder);

}  // namespace ardeno
