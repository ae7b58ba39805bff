// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/publishing/bulletin_folder.h"

#include <fstream>

#include "core/data/picture_output.h"
#include "core/publishing/picture_text.h"
#include "core/text/core_text.h"
#include "core/text/path_text.h"

namespace ardeno {

namespace fs = std::filesystem;

namespace {

fs::path Resolved(const fs::path& path) {
  std::error_code error;
  const fs::path whole = fs::weakly_canonical(fs::absolute(path, error), error);
  return error ? fs::absolute(path, error) : whole;
}

// A page an earlier bulletin wrote: its head carries the bulletin's mark.
bool HoldsBulletinPage(const fs::path& file) {
  std::string start(4096, '\0');
  std::ifstream in(file, std::ios::binary);
  in.read(start.data(), static_cast<std::streamsize>(start.size()));
  start.resize(static_cast<std::size_t>(in.gcount()));
  return start.find(kBulletinPageMark) != std::string::npos;
}

// A picture an earlier bulletin wrote: a PNG with the bulletin's text chunk.
bool HoldsBulletinPicture(const fs::path& file) {
  if (!HoldsPictureOf(file, PictureFormat::Png)) return false;
  std::ifstream in(file, std::ios::binary);
  const auto described = DescribePicture(in);
  const auto* picture = std::get_if<PictureDescription>(&described);
  return picture && FactValue(picture->Facts, kBulletinPictureKey) != nullptr;
}

bool IsLink(const fs::path& file) {
  std::error_code noFile;
  return fs::is_symlink(fs::symlink_status(file, noFile));
}

}  // namespace

fs::path BulletinFolder(const fs::path& progDir, const ReportMonth& month) {
  const std::string monthText = (month.Month < 10 ? "0" : "") + std::to_string(month.Month);
  return progDir / "Bulletin" / (std::to_string(month.Year) + "-" + monthText);
}

std::vector<std::string> BulletinFiles(const Bulletin& b) {
  std::vector<std::string> files = {b.DailyGraph.File, b.SmoothedValues.File, b.SmoothedGraph.File,
                                    b.Butterfly.File};
  if (b.MapRotation != 0) files.push_back(b.SynopticMap.File);
  for (const BulletinDrawing& d : b.Drawings) {
    files.push_back(d.Picture.File);
    files.push_back(d.Thumbnail.File);
  }
  files.push_back(kBulletinPageName);
  files.push_back(kBulletinEnglishPageName);
  return files;
}

std::optional<fs::path> ForeignBulletinFile(const fs::path& out, const Bulletin& bulletin) {
  for (const std::string& name : BulletinFiles(bulletin)) {
    const fs::path file = out / fs::u8path(name);
    std::error_code noFile;
    if (!fs::exists(fs::symlink_status(file, noFile))) continue;
    const bool page = name == kBulletinPageName || name == kBulletinEnglishPageName;
    const bool ours = page ? HoldsBulletinPage(file) : HoldsBulletinPicture(file);
    if (IsLink(file) || !fs::is_regular_file(file, noFile) || !ours) return file;
  }
  return std::nullopt;
}

Refusal CheckBulletinFolder(const fs::path& out, const fs::path& dataFolder,
                            const Bulletin& bulletin, bool replace) {
  if (Resolved(out) == Resolved(dataFolder))
    return FillText(CoreText("Bulletin",
                             "Bulletin se nepíše přímo do složky s daty %1; zvol pro "
                             "něj vlastní složku."),
                    {PathUtf8(dataFolder)});
  std::error_code error;
  if (fs::exists(out, error) && !fs::is_directory(out, error))
    return FillText(
        CoreText("Bulletin", "Soubor %1 už existuje a není to složka; bulletin se nezapsal."),
        {PathUtf8(out)});
  for (const std::string& name : BulletinFiles(bulletin)) {
    const fs::path file = out / fs::u8path(name);
    std::error_code noFile;
    const auto status = fs::symlink_status(file, noFile);
    if (fs::is_symlink(status) || (fs::exists(status) && !fs::is_regular_file(status)))
      return FillText(CoreText("Bulletin",
                               "Na místě souboru %1 je odkaz nebo složka a bulletin "
                               "přes ně nepíše; nic se nezapsalo."),
                      {PathUtf8(file)});
  }
  if (replace) return std::nullopt;
  if (const auto foreign = ForeignBulletinFile(out, bulletin))
    return FillText(CoreText("Bulletin",
                             "Soubor %1 už existuje a není to soubor bulletinu; nic "
                             "se nezapsalo. Zvol jinou složku."),
                    {foreign->string()});
  return std::nullopt;
}

}  // namespace ardeno
