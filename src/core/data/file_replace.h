// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one way the program rewrites a file: the bytes go to a temporary file beside it
// ("<file>.<process>-<n>.tmp", a name of this writer's own), are flushed to the disk, and the
// temporary file is then renamed over the file, so a crash, a power cut or a full disk never
// leaves a half-written file and a failed write leaves the old one as it was. Two programs
// writing the same file never share a temporary name, so neither removes the other's.
#include <filesystem>
#include <optional>
#include <string_view>
#include <system_error>
#include <vector>

namespace ardeno {

// Why a file cannot be replaced before anything is tried.
enum class WriteBlock {
  None,
  ReadOnlyFile,    // the file's mode has no write bit (respected also when running as root)
  ReadOnlyFolder,  // the folder's mode has no write bit, or the system refuses writing into it
};

// Looks at the file (through a link, where it really lives) and its folder.
WriteBlock FindWriteBlock(const std::filesystem::path& file);

// Creates `folder` and the folders above it that are missing. The folder a new one goes into
// must have a write bit in its mode (respected also when running as root): a data folder made
// read-only gets no new folder, like it gets no new file. The error, if any.
std::error_code CreateFolders(const std::filesystem::path& folder);

// A temporary name of `file`'s: "<file>.tmp" or "<file>.<anything>.tmp". Temporary files
// left by an interrupted write are recognised by it.
bool IsTemporaryNameOf(const std::filesystem::path& candidate, const std::filesystem::path& file);

// A file behind a symbolic link is replaced where it really lives, and the new file keeps the
// permissions of the old one. A read-only file or folder is refused with permission_denied.
// The temporary file is created afresh under a name nobody else uses (never written through a
// link or over a file planted there). Returns the reason of a failure (the temporary file is
// removed).
std::error_code ReplaceFileBytes(const std::filesystem::path& file, std::string_view bytes);

// Several files that belong together (a report and its companion, a series of yearly files):
// every file is first written to its temporary file, and only when all of them were written
// are they renamed over the old ones. A failure removes every temporary file and leaves every
// old file as it was.
struct FileContent {
  std::filesystem::path File;
  std::string_view Bytes;
};
struct FileSetFailure {
  std::filesystem::path File;  // the file that could not be written
  std::error_code Error;
};
std::optional<FileSetFailure> ReplaceFileSet(const std::vector<FileContent>& files);

// The same for what the program makes for the user (an export, a report, a bulletin's page):
// an output name that is a link is refused (the error OutputLinkError()) before anything is
// written, so a link planted there never turns the file it leads to (another database, say)
// into an export.
std::error_code ReplaceOutputFile(const std::filesystem::path& file, std::string_view bytes);
std::optional<FileSetFailure> ReplaceOutputFileSet(const std::vector<FileContent>& files);

// The error of an output name that is a symbolic link.
std::error_code OutputLinkError();

}  // namespace ardeno
