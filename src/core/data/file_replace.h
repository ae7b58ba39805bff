#pragma once
// The one way the program rewrites a file: the bytes go to "<file>.tmp" beside it, which is then
// renamed over the file, so a crash or a full disk never leaves a half-written file and a failed
// write leaves the old one as it was.
#include <filesystem>
#include <string_view>
#include <system_error>

namespace ardeno {

// A file behind a symbolic link is replaced where it really lives, and the new file keeps the
// permissions of the old one. Returns the reason of a failure (the temporary file is removed).
std::error_code ReplaceFileBytes(const std::filesystem::path& file, std::string_view bytes);

}  // namespace ardeno
