// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/shell/picture_files.h"

#include <QBuffer>
#include <QByteArray>
#include <QCoreApplication>

#include "core/data/file_replace.h"
#include "core/drawing/drawing_image_names.h"
#include "core/publishing/picture_text.h"

namespace ardeno {

std::optional<std::filesystem::path> PictureFolder(const std::filesystem::path& progDir) {
  const std::filesystem::path folder = progDir / std::filesystem::u8path(kPictureFolder);
  if (CreateFolders(folder) || !std::filesystem::is_directory(folder)) return std::nullopt;
  return folder;
}

std::optional<QString> WriteBmpFile(const QImage& image, const std::filesystem::path& path) {
  return WriteImageFile(image, path, "BMP");
}

std::optional<QString> WriteImageFile(const QImage& image, const std::filesystem::path& path,
                                      const char* format, const PictureFacts& facts) {
  const QString shownName = PathText(path.filename());
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (image.isNull() || !image.save(&buffer, format))
    return QCoreApplication::translate("Ardeno", "Obrázek se nepodařilo převést do %1: ")
               .arg(QLatin1String(format)) +
           shownName;
  if (!facts.empty() && QByteArray(format) == "PNG") {
    const std::optional<std::string> described = PngWithFacts(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), facts);
    if (described) bytes = QByteArray::fromStdString(*described);
  }
  return WriteBytesFile(bytes, path);
}

std::optional<QString> WriteBytesFile(const QByteArray& bytes, const std::filesystem::path& path) {
  if (ReplaceOutputFile(
          path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))))
    return QCoreApplication::translate("Ardeno", "Soubor nelze zapsat: ") +
           PathText(path.filename());
  return std::nullopt;
}

QString PathText(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return QString::fromUtf8(reinterpret_cast<const char*>(text.c_str()));
}

std::filesystem::path PathFromText(const QString& text) {
  const QByteArray utf8 = text.toUtf8();
  return std::filesystem::path(std::u8string(reinterpret_cast<const char8_t*>(utf8.constData()),
                                             static_cast<std::size_t>(utf8.size())));
}

}  // namespace ardeno
