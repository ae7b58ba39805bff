// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Pictures saved into the folder "Obrázek" of the program: the folder is created when missing,
// and a BMP is written whole through a temporary file like every other file of the program.
#include <QByteArray>
#include <QCoreApplication>
#include <QImage>
#include <QString>
#include <filesystem>
#include <optional>

#include "core/publishing/picture_facts.h"

namespace ardeno {

// The folder progDir/"Obrázek", created when missing; nothing when it cannot be made.
std::optional<std::filesystem::path> PictureFolder(const std::filesystem::path& progDir);
inline QString PictureFolderMessage() {
  return QCoreApplication::translate("Ardeno", "Nelze vytvořit složku Obrázek");
}

// Writes `image` as a BMP; the Czech error text when the file cannot be written.
std::optional<QString> WriteBmpFile(const QImage& image, const std::filesystem::path& path);
// The same in another format Qt writes ("PNG", "BMP"); a PNG carries `facts` in its text chunks.
std::optional<QString> WriteImageFile(const QImage& image, const std::filesystem::path& path,
                                      const char* format, const PictureFacts& facts = {});

// Writes bytes already encoded (an SVG, a PDF) whole through a temporary file; the Czech error
// text when the file cannot be written.
std::optional<QString> WriteBytesFile(const QByteArray& bytes, const std::filesystem::path& path);

// A path for Qt and for messages.
QString PathText(const std::filesystem::path& path);
std::filesystem::path PathFromText(const QString& text);

}  // namespace ardeno
