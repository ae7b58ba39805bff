// SPDX-License-Identifier: GPL-3.0-or-later
// Facular polygons and the pixel count that measures their area.
#include <gtest/gtest.h>

#include <string>

#include "core/drawing/facula_area.h"
#include "core/text/number_format.h"
#include "support/database_builders.h"

namespace ardeno {
namespace {

std::uint16_t Vertex(int degrees, int mm) { return static_cast<std::uint16_t>(degrees * 128 + mm); }

ObservationRecord TriangleRecord(const char* date) {
  ObservationRecord r;
  r.SetDate(date);
  r.SetFacularCount(1);
  r.SetFaculaVertex(1, 1, Vertex(0, 60));
  r.SetFaculaVertex(1, 2, Vertex(90, 60));
  r.SetFaculaVertex(1, 3, Vertex(45, 100));
  return r;
}

TEST(FaculaBitmapTest, AxisAlignedSquareCoversItsPixelsExactly) {
  FaculaBitmap bitmap;
  bitmap.FillPolygon({{40, 40}, {49, 40}, {49, 49}, {40, 49}, {40, 40}});
  EXPECT_EQ(bitmap.Pixel(39, 40), 255);
  EXPECT_EQ(bitmap.Pixel(40, 40), 0);
  EXPECT_EQ(bitmap.CountAndReset(), 100);
  // Counting resets the pixels, so a second count starts clean.
  EXPECT_EQ(bitmap.CountAndReset(), 0);
}

TEST(FaculaBitmapTest, OnlyTheCountingWindowCountsAndOutsidePointsAreClipped) {
  FaculaBitmap bitmap;
  bitmap.FillPolygon({{-100, -100}, {600, -100}, {600, 600}, {-100, 600}, {-100, -100}});
  EXPECT_EQ(bitmap.CountAndReset(), 500 * 500);
}

TEST(FaculaBitmapTest, TriangleAreaCloseToGeometry) {
  FaculaBitmap bitmap;
  bitmap.FillPolygon({{100, 100}, {200, 100}, {100, 200}, {100, 100}});
  const int count = bitmap.CountAndReset();
  EXPECT_GE(count, 5000);
  EXPECT_LE(count, 5000 + 3 * 101);
}

TEST(FaculaPolygonTest, VerticesStopAtTheFirstZeroDistance) {
  ObservationRecord r = TriangleRecord("05.03.2004");
  r.SetFaculaVertex(1, 5, Vertex(10, 30));  // after the zero-distance vertex 4: not used
  const auto outline = FaculaPolygon(r, 1, 1, 1);
  ASSERT_EQ(outline.size(), 4u);
  EXPECT_EQ(outline.front(), outline.back());
  EXPECT_EQ(outline[0], (RefPoint{280, 160}));  // 0 degrees: straight up, 120 units
  EXPECT_EQ(outline[1].Y, 280);
  EXPECT_GT(outline[1].X, 280);
  EXPECT_LT(FaculaPolygon(r, 1, -1, 1)[1].X, 280);
  // Vertices 1 and 2 count even at distance 0.
  ObservationRecord dot;
  dot.SetFacularCount(1);
  EXPECT_EQ(FaculaPolygon(dot, 1, 1, 1).size(), 3u);
}

TEST(FaculaMeasureTest, TriangleGivesAPositiveAreaAndNoFieldsGiveNothing) {
  FaculaBitmap bitmap;
  const int pixels = MeasureFaculaPixels(TriangleRecord("05.03.2004"), 1, 1, bitmap);
  EXPECT_GT(pixels, 0);
  EXPECT_EQ(FaculaAreaFromPixels(pixels), Round(pixels * 4.533));
  // Measured twice on the same bitmap, the count is the same.
  EXPECT_EQ(MeasureFaculaPixels(TriangleRecord("05.03.2004"), 1, 1, bitmap), pixels);
  EXPECT_EQ(MeasureFaculaPixels(ObservationRecord{}, 1, 1, bitmap), 0);
}

class StoreFaculaAreaTest : public ::testing::Test {
 protected:
  void SetUp() override {
    db = test::DatabaseOf({TriangleRecord("04.03.2004"), TriangleRecord("05.03.2004")}, 8);
    db.Record(1).SetFaculaAreaText("7");
    db.Record(2).SetFaculaAreaText("7");
    db.CurrentIndex = 2;
  }
  Database db;
};

TEST_F(StoreFaculaAreaTest, WritesTheCurrentRecordShown) {
  db.WorkRecord = db.Record(2);
  ASSERT_TRUE(StoreFaculaArea(db, 1000));
  EXPECT_EQ(db.Record(2).FaculaAreaText(), std::to_string(Round(1000 * 4.533)));
  EXPECT_EQ(db.WorkRecord.FaculaAreaText(), "7");  // the work record itself is not touched
}

TEST_F(StoreFaculaAreaTest, AnotherRecordShownLeavesTheCurrentOneAlone) {
  db.WorkRecord = db.Record(1);  // as when a range of drawings is printed or saved
  EXPECT_FALSE(StoreFaculaArea(db, 1000));
  EXPECT_EQ(db.Record(2).FaculaAreaText(), "7");
  EXPECT_EQ(db.Record(1).FaculaAreaText(), "7");
}

TEST_F(StoreFaculaAreaTest, NoFacularFieldsOrNoCurrentRecordWriteNothing) {
  db.WorkRecord = db.Record(2);
  db.WorkRecord.SetFacularCount(0);
  EXPECT_FALSE(StoreFaculaArea(db, 1000));
  EXPECT_EQ(db.Record(2).FaculaAreaText(), "7");
  db.WorkRecord = db.Record(2);
  db.CurrentIndex = 0;
  EXPECT_FALSE(StoreFaculaArea(db, 1000));
}

}  // namespace
}  // namespace ardeno
