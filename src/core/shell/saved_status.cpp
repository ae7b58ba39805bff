// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/shell/saved_status.h"

#include "core/text/core_text.h"

namespace ardeno {

std::string SavedRecordsText(int count) {
  // Czech has three forms, English two: each language's text for each form.
  const std::string text = count == 1 ? CoreText("SavedStatus", "Uloženo: %1 zákres")
                           : count >= 2 && count <= 4
                               ? CoreText("SavedStatus", "Uloženo: %1 zákresy")
                               : CoreText("SavedStatus", "Uloženo: %1 zákresů");
  return FillText(text, {std::to_string(count)});
}

}  // namespace ardeno
