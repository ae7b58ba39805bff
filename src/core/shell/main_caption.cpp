#include "core/shell/main_caption.h"

#include "core/text/number_format.h"

namespace ardeno {

std::string MainCaption(CoordinateMode mode, float drawingRadius) {
  std::string caption = kMainTitle;
  if (mode == CoordinateMode::Heliographic) {
    // The remark is cut to 30 characters, as observers have always seen it.
    caption += " Vizuálně   (Heliografické sou";
  } else {
    caption += " (Polární souřadnice)";
    caption += "  (průměr zákresu  ";
    caption += FormatFloat("###", 2.0 * static_cast<double>(drawingRadius));
    caption += " mm)";
  }
  return caption;
}

}  // namespace ardeno
