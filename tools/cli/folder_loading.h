// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Loading the data folder a command names, as the program loads it at start-up.
#include <optional>
#include <string>
#include <vector>

#include "core/data/data_file.h"
#include "core/data/database.h"
#include "core/data/folder_lock.h"

namespace ardeno::cli {

// args must be exactly the folder. A missing, unreadable, damaged or empty datax.dat is an error
// here, since a script asks about an existing database; the message goes to stderr and false is
// returned. What the load left out or found doubtful is written to stderr.
bool LoadExistingFolder(const std::vector<std::string>& args, const char* usage, Database& db,
                        LoadReport& report);

// The exit status of a command that wrote its output from the loaded database: a failed output's
// status as it is; otherwise 1, with a line on stderr, when the load left records out (the output
// is then written from the records that were loaded, and the load said what it left out), else 0.
// "Nečitelné: ..." on stderr for each file or line a reader could not use.
void PrintUnreadable(const std::vector<std::string>& problems);

int StatusAfterOutput(const Database& db, int outputStatus = 0);

// A year (month 0) or a month asked for holds some drawing; otherwise false, and stderr names the
// years or months of the drawings, so that an empty answer is never taken for "nothing found".
bool PeriodInRecords(const Database& db, int year, int month = 0);

// Some drawing is by this observer; otherwise false with a line on stderr.
bool ObserverInRecords(const Database& db, const std::string& observer);

}  // namespace ardeno::cli

namespace ardeno::cli {

// LoadExistingFolder for a command that changes the database: the folder's lock is taken first
// and held by `lock` until the command ends, so that no other writer saves in between; a folder
// locked by another writer is refused naming it. Temporary files that an interrupted save left
// are removed under the lock.
bool LoadFolderForChange(const std::vector<std::string>& args, const char* usage, Database& db,
                         LoadReport& report, FolderLock& lock);

// Writes the loaded database back to its folder through the data file's safe save; a database
// whose radius was never chosen keeps its settings word 0, so that the program still asks.
// The Czech error text, if any.
std::optional<std::string> SaveFolder(const std::string& folder, Database& db);

}  // namespace ardeno::cli
