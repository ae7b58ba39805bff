// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text/shown_text.h"

#include <gtest/gtest.h>

#include <string>

namespace ardeno {
namespace {

struct ShownCase {
  const char* Name;
  std::string Text;
  std::string Shown;
};

class ShownTextTest : public ::testing::TestWithParam<ShownCase> {};

TEST_P(ShownTextTest, NothingReachesTheTerminalButPrintableText) {
  const std::string shown = ShownText(GetParam().Text);
  EXPECT_EQ(shown, GetParam().Shown);
  for (const char c : shown) {
    const auto byte = static_cast<unsigned char>(c);
    EXPECT_FALSE(byte < 0x20 || byte == 0x7F) << GetParam().Name;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ShownTextTest,
    ::testing::Values(ShownCase{"Plain", "49.1234", "49.1234"},
                      ShownCase{"Czech", "Šťastná Jiřina", "Šťastná Jiřina"},
                      ShownCase{"TitleEscape", "\x1b]0;owned\x07", "\\x1B]0;owned\\x07"},
                      ShownCase{"ColourEscape", "\x1b[31mred", "\\x1B[31mred"},
                      ShownCase{"LineBreaks", "a\r\nb\tc", "a\\r\\nb\\tc"},
                      ShownCase{"Backslash", "a\\x1B", "a\\\\x1B"},
                      ShownCase{"C1ControlInUtf8",
                                "a\xc2\x9b"
                                "2J",
                                "a\\xC2\\x9B2J"},
                      ShownCase{"EightBitCsi",
                                "a\x9b"
                                "2J",
                                "a\\x9B2J"},
                      ShownCase{"Latin2Byte", "Hr\xe1nek", "Hr\\xE1nek"},
                      ShownCase{"CutOffUtf8AtTheEnd", "ab\xc5", "ab\\xC5"},
                      ShownCase{"Delete", "a\x7f", "a\\x7F"},
                      ShownCase{"ByteOrderMark",
                                "\xef\xbb\xbf"
                                "1",
                                "\\xEF\\xBB\\xBF1"},
                      ShownCase{"DirectionOverride",
                                "a\xe2\x80\xae"
                                "b",
                                "a\\xE2\\x80\\xAEb"},
                      ShownCase{"Long", std::string(70, 'x'), std::string(60, 'x') + "…"}),
    [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
}  // namespace ardeno
