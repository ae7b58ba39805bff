// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text/number_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace ardeno {
namespace {

TEST(RoundTest, HalvesGoToEven) {
  EXPECT_EQ(Round(0.5), 0);
  EXPECT_EQ(Round(1.5), 2);
  EXPECT_EQ(Round(2.5), 2);
  EXPECT_EQ(Round(-0.5), 0);
  EXPECT_EQ(Round(-1.5), -2);
  EXPECT_EQ(Round(2.4999), 2);
  EXPECT_EQ(Trunc(-2.7), -2);
  EXPECT_EQ(Trunc(2.7), 2);
  EXPECT_DOUBLE_EQ(Int(-2.7), -2.0);
}

struct PatternCase {
  const char* Name;
  const char* Pattern;
  double Value;
  const char* Expected;
};

class FormatFloatTest : public ::testing::TestWithParam<PatternCase> {};

TEST_P(FormatFloatTest, MatchesPattern) {
  const auto& c = GetParam();
  EXPECT_EQ(FormatFloat(c.Pattern, c.Value), c.Expected) << c.Pattern << " " << c.Value;
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, FormatFloatTest,
    ::testing::Values(PatternCase{"SectionNegative", " 00;-00", -3.4, "-03"},
                      PatternCase{"SectionPositive", " 00;-00", 3.4, " 03"},
                      PatternCase{"SectionNegativeRoundsToZero", " 00;-00", -0.4, " 00"},
                      PatternCase{"SectionWide", " 00;-00", -45.6, "-46"},
                      PatternCase{"TwoDigits", "00", 7, "07"},
                      PatternCase{"ThreeDigitsWider", "000", 1234, "1234"},
                      PatternCase{"Zero", "0", 0, "0"},
                      PatternCase{"HalfAwayFromZero", "0", 2.5, "3"},
                      PatternCase{"DecimalHalfUp", "0.0", 0.15, "0.2"},
                      PatternCase{"OneDecimal", "000.0", 5.25, "005.3"},
                      PatternCase{"HashDecimals", "#0.00", 3, "3.00"},
                      PatternCase{"HashDecimalsNegative", "#0.00", -0.125, "-0.13"},
                      PatternCase{"OptionalAll", "###.#", 12.0, "12"},
                      PatternCase{"OptionalFraction", "###.#", 12.34, "12.3"},
                      PatternCase{"RequiredDecimals", "##.00", 4.5, "4.50"},
                      PatternCase{"Degree", "0.0°", 12.345, "12.3°"},
                      PatternCase{"Carry", "0.0", 9.96, "10.0"},
                      PatternCase{"Literal", "'R='0", 42, "R=42"},
                      PatternCase{"SmallValueNoLeadingDigit", "#.##", 0.5, ".5"},
                      PatternCase{"WholeWithDecimals", "0.0", 7, "7.0"},
                      PatternCase{"WholeNegative", "#0.00", -4, "-4.00"},
                      PatternCase{"WholeBeyondExactDigits", "0", 1e16, "10000000000000000"},
                      PatternCase{"ZeroSection", "0.0;-0.0;'nic'", 0.04, "nic"},
                      PatternCase{"ZeroSectionWhole", "0.0;-0.0;'nic'", 0, "nic"},
                      PatternCase{"ZeroSectionNegative", "0.0;-0.0;'nic'", -2, "-2.0"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(FormatFixedTest, WidthAndDecimals) {
  EXPECT_EQ(FormatFixed(3.14159, 6, 2), "  3.14");
  EXPECT_EQ(FormatFixed(-3.145, 0, 2), "-3.15");
  EXPECT_EQ(FormatFixed(12345.6, 3, 1), "12345.6");
  EXPECT_EQ(FormatFixed(0.04, 4, 1), " 0.0");
  EXPECT_EQ(FormatInt(42, 5), "   42");
}

// FormatFixed spelled out from the decimal rounding alone.
std::string FixedFromDecimalRounding(double value, int width, int decimals) {
  const DecimalText number = RoundDecimal(value, decimals);
  std::string text = number.IntegerDigits;
  if (decimals > 0) text += "." + number.FractionDigits;
  if (value < 0 && !number.IsZero) text.insert(0, "-");
  if (static_cast<int>(text.size()) < width) text.insert(0, width - text.size(), ' ');
  return text;
}

TEST(FormatFixedTest, EqualsTheDecimalRoundingForEveryKindOfValue) {
  std::vector<double> values = {0.0,     -0.0,   0.15,    0.25,     2.675,   1.005,
                                -1.005,  -0.004, -0.005,  0.0049,   0.5,     -0.5,
                                99.995,  12.345, 1234.55, 999999.5, 8.9e8,   1.23e12,
                                -7.5e14, 1e300,  -1e-300, 1.0 / 3,  2.0 / 3, 0.1 + 0.2};
  // Means of counts, as the tables hold them: sums of whole numbers over record counts.
  for (int sum = 0; sum < 3000; sum += 7)
    for (int records = 1; records <= 31; records += 3) values.push_back(double(sum) / records);
  // Every tie of two and three decimals up to 100, and its neighbours.
  for (int units = 0; units < 100000; units += 5) {
    const double tie = units / 1000.0;
    values.insert(values.end(), {tie, std::nextafter(tie, 0.0), std::nextafter(tie, 1e9), -tie});
  }
  values.push_back(std::numeric_limits<double>::infinity());
  values.push_back(std::numeric_limits<double>::quiet_NaN());
  for (const double value : values) {
    for (const int decimals : {0, 1, 2, 3, 4, 6, 8}) {
      ASSERT_EQ(FormatFixed(value, 9, decimals), FixedFromDecimalRounding(value, 9, decimals))
          << value << " to " << decimals << " decimals";
    }
  }
}

}  // namespace
}  // namespace ardeno
