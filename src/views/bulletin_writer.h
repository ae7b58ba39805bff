// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The monthly bulletin of a data folder written into its own folder: the page from core and its
// pictures painted by the renderer's views (the windows' own paint functions), each PNG carrying
// what it shows. Needs a running QApplication.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/results/report_month.h"

namespace ardeno::render {

struct BulletinRun {
  std::vector<std::filesystem::path> Written;  // in writing order, index.html last
  // What the load and the views had to say (a record left out, a folder of the checks
  // missing); none of it stops the bulletin.
  std::vector<std::string> Messages;
  // Refused for a file under one of the bulletin's names that no bulletin wrote: the user may
  // let it be replaced.
  bool RefusedForeignFile = false;
};

// Writes the bulletin of `month` of the saved data in `dataFolder` into `out`; the error text
// when it cannot (no data, no drawing in the month, an output folder that is not the
// bulletin's, a file there that no bulletin wrote unless `replace`). The pictures are written
// first and the page last, so that a failed run leaves no page pointing at missing pictures.
std::optional<std::string> WriteBulletin(const std::filesystem::path& dataFolder,
                                         const ReportMonth& month, const std::filesystem::path& out,
                                         BulletinRun& run, bool replace = false);

}  // namespace ardeno::render
