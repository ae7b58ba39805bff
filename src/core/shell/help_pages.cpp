// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/shell/help_pages.h"

#include <algorithm>
#include <fstream>
#include <system_error>

#include "core/shell/program_files.h"

namespace ardeno {

const std::vector<HelpPage>& HelpPages() {
  static const std::vector<HelpPage> pages = {
      {"TForm1", "hlavni.md", "Hlavní okno"},
      {"TForm4", "seznam.md", "Výběr datumu (seznam zákresů)"},
      {"TForm2", "zakres.md", "Zákres"},
      {"TForm3", "editor.md", "Zadávání a oprava zákresu"},
      {"TForm11", "foto.md", "Zadávání z přefoceného zákresu"},
      {"TForm9", "vysledky.md", "Výsledky"},
      {"TForm6", "grafy.md", "Denní grafy"},
      {"TForm8", "vyhlazene.md", "Vyhlazené grafy a asymetrie"},
      {"Tform5", "motylek.md", "Motýlkový diagram"},
      {"TForm7", "mapy.md", "Synoptické mapy"},
      {"TForm10", "souradnice.md", "Tabulky souřadnic"},
      {"", "indexy.md", "Indexy a sloupce"},
  };
  return pages;
}

const HelpPage& HelpPageFor(std::string_view objectName) {
  const std::vector<HelpPage>& pages = HelpPages();
  const auto found = std::find_if(pages.begin(), pages.end(), [objectName](const HelpPage& p) {
    return !objectName.empty() && objectName == p.Window;
  });
  return found != pages.end() ? *found : pages.front();
}

std::vector<std::filesystem::path> HelpFolders(const std::filesystem::path& programDir,
                                               const std::filesystem::path& sourceTree) {
  return ProgramFilesFolders(kHelpFiles, programDir, sourceTree);
}

std::filesystem::path HelpPageFile(const std::filesystem::path& folder, const HelpPage& page,
                                   bool english) {
  if (english) {
    std::filesystem::path translated = folder / kEnglishHelpFolder / page.File;
    std::error_code error;
    if (std::filesystem::is_regular_file(translated, error)) return translated;
  }
  return folder / page.File;
}

std::optional<std::string> HelpPageHeading(const std::filesystem::path& file) {
  std::ifstream in(file);
  std::string line;
  if (!std::getline(in, line) || line.rfind("# ", 0) != 0) return std::nullopt;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line.substr(2);
}

std::optional<std::filesystem::path> FindHelpFolder(
    const std::vector<std::filesystem::path>& folders) {
  return FindFolderHolding(folders, HelpPages().front().File);
}

}  // namespace ardeno
