// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writing report files: lines in Windows-1250 with CR LF, the folder created when missing, the
// file replaced whole.
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>
#include "core/text/refusal.h"

namespace ardeno {

// Each line followed by CR LF, encoded in Windows-1250.
std::string ReportFileBytes(const std::vector<std::string>& lines);

// Creates the file's folder and replaces the file with `bytes`; the Czech message of a failure
// (the old file then stays as it was).
Refusal WriteReportFile(const std::filesystem::path& file, const std::string& bytes);
// Files that belong together (a report and its companion): all of them are written, or none
// changes.
Refusal WriteReportFiles(const std::vector<std::pair<std::filesystem::path, std::string>>& files);

// The first of `files` whose name is taken (a link counts, even a dangling one: it is never
// written through, and never quietly replaced); a report there may have been edited by hand, so
// it is replaced only at the user's word.
std::optional<std::filesystem::path> FirstTakenName(
    const std::vector<std::filesystem::path>& files);

// "00" style number texts of the report layouts.
std::string Digits(long long value, int digits);

}  // namespace ardeno
