#include "core/data/picture_output.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <fstream>
#include <string>
#include <string_view>

namespace ardeno {

namespace {

namespace fs = std::filesystem;

std::string_view SignatureOf(PictureFormat format) {
  switch (format) {
    case PictureFormat::Png:
      return "\x89PNG\r\n\x1a\n";
    case PictureFormat::Jpeg:
      return "\xff\xd8\xff";
    case PictureFormat::Bmp:
      return "BM";
  }
  return {};
}

const char* FormatName(PictureFormat format) {
  switch (format) {
    case PictureFormat::Png:
      return "PNG";
    case PictureFormat::Jpeg:
      return "JPG";
    case PictureFormat::Bmp:
      return "BMP";
  }
  return "";
}

// Where the name really leads: a link is followed, a missing file's folder is resolved.
fs::path RealLocation(const fs::path& path) {
  std::error_code error;
  const fs::path whole = fs::weakly_canonical(fs::absolute(path, error), error);
  return error ? fs::absolute(path, error) : whole;
}

bool IsInside(const fs::path& path, const fs::path& folder) {
  const auto [end, rest] = std::mismatch(folder.begin(), folder.end(), path.begin(), path.end());
  return end == folder.end() && rest != path.end();
}

}  // namespace

std::optional<PictureFormat> PictureFormatOf(const fs::path& file) {
  std::string extension = file.extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (extension == ".png") return PictureFormat::Png;
  if (extension == ".jpg" || extension == ".jpeg") return PictureFormat::Jpeg;
  if (extension == ".bmp") return PictureFormat::Bmp;
  return std::nullopt;
}

bool HoldsPictureOf(const fs::path& file, PictureFormat format) {
  const std::string_view signature = SignatureOf(format);
  std::string start(signature.size(), '\0');
  std::ifstream in(file, std::ios::binary);
  in.read(start.data(), static_cast<std::streamsize>(start.size()));
  return in.gcount() == static_cast<std::streamsize>(start.size()) && start == signature;
}

Refusal CheckPictureOutput(const fs::path& output, const fs::path& dataFolder) {
  const std::string shown = output.string();
  const auto format = PictureFormatOf(output);
  if (!format)
    return "Soubor " + shown +
           " nemá příponu obrázku (.png, .jpg nebo .bmp); podle ní se volí formát, proto se nic "
           "nezapsalo.";
  std::error_code error;
  const fs::file_status status = fs::status(output, error);
  if (!fs::exists(status)) return std::nullopt;
  if (IsInside(RealLocation(output), RealLocation(dataFolder)))
    return "Soubor " + shown +
           " už ve složce s daty je a obrázek se přes něj nezapíše, aby se neztratila data. "
           "Zvol jiné jméno.";
  if (!fs::is_regular_file(status) || !HoldsPictureOf(output, *format))
    return "Soubor " + shown + " už existuje a není to obrázek " + FormatName(*format) +
           ", proto se přes něj nic nezapsalo.";
  return std::nullopt;
}

}  // namespace ardeno
