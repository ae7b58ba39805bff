// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's own files that are not data of a station: the help pages, the published
// reference series, later the translations. An installed program keeps them in
// <prefix>/share/ardeno/<kind> beside <prefix>/bin; a developer's build reads them from the
// source tree it was built from.
#include <filesystem>
#include <optional>
#include <vector>

namespace ardeno {

struct ProgramFilesKind {
  const char* InstalledName;   // folder name under share/ardeno, e.g. "help"
  const char* SourceTreePath;  // folder in the source tree, e.g. "docs/help"
};

inline constexpr ProgramFilesKind kHelpFiles{"help", "docs/help"};
inline constexpr ProgramFilesKind kReferenceFiles{"reference", "data/reference"};

// The folders searched, in this order: <kind> beside the program (a copy carried on a stick),
// the installed "../share/ardeno/<kind>", and the source tree's folder when a tree is named.
// An installed program thus never reads a developer's tree first.
std::vector<std::filesystem::path> ProgramFilesFolders(const ProgramFilesKind& kind,
                                                       const std::filesystem::path& programDir,
                                                       const std::filesystem::path& sourceTree);

// The first of the folders that holds the file `marker`; nothing when none does.
std::optional<std::filesystem::path> FindFolderHolding(
    const std::vector<std::filesystem::path>& folders, const std::filesystem::path& marker);

}  // namespace ardeno
