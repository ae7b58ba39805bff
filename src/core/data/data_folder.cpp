// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/data/data_folder.h"

#include <system_error>

#include "core/data/file_error_text.h"
#include "core/text/core_text.h"
#include "core/text/path_text.h"

namespace ardeno {

namespace fs = std::filesystem;

std::optional<std::string> DataFolderProblem(const fs::path& folder) {
  const std::string name = PathUtf8(folder);
  std::error_code error;
  const fs::file_status status = fs::status(folder, error);
  const auto unopened = [&name](std::error_code why) {
    return FillText(CoreText("DataFolder", "Složku s daty %1 nelze otevřít: %2."),
                    {name, FileErrorText(why)});
  };
  if (status.type() == fs::file_type::not_found)
    return FillText(CoreText("DataFolder", "Složka s daty neexistuje: %1"), {name});
  if (error) return unopened(error);
  if (!fs::is_directory(status))
    return FillText(CoreText("DataFolder", "%1 není složka, data v ní nelze hledat."), {name});
  // A folder that cannot be listed cannot be read from either.
  fs::directory_iterator listing(folder, error);
  if (error) return unopened(error);
  return std::nullopt;
}

}  // namespace ardeno
