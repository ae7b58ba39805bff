// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text/core_text.h"

#include <utility>

#include "core/text/translated_texts.h"

namespace ardeno {

namespace {

TextTranslation& Translation() {
  static TextTranslation translation;
  return translation;
}

thread_local int t_czechHolders = 0;
thread_local const TextTranslation* t_translation = nullptr;

}  // namespace

void SetTextTranslation(TextTranslation translation) { Translation() = std::move(translation); }

std::string CoreText(const char* context, const char* source) {
  const TextTranslation& translation = t_translation != nullptr ? *t_translation : Translation();
  if (!translation || t_czechHolders > 0) return source;
  std::string shown = translation(context, source);
  return shown.empty() ? std::string(source) : shown;
}

std::string FillText(std::string_view text, const std::vector<std::string>& values) {
  std::string filled;
  filled.reserve(text.size());
  for (std::size_t at = 0; at < text.size(); ++at) {
    const bool placeholder =
        text[at] == '%' && at + 1 < text.size() && text[at + 1] >= '1' && text[at + 1] <= '9';
    const std::size_t position = placeholder ? static_cast<std::size_t>(text[at + 1] - '1') : 0;
    if (placeholder && position < values.size()) {
      filled += values[position];
      ++at;
    } else {
      filled += text[at];
    }
  }
  return filled;
}

CzechTexts::CzechTexts() { ++t_czechHolders; }

CzechTexts::~CzechTexts() { --t_czechHolders; }

TranslatedTexts::TranslatedTexts(const TextTranslation& translation) : m_outer(t_translation) {
  t_translation = &translation;
}

TranslatedTexts::~TranslatedTexts() { t_translation = m_outer; }

}  // namespace ardeno
