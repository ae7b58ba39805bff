// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text/path_text.h"

namespace ardeno {

std::string PathUtf8(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

std::filesystem::path Utf8Path(std::string_view text) {
  return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

}  // namespace ardeno
