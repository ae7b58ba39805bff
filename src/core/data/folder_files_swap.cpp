// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/data/folder_files_swap.h"

#include <fstream>
#include <sstream>

#include "core/data/file_replace.h"
#include "core/data/system_files.h"

namespace ardeno {

namespace {

namespace fs = std::filesystem;

std::vector<std::string> JournalNames(const fs::path& journal) {
  std::ifstream in(journal, std::ios::binary);
  std::vector<std::string> names;
  std::string line;
  while (std::getline(in, line))
    // Only plain names: a damaged journal never moves a file out of the folder.
    if (!line.empty() && line.find('/') == std::string::npos &&
        line.find('\\') == std::string::npos && line != "." && line != "..")
      names.push_back(line);
  return names;
}

bool Exists(const fs::path& path) {
  std::error_code noFile;
  return fs::exists(fs::symlink_status(path, noFile));
}

// Moves the staged files named in the journal into their places.
std::error_code FinishRenames(const fs::path& folder, const fs::path& staging,
                              const std::vector<std::string>& names) {
  for (const std::string& name : names) {
    const fs::path staged = staging / name;
    if (!Exists(staged)) continue;  // renamed before the run ended
    if (const std::error_code error = RenameOver(staged, folder / name)) return error;
  }
  FlushFolder(folder);
  return {};
}

// Temporary files an older writer of one of `names` left in `folder` ("<name>.<n>-<m>.tmp").
void RemoveOldTemporaries(const fs::path& folder, const std::vector<std::string>& names) {
  std::error_code error;
  std::vector<fs::path> found;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    std::error_code ignored;
    if (!fs::is_regular_file(it->symlink_status(ignored))) continue;
    for (const std::string& name : names)
      if (IsTemporaryNameOf(it->path(), folder / name)) found.push_back(it->path());
  }
  for (const fs::path& file : found) fs::remove(file, error);
}

}  // namespace

std::error_code RecoverFolderFiles(const fs::path& folder) {
  const fs::path staging = folder / kStagingFolderName;
  const fs::path journal = folder / kSwapJournalName;
  std::error_code error;
  if (Exists(journal)) {
    const std::vector<std::string> names = JournalNames(journal);
    if (fs::is_directory(fs::symlink_status(staging, error)))
      if (const std::error_code failed = FinishRenames(folder, staging, names)) return failed;
    fs::remove(journal, error);
  }
  if (Exists(staging)) fs::remove_all(staging, error);
  return error;
}

std::optional<SwapFailure> ReplaceFolderFiles(const fs::path& folder,
                                              const std::vector<NamedContent>& files) {
  if (const std::error_code error = RecoverFolderFiles(folder)) return SwapFailure{"", error};
  std::vector<std::string> names;
  for (const NamedContent& file : files) names.push_back(file.Name);
  RemoveOldTemporaries(folder, names);

  const fs::path staging = folder / kStagingFolderName;
  std::error_code error;
  if (!fs::create_directory(staging, error) || error)
    return SwapFailure{"", error ? error : std::make_error_code(std::errc::file_exists)};
  const auto throwAway = [&] {
    std::error_code ignored;
    fs::remove_all(staging, ignored);
  };
  for (const NamedContent& file : files) {
    // A folder under a name would refuse the rename after others were renamed: refused now.
    std::error_code noFile;
    if (fs::is_directory(fs::symlink_status(folder / file.Name, noFile))) {
      throwAway();
      return SwapFailure{file.Name, std::make_error_code(std::errc::is_a_directory)};
    }
    if (const std::error_code failed = ReplaceFileBytes(staging / file.Name, file.Bytes)) {
      throwAway();
      return SwapFailure{file.Name, failed};
    }
  }
  std::ostringstream list;
  for (const std::string& name : names) list << name << "\n";
  if (const std::error_code failed = ReplaceFileBytes(folder / kSwapJournalName, list.str())) {
    throwAway();
    return SwapFailure{"", failed};
  }
  // From here on the new series counts as written: a run killed now is finished by the next.
  if (const std::error_code failed = RecoverFolderFiles(folder)) return SwapFailure{"", failed};
  return std::nullopt;
}

}  // namespace ardeno
