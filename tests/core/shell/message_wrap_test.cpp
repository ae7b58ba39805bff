// SPDX-License-Identifier: GPL-3.0-or-later
// Long messages broken to the screen's width, and the window that grows to show every line.
#include <gtest/gtest.h>

#include <string>

#include "core/shell/message_layout.h"

namespace ardeno {
namespace {

int TenPerByte(std::string_view text) { return static_cast<int>(text.size()) * 10; }

struct WrapCase {
  std::string Name;
  std::string Text;
  int MaxWidth;
  std::string Wrapped;
};

class WrapMessageTest : public ::testing::TestWithParam<WrapCase> {};

TEST_P(WrapMessageTest, BreaksAtBlanksWithinTheWidth) {
  EXPECT_EQ(WrapMessageText(GetParam().Text, GetParam().MaxWidth, TenPerByte), GetParam().Wrapped);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, WrapMessageTest,
    ::testing::Values(WrapCase{"ShortLineStays", "Chyba dat", 200, "Chyba dat"},
                      WrapCase{"LongLineBreaksAtBlanks", "aaa bbb ccc ddd", 70, "aaa bbb\nccc ddd"},
                      WrapCase{"ExactWidthFits", "aaa bbb", 70, "aaa bbb"},
                      WrapCase{"OwnLineBreaksKept", "aaa bbb ccc\rdd\r\nee", 70,
                               "aaa bbb\nccc\ndd\nee"},
                      WrapCase{"LongWordBrokenBetweenCharacters", "x /a/very/long/path", 60,
                               "x\n/a/ver\ny/long\n/path"},
                      WrapCase{"MultiByteLettersNotCut", "žžžž", 40, "žž\nžž"}),
    [](const auto& info) { return info.param.Name; });

TEST(WrapMessageTest, NoLineIsWiderThanAllowedAndNothingIsLost) {
  const std::string text =
      "Zákres č. 2 v souboru datax.dat nemá datum, proto se načetlo jen 1 zákresů a 1 dalších se "
      "vynechalo.\nSoubor, jak byl nalezen, je uschován jako datax-puvodni.dat.";
  const std::string wrapped = WrapMessageText(text, 300, TenPerByte);
  std::size_t start = 0;
  std::string joined;
  while (start <= wrapped.size()) {
    std::size_t end = wrapped.find('\n', start);
    if (end == std::string::npos) end = wrapped.size();
    EXPECT_LE(TenPerByte(std::string_view(wrapped).substr(start, end - start)), 300);
    joined += wrapped.substr(start, end - start) + " ";
    start = end + 1;
  }
  std::string flat = text;
  for (char& c : flat)
    if (c == '\n') c = ' ';
  EXPECT_EQ(joined, flat + " ");
}

TEST(FitMessageLinesTest, TwoLinesKeepTheStandardWindowMoreLinesGrowIt) {
  MessageGeometry g = MessageLayout("a\rb", TenPerByte);
  FitMessageLines(g, 2, 22);
  EXPECT_EQ(g.Height, 170);
  EXPECT_EQ(g.OkTop, 80);
  FitMessageLines(g, 5, 22);
  EXPECT_EQ(g.OkTop, 32 + 5 * 22 + 4);
  EXPECT_EQ(g.Height, g.OkTop + 90);
  // Laid out a pixel wider apart, fourteen lines take 14 pixels more than the spacing says.
  FitMessageLines(g, 14, 22, 14 * 23);
  EXPECT_EQ(g.OkTop, 32 + 14 * 23);
  // Two lines laid out a pixel higher still fit the standard window.
  MessageGeometry two = MessageLayout("a\rb", TenPerByte);
  FitMessageLines(two, 2, 22, 46);
  EXPECT_EQ(two.OkTop, 80);
}

}  // namespace
}  // namespace ardeno
