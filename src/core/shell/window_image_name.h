// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a window image is saved.
#include <string>
#include <string_view>

namespace ardeno {

inline constexpr const char* kImageFolder = "Obrázek";

// "Obrázek/" + imageName, cut to 28 characters (so at most 20 of the name), + ".jpg".
// Characters are counted as the user sees them, not as UTF-8 bytes, and path separators in the
// name are replaced so that the file stays inside the image folder.
std::string WindowImageRelativePath(std::string_view imageName);

}  // namespace ardeno
