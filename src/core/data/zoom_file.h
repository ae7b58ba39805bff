// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Zvetsit.zve": the interface zoom as a whole percentage on the first line.
#include <filesystem>
#include <string_view>

namespace ardeno {

inline constexpr const char* kZoomFileName = "Zvetsit.zve";
inline constexpr float kDefaultZoom = 1.2f;

// The zoom a first line gives: value / 100 for 100 < value < 200, otherwise the default. A UTF-8
// byte order mark before it is skipped.
float ZoomFromText(std::string_view firstLine);
// The first line holds no whole number at all, so the file cannot say any zoom.
bool ZoomTextUnusable(std::string_view firstLine);

// The program creates a missing zoom file at start-up; tools that only look leave it missing.
enum class MissingZoomFile { Create, LeaveMissing };

// Reads the zoom file of `progDir`; when it is missing, creates it with the default percentage
// (120) unless told to leave it, and returns the default. Throws AuxFileError when the file
// cannot be read or created. `unusable` is set when the file exists but holds no number.
float ReadZoom(const std::filesystem::path& progDir,
               MissingZoomFile missing = MissingZoomFile::Create, bool* unusable = nullptr);

}  // namespace ardeno
