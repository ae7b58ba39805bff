// SPDX-License-Identifier: GPL-3.0-or-later
// A build without the Qt layer has no translations: ardeno-cli speaks Czech only.
#include "cli/language/message_language.h"

namespace ardeno::cli {

bool UseMessageLanguage(const std::optional<std::string>& askedCode) {
  return !askedCode || *askedCode == "cs";
}

}  // namespace ardeno::cli
