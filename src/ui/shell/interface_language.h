// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The language of the windows: Czech (the program's own texts) or English (translations/
// ardeno_en.ts, compiled into the program). Chosen by --lang, else by the choice kept in the
// settings, else by the system locale; Czech unless something asks for English. The files the
// program writes for data centres and for the observatory keep their bytes whatever the language.
#include <QString>
#include <QStringList>
#include <optional>

#include "core/text/translated_texts.h"

class QCoreApplication;

namespace ardeno {

enum class InterfaceLanguage { Czech, English };

// "cs" or "en"; nothing for any other code.
std::optional<InterfaceLanguage> LanguageOfCode(const QString& code);
QString CodeOfLanguage(InterfaceLanguage language);

// Takes "--lang CODE" out of the arguments (the program's name first). Nothing when it is not
// there; `error` is set when its code is missing or unknown.
std::optional<InterfaceLanguage> TakeLanguageOption(QStringList& arguments, bool& error);

// The language asked on the command line, else the one kept in the settings ("cs", "en"), else
// English only when the system locale is English.
InterfaceLanguage ChooseLanguage(std::optional<InterfaceLanguage> asked, const QString& kept,
                                 const QString& systemLocaleName);

// The choice kept from one run to the next (user settings), empty when none.
QString KeptLanguageCode();
void KeepLanguage(InterfaceLanguage language);

// Installs the program's and Qt's own texts of the language on the application (Qt's dialogs
// then speak it too) and sets it for core's texts; false when a translation is missing.
bool InstallInterfaceLanguage(QCoreApplication& app, InterfaceLanguage language);
// The language of core's texts (refusals, findings, captions) alone, for a program without
// windows (ardeno-cli): no application object is needed. False when a translation is missing.
bool UseMessageLanguage(InterfaceLanguage language);
// The language installed last (Czech before any).
InterfaceLanguage ShownLanguage();

// The windows' texts in Czech for the guard's life, whatever the interface speaks: the
// observatory's pictures (the month's bulletin) are painted with the windows' own paint
// functions and keep their Czech labels. Core's texts have their own guard (CzechTexts).
class CzechWindowTexts {
 public:
  CzechWindowTexts();
  ~CzechWindowTexts();
  CzechWindowTexts(const CzechWindowTexts&) = delete;
  CzechWindowTexts& operator=(const CzechWindowTexts&) = delete;

 private:
  bool m_removed = false;  // the English texts were taken off and are put back
};

// Core's texts in English on this thread for the guard's life, whatever the interface speaks:
// the bulletin's English page beside the Czech one. False from Available() when the English texts
// cannot be read (the texts stay as they were).
class EnglishCoreTexts {
 public:
  EnglishCoreTexts();
  bool Available() const { return m_guard.has_value(); }

 private:
  std::optional<TranslatedTexts> m_guard;
};

}  // namespace ardeno
