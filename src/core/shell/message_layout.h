// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Geometry of the message window by mode: the window grows with its text so that short messages
// stay small and long ones are not cut.
#include <functional>
#include <string>
#include <string_view>

namespace ardeno {

struct MessageGeometry {
  int Width = 0;
  int Height = 0;
  int LabelLeft = 0;
  int OkLeft = 0;
  int OkTop = 0;
  int NoLeft = 0;  // choice only
};

// Measures a text in pixels in the window's font.
using TextWidth = std::function<int(std::string_view)>;

// A message: sized by its widest line (lines end at carriage returns or line feeds), at least
// 250 pixels, plus 100; the keyboard help text (starting " F8") always gets 650 x 270.
MessageGeometry MessageLayout(std::string_view text, const TextWidth& widthOf);
// Lines wider than maxWidth pixels broken at blanks (a word wider than that, such as a long
// path, between characters), so that no message is wider than the screen. Lines end with "\n".
std::string WrapMessageText(std::string_view text, int maxWidth, const TextWidth& widthOf);
// Grows a message window whose `lines` lines of `lineHeight` pixels would reach its button: the
// button moves below the text and the window grows with it. Two lines fit the standard 170.
// `textHeight`, the height the text really takes when it is laid out (a label lays many lines a
// fraction of a pixel wider apart), keeps the button below the last line as well.
void FitMessageLines(MessageGeometry& g, int lines, int lineHeight, int textHeight = 0);

// A value prompt: 350 x 200.
MessageGeometry ValueInputLayout();
// A yes/no question whose text is `questionWidth` pixels wide.
MessageGeometry ChoiceLayout(int questionWidth);

}  // namespace ardeno
