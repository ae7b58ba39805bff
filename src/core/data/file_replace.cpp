// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/data/file_replace.h"

#include <atomic>
#include <string>

#include "core/data/system_files.h"
#include "core/text/path_text.h"

namespace ardeno {

namespace {

namespace fs = std::filesystem;

constexpr fs::perms kAnyWrite =
    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;

// The file a link names, or the path itself.
fs::path RealFile(const fs::path& path, std::error_code& error) {
  std::error_code noFile;
  const bool isLink = fs::is_symlink(fs::symlink_status(path, noFile));
  return isLink ? fs::canonical(path, error) : path;
}

fs::path FolderOf(const fs::path& file) {
  return file.has_parent_path() ? file.parent_path() : fs::path(".");
}

bool HasNoWriteBit(const fs::file_status& status) {
  return fs::exists(status) && (status.permissions() & kAnyWrite) == fs::perms::none;
}

// Where the bytes of one file wait for their rename.
struct StagedFile {
  fs::path File;
  fs::path Temporary;
};

std::atomic<unsigned> g_temporaryNumber{0};

fs::path NextTemporaryName(const fs::path& file) {
  fs::path temporary = file;
  temporary +=
      "." + std::to_string(ProcessNumber()) + "-" + std::to_string(++g_temporaryNumber) + ".tmp";
  return temporary;
}

// Creates a temporary file under a name of this writer's own: created here and now, never
// opened through a link or over a file that is already there (another writer's, or planted).
int CreateTemporary(const fs::path& file, fs::path& temporary, std::error_code& error) {
  constexpr int kNamesTried = 100;
  for (int attempt = 0; attempt < kNamesTried; ++attempt) {
    temporary = NextTemporaryName(file);
    error.clear();
    const int handle = CreateNewFile(temporary, error);
    if (handle >= 0) return handle;
    if (error != std::errc::file_exists) break;
  }
  return kNoFile;
}

void Discard(const StagedFile& staged) {
  std::error_code ignored;
  if (!staged.Temporary.empty()) fs::remove(staged.Temporary, ignored);
}

// Writes the bytes of `link`'s file to a flushed temporary file with the old file's permissions.
std::error_code Stage(const fs::path& link, std::string_view bytes, StagedFile& staged) {
  std::error_code error;
  staged.File = RealFile(link, error);
  if (error) return error;
  if (FindWriteBlock(staged.File) != WriteBlock::None)
    return std::make_error_code(std::errc::permission_denied);
  // A folder under the name would refuse the rename only after the other files of a set were
  // renamed: refused before anything is written.
  std::error_code noFile;
  if (fs::is_directory(fs::symlink_status(staged.File, noFile)))
    return std::make_error_code(std::errc::is_a_directory);
  const int handle = CreateTemporary(staged.File, staged.Temporary, error);
  if (handle < 0) {
    staged.Temporary.clear();
    return error;
  }
  error = WriteAll(handle, bytes);
  if (!error) error = FlushToDisk(handle);
  const std::error_code closed = CloseFile(handle);
  if (!error) error = closed;
  if (!error) {
    std::error_code noOldFile;
    const auto status = fs::status(staged.File, noOldFile);
    if (!noOldFile && fs::exists(status))
      fs::permissions(staged.Temporary, status.permissions(), error);
  }
  if (error) Discard(staged);
  return error;
}

bool IsLink(const fs::path& path) {
  std::error_code noFile;
  return fs::is_symlink(fs::symlink_status(path, noFile));
}

class OutputLinkCategory : public std::error_category {
 public:
  const char* name() const noexcept override { return "ardeno-output"; }
  std::string message(int) const override { return "output name is a symbolic link"; }
};

}  // namespace

std::error_code OutputLinkError() {
  static const OutputLinkCategory category;
  return std::error_code(1, category);
}

WriteBlock FindWriteBlock(const fs::path& path) {
  std::error_code error;
  const fs::path file = RealFile(path, error);
  if (error) return WriteBlock::None;  // the write itself will say why
  std::error_code noFile;
  if (HasNoWriteBit(fs::status(file, noFile))) return WriteBlock::ReadOnlyFile;
  const fs::path folder = FolderOf(file);
  if (HasNoWriteBit(fs::status(folder, noFile))) return WriteBlock::ReadOnlyFolder;
  if (fs::is_directory(folder, noFile) && !FolderAcceptsFiles(folder))
    return WriteBlock::ReadOnlyFolder;
  return WriteBlock::None;
}

std::error_code CreateFolders(const fs::path& folder) {
  std::error_code error;
  if (fs::is_directory(folder, error)) return {};
  fs::path existing = fs::absolute(folder, error);
  if (error) return error;
  std::error_code noFile;
  while (existing.has_relative_path() && !fs::exists(fs::symlink_status(existing, noFile)))
    existing = existing.parent_path();
  if (HasNoWriteBit(fs::status(existing, noFile)))
    return std::make_error_code(std::errc::permission_denied);
  fs::create_directories(folder, error);
  return error;
}

bool IsTemporaryNameOf(const fs::path& candidate, const fs::path& file) {
  const std::string name = PathUtf8(candidate.filename());
  const std::string base = PathUtf8(file.filename());
  constexpr std::string_view kSuffix = ".tmp";
  // "<file>.tmp" (the name every save used before writers had names of their own) and
  // "<file>.<anything>.tmp".
  return name.size() >= base.size() + kSuffix.size() && name.starts_with(base) &&
         name[base.size()] == '.' && name.ends_with(kSuffix);
}

std::error_code ReplaceFileBytes(const fs::path& file, std::string_view bytes) {
  if (const auto failure = ReplaceFileSet({{file, bytes}})) return failure->Error;
  return {};
}

std::error_code ReplaceOutputFile(const fs::path& file, std::string_view bytes) {
  if (const auto failure = ReplaceOutputFileSet({{file, bytes}})) return failure->Error;
  return {};
}

std::optional<FileSetFailure> ReplaceOutputFileSet(const std::vector<FileContent>& files) {
  for (const FileContent& content : files)
    if (IsLink(content.File)) return FileSetFailure{content.File, OutputLinkError()};
  return ReplaceFileSet(files);
}

std::optional<FileSetFailure> ReplaceFileSet(const std::vector<FileContent>& files) {
  std::vector<StagedFile> staged(files.size());
  for (std::size_t i = 0; i < files.size(); ++i) {
    if (const std::error_code error = Stage(files[i].File, files[i].Bytes, staged[i])) {
      for (std::size_t j = 0; j < i; ++j) Discard(staged[j]);
      return FileSetFailure{files[i].File, error};
    }
  }
  for (std::size_t i = 0; i < staged.size(); ++i) {
    const std::error_code error = RenameOver(staged[i].Temporary, staged[i].File);
    if (error) {
      // Every file was written in full before the first rename: a rename that fails now (the
      // name taken by a folder, say) is the only way a set ends partly replaced.
      for (std::size_t j = i; j < staged.size(); ++j) Discard(staged[j]);
      return FileSetFailure{files[i].File, error};
    }
    FlushFolder(FolderOf(staged[i].File));
  }
  return std::nullopt;
}

}  // namespace ardeno
