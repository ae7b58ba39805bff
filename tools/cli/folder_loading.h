#pragma once
// Loading the data folder a command names, as the program loads it at start-up.
#include <string>
#include <vector>

#include "core/data/data_file.h"
#include "core/data/database.h"

namespace ardeno::cli {

// args must be exactly the folder. A missing or unreadable datax.dat is an error here, since a
// script asks about an existing database; the message goes to stderr and false is returned.
bool LoadExistingFolder(const std::vector<std::string>& args, const char* usage, Database& db,
                        LoadReport& report);

}  // namespace ardeno::cli
