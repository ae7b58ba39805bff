// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Paths as UTF-8 texts and back, the same on every system. std::filesystem's string() and its
// construction from a std::string use the system's code page on Windows, which has no Czech
// letters in most of the world: a folder "Pozorování" would be garbled or refused there. Core
// keeps its texts in UTF-8 and crosses to paths only through these.
#include <filesystem>
#include <string>
#include <string_view>

namespace ardeno {

std::string PathUtf8(const std::filesystem::path& path);
std::filesystem::path Utf8Path(std::string_view text);

}  // namespace ardeno
