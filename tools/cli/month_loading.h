// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the monthly report commands share: loading DIR with the month a script names, telling
// which second drawings of a day stay out, and writing the files.
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "core/data/database.h"
#include "core/reports/report_days.h"

namespace ardeno::cli {

// Loads args[0] and finds the month named "M.YYYY" in args[1]; false (with the message on
// stderr) when there are fewer than `count` arguments or the folder or the month do not serve.
bool LoadMonth(const std::vector<std::string>& args, std::size_t count, const char* usage,
               Database& db, ReportMonth& month);

// The later drawings of a day that the report leaves out, one line each on stderr.
void TellLeftOut(const Database& db, const ReportDays& days);

// Takes "--replace" off the end of `args`; true when it was there. A report written before
// (and perhaps edited by hand since) is replaced only when the command is given it.
bool TakeReplaceOption(std::vector<std::string>& args);

// False, with a message naming the first of `files` that exists, unless `replace`.
bool MayWrite(const std::vector<std::filesystem::path>& files, bool replace);

// Writes every file or none (on a failure every old file stays as it was) and prints the paths
// written; the exit status.
int WriteFiles(const std::vector<std::pair<std::filesystem::path, std::string>>& files);

}  // namespace ardeno::cli
