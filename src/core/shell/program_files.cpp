// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/shell/program_files.h"

#include <system_error>

namespace ardeno {

std::vector<std::filesystem::path> ProgramFilesFolders(const ProgramFilesKind& kind,
                                                       const std::filesystem::path& programDir,
                                                       const std::filesystem::path& sourceTree) {
  std::vector<std::filesystem::path> folders = {
      programDir / kind.InstalledName,
      (programDir / ".." / "share" / "ardeno" / kind.InstalledName).lexically_normal()};
  if (!sourceTree.empty()) folders.push_back(sourceTree / kind.SourceTreePath);
  return folders;
}

std::optional<std::filesystem::path> FindFolderHolding(
    const std::vector<std::filesystem::path>& folders, const std::filesystem::path& marker) {
  for (const std::filesystem::path& folder : folders) {
    std::error_code ignored;
    if (std::filesystem::is_regular_file(folder / marker, ignored)) return folder;
  }
  return std::nullopt;
}

}  // namespace ardeno
