// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// import-groups: reading catalogue files of any of the three kinds and adding their days to the
// database of a folder, saved with the safe save under the folder's lock. A new database
// (polar mode, radius 125) is made only when asked for, in a folder without any datax.dat.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/reference/group_import.h"
#include "core/reference/source_day.h"
#include "core/text/dates.h"

namespace ardeno {

// The files named in `inputs`, a folder standing for every file in it (in name order); a folder
// that cannot be read is named in `problems`.
std::vector<std::filesystem::path> CatalogueFilesOf(
    const std::vector<std::filesystem::path>& inputs, std::vector<std::string>& problems);

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

enum class ImportTarget {
  ExistingDatabase,  // the folder's datax.dat, loaded whole, or nothing is changed
  NewDatabase,       // a new datax.dat; refused when one exists in any form
};

// `inputs` may name files or folders (every file in a folder, in name order). `holder` names the
// command in the folder's lock ("ardeno-cli import-groups").
FolderImportResult ImportGroupFiles(const std::filesystem::path& folder,
                                    const std::vector<std::filesystem::path>& inputs,
                                    const CalendarDate& today, ImportTarget target,
                                    const std::string& holder);

}  // namespace ardeno
