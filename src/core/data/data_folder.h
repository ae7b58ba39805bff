// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The folder a program run or a command works in, checked before anything is read from it, so
// that the user hears what is wrong with the folder itself rather than with a file in it.
#include <filesystem>
#include <optional>
#include <string>

namespace ardeno {

// Why `folder` cannot serve as the data folder: it does not exist, something else has its name,
// or it cannot be looked into (no permission), each said as such in Czech; nothing when it can.
std::optional<std::string> DataFolderProblem(const std::filesystem::path& folder);

}  // namespace ardeno
