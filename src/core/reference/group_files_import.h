#pragma once
// import-groups: reading catalogue files of any of the three kinds and adding their days to the
// database of a folder, saved with the safe save. A folder without a database gets a new one
// (polar mode, radius 125).
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/reference/group_import.h"
#include "core/reference/source_day.h"
#include "core/text/dates.h"

namespace ardeno {

// Reads one file, recognising its kind by its content; a file of no known kind or one that
// cannot be read is a problem of its own.
SourceReading ReadCatalogueFile(const std::filesystem::path& file);

struct FolderImportResult {
  ImportReport Import;
  std::vector<std::string> Problems;  // files and lines that could not be read (the rest is used)
  std::optional<std::string> Error;   // the database was not changed
  bool NewDatabase = false;
  int FilesRead = 0;
};

// `inputs` may name files or folders (every file in a folder, in name order).
FolderImportResult ImportGroupFiles(const std::filesystem::path& folder,
                                    const std::vector<std::filesystem::path>& inputs,
                                    const CalendarDate& today);

}  // namespace ardeno
