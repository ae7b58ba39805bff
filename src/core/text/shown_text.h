// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Text taken from a file or from the command line and quoted back in a message. A file can hold
// anything: an escape sequence would move the user's terminal cursor, recolour it or retitle the
// window, a line break would forge a message line. Every such text passes through ShownText.
#include <string>
#include <string_view>

namespace ardeno {

// Longest quoted text; the rest is left out with "…" after it.
inline constexpr std::size_t kShownTextCharacters = 60;

// `text` with control characters (C0, DEL, C1 also in their UTF-8 form) and invisible marks (a
// byte order mark, direction overrides) written as \xNN bytes (\t, \r, \n as such), bytes that
// are not UTF-8 as \xNN, a backslash as "\\", and at most
// `maxCharacters` characters.
std::string ShownText(std::string_view text, std::size_t maxCharacters = kShownTextCharacters);

}  // namespace ardeno
