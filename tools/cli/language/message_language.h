#pragma once
// The language of ardeno-cli's messages (usage, errors, progress and summaries), chosen as the
// program's windows choose theirs: "--lang cs|en", else the choice kept in the settings, else the
// system locale. What the commands write into files or print as a report's content stays as it
// is in every language.
#include <optional>
#include <string>

namespace ardeno::cli {

// Sets the language; false when `askedCode` is neither "cs" nor "en", or English is asked of a
// build that has no translation (the messages then stay Czech).
bool UseMessageLanguage(const std::optional<std::string>& askedCode);

}  // namespace ardeno::cli
