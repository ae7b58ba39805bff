// SPDX-License-Identifier: GPL-3.0-or-later
// The texts of a drawing's frame for normal and special records.
#include <gtest/gtest.h>

#include "core/drawing/frame_texts.h"
#include "core/solar/day_results.h"

namespace ardeno {
namespace {

ObservationRecord TwoGroupRecord() {
  ObservationRecord r;
  r.SetDate("05.03.2004");
  r.SetTimeUT(905);
  r.SetObserver("Novák");
  r.SetStation("Ondřejov");
  r.SetGroupCount(2);
  r.SetGroupType(1, "Hsx");
  r.SetSpotCount(1, 1);
  r.SetAngle10(1, 300);
  r.SetDistance10(1, 500);
  r.SetArea(1, 100);
  r.SetGroupType(2, "Dai");
  r.SetSpotCount(2, 12);
  r.SetAngle10(2, 1500);
  r.SetDistance10(2, 600);
  r.SetArea(2, 200);
  return r;
}

FrameTexts Texts(const ObservationRecord& r) {
  const SolarEphemeris eph = *RecordEphemeris(r);
  return BuildFrameTexts(r, eph, ComputeDayResults(r, eph), 100);
}

TEST(FrameTextsTest, NormalRecordShowsEveryRowByHemisphere) {
  const ObservationRecord r = TwoGroupRecord();
  const FrameTexts t = Texts(r);
  EXPECT_EQ(t.DateLine, "Datum :             05.03.2004");
  EXPECT_EQ(t.ObserverLine, "Pozorovatel :   Novák");
  EXPECT_EQ(t.Values[0], "9:05:00");
  const SolarEphemeris eph = *RecordEphemeris(r);
  EXPECT_EQ(t.Values[4], std::to_string(eph.RotationNumber));
  for (const ResultRowTexts& row : t.Results) {
    ASSERT_FALSE(row.North.empty());
    EXPECT_EQ(std::stoi(row.Sum), std::stoi(row.North) + std::stoi(row.South));
  }
  EXPECT_EQ(t.Results[0].Sum, "2");
  EXPECT_EQ(t.Results[1].Sum, "13");
  EXPECT_EQ(t.Results[2].Sum, "33");
  EXPECT_TRUE(t.ShowFaculaArea);
  EXPECT_EQ(t.FaculaArea, "453");
}

TEST(FrameTextsTest, SpecialRecordWithHemisphereMarkerHidesTheAreaRows) {
  ObservationRecord r = TwoGroupRecord();
  r.SetKind("zvl");
  r.SetAngle10(1, kSouthMarkerAngle10);
  r.SetDistance10(1, kMarkerDistance10);
  ASSERT_EQ(ResultsLayoutFor(r), ResultsLayout::HemisphereSpecial);
  const FrameTexts t = Texts(r);
  for (int j = 0; j < 6; ++j) EXPECT_FALSE(t.Results[j].South.empty()) << j;
  for (int j = 6; j < 8; ++j) EXPECT_TRUE(t.Results[j].Sum.empty()) << j;
  EXPECT_TRUE(t.ShowFaculaArea);
}

TEST(FrameTextsTest, OtherSpecialRecordShowsSumsOnly) {
  ObservationRecord r = TwoGroupRecord();
  r.SetKind("zvl");
  ASSERT_EQ(ResultsLayoutFor(r), ResultsLayout::OtherSpecial);
  const FrameTexts t = Texts(r);
  for (int j = 0; j < 6; ++j) {
    EXPECT_FALSE(t.Results[j].Sum.empty());
    EXPECT_TRUE(t.Results[j].North.empty());
  }
  EXPECT_TRUE(t.Results[6].Sum.empty());
  EXPECT_FALSE(t.ShowFaculaArea);
  // A marker position in a slot past the group count does not count.
  r.SetGroupCount(0);
  r.SetAngle10(1, kNorthMarkerAngle10);
  r.SetDistance10(1, kMarkerDistance10);
  EXPECT_EQ(ResultsLayoutFor(r), ResultsLayout::OtherSpecial);
}

TEST(FrameTextsTest, TimeOfDay) {
  EXPECT_EQ(TimeOfDayText(0), "0:00:00");
  EXPECT_EQ(TimeOfDayText(1230), "12:30:00");
  // Minutes past 59 carry into the hour, and the day wraps.
  EXPECT_EQ(TimeOfDayText(1290), "13:30:00");
  EXPECT_EQ(TimeOfDayText(2400), "0:00:00");
}

}  // namespace
}  // namespace ardeno
