// SPDX-License-Identifier: GPL-3.0-or-later
// Facular outlines and groups measured on a photographed drawing, stored into the record.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <variant>

#include "core/photo/photo_faculae.h"
#include "core/photo/photo_groups.h"
#include "core/solar/day_results.h"

namespace ardeno {
namespace {

constexpr PhotoCalibration kUpright{1000, 1000, 500, 0};  // 4 px per millimetre

int VertexDistance(std::uint16_t word) { return word % 128; }
int VertexAngle(std::uint16_t word) { return word / 128; }

TEST(FacularOutlines, AVertexTenPercentOutsideIsBroughtTo124) {
  FacularOutlines outlines;
  // 137.5 mm out (10 % beyond the limb), and a vertex at 100 mm, on the same field.
  outlines.Start(1, 1000, 1000 - 550);
  ASSERT_TRUE(outlines.AddVertex(1000 + 400, 1000));
  const auto words = OutlineVertexWords(outlines, kUpright);
  ASSERT_TRUE(words[0].has_value());
  EXPECT_EQ(VertexDistance((*words[0])[0]), 124);
  EXPECT_EQ(VertexAngle((*words[0])[0]), 0);
  EXPECT_EQ(VertexDistance((*words[0])[1]), 91);  // Round(100 * 124 / 137) = Round(90.5)
}

TEST(FacularOutlines, ScalingIsPerFieldSoOtherFieldsKeepTheirDistances) {
  FacularOutlines outlines;
  outlines.Start(1, 1000, 1000 - 600);   // 150 mm: field 1 is scaled
  outlines.AddVertex(1000, 1000 - 400);  // 100 mm -> Round(100 * 124 / 150) = 83
  outlines.Start(2, 1000 + 400, 1000);   // field 2 lies inside: untouched
  outlines.AddVertex(1000 + 200, 1000);
  const auto words = OutlineVertexWords(outlines, kUpright);
  EXPECT_EQ(VertexDistance((*words[0])[0]), 124);
  EXPECT_EQ(VertexDistance((*words[0])[1]), 83);
  EXPECT_EQ(VertexDistance((*words[1])[0]), 100);
  EXPECT_EQ(VertexDistance((*words[1])[1]), 50);
  EXPECT_EQ(VertexAngle((*words[1])[0]), 90);
  // Vertices never clicked are angle 0, distance 0; fields never clicked have no words.
  EXPECT_EQ((*words[1])[2], 0);
  EXPECT_FALSE(words[2].has_value());
}

TEST(FacularOutlines, AtMostSixVerticesAndRestartingClearsTheField) {
  FacularOutlines outlines;
  outlines.Start(3, 1000, 900);
  for (int v = 2; v <= 6; ++v) EXPECT_TRUE(outlines.AddVertex(1000 + 10 * v, 900));
  EXPECT_EQ(outlines.NextVertex(), 7);
  EXPECT_FALSE(outlines.AddVertex(1100, 900));
  outlines.Start(3, 1000, 800);
  EXPECT_EQ(outlines.NextVertex(), 2);
  EXPECT_FALSE(outlines.Vertex(3, 2).Set);
}

TEST(FacularOutlines, StoringKeepsFieldsEnteredEarlier) {
  ObservationRecord record;
  record.SetFaculaVertex(1, 1, 45 * 128 + 100);
  record.SetFaculaVertex(1, 2, 50 * 128 + 100);
  FacularOutlines outlines;
  outlines.Start(2, 1000, 600);
  outlines.AddVertex(1100, 600);
  StoreOutlines(record, OutlineVertexWords(outlines, kUpright), 2);
  EXPECT_EQ(record.FaculaVertex(1, 1), 45 * 128 + 100);
  EXPECT_EQ(record.FaculaVertex(2, 1), 0 * 128 + 100);
  EXPECT_EQ(record.FacularCount(), 2);
}

TEST(FacularOutlines, FaculaNumberRefusals) {
  EXPECT_EQ(CheckFaculaNumber(0), std::string(kFaculaNumberZeroMessage));
  EXPECT_EQ(CheckFaculaNumber(41), std::string(kTooManyFaculaeMessage));
  EXPECT_TRUE(Succeeded(CheckFaculaNumber(40)));
  EXPECT_EQ(CheckGroupSequence(41), std::string(kTooManyGroupsMessage));
  EXPECT_TRUE(Succeeded(CheckGroupSequence(1)));
}

GroupGridRow Row(const std::string& type, const std::string& rotationNumber,
                 const std::string& angle = "45.0", const std::string& distance = "60.0") {
  GroupGridRow row{};
  row[kColType] = type;
  row[kColSpots] = "5";
  row[kColPenumbral] = "2";
  row[kColAngle] = angle;
  row[kColDistance] = distance;
  row[kColArea] = "3.0";
  row[kColGroupNumber] = "7";
  row[kColRotationGroupNumber] = rotationNumber;
  return row;
}

struct RowRefusalCase {
  std::string Name;
  GroupGridRow Row;
  std::string Message;
};

class ReadPendingGroupTest : public ::testing::TestWithParam<RowRefusalCase> {};

TEST_P(ReadPendingGroupTest, RefusesWithItsMessage) {
  const auto read = ReadPendingGroup(GetParam().Row);
  ASSERT_TRUE(std::holds_alternative<std::string>(read));
  EXPECT_EQ(std::get<std::string>(read), GetParam().Message);
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, ReadPendingGroupTest,
    ::testing::Values(RowRefusalCase{"UnlistedType", Row("Xyz", "3"), kWrongGroupTypeMessage},
                      RowRefusalCase{"EmptyType", Row("", "3"), kWrongGroupTypeMessage},
                      RowRefusalCase{"NoRotationGroupNumber", Row("Dkc", " "),
                                     kMissingTypeOrNumberMessage}),
    [](const auto& info) { return info.param.Name; });

TEST(PendingGroups, TypeIsTakenAsListedWhateverTheCase) {
  const auto read = ReadPendingGroup(Row("dKC", "3"));
  ASSERT_TRUE(std::holds_alternative<PendingGroup>(read));
  EXPECT_EQ(std::get<PendingGroup>(read).Type, "Dkc");
  EXPECT_EQ(std::get<PendingGroup>(read).RotationGroupNumber, 3);
}

ObservationRecord DatedRecord() {
  ObservationRecord record;
  record.SetDate("15.03.2024");
  record.SetTimeUT(930);
  return record;
}

TEST(PendingGroups, StoredInTheOrderOfTheirSequenceNumbers) {
  PendingGroups pending;
  for (const auto& [sequence, type, number] :
       {std::tuple{5, "Hsx", "55"}, std::tuple{2, "Axx", "22"}, std::tuple{9, "Dkc", "99"}})
    pending[sequence] = std::get<PendingGroup>(ReadPendingGroup(Row(type, number)));
  ObservationRecord record = DatedRecord();
  ASSERT_TRUE(Succeeded(StorePendingGroups(record, pending, 125)));
  EXPECT_EQ(record.GroupCount(), 3);
  EXPECT_EQ(record.GroupType(1), "Axx");
  EXPECT_EQ(record.RotationGroupNumber(1), 22);
  EXPECT_EQ(record.GroupType(2), "Hsx");
  EXPECT_EQ(record.RotationGroupNumber(2), 55);
  EXPECT_EQ(record.GroupType(3), "Dkc");
  EXPECT_EQ(record.RotationGroupNumber(3), 99);
}

TEST(PendingGroups, PositionsAreaAndAuxiliarySpotsAsStored) {
  GroupGridRow row = Row("Dkc", "4", "123.4", "2.3");
  row[kColAux1Angle] = "130.7";
  row[kColAux1Distance] = "65.9";
  row[kColAux1Area] = "1.6";
  row[kColArea] = "10.0";
  PendingGroups pending{{1, std::get<PendingGroup>(ReadPendingGroup(row))}};
  ObservationRecord record = DatedRecord();
  record.SetFaculaVertex(1, 1, 1234);  // a facula sharing the slot stays
  ASSERT_TRUE(Succeeded(StorePendingGroups(record, pending, 100)));
  EXPECT_EQ(record.Angle10(1), 1234);
  // 2.3 is a hair below 2.3 in binary; it is still 23 tenths.
  EXPECT_EQ(record.Distance10(1), 23);
  EXPECT_EQ(record.Aux1Position(1), 130 * 128 + 65);
  EXPECT_EQ(record.Aux2Position(1), 0);
  // 20.4 * 10 * 125 / 100 = 255; Round(1.6) = 2 -> 2 * 20.4 * 1.25 = 51.
  EXPECT_EQ(record.Area(1), 255);
  EXPECT_EQ(record.Aux1Area(1), 51);
  EXPECT_EQ(record.FaculaVertex(1, 1), 1234);
  // The results block is computed with the record.
  EXPECT_EQ(record.ResultWord(kResultTime), 930);
  EXPECT_EQ(record.ResultWord(kGroupsN) + record.ResultWord(kGroupsS), 1);
}

TEST(PendingGroups, ARecordWithoutADateIsNotChanged) {
  PendingGroups pending{{1, std::get<PendingGroup>(ReadPendingGroup(Row("Axx", "1")))}};
  ObservationRecord record;
  const ObservationRecord before = record;
  EXPECT_EQ(StorePendingGroups(record, pending, 125), std::string(kRecordFirstMessage));
  EXPECT_EQ(record, before);
}

TEST(PendingGroups, PositionColumnsOfTheGrid) {
  EXPECT_EQ(PositionColumnFor(kColAngle), kColAngle);
  EXPECT_EQ(PositionColumnFor(kColDistance), kColAngle);
  EXPECT_EQ(PositionColumnFor(kColAux1Distance), kColAux1Angle);
  EXPECT_EQ(PositionColumnFor(kColAux2Angle), kColAux2Angle);
  EXPECT_FALSE(PositionColumnFor(kColArea).has_value());
  EXPECT_FALSE(PositionColumnFor(kColType).has_value());
}

}  // namespace
}  // namespace ardeno
