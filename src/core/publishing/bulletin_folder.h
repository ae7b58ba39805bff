// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a bulletin may be written: its own folder (created when missing), never the data folder
// itself, and no file in it replaced unless it is a file of the bulletin's own kind (a PNG where
// a picture goes, an HTML page where index.html goes), so that a mistyped folder name loses
// nothing.
#include <filesystem>
#include <string>
#include <vector>

#include "core/publishing/bulletin.h"
#include "core/text/refusal.h"

namespace ardeno {

// The folder the program writes a month's bulletin to: progDir/"Bulletin"/"YYYY-MM".
std::filesystem::path BulletinFolder(const std::filesystem::path& progDir,
                                     const ReportMonth& month);

// The files of the bulletin: every picture and the page, the page last.
std::vector<std::string> BulletinFiles(const Bulletin& bulletin);

Refusal CheckBulletinFolder(const std::filesystem::path& out,
                            const std::filesystem::path& dataFolder, const Bulletin& bulletin);

}  // namespace ardeno
