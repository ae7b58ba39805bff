// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Replacing a series of files of one folder (the SIDC year files) all or none, also when the
// writer is killed: the new files are first written whole into a staging folder beside them,
// then a journal naming them is written (the moment the new series counts as written), then
// each is renamed into its place, and the journal and the staging folder are removed. The next
// writer of the folder finds what a killed run left: with its journal the renames are finished,
// without it the staging folder is thrown away, so the folder always ends with the whole old or
// the whole new series, and nothing of a dead run stays behind.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace ardeno {

inline constexpr const char* kStagingFolderName = ".ardeno-novy";
inline constexpr const char* kSwapJournalName = ".ardeno-novy.zurnal";

struct NamedContent {
  std::string Name;  // a plain file name inside the folder
  std::string_view Bytes;
};

struct SwapFailure {
  std::string Name;  // the file that could not be written; empty for the staging or journal
  std::error_code Error;
};

// Finishes or throws away what a killed run of ReplaceFolderFiles left in `folder`, and removes
// the temporary files of the older writers of those names; the error of a rename that failed.
std::error_code RecoverFolderFiles(const std::filesystem::path& folder);

// Replaces `files` in `folder` as described above (a link under a name is replaced, never
// followed). Nothing changes when it fails before the journal is written.
std::optional<SwapFailure> ReplaceFolderFiles(const std::filesystem::path& folder,
                                              const std::vector<NamedContent>& files);

}  // namespace ardeno
