// SPDX-License-Identifier: GPL-3.0-or-later
// Rules of the application shell that need no screen: interface scale, caption, toolbar limits,
// right-alignment blanks, window image names and the message window's geometry.
#include <gtest/gtest.h>

#include <string>

#include "core/data/database.h"
#include "core/shell/interface_scale.h"
#include "core/shell/main_caption.h"
#include "core/shell/message_layout.h"
#include "core/shell/pad_blanks.h"
#include "core/shell/view_rules.h"
#include "core/shell/window_image_name.h"
#include "support/database_builders.h"

namespace ardeno {
namespace {

TEST(InterfaceScale, RaisedToHundredAndRoundedFromTheScreenHeight) {
  // 768 px high with the default zoom: Round(76 * 1.2) = 91, raised to 100.
  EXPECT_EQ(ScalePercentFor(768, 1.2f), 100);
  // 1000 px: 100 * 1.2 = 120; 1080 px: 108 * 1.2 = 129.6 rounds to 130.
  EXPECT_EQ(ScalePercentFor(1000, 1.2f), 120);
  EXPECT_EQ(ScalePercentFor(1080, 1.2f), 130);
  // The height is divided by 10 before the zoom: 1089 counts as 1080.
  EXPECT_EQ(ScalePercentFor(1089, 1.5f), ScalePercentFor(1080, 1.5f));
  EXPECT_EQ(ScaledBy(28, 130), 36);
}

TEST(MainCaption, TellsTheEntryModeAndTheDrawingDiameter) {
  const std::string heliographic = MainCaption(CoordinateMode::Heliographic, 125.0f);
  EXPECT_EQ(heliographic, std::string(kMainTitle) + " Vizuálně   (Heliografické sou");
  const std::string polar = MainCaption(CoordinateMode::Polar, 125.0f);
  const std::string ending = "  (průměr zákresu  250 mm)";
  ASSERT_GE(polar.size(), ending.size());
  EXPECT_EQ(polar.substr(polar.size() - ending.size()), ending);
  EXPECT_NE(polar.find(" (Polární souřadnice)"), std::string::npos);
  EXPECT_NE(MainCaption(CoordinateMode::Polar, 100.0f).find(" 200 mm)"), std::string::npos);
}

struct TimeFactorCase {
  const char* Name;
  std::uint16_t Factor;
  std::uint16_t Narrower;
  std::uint16_t Wider;
};

class ButterflyTimeFactorTest : public ::testing::TestWithParam<TimeFactorCase> {};

TEST_P(ButterflyTimeFactorTest, StaysWithinOneToSixteen) {
  const TimeFactorCase& c = GetParam();
  EXPECT_EQ(NarrowerTimeFactor(c.Factor), c.Narrower);
  EXPECT_EQ(WiderTimeFactor(c.Factor), c.Wider);
}

INSTANTIATE_TEST_SUITE_P(Bounds, ButterflyTimeFactorTest,
                         ::testing::Values(TimeFactorCase{"AtOne", 1, 1, 2},
                                           TimeFactorCase{"Middle", 4, 2, 8},
                                           TimeFactorCase{"AtSixteen", 16, 8, 16}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(ButterflyScales, ScrollRangeAndHeightLimits) {
  EXPECT_EQ(ButterflyScrollRange(16), 17000);
  EXPECT_EQ(ButterflyScrollRange(1), 2000);
  EXPECT_EQ(HigherHeightScale(9), 9);
  EXPECT_EQ(HigherHeightScale(3), 4);
  EXPECT_EQ(LowerHeightScale(1), 1);
  EXPECT_EQ(LowerHeightScale(3), 2);
}

struct CompressionCase {
  const char* Name;
  std::int32_t Compression;
  std::int32_t DaySpan;
  std::int32_t More;
  std::int32_t Less;
};

class SmoothCompressionTest : public ::testing::TestWithParam<CompressionCase> {};

TEST_P(SmoothCompressionTest, DoublesToSixteenAndHalvesWhileTheGraphFits) {
  const CompressionCase& c = GetParam();
  EXPECT_EQ(MoreCompression(c.Compression), c.More);
  EXPECT_EQ(LessCompression(c.Compression, c.DaySpan), c.Less);
}

INSTANTIATE_TEST_SUITE_P(
    Bounds, SmoothCompressionTest,
    ::testing::Values(CompressionCase{"SixteenStays", 16, 100, 16, 8},
                      CompressionCase{"OneStaysOneOnShortSpan", 1, 100, 2, 1},
                      // 8001 days * 4 = 32004 pixels at compression 1: too wide, doubled once.
                      CompressionCase{"LongSpanAtOneGivesTwo", 1, 8001, 2, 2},
                      // Exactly 32000 pixels still fits.
                      CompressionCase{"SpanAtTheLimitFits", 1, 8000, 2, 1},
                      CompressionCase{"HalvingTooFarDoublesBack", 4, 20000, 8, 4}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(SmoothCompression, DaySpanIsBetweenFirstAndLastRecord) {
  Database db = test::DatabaseOf(std::vector<ObservationRecord>(3), 0);
  db.Record(1).SetDate("30.12.1999");
  db.Record(2).SetDate("15.06.2000");
  db.Record(3).SetDate("01.03.2000");
  EXPECT_EQ(DaySpanOf(db), 62);  // 30.12.1999 .. 1.3.2000 across a leap February
  db.Record(3).SetDate("31.02.2000");
  EXPECT_EQ(DaySpanOf(db), 0);
  db.RecordCount = 0;
  EXPECT_EQ(DaySpanOf(db), 0);
}

TEST(PadBlanks, CountsBlanksOfThreePixelsAtMostFifteen) {
  EXPECT_EQ(PadBlankCount(50, 20), 9);  // 30 / 3 - 1
  EXPECT_EQ(PadBlankCount(28, 26), 0);  // less room than one blank
  EXPECT_EQ(PadBlankCount(28, 25), 0);  // exactly one blank's room: 3 / 3 - 1
  EXPECT_EQ(PadBlankCount(200, 10), 15);
  EXPECT_EQ(PadBlankCount(20, 40), 0);  // wider than the field
}

TEST(WindowImageName, PathIsCutToTwentyEightCharacters) {
  EXPECT_EQ(WindowImageRelativePath("Motýlek"), "Obrázek/Motýlek.jpg");
  // "Obrázek/" is 8 characters, so 20 of the name remain; "á" and "ý" count once.
  EXPECT_EQ(WindowImageRelativePath("Mapa   2100abcdefghijklmnop"),
            "Obrázek/Mapa   2100abcdefghi.jpg");
  EXPECT_EQ(WindowImageRelativePath("ýýýýýýýýýýýýýýýýýýýýýý"), "Obrázek/ýýýýýýýýýýýýýýýýýýýý.jpg");
  // A name cannot leave the image folder.
  EXPECT_EQ(WindowImageRelativePath("../x"), "Obrázek/.._x.jpg");
}

// Every character 10 pixels wide, to see the sizing rules without a font.
int TenPerCharacter(std::string_view text) { return static_cast<int>(text.size()) * 10; }

TEST(MessageLayout, ShortMessageIsThreeHundredFiftyWide) {
  const MessageGeometry g = MessageLayout("Chyba", TenPerCharacter);
  EXPECT_EQ(g.Width, 350);
  EXPECT_EQ(g.Height, 170);
  EXPECT_EQ(g.OkTop, 80);
  EXPECT_EQ(g.OkLeft, 125);
  EXPECT_EQ(g.LabelLeft, (350 - 50) / 2);
}

TEST(MessageLayout, SizedByTheWidestLineWithTheSameHeight) {
  const std::string longLine(40, 'x');
  const MessageGeometry twoLines = MessageLayout("kratky\r" + longLine, TenPerCharacter);
  EXPECT_EQ(twoLines.Width, 500);
  EXPECT_EQ(twoLines.Height, 170);
  const MessageGeometry firstWider = MessageLayout(longLine + "\rkratky", TenPerCharacter);
  EXPECT_EQ(firstWider.Width, 500);
  // A third line does not widen the window beyond its widest line.
  const MessageGeometry threeLines =
      MessageLayout(longLine + "\r" + longLine + "\r\nab", TenPerCharacter);
  EXPECT_EQ(threeLines.Width, 500);
  EXPECT_EQ(threeLines.Height, 170);
}

TEST(MessageLayout, HelpTextAndPromptAndChoiceHaveFixedRules) {
  const MessageGeometry help = MessageLayout(" F8   - Uloží bitmapu okna\rdalší", TenPerCharacter);
  EXPECT_EQ(help.Width, 650);
  EXPECT_EQ(help.Height, 270);
  EXPECT_EQ(help.OkTop, 200);
  EXPECT_EQ(help.LabelLeft, 25);

  const MessageGeometry prompt = ValueInputLayout();
  EXPECT_EQ(prompt.Width, 350);
  EXPECT_EQ(prompt.Height, 200);
  EXPECT_EQ(prompt.OkTop, 120);
  EXPECT_EQ(prompt.LabelLeft, 25);

  const MessageGeometry narrow = ChoiceLayout(120);
  EXPECT_EQ(narrow.Width, 400);
  EXPECT_EQ(narrow.OkLeft, (400 - 203) / 2);
  EXPECT_EQ(narrow.NoLeft, narrow.OkLeft + 103);
  const MessageGeometry wide = ChoiceLayout(500);
  EXPECT_EQ(wide.Width, 550);
  EXPECT_EQ(wide.LabelLeft, 25);
}

}  // namespace
}  // namespace ardeno
