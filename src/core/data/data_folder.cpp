#include "core/data/data_folder.h"

#include <system_error>

#include "core/data/file_error_text.h"

namespace ardeno {

namespace fs = std::filesystem;

std::optional<std::string> DataFolderProblem(const fs::path& folder) {
  const std::string name = folder.string();
  std::error_code error;
  const fs::file_status status = fs::status(folder, error);
  if (status.type() == fs::file_type::not_found) return "Složka s daty neexistuje: " + name;
  if (error) return "Složku s daty " + name + " nelze otevřít: " + FileErrorText(error) + ".";
  if (!fs::is_directory(status)) return name + " není složka, data v ní nelze hledat.";
  // A folder that cannot be listed cannot be read from either.
  fs::directory_iterator listing(folder, error);
  if (error) return "Složku s daty " + name + " nelze otevřít: " + FileErrorText(error) + ".";
  return std::nullopt;
}

}  // namespace ardeno
