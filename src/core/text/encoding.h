// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Conversion between the Windows-1250 bytes of the data file and report files and the UTF-8
// text used everywhere inside the program.
#include <string>
#include <string_view>

namespace ardeno {

// Bytes 0x00..0x7F are ASCII; the five byte values Windows-1250 leaves undefined become U+FFFD.
std::string Cp1250ToUtf8(std::string_view bytes);

// Characters without a Windows-1250 byte become '?'; malformed UTF-8 bytes become '?' too.
std::string Utf8ToCp1250(std::string_view text);

// The text without a leading UTF-8 byte order mark.
std::string_view WithoutUtf8Bom(std::string_view bytes);

// A small text file as the user may have saved it: Windows-1250 as the program writes it, or
// UTF-8 from a newer editor (with or without a byte order mark). Valid UTF-8 with letters beyond
// ASCII is taken as UTF-8 (Czech Windows-1250 text practically never is valid UTF-8); everything
// else as Windows-1250. Returns UTF-8.
std::string TextFileToUtf8(std::string_view bytes);

}  // namespace ardeno
