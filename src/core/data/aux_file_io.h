// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading the small optional files beside the program. A missing file is never an error; a file
// that exists but cannot be read (no permission, a folder in its place, a read failure, an absurd
// size) is, and the reader says so in Czech so that start-up can tell the user and go on.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>
#include "core/text/refusal.h"

namespace ardeno {

// Raised by the single-file readers when a present file cannot be read; what() is the Czech
// message for the user.
class AuxFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// No reference file of the program comes near this; a larger one is refused instead of being
// pulled into memory.
inline constexpr std::uintmax_t kMaxAuxFileBytes = 16u * 1024u * 1024u;

struct FileBytes {
  std::string Bytes;            // at most maxBytes from the start of the file
  std::uintmax_t FileSize = 0;  // the whole file's size
};

// Nothing when the file does not exist; throws AuxFileError when it exists but cannot be read or
// is larger than kMaxAuxFileBytes while `refuseLarger` is set. `shownName` names the file in the
// message ("SIDC/Plochy.txt").
std::optional<FileBytes> ReadAuxFile(const std::filesystem::path& file,
                                     const std::string& shownName,
                                     std::uintmax_t maxBytes = kMaxAuxFileBytes,
                                     bool refuseLarger = true);

// The line starting at `position` (without its end) and moves `position` past the end; lines
// end with CR LF, LF or CR, as the files come from different systems.
std::string_view NextTextLine(std::string_view text, std::size_t& position);

// "Soubor X nelze přečíst: <reason>." (the reason left out when there is none)
std::string UnreadableFileMessage(const std::string& shownName, const std::error_code& reason = {});

// Writes bytes to "<file>.tmp" and renames it over file, so that a failed write leaves the old
// file as it was; the Czech error text, or nothing.
Refusal ReplaceFile(const std::filesystem::path& file, std::string_view bytes,
                    const std::string& shownName);

}  // namespace ardeno
