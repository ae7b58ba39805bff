#pragma once
// The one way the program rewrites a file: the bytes go to "<file>.tmp" beside it, are flushed to
// the disk, and the temporary file is then renamed over the file, so a crash, a power cut or a
// full disk never leaves a half-written file and a failed write leaves the old one as it was.
#include <filesystem>
#include <string_view>
#include <system_error>

namespace ardeno {

// Why a file cannot be replaced before anything is tried.
enum class WriteBlock {
  None,
  ReadOnlyFile,    // the file's mode has no write bit (respected also when running as root)
  ReadOnlyFolder,  // the folder's mode has no write bit, or the system refuses writing into it
};

// Looks at the file (through a link, where it really lives) and its folder.
WriteBlock FindWriteBlock(const std::filesystem::path& file);

// The temporary file a replacement writes beside `file`.
std::filesystem::path TemporaryFileFor(const std::filesystem::path& file);

// A file behind a symbolic link is replaced where it really lives, and the new file keeps the
// permissions of the old one. A read-only file or folder is refused with permission_denied.
// A temporary file left by an interrupted earlier write is removed first, and the new one is
// created afresh (never written through a link planted under its name). Returns the reason of
// a failure (the temporary file is removed).
std::error_code ReplaceFileBytes(const std::filesystem::path& file, std::string_view bytes);

}  // namespace ardeno
