// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// JPG files read and written through libjpeg-turbo (written with a chosen quality).
#include <QImage>
#include <QString>
#include <filesystem>
#include <optional>
#include <variant>

#include "core/publishing/picture_facts.h"

namespace ardeno {

// Writes `image` as a baseline JPG of `quality` (1..100) to `path`, replacing the file whole,
// with `facts` in a comment. Returns a Czech error text when the file cannot be written.
std::optional<QString> WriteJpegFile(const QImage& image, const std::filesystem::path& path,
                                     int quality, const PictureFacts& facts = {});

// Reads a JPG file into a 24-bit picture (grey scans come back as RGB); a Czech error text when
// the file cannot be read or is not a JPG.
std::variant<QImage, QString> ReadJpegFile(const std::filesystem::path& path);

}  // namespace ardeno
