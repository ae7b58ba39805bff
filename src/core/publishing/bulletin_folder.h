// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a bulletin may be written: its own folder (created when missing), never the data folder
// itself, and no file in it replaced unless an earlier bulletin wrote it (its page carries the
// bulletin's mark, its pictures the bulletin's text chunk) or the user said to replace it, so
// that a mistyped folder name or a page of the observatory's own loses nothing. A link or a
// folder under one of the bulletin's names is never written over.
#include <filesystem>
#include <optional>
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

// The first file under one of the bulletin's names in `out` that no bulletin wrote.
std::optional<std::filesystem::path> ForeignBulletinFile(const std::filesystem::path& out,
                                                         const Bulletin& bulletin);

// The Czech refusal, or nothing when the bulletin may be written; `replace` lets it write over
// files it did not write (never over a link or a folder).
Refusal CheckBulletinFolder(const std::filesystem::path& out,
                            const std::filesystem::path& dataFolder, const Bulletin& bulletin,
                            bool replace = false);

}  // namespace ardeno
