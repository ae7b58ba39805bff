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

}  // namespace ardeno
