// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/shell/message_layout.h"

#include <algorithm>
#include <vector>

namespace ardeno {

namespace {

constexpr int kButtonWidth = 100;
constexpr int kLabelTop = 32;
constexpr int kGapAboveButton = 4;  // two lines of 22 pixels end just above the button
constexpr int kBelowButton = 90;    // button top to window bottom in the standard 170

// Lines of a text as the label shows them (CR, LF or CR LF end a line).
std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (true) {
    std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines.push_back(text.substr(start));
      return lines;
    }
    lines.push_back(text.substr(start, end - start));
    start =
        (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? end + 2 : end + 1;
  }
}

// Length in bytes of the UTF-8 character starting at i.
std::size_t CharacterLength(std::string_view text, std::size_t i) {
  std::size_t length = 1;
  while (i + length < text.size() && (static_cast<unsigned char>(text[i + length]) & 0xC0) == 0x80)
    ++length;
  return length;
}

// A word wider than the line: as many whole characters as fit, at least one.
void BreakLongWord(std::string_view word, int maxWidth, const TextWidth& widthOf,
                   std::vector<std::string>& out) {
  while (!word.empty()) {
    std::size_t fit = CharacterLength(word, 0);
    while (fit < word.size()) {
      const std::size_t next = fit + CharacterLength(word, fit);
      if (widthOf(word.substr(0, next)) > maxWidth) break;
      fit = next;
    }
    out.emplace_back(word.substr(0, fit));
    word.remove_prefix(fit);
  }
}

void WrapLine(std::string_view line, int maxWidth, const TextWidth& widthOf,
              std::vector<std::string>& out) {
  if (widthOf(line) <= maxWidth) {
    out.emplace_back(line);
    return;
  }
  std::string current;
  std::size_t start = 0;
  while (start < line.size()) {
    std::size_t end = line.find(' ', start);
    if (end == std::string_view::npos) end = line.size();
    const std::string_view word = line.substr(start, end - start);
    const std::string joined =
        current.empty() ? std::string(word) : current + " " + std::string(word);
    if (widthOf(joined) <= maxWidth) {
      current = joined;
    } else {
      if (!current.empty()) out.push_back(current);
      current.clear();
      if (widthOf(word) <= maxWidth) {
        current = std::string(word);
      } else {
        BreakLongWord(word, maxWidth, widthOf, out);
      }
    }
    start = end + 1;
  }
  if (!current.empty()) out.push_back(current);
}

int WidestLine(std::string_view text, const TextWidth& widthOf) {
  int widest = 0;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = text.size();
    widest = std::max(widest, widthOf(text.substr(start, end - start)));
    if (end == text.size()) break;
    // A CR LF pair ends one line, not two.
    start =
        (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? end + 2 : end + 1;
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

std::string WrapMessageText(std::string_view text, int maxWidth, const TextWidth& widthOf) {
  std::vector<std::string> lines;
  for (std::string_view line : SplitLines(text)) WrapLine(line, maxWidth, widthOf, lines);
  std::string wrapped;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) wrapped += '\n';
    wrapped += lines[i];
  }
  return wrapped;
}

void FitMessageLines(MessageGeometry& g, int lines, int lineHeight, int textHeight) {
  const int buttonTop = kLabelTop + std::max(lines * lineHeight + kGapAboveButton, textHeight);
  if (buttonTop <= g.OkTop) return;
  g.OkTop = buttonTop;
  g.Height = std::max(g.Height, buttonTop + kBelowButton);
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
