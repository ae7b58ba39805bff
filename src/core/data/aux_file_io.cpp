// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/data/aux_file_io.h"

#include <algorithm>
#include <cerrno>
#include <fstream>

#include "core/data/file_error_text.h"
#include "core/data/file_replace.h"
#include "core/text/core_text.h"

namespace ardeno {

std::string_view NextTextLine(std::string_view text, std::size_t& position) {
  const std::size_t start = std::min(position, text.size());
  std::size_t end = text.find_first_of("\r\n", start);
  if (end == std::string_view::npos) end = text.size();
  position = end + 1;
  if (end < text.size() && text[end] == '\r' && position < text.size() && text[position] == '\n')
    ++position;
  return text.substr(start, end - start);
}

std::string UnreadableFileMessage(const std::string& shownName, const std::error_code& reason) {
  if (!reason) return FillText(CoreText("AuxFiles", "Soubor %1 nelze přečíst."), {shownName});
  return FillText(CoreText("AuxFiles", "Soubor %1 nelze přečíst: %2."),
                  {shownName, FileErrorText(reason)});
}

Refusal ReplaceFile(const std::filesystem::path& file, std::string_view bytes,
                    const std::string& shownName) {
  const std::error_code reason = ReplaceFileBytes(file, bytes);
  if (!reason) return std::nullopt;
  return FillText(CoreText("AuxFiles", "Soubor %1 nelze zapsat: %2."),
                  {shownName, FileErrorText(reason)});
}

std::optional<FileBytes> ReadAuxFile(const std::filesystem::path& file,
                                     const std::string& shownName, std::uintmax_t maxBytes,
                                     bool refuseLarger) {
  std::error_code error;
  const auto status = std::filesystem::status(file, error);
  if (status.type() == std::filesystem::file_type::not_found) return std::nullopt;
  if (error) throw AuxFileError(UnreadableFileMessage(shownName, error));
  if (!std::filesystem::is_regular_file(status))
    throw AuxFileError(UnreadableFileMessage(shownName));
  FileBytes result;
  result.FileSize = std::filesystem::file_size(file, error);
  if (error) throw AuxFileError(UnreadableFileMessage(shownName, error));
  if (refuseLarger && result.FileSize > maxBytes) {
    throw AuxFileError(FillText(
        CoreText("AuxFiles", "Soubor %1 je příliš velký, nelze ho přečíst."), {shownName}));
  }
  std::ifstream in(file, std::ios::binary);
  if (!in)
    throw AuxFileError(
        UnreadableFileMessage(shownName, std::error_code(errno, std::generic_category())));
  const auto wanted = static_cast<std::size_t>(std::min(result.FileSize, maxBytes));
  result.Bytes.resize(wanted);
  in.read(result.Bytes.data(), static_cast<std::streamsize>(wanted));
  if (in.bad()) throw AuxFileError(UnreadableFileMessage(shownName));
  // A file that shrank while being read keeps what was there.
  result.Bytes.resize(static_cast<std::size_t>(in.gcount()));
  return result;
}

}  // namespace ardeno
