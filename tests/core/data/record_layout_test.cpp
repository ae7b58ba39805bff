// SPDX-License-Identifier: GPL-3.0-or-later
// The record layout that every data file ever written depends on: a record laid out byte by
// byte by hand (offsets written here as numbers, independent of the accessors) must read back
// through the accessors, and the accessors must write exactly those bytes.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "core/data/observation_record.h"

namespace ardeno {
namespace {

// Little-endian 16-bit value at `offset`.
void PutWord(ObservationRecord& r, std::size_t offset, std::uint16_t value) {
  r.Bytes[offset] = static_cast<std::uint8_t>(value & 0xFF);
  r.Bytes[offset + 1] = static_cast<std::uint8_t>(value >> 8);
}

// Length byte and ASCII characters at `offset`.
void PutText(ObservationRecord& r, std::size_t offset, const std::string& text) {
  r.Bytes[offset] = static_cast<std::uint8_t>(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    r.Bytes[offset + 1 + i] = static_cast<std::uint8_t>(text[i]);
  }
}

constexpr int kSlots[] = {1, 2, 40};  // first, second and last group slot
std::size_t SlotStart(int k) { return 128 + 40 * static_cast<std::size_t>(k - 1); }
// A value that differs for every field and slot, with both bytes non-zero.
std::uint16_t Value(int field, int k) { return static_cast<std::uint16_t>(0x0101 * field + k); }

ObservationRecord ByHand() {
  ObservationRecord r;
  PutText(r, 0, "05.03.2004");
  r.Bytes[11] = 3;         // conditions
  r.Bytes[12] = 4;         // image quality
  r.Bytes[13] = 5;         // Q
  r.Bytes[14] = 40;        // group count
  r.Bytes[15] = 39;        // facular count
  PutWord(r, 16, 1034);    // time UT
  PutWord(r, 18, 0x0A0B);  // central groups
  PutWord(r, 20, 0x0C0D);  // central spots
  PutWord(r, 22, 0x0E0F);  // central R
  PutWord(r, 24, 0x1011);  // facular fields
  PutWord(r, 26, 2014);    // rotation
  PutWord(r, 28, 359);     // central L0
  PutText(r, 34, "Observer Name");
  PutText(r, 65, "Station");
  PutText(r, 86, "kind");
  PutText(r, 107, "1234");  // facular area
  PutWord(r, 126, 1125);    // radius word
  for (int k : kSlots) {
    const std::size_t s = SlotStart(k);
    PutText(r, s, "Dkc");
    r.Bytes[s + 4] = static_cast<std::uint8_t>(10 + k);  // spots
    r.Bytes[s + 5] = static_cast<std::uint8_t>(20 + k);  // penumbral spots
    for (int field = 0; field < 16; ++field) {
      // angle, distance, area, small spots, group number, rotation group number, two auxiliary
      // spots (position, area) and the six facular vertices
      PutWord(r, s + 6 + 2 * static_cast<std::size_t>(field), Value(field + 1, k));
    }
  }
  for (int w = 0; w <= 20; ++w)
    PutWord(r, 1728 + 2 * static_cast<std::size_t>(w), Value(w + 30, 0));
  return r;
}

ObservationRecord ThroughAccessors() {
  ObservationRecord r;
  r.SetDate("05.03.2004");
  r.SetConditions(3);
  r.SetImageQuality(4);
  r.SetQualityQ(5);
  r.SetGroupCount(40);
  r.SetFacularCount(39);
  r.SetTimeUT(1034);
  r.SetCentralGroups(0x0A0B);
  r.SetCentralSpots(0x0C0D);
  r.SetCentralR(0x0E0F);
  r.SetFacularFields(0x1011);
  r.SetRotation(2014);
  r.SetCentralL0(359);
  r.SetObserver("Observer Name");
  r.SetStation("Station");
  r.SetKind("kind");
  r.SetFaculaAreaText("1234");
  r.SetRadiusWord(1125);
  for (int k : kSlots) {
    r.SetGroupType(k, "Dkc");
    r.SetSpotCount(k, static_cast<std::uint8_t>(10 + k));
    r.SetPenumbralCount(k, static_cast<std::uint8_t>(20 + k));
    r.SetAngle10(k, Value(1, k));
    r.SetDistance10(k, Value(2, k));
    r.SetArea(k, Value(3, k));
    r.SetSmallSpots(k, Value(4, k));
    r.SetGroupNumber(k, Value(5, k));
    r.SetRotationGroupNumber(k, Value(6, k));
    r.SetAux1Position(k, Value(7, k));
    r.SetAux1Area(k, Value(8, k));
    r.SetAux2Position(k, Value(9, k));
    r.SetAux2Area(k, Value(10, k));
    for (int v = 1; v <= 6; ++v) r.SetFaculaVertex(k, v, Value(10 + v, k));
  }
  for (int w = 0; w <= 20; ++w) r.SetResultWord(w, Value(w + 30, 0));
  return r;
}

TEST(RecordLayout, AccessorsWriteEveryFieldAtItsOffset) {
  const ObservationRecord expected = ByHand();
  const ObservationRecord written = ThroughAccessors();
  for (std::size_t i = 0; i < kRecordSize; ++i) {
    ASSERT_EQ(written.Bytes[i], expected.Bytes[i]) << "byte " << i;
  }
}

TEST(RecordLayout, AccessorsReadEveryFieldFromItsOffset) {
  const ObservationRecord r = ByHand();
  EXPECT_EQ(r.Date(), "05.03.2004");
  EXPECT_EQ(r.Conditions(), 3);
  EXPECT_EQ(r.ImageQuality(), 4);
  EXPECT_EQ(r.QualityQ(), 5);
  EXPECT_EQ(r.GroupCount(), 40);
  EXPECT_EQ(r.FacularCount(), 39);
  EXPECT_EQ(r.TimeUT(), 1034);
  EXPECT_EQ(r.CentralGroups(), 0x0A0B);
  EXPECT_EQ(r.CentralSpots(), 0x0C0D);
  EXPECT_EQ(r.CentralR(), 0x0E0F);
  EXPECT_EQ(r.FacularFields(), 0x1011);
  EXPECT_EQ(r.Rotation(), 2014);
  EXPECT_EQ(r.CentralL0(), 359);
  EXPECT_EQ(r.Observer(), "Observer Name");
  EXPECT_EQ(r.Station(), "Station");
  EXPECT_EQ(r.Kind(), "kind");
  EXPECT_EQ(r.FaculaAreaText(), "1234");
  EXPECT_EQ(r.RadiusWord(), 1125);
  for (int k : kSlots) {
    SCOPED_TRACE(k);
    EXPECT_EQ(r.GroupType(k), "Dkc");
    EXPECT_EQ(r.SpotCount(k), 10 + k);
    EXPECT_EQ(r.PenumbralCount(k), 20 + k);
    const std::uint16_t words[] = {r.Angle10(k),      r.Distance10(k),  r.Area(k),
                                   r.SmallSpots(k),   r.GroupNumber(k), r.RotationGroupNumber(k),
                                   r.Aux1Position(k), r.Aux1Area(k),    r.Aux2Position(k),
                                   r.Aux2Area(k)};
    for (int field = 1; field <= 10; ++field) EXPECT_EQ(words[field - 1], Value(field, k));
    for (int v = 1; v <= 6; ++v) EXPECT_EQ(r.FaculaVertex(k, v), Value(10 + v, k));
  }
  for (int w = 0; w <= 20; ++w) EXPECT_EQ(r.ResultWord(w), Value(w + 30, 0)) << "word " << w;
}

}  // namespace
}  // namespace ardeno
