// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The operating system's file errors in the program's words, for the messages the user reads.
#include <string>
#include <system_error>

namespace ardeno {

// "přístup odepřen", "na disku není místo", ... (in the language of the interface, never the
// system's); an unusual error by its number.
std::string FileErrorText(const std::error_code& error);

}  // namespace ardeno
