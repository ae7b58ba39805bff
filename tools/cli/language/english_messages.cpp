// SPDX-License-Identifier: GPL-3.0-or-later
// Where the Qt layer is built, ardeno-cli shares the program's choice of the language and its
// English texts.
#include <QLocale>
#include <QString>

#include "cli/language/message_language.h"
#include "ui/shell/interface_language.h"

namespace ardeno::cli {

bool UseMessageLanguage(const std::optional<std::string>& askedCode) {
  std::optional<InterfaceLanguage> asked;
  if (askedCode) {
    asked = LanguageOfCode(QString::fromStdString(*askedCode));
    if (!asked) return false;
  }
  return ardeno::UseMessageLanguage(
      ChooseLanguage(asked, KeptLanguageCode(), QLocale::system().name()));
}

}  // namespace ardeno::cli
