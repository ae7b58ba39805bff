// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/shell/jpeg_file.h"

#include <QCoreApplication>

#include <jpeglib.h>

#include <algorithm>
#include <csetjmp>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string_view>
#include <vector>

#include "core/data/file_replace.h"
#include "core/publishing/picture_text.h"

namespace ardeno {

namespace {

struct JpegErrorManager {
  jpeg_error_mgr Base;
  std::jmp_buf Jump;
};

[[noreturn]] void OnJpegError(j_common_ptr info) {
  auto* manager = reinterpret_cast<JpegErrorManager*>(info->err);
  std::longjmp(manager->Jump, 1);
}

// Encodes into memory; nothing on an encoder error.
std::optional<std::vector<unsigned char>> EncodeJpeg(const QImage& source, int quality) {
  const QImage image = source.convertToFormat(QImage::Format_RGB888);
  jpeg_compress_struct info{};
  JpegErrorManager errors{};
  info.err = jpeg_std_error(&errors.Base);
  errors.Base.error_exit = OnJpegError;
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  if (setjmp(errors.Jump) != 0) {
    jpeg_destroy_compress(&info);
    std::free(buffer);
    return std::nullopt;
  }
  jpeg_create_compress(&info);
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = static_cast<JDIMENSION>(image.width());
  info.image_height = static_cast<JDIMENSION>(image.height());
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, std::clamp(quality, 1, 100), TRUE);
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(image.constScanLine(static_cast<int>(info.next_scanline)));
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  std::vector<unsigned char> bytes(buffer, buffer + size);
  std::free(buffer);
  return bytes;
}

// Decodes into an RGB888 picture owned by the caller (so nothing the decoder's error jump
// leaves behind is used); false on a decoder error (not a JPG, cut short beyond use).
bool DecodeJpeg(const std::vector<unsigned char>& bytes, QImage& image) {
  jpeg_decompress_struct info{};
  JpegErrorManager errors{};
  info.err = jpeg_std_error(&errors.Base);
  errors.Base.error_exit = OnJpegError;
  if (setjmp(errors.Jump) != 0) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                 QImage::Format_RGB888);
  if (image.isNull()) {  // too large to hold
    jpeg_destroy_decompress(&info);
    return false;
  }
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = image.scanLine(static_cast<int>(info.output_scanline));
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return true;
}

QString ShownName(const std::filesystem::path& path) {
  const std::u8string fileName = path.filename().u8string();
  return QString::fromUtf8(reinterpret_cast<const char*>(fileName.c_str()));
}

}  // namespace

std::variant<QImage, QString> ReadJpegFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return QCoreApplication::translate("Ardeno", "Soubor nelze otevřít: ") + ShownName(path);
  const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(in),
                                         std::istreambuf_iterator<char>()};
  QImage image;
  if (bytes.empty() || !DecodeJpeg(bytes, image) || image.isNull())
    return QCoreApplication::translate("Ardeno", "Soubor není obrázek JPG: ") + ShownName(path);
  return image;
}

std::optional<QString> WriteJpegFile(const QImage& image, const std::filesystem::path& path,
                                     int quality, const PictureFacts& facts) {
  const QString shownName = ShownName(path);
  if (image.isNull() || image.width() < 1 || image.height() < 1) {
    return QCoreApplication::translate("Ardeno", "Prázdný obrázek nelze uložit: ") + shownName;
  }
  const auto bytes = EncodeJpeg(image, quality);
  if (!bytes)
    return QCoreApplication::translate("Ardeno", "Obrázek se nepodařilo převést do JPG: ") +
           shownName;
  const std::string_view data(reinterpret_cast<const char*>(bytes->data()), bytes->size());
  const std::string described = JpegWithFacts(data, facts).value_or(std::string(data));
  if (ReplaceOutputFile(path, described))
    return QCoreApplication::translate("Ardeno", "Soubor nelze zapsat: ") + shownName;
  return std::nullopt;
}

}  // namespace ardeno
