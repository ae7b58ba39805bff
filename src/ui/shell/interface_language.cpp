// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/shell/interface_language.h"

#include <QCoreApplication>
#include <QSettings>
#include <QTranslator>
#include <string_view>

#include "core/text/core_text.h"
#include "ui/shell/czech_qt_texts.h"
#include "ui/shell/user_settings.h"

namespace ardeno {

// The English texts compiled by lrelease, embedded at build time.
extern const unsigned char kEnglishTextsData[];
extern const unsigned int kEnglishTextsDataSize;

namespace {

constexpr const char* kLanguageKey = "language";

InterfaceLanguage g_shown = InterfaceLanguage::Czech;
bool g_englishInstalled = false;  // the English texts are on the application

// lupdate files the texts of tr() under the bare class name, while tr() at run time asks with
// the namespace ("ardeno::MainWindow"): a text not found under the full name is looked up under
// the bare one.
class ProgramTranslator : public QTranslator {
 public:
  using QTranslator::QTranslator;
  QString translate(const char* context, const char* source, const char* disambiguation,
                    int n) const override {
    QString text = QTranslator::translate(context, source, disambiguation, n);
    constexpr std::string_view kNamespace = "ardeno::";
    if (text.isEmpty() && context != nullptr && std::string_view(context).starts_with(kNamespace))
      text = QTranslator::translate(context + kNamespace.size(), source, disambiguation, n);
    return text;
  }
};

// The English texts, loaded once for the whole run; null when they cannot be read.
ProgramTranslator* EnglishTexts() {
  static ProgramTranslator* const texts = [] {
    auto* translator = new ProgramTranslator;
    if (translator->load(kEnglishTextsData, static_cast<int>(kEnglishTextsDataSize)))
      return translator;
    delete translator;
    return static_cast<ProgramTranslator*>(nullptr);
  }();
  return texts;
}

TextTranslation TranslationBy(const QTranslator* texts) {
  return [texts](const char* context, const char* source) {
    return texts->translate(context, source).toStdString();
  };
}

// Core's texts (refusals, findings, captions) follow the windows: looked up in the same texts.
void TranslateCoreTexts(const QTranslator* texts) {
  SetTextTranslation(texts == nullptr ? TextTranslation{} : TranslationBy(texts));
}

}  // namespace

std::optional<InterfaceLanguage> LanguageOfCode(const QString& code) {
  if (code == QLatin1String("cs")) return InterfaceLanguage::Czech;
  if (code == QLatin1String("en")) return InterfaceLanguage::English;
  return std::nullopt;
}

QString CodeOfLanguage(InterfaceLanguage language) {
  return language == InterfaceLanguage::English ? QStringLiteral("en") : QStringLiteral("cs");
}

std::optional<InterfaceLanguage> TakeLanguageOption(QStringList& arguments, bool& error) {
  error = false;
  const qsizetype at = arguments.indexOf(QStringLiteral("--lang"), 1);
  if (at < 0) return std::nullopt;
  const QString code = at + 1 < arguments.size() ? arguments[at + 1] : QString();
  arguments.remove(at, at + 1 < arguments.size() ? 2 : 1);
  const auto language = LanguageOfCode(code);
  error = !language.has_value();
  return language;
}

InterfaceLanguage ChooseLanguage(std::optional<InterfaceLanguage> asked, const QString& kept,
                                 const QString& systemLocaleName) {
  if (asked) return *asked;
  if (const auto language = LanguageOfCode(kept)) return *language;
  return systemLocaleName.startsWith(QLatin1String("en")) ? InterfaceLanguage::English
                                                          : InterfaceLanguage::Czech;
}

QString KeptLanguageCode() { return UserSettings().value(kLanguageKey).toString(); }

void KeepLanguage(InterfaceLanguage language) {
  UserSettings().setValue(kLanguageKey, CodeOfLanguage(language));
}

InterfaceLanguage ShownLanguage() { return g_shown; }

bool InstallInterfaceLanguage(QCoreApplication& app, InterfaceLanguage language) {
  if (!UseMessageLanguage(language)) return false;
  if (language == InterfaceLanguage::Czech) {
    if (g_englishInstalled) QCoreApplication::removeTranslator(EnglishTexts());
    g_englishInstalled = false;
    return InstallCzechQtTexts(app);
  }
  // Qt's own texts are English already.
  g_englishInstalled = QCoreApplication::installTranslator(EnglishTexts());
  return g_englishInstalled;
}

CzechWindowTexts::CzechWindowTexts()
    : m_removed(g_englishInstalled && QCoreApplication::removeTranslator(EnglishTexts())) {}

CzechWindowTexts::~CzechWindowTexts() {
  if (m_removed) QCoreApplication::installTranslator(EnglishTexts());
}

EnglishCoreTexts::EnglishCoreTexts() {
  if (EnglishTexts() == nullptr) return;
  static const TextTranslation english = TranslationBy(EnglishTexts());
  m_guard.emplace(english);
}

bool UseMessageLanguage(InterfaceLanguage language) {
  g_shown = language;
  if (language == InterfaceLanguage::Czech) {
    TranslateCoreTexts(nullptr);
    return true;
  }
  if (EnglishTexts() == nullptr) return false;
  TranslateCoreTexts(EnglishTexts());
  return true;
}

}  // namespace ardeno
