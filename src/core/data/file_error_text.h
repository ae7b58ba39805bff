#pragma once
// Czech wording of the operating system's file errors, for the messages the user reads.
#include <string>
#include <system_error>

namespace ardeno {

// "přístup odepřen", "na disku není místo", ...; always Czech, an unusual error by its number.
std::string FileErrorText(const std::error_code& error);

}  // namespace ardeno
