// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/shell/window_image_name.h"

namespace ardeno {

namespace {
constexpr std::size_t kMaxPathCharacters = 28;

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }
}  // namespace

std::string WindowImageRelativePath(std::string_view imageName) {
  std::string path = std::string(kImageFolder) + "/";
  std::size_t characters = 7 + 1;  // "Obrázek/"
  for (std::size_t i = 0; i < imageName.size(); ++i) {
    const char c = imageName[i];
    if (!IsContinuationByte(c)) {
      if (characters == kMaxPathCharacters) break;
      ++characters;
    }
    path += (c == '/' || c == '\\') ? '_' : c;
  }
  return path + ".jpg";
}

}  // namespace ardeno
