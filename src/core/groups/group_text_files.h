// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The text files of the group statistics, written into the folder "Polohy-skupin" of the program
// folder: Windows-1250 with CR LF line ends, each file replaced whole.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>
#include "core/text/refusal.h"

namespace ardeno {

inline constexpr const char* kGroupFilesFolder = "Polohy-skupin";

// Creates the folder when missing and replaces the file with the lines (UTF-8, without line
// ends). The Czech error text, or nothing.
Refusal WriteGroupTextFile(const std::filesystem::path& progDir, const std::string& fileName,
                           const std::vector<std::string>& lines);

}  // namespace ardeno
