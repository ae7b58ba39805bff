// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/groups/group_text_files.h"
#include "core/data/file_replace.h"

#include <system_error>

#include "core/data/aux_file_io.h"
#include "core/data/file_error_text.h"
#include "core/text/encoding.h"

namespace ardeno {

Refusal WriteGroupTextFile(const std::filesystem::path& progDir, const std::string& fileName,
                           const std::vector<std::string>& lines) {
  const std::filesystem::path folder = progDir / std::filesystem::u8path(kGroupFilesFolder);
  const std::string shownName = std::string(kGroupFilesFolder) + "/" + fileName;
  if (const std::error_code error = CreateFolders(folder)) {
    return std::string("Složku ") + kGroupFilesFolder + " nelze vytvořit: " + FileErrorText(error) +
           ".";
  }
  std::string bytes;
  for (const std::string& line : lines) bytes += Utf8ToCp1250(line) + "\r\n";
  return ReplaceFile(folder / std::filesystem::u8path(fileName), bytes, shownName);
}

}  // namespace ardeno
