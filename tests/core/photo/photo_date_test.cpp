// SPDX-License-Identifier: GPL-3.0-or-later
// The day a photo was taken, from the EXIF DateTimeOriginal of a JPEG made here byte by byte, and
// the question before its groups go into the drawing of another day.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "core/photo/photo_date.h"
#include "support/exif_bytes.h"

namespace ardeno {
namespace {

// A JPEG without picture data: start, a JFIF APP0, the end; the EXIF block, when given, after
// the start.
std::string Jpeg(const std::string& exif) {
  test::ByteWriter big(false);
  big.Text("\xFF\xD8").Text("\xFF\xE0").U16(16).Text(std::string("JFIF\0\1\1\0\0\1\0\1\0\0", 14));
  big.Text("\xFF\xD9");
  return exif.empty() ? big.Str() : test::WithExif(big.Str(), exif);
}

struct DateCase {
  const char* Name;
  std::string File;
  std::optional<CalendarDate> Date;
};

class PhotoDateTest : public ::testing::TestWithParam<DateCase> {};

TEST_P(PhotoDateTest, DateTimeOriginalGivesTheDay) {
  EXPECT_EQ(PhotoTakenDate(GetParam().File), GetParam().Date);
}

const std::string kGood = test::ExifBlock(true, "2014:03:05 10:41:07");

INSTANTIATE_TEST_SUITE_P(
    Files, PhotoDateTest,
    ::testing::Values(DateCase{"IntelByteOrder", Jpeg(kGood), CalendarDate{2014, 3, 5}},
                      DateCase{"MotorolaByteOrder",
                               Jpeg(test::ExifBlock(false, "2009:12:31 23:59:59")),
                               CalendarDate{2009, 12, 31}},
                      DateCase{"NoExifBlock", Jpeg(""), std::nullopt},
                      DateCase{"OnlyTheTimeOfDigitizingTag",
                               Jpeg(test::ExifBlock(true, "2014:03:05 10:41:07", 0x9004)),
                               std::nullopt},
                      DateCase{"DayThatDoesNotExist",
                               Jpeg(test::ExifBlock(true, "2014:02:30 10:41:07")), std::nullopt},
                      DateCase{"UnsetDateOfACamera",
                               Jpeg(test::ExifBlock(true, "    :  :     :  :  ")), std::nullopt},
                      DateCase{"ExifCutShort", Jpeg(kGood.substr(0, 40)), std::nullopt},
                      DateCase{"FileCutInsideTheBlock", Jpeg(kGood).substr(0, 60), std::nullopt},
                      DateCase{"NotAJpeg", "BM" + kGood, std::nullopt}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(OtherDayQuestionTest, AskedOnlyWhenBothDatesReadAndDiffer) {
  const CalendarDate photo{2014, 3, 5};
  EXPECT_EQ(OtherDayQuestion(photo, "05.03.2014"), std::nullopt);
  EXPECT_EQ(OtherDayQuestion(photo, "5.3.2014"), std::nullopt);
  EXPECT_EQ(OtherDayQuestion(std::nullopt, "06.03.2014"), std::nullopt);
  EXPECT_EQ(OtherDayQuestion(photo, ""), std::nullopt);
  const auto question = OtherDayQuestion(photo, "06.03.2014");
  ASSERT_TRUE(question.has_value());
  EXPECT_NE(question->find("05.03.2014"), std::string::npos) << *question;
  EXPECT_NE(question->find("06.03.2014"), std::string::npos) << *question;
}

}  // namespace
}  // namespace ardeno
