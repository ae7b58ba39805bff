// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/shell/main_caption.h"

#include "core/text/core_text.h"
#include "core/text/number_format.h"

namespace ardeno {

std::string MainCaption(CoordinateMode mode, float drawingRadius) {
  const std::string title = CoreText("MainCaption", kMainTitle);
  // The remark is cut to 30 characters, as observers have always seen it.
  if (mode == CoordinateMode::Heliographic)
    return title + CoreText("MainCaption", " Vizuálně   (Heliografické sou");
  return title + FillText(CoreText("MainCaption", " (Polární souřadnice)  (průměr zákresu  %1 mm)"),
                          {FormatFloat("###", 2.0 * static_cast<double>(drawingRadius))});
}

}  // namespace ardeno
