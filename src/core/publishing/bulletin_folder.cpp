// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/publishing/bulletin_folder.h"

#include <fstream>

#include "core/data/picture_output.h"
#include "core/text/core_text.h"

namespace ardeno {

namespace fs = std::filesystem;

namespace {

fs::path Resolved(const fs::path& path) {
  std::error_code error;
  const fs::path whole = fs::weakly_canonical(fs::absolute(path, error), error);
  return error ? fs::absolute(path, error) : whole;
}

// An HTML page: its first bytes open a document or an html element.
bool HoldsHtmlPage(const fs::path& file) {
  std::string start(512, '\0');
  std::ifstream in(file, std::ios::binary);
  in.read(start.data(), static_cast<std::streamsize>(start.size()));
  start.resize(static_cast<std::size_t>(in.gcount()));
  for (char& c : start) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return start.find("<!doctype html") != std::string::npos ||
         start.find("<html") != std::string::npos;
}

}  // namespace

fs::path BulletinFolder(const fs::path& progDir, const ReportMonth& month) {
  const std::string monthText = (month.Month < 10 ? "0" : "") + std::to_string(month.Month);
  return progDir / "Bulletin" / (std::to_string(month.Year) + "-" + monthText);
}

std::vector<std::string> BulletinFiles(const Bulletin& b) {
  std::vector<std::string> files = {b.DailyGraph.File, b.SmoothedGraph.File, b.Butterfly.File};
  if (b.MapRotation != 0) files.push_back(b.SynopticMap.File);
  for (const BulletinDrawing& d : b.Drawings) {
    files.push_back(d.Picture.File);
    files.push_back(d.Thumbnail.File);
  }
  files.push_back(kBulletinPageName);
  return files;
}

Refusal CheckBulletinFolder(const fs::path& out, const fs::path& dataFolder,
                            const Bulletin& bulletin) {
  if (Resolved(out) == Resolved(dataFolder))
    return FillText(CoreText("BulletinFolder",
                             "Bulletin se nepíše přímo do složky s daty %1; zvol "
                             "pro něj vlastní složku."),
                    {dataFolder.string()});
  std::error_code error;
  if (fs::exists(out, error) && !fs::is_directory(out, error))
    return FillText(
        CoreText("BulletinFolder", "Soubor %1 už existuje a není to složka; bulletin se nezapsal."),
        {out.string()});
  for (const std::string& name : BulletinFiles(bulletin)) {
    const fs::path file = out / fs::u8path(name);
    if (!fs::exists(file, error)) continue;
    const bool ours =
        name == kBulletinPageName
            ? fs::is_regular_file(file, error) && HoldsHtmlPage(file)
            : fs::is_regular_file(file, error) && HoldsPictureOf(file, PictureFormat::Png);
    if (!ours)
      return FillText(CoreText("BulletinFolder",
                               "Soubor %1 už existuje a není to soubor bulletinu; "
                               "nic se nezapsalo. Zvol jinou složku."),
                      {file.string()});
  }
  return std::nullopt;
}

}  // namespace ardeno
