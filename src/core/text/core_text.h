// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The texts core gives the user (refusals, error messages, the findings of the checks, captions
// the windows show) are written in Czech, the program's own language, as
//   CoreText("DataFile", "Soubor %1 nelze otevřít.")
// and reach the user in the language of the interface: the program and ardeno-cli set a
// translation that looks the text up under its context in the English texts
// (translations/ardeno_en.ts; lupdate finds these texts with -tr-function-alias
// translate+=CoreText,QT_TRANSLATE_NOOP+=CoreTextNoop). Without one the Czech text stands, so core
// alone always speaks Czech. Files written for data centres and for the observatory keep their
// bytes whatever the language: a writer that puts such texts into a file holds CzechTexts while it
// makes them.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace ardeno {

// Gives the text shown for `source` of `context`, or an empty text when it has none.
using TextTranslation = std::function<std::string(const char* context, const char* source)>;

// Set at start-up, before other threads run; an empty translation brings Czech back.
void SetTextTranslation(TextTranslation translation);

// `source` in the language of the interface: Czech when no translation is set, when the
// translation lacks the text, and on a thread that holds CzechTexts.
std::string CoreText(const char* context, const char* source);

// Marks a text kept as data (a table, a constant) for lupdate; it is shown later through
// CoreText with the same context.
constexpr const char* CoreTextNoop(const char* /*context*/, const char* source) { return source; }

// `text` with each %1 .. %9 replaced by the value of that position; a placeholder without a
// value stays. One pass: a value that contains "%2" is not filled again.
std::string FillText(std::string_view text, const std::vector<std::string>& values);

// While one is alive, CoreText gives Czech on this thread (nesting is allowed).
class CzechTexts {
 public:
  CzechTexts();
  ~CzechTexts();
  CzechTexts(const CzechTexts&) = delete;
  CzechTexts& operator=(const CzechTexts&) = delete;
};

}  // namespace ardeno
