// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The help pages: one Czech Markdown page per window (and its English translation), kept as files
// in docs/help of the source tree and installed beside the program, so that they are read,
// corrected and translated like any document and not hidden in the code.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ardeno {

struct HelpPage {
  const char* Window;  // objectName of the window the page describes; empty for a general page
  const char* File;    // file name in the help folder
  const char* Title;   // shown in the help window's list of pages
};

// Every page, the main window's first.
const std::vector<HelpPage>& HelpPages();

// The page of the window named objectName; the main window's page for any other name.
const HelpPage& HelpPageFor(std::string_view objectName);

// The folders searched for the pages, in this order: "help" beside the program, the installed
// "../share/ardeno/help", and "docs/help" of the source tree the program was built from.
std::vector<std::filesystem::path> HelpFolders(const std::filesystem::path& programDir,
                                               const std::filesystem::path& sourceTree);

// The first of the folders that holds the main window's page; nothing when none does.
std::optional<std::filesystem::path> FindHelpFolder(
    const std::vector<std::filesystem::path>& folders);

// The English pages, translations of the Czech ones under the same names, in this subfolder.
inline constexpr const char* kEnglishHelpFolder = "en";

// The file of a page in the help folder: its English translation when English is asked and the
// page has one, else the Czech page.
std::filesystem::path HelpPageFile(const std::filesystem::path& folder, const HelpPage& page,
                                   bool english);

// The title a page file gives itself: its first line "# Title"; nothing for a file that is
// missing or starts otherwise. The list of pages shows the English pages by their own titles.
std::optional<std::string> HelpPageHeading(const std::filesystem::path& file);

}  // namespace ardeno
