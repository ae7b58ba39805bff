// SPDX-License-Identifier: GPL-3.0-or-later
// Picture names of saved drawings, the range of drawings to save, and the recount of the
// facular area texts.
#include <gtest/gtest.h>

#include <string>

#include "core/drawing/drawing_image_names.h"
#include "core/drawing/facula_area.h"
#include "core/drawing/facula_recount.h"

namespace ardeno {
namespace {

ObservationRecord Dated(const std::string& date) {
  ObservationRecord record;
  record.SetDate(date);
  return record;
}

struct NameCase {
  std::string Name;
  std::string Prefix;
  std::string Date;
  DrawingImageFormat Format;
  std::string Expected;
};

class RangeImageFileNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(RangeImageFileNameTest, PrefixAndIsoDate) {
  const NameCase& c = GetParam();
  EXPECT_EQ(RangeImageFileName(c.Prefix, Dated(c.Date), c.Format), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RangeImageFileNameTest,
    ::testing::Values(NameCase{"Bmp", "A", "05.03.2020", DrawingImageFormat::Bmp,
                               "A Zakres 2020-03-05.bmp"},
                      NameCase{"BmpDateWithoutZeros", "A", "5.3.2020", DrawingImageFormat::Bmp,
                               "A Zakres 2020-03-05.bmp"},
                      NameCase{"BmpEmptyPrefix", "", "31.12.1999", DrawingImageFormat::Bmp,
                               " Zakres 1999-12-31.bmp"},
                      NameCase{"Jpg", "Ondřejov", "01.10.2021", DrawingImageFormat::Jpg,
                               "Ondřejov 2021-10-01.jpg"}),
    [](const auto& info) { return info.param.Name; });

TEST(DrawingFileNames, CurrentDrawingAndUnreadableDates) {
  EXPECT_EQ(CurrentDrawingFileName(Dated("07.11.2003")), "Zakres 2003-11-07.bmp");
  EXPECT_FALSE(CurrentDrawingFileName(Dated("31.02.2003")).has_value());
  EXPECT_FALSE(RangeImageFileName("A", Dated(""), DrawingImageFormat::Bmp).has_value());
}

TEST(DrawingFileNames, RangeIsCutToTheDrawingsThatExist) {
  Database db;
  db.Records.resize(20);
  db.RecordCount = 10;
  const RecordRange inside = ClampRange(db, 5, 7);
  EXPECT_EQ(inside.First, 5);
  EXPECT_EQ(inside.Last, 7);
  const RecordRange beyond = ClampRange(db, 0, 99);
  EXPECT_EQ(beyond.First, 1);
  EXPECT_EQ(beyond.Last, 10);
  EXPECT_TRUE(ClampRange(db, 8, 3).Empty());
}

TEST(DrawingFileNames, JpegQuality) {
  EXPECT_EQ(ParseJpegQuality("80"), 80);
  EXPECT_EQ(ParseJpegQuality(" 100 "), 100);
  EXPECT_FALSE(ParseJpegQuality("0").has_value());
  EXPECT_FALSE(ParseJpegQuality("101").has_value());
  EXPECT_FALSE(ParseJpegQuality("vysoká").has_value());
}

TEST(RecountFaculaAreas, EveryDrawingGetsItsMeasuredAreaOrZero) {
  Database db;
  db.Records.resize(4);
  db.RecordCount = 3;
  db.Record(1) = Dated("01.03.2020");
  db.Record(1).SetFaculaAreaText("999");
  db.Record(2) = Dated("02.03.2020");
  db.Record(2).SetFacularCount(1);
  db.Record(2).SetFaculaVertex(1, 1, 0 * 128 + 100);
  db.Record(2).SetFaculaVertex(1, 2, 90 * 128 + 100);
  db.Record(2).SetFaculaVertex(1, 3, 45 * 128 + 120);
  db.Record(3) = Dated("03.03.2020");
  db.Record(3).SetFaculaAreaText("0");
  db.CurrentIndex = 2;
  RecountFaculaAreas(db);
  EXPECT_EQ(db.Record(1).FaculaAreaText(), "0");
  FaculaBitmap bitmap;
  const int pixels = MeasureFaculaPixels(db.Record(2), 1, 1, bitmap);
  ASSERT_GT(pixels, 0);
  EXPECT_EQ(db.Record(2).FaculaAreaText(), std::to_string(FaculaAreaFromPixels(pixels)));
  EXPECT_EQ(db.WorkRecord, db.Record(2));
  EXPECT_TRUE(db.DataChanged);
}

}  // namespace
}  // namespace ardeno
