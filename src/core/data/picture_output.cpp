// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/data/picture_output.h"
#include "core/text/core_text.h"
#include "core/text/path_text.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <fstream>
#include <functional>
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
    case PictureFormat::Pdf:
      return "%PDF-";
    case PictureFormat::Svg:
      break;
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
    case PictureFormat::Svg:
      return "SVG";
    case PictureFormat::Pdf:
      return "PDF";
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

// Whether `output`, existing or not, lies in `dataFolder` or below it. The resolved paths are
// compared first (a link at the name counts where it points); an existing folder above the name
// that is the data folder itself counts too, because a name not yet there resolves only
// partly, and on Windows its spelling may then differ from the folder's.
bool InDataFolder(const fs::path& output, const fs::path& dataFolder) {
  if (IsInside(RealLocation(output), RealLocation(dataFolder))) return true;
  std::error_code error;
  const fs::path whole = fs::absolute(output, error).lexically_normal();
  if (error) return false;
  for (fs::path above = whole.parent_path(); !above.empty(); above = above.parent_path()) {
    if (fs::equivalent(above, dataFolder, error)) return true;
    if (above == above.root_path()) break;
  }
  return false;
}

}  // namespace

std::optional<PictureFormat> PictureFormatOf(const fs::path& file) {
  std::string extension = PathUtf8(file.extension());
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (extension == ".png") return PictureFormat::Png;
  if (extension == ".jpg" || extension == ".jpeg") return PictureFormat::Jpeg;
  if (extension == ".bmp") return PictureFormat::Bmp;
  if (extension == ".svg") return PictureFormat::Svg;
  if (extension == ".pdf") return PictureFormat::Pdf;
  return std::nullopt;
}

namespace {

constexpr std::size_t kLookedAtBytes = 4096;

std::string FileStart(const fs::path& file) {
  std::string start(kLookedAtBytes, '\0');
  std::ifstream in(file, std::ios::binary);
  in.read(start.data(), static_cast<std::streamsize>(start.size()));
  start.resize(static_cast<std::size_t>(in.gcount()));
  return start;
}

// Text as the tools write it: no control byte but tab and line ends, where every picture of
// pixels (PNG's 0x1A, JPEG's and BMP's zero bytes), a PDF's binary marker line and every record
// file have some.
bool IsText(const std::string& bytes) {
  return std::none_of(bytes.begin(), bytes.end(), [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 && byte != '\t' && byte != '\n' && byte != '\r';
  });
}

// XML text that opens an <svg> element early on.
bool HoldsSvg(const fs::path& file) {
  const std::string start = FileStart(file);
  const std::size_t first = start.find_first_not_of(" \t\r\n");
  return IsText(start) && first != std::string::npos && start[first] == '<' &&
         start.find("<svg") != std::string::npos;
}

}  // namespace

bool HoldsPictureOf(const fs::path& file, PictureFormat format) {
  if (format == PictureFormat::Svg) return HoldsSvg(file);
  const std::string_view signature = SignatureOf(format);
  std::string start(signature.size(), '\0');
  std::ifstream in(file, std::ios::binary);
  in.read(start.data(), static_cast<std::streamsize>(start.size()));
  return in.gcount() == static_cast<std::streamsize>(start.size()) && start == signature;
}

namespace {

// A file the tool may write: outside the data folder (which only the program writes), and when the
// name exists, of the kind it writes (`holdsKind` tells).
Refusal CheckExistingOutput(const fs::path& output, const fs::path& dataFolder, const char* what,
                            const std::string& kindName,
                            const std::function<bool(const fs::path&)>& holdsKind) {
  const std::string shown = PathUtf8(output);
  std::error_code error;
  const fs::file_status status = fs::status(output, error);
  const bool inDataFolder = InDataFolder(output, dataFolder);
  if (inDataFolder && !fs::exists(status))
    return FillText(CoreText("PictureOutput",
                             "Soubor %1 by byl ve složce s daty: %2 se do ní nezapisuje, aby se "
                             "nic neztratilo. Zvol jinou složku."),
                    {shown, CoreText("PictureOutput", what)});
  if (!fs::exists(status)) return std::nullopt;
  if (inDataFolder)
    return FillText(CoreText("PictureOutput",
                             "Soubor %1 už ve složce s daty je a %2 se přes něj nezapíše, aby se "
                             "neztratila data. Zvol jiné jméno."),
                    {shown, CoreText("PictureOutput", what)});
  if (!fs::is_regular_file(status) || !holdsKind(output))
    return FillText(CoreText("PictureOutput",
                             "Soubor %1 už existuje a není to %2, proto se přes něj nic "
                             "nezapsalo."),
                    {shown, kindName});
  return std::nullopt;
}

bool HoldsText(const fs::path& file) { return IsText(FileStart(file)); }

}  // namespace

Refusal CheckPictureOutput(const fs::path& output, const fs::path& dataFolder) {
  const auto format = PictureFormatOf(output);
  if (!format)
    return FillText(CoreText("PictureOutput",
                             "Soubor %1 nemá příponu obrázku (.png, .jpg, .bmp, .svg nebo .pdf); "
                             "podle ní se volí formát, proto se nic nezapsalo."),
                    {PathUtf8(output)});
  return CheckExistingOutput(
      output, dataFolder, CoreTextNoop("PictureOutput", "obrázek"),
      FillText(CoreText("PictureOutput", "obrázek %1"), {FormatName(*format)}),
      [format](const fs::path& file) { return HoldsPictureOf(file, *format); });
}

Refusal CheckNumbersOutput(const fs::path& output, const fs::path& dataFolder) {
  std::string extension = PathUtf8(output.extension());
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (extension != ".csv")
    return FillText(
        CoreText("PictureOutput", "Soubor %1 nemá příponu .csv, proto se čísla nezapsala."),
        {PathUtf8(output)});
  return CheckExistingOutput(output, dataFolder, CoreTextNoop("PictureOutput", "tabulka čísel"),
                             CoreText("PictureOutput", "textový soubor"), HoldsText);
}

}  // namespace ardeno
