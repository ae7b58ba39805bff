// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "core/text/dates.h"
#include "core/text/encoding.h"

namespace ardeno {
namespace {

TEST(EncodingTest, CzechLettersRoundTrip) {
  const std::string czech = "zvlášťní Přístroj Okulár Říjen Ústí ěščřžýáíéůú ĚŠČŘŽÝÁÍÉŮÚ °";
  const std::string bytes = Utf8ToCp1250(czech);
  EXPECT_EQ(bytes.size(), 61u);  // one byte per character
  EXPECT_EQ(static_cast<unsigned char>(Utf8ToCp1250("š")[0]), 0x9A);
  EXPECT_EQ(static_cast<unsigned char>(Utf8ToCp1250("ť")[0]), 0x9D);
  EXPECT_EQ(static_cast<unsigned char>(Utf8ToCp1250("°")[0]), 0xB0);
  EXPECT_EQ(Cp1250ToUtf8(bytes), czech);
}

TEST(EncodingTest, UnmappableAndMalformedInput) {
  EXPECT_EQ(Utf8ToCp1250("日本"), "??");
  EXPECT_EQ(Utf8ToCp1250("a\xC3"), "a?");  // cut-off sequence
  EXPECT_EQ(Utf8ToCp1250("a\xFF"
                         "b"),
            "a?b");
  EXPECT_EQ(Cp1250ToUtf8("\x81"), "\xEF\xBF\xBD");
}

TEST(DatesTest, ParsesOneOrTwoDigitsAndChecksTheCalendar) {
  EXPECT_EQ(ParseDate("01.02.2003"), (CalendarDate{2003, 2, 1}));
  EXPECT_EQ(ParseDate("1.2.2003"), (CalendarDate{2003, 2, 1}));
  EXPECT_EQ(ParseDate(" 1. 2.2003"), (CalendarDate{2003, 2, 1}));
  EXPECT_EQ(ParseDate("29.02.2000"), (CalendarDate{2000, 2, 29}));
  EXPECT_FALSE(ParseDate("29.02.1900"));
  EXPECT_FALSE(ParseDate("29.02.2023"));
  EXPECT_FALSE(ParseDate("31.04.2023"));
  EXPECT_FALSE(ParseDate("  .  .    "));
  EXPECT_FALSE(ParseDate("1.13.2000"));
  EXPECT_FALSE(ParseDate("001.1.2000"));
  EXPECT_FALSE(ParseDate("1.1.2000x"));
  EXPECT_FALSE(ParseDate(""));
}

TEST(DatesTest, EnteredDateNeedsAFourDigitYear) {
  EXPECT_EQ(ParseEnteredDate("5.3.2024"), (CalendarDate{2024, 3, 5}));
  EXPECT_EQ(ParseEnteredDate(" 5. 3.2024"), (CalendarDate{2024, 3, 5}));
  EXPECT_FALSE(ParseEnteredDate("05.03.24"));
  EXPECT_FALSE(ParseEnteredDate("05.03.202"));
  EXPECT_FALSE(ParseEnteredDate("05.03.  24"));
  EXPECT_TRUE(HasShortYear("05.03.24"));
  EXPECT_TRUE(HasShortYear("5.3.999"));
  EXPECT_FALSE(HasShortYear("05.03.2024"));
  EXPECT_FALSE(HasShortYear("kaput"));
}

TEST(DatesTest, FormatsAndCountsDays) {
  EXPECT_EQ(FormatDate({2003, 2, 1}), "01.02.2003");
  EXPECT_EQ(DaysBetween({2024, 2, 28}, {2024, 3, 1}), 2);
  EXPECT_EQ(DaysBetween({2023, 2, 28}, {2023, 3, 1}), 1);
  EXPECT_EQ(DaySerial({1899, 12, 30}), 0);
  EXPECT_EQ(DaySerial({2000, 1, 1}), 36526);
  EXPECT_EQ(DateFromSerial(36526), (CalendarDate{2000, 1, 1}));
}

}  // namespace
}  // namespace ardeno
