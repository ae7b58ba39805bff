// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The language of ardeno-cli's messages (usage, errors, progress and summaries), chosen as the
// program's windows choose theirs: "--lang cs|en", else the choice kept in the settings, else the
// system locale. What the commands write into files or print as a report's content stays as it
// is in every language.
#include <optional>
#include <string>
#include <vector>

namespace ardeno::cli {

// Sets the language; false when `askedCode` is neither "cs" nor "en", or English is asked of a
// build that has no translation (the messages then stay Czech).
bool UseMessageLanguage(const std::optional<std::string>& askedCode);

// Takes a leading "--lang CODE" out of `words` (the arguments after the program's name): the
// code, empty when it is missing; nothing when the words do not start with the option.
// ardeno-render and ardeno-sample take their language with it.
inline std::optional<std::string> TakeLanguageCode(std::vector<std::string>& words) {
  if (words.empty() || words.front() != "--lang") return std::nullopt;
  const std::string code = words.size() > 1 ? words[1] : std::string();
  words.erase(words.begin(), words.begin() + (words.size() > 1 ? 2 : 1));
  return code;
}

}  // namespace ardeno::cli
