#include "core/shell/message_layout.h"

#include <algorithm>

namespace ardeno {

namespace {

constexpr int kButtonWidth = 100;

int WidestLine(std::string_view text, const TextWidth& widthOf) {
  int widest = 0;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = text.size();
    widest = std::max(widest, widthOf(text.substr(start, end - start)));
    if (end == text.size()) break;
    // A CR LF pair ends one line, not two.
    start = (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? end + 2
                                                                                   : end + 1;
  }
  return widest;
}

}  // namespace

MessageGeometry MessageLayout(std::string_view text, const TextWidth& widthOf) {
  MessageGeometry g;
  int measured = 0;
  if (text.substr(0, 3) == " F8") {
    measured = 600;
    g.Width = 650;
    g.Height = 270;
    g.OkTop = 200;
  } else {
    measured = WidestLine(text, widthOf);
    g.Width = std::max(measured, 250) + 100;
    g.Height = 170;
    g.OkTop = 80;
  }
  g.LabelLeft = (g.Width - measured) / 2;
  g.OkLeft = (g.Width - kButtonWidth) / 2;
  return g;
}

MessageGeometry ValueInputLayout() {
  MessageGeometry g;
  g.Width = 350;
  g.Height = 200;
  g.OkTop = 120;
  g.LabelLeft = (g.Width - 300) / 2;
  g.OkLeft = (g.Width - kButtonWidth) / 2;
  return g;
}

MessageGeometry ChoiceLayout(int questionWidth) {
  MessageGeometry g;
  const int w = std::max(questionWidth, 350);
  g.Width = w + 50;
  g.Height = 170;
  g.OkTop = 80;
  g.LabelLeft = (g.Width - w) / 2;
  g.OkLeft = (g.Width - 203) / 2;
  g.NoLeft = g.OkLeft + 103;
  return g;
}

}  // namespace ardeno
