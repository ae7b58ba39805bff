// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The facts of a picture inside its file: uncompressed iTXt chunks right after a PNG's header
// (UTF-8, readable by every PNG viewer's "properties"), one comment segment (COM) at the start
// of a JPEG with a "Key: value" line per fact. Reading walks the file's chunks or segments and
// trusts none of their lengths: a truncated or damaged file gives what could be read and says
// what could not.
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/data/picture_output.h"
#include "core/publishing/picture_facts.h"

namespace ardeno {

// The PNG `png` with the facts' iTXt chunks after its header chunk; nothing when the bytes do
// not start with a PNG signature and header.
std::optional<std::string> PngWithFacts(std::string_view png, const PictureFacts& facts);

// The JPEG `jpeg` with one comment of the facts after its start (and its JFIF segment); nothing
// when the bytes do not start a JPEG.
std::optional<std::string> JpegWithFacts(std::string_view jpeg, const PictureFacts& facts);

struct PictureDescription {
  PictureFormat Format = PictureFormat::Png;
  PictureFacts Facts;  // text chunks or comment lines, in file order
  // Czech notes on what could not be read (cut short, a damaged chunk, compressed text).
  std::vector<std::string> Problems;
};

// Reads the facts of a PNG or a JPEG from `in`; the Czech refusal when it is neither.
std::variant<PictureDescription, std::string> DescribePicture(std::istream& in);

}  // namespace ardeno
