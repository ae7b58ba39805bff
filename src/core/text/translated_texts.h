// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Core's texts in a language chosen for one piece of work, whatever the interface speaks.
#include "core/text/core_text.h"

namespace ardeno {

// While one is alive, CoreText gives `translation`'s texts on this thread (a page written in a
// second language beside the Czech one); CzechTexts, held inside it, still wins. `translation`
// must outlive the guard.
class TranslatedTexts {
 public:
  explicit TranslatedTexts(const TextTranslation& translation);
  ~TranslatedTexts();
  TranslatedTexts(const TranslatedTexts&) = delete;
  TranslatedTexts& operator=(const TranslatedTexts&) = delete;

 private:
  const TextTranslation* m_outer;
};

}  // namespace ardeno
