#pragma once
// JPG files with a chosen quality, written through libjpeg-turbo.
#include <QImage>
#include <QString>
#include <filesystem>
#include <optional>

namespace ardeno {

// Writes `image` as a baseline JPG of `quality` (1..100) to `path`, replacing the file whole.
// Returns a Czech error text when the file cannot be written.
std::optional<QString> WriteJpegFile(const QImage& image, const std::filesystem::path& path,
                                     int quality);

}  // namespace ardeno
