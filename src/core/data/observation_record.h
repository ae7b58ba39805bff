// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One drawing of the Sun as stored in the data file: 1774 bytes, kept as raw bytes so that a
// record read and written back is byte-identical (reserved bytes included). Typed accessors read
// and write little-endian values at their fixed offsets; texts are Windows-1250 short strings
// (a length byte and the characters) given and taken as UTF-8, cut to the field's capacity.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace ardeno {

inline constexpr std::size_t kRecordSize = 1774;
inline constexpr int kMaxGroups = 40;   // group slots per record
inline constexpr int kMaxFaculae = 40;  // facular fields share the same slots
inline constexpr int kFaculaVertices = 6;
inline constexpr std::size_t kResultsOffset = 1728;
inline constexpr std::size_t kResultsSize = 46;

// Fixed positions that stand for a group whose place is unknown, by hemisphere ("s" / "j").
inline constexpr int kNorthMarkerAngle10 = 10;
inline constexpr int kSouthMarkerAngle10 = 1790;
inline constexpr int kMarkerDistance10 = 1200;

class ObservationRecord {
 public:
  std::array<std::uint8_t, kRecordSize> Bytes{};

  bool operator==(const ObservationRecord&) const = default;

  // --- header ---
  std::string Date() const { return ShortString(0, 10); }
  void SetDate(std::string_view text) { SetShortString(0, 10, text); }
  // Length byte and characters exactly as stored, for byte-for-byte date comparison.
  std::string DateRaw() const;
  bool HasDate() const { return Bytes[0] != 0; }

  std::uint8_t Conditions() const { return Bytes[11]; }
  void SetConditions(std::uint8_t v) { Bytes[11] = v; }
  std::uint8_t ImageQuality() const { return Bytes[12]; }
  void SetImageQuality(std::uint8_t v) { Bytes[12] = v; }
  std::uint8_t QualityQ() const { return Bytes[13]; }
  void SetQualityQ(std::uint8_t v) { Bytes[13] = v; }
  // Never more than the 40 slots, whatever a damaged file holds.
  int GroupCount() const { return Bytes[14] > kMaxGroups ? kMaxGroups : Bytes[14]; }
  void SetGroupCount(int v) { Bytes[14] = static_cast<std::uint8_t>(v); }
  int FacularCount() const { return Bytes[15] > kMaxFaculae ? kMaxFaculae : Bytes[15]; }
  void SetFacularCount(int v) { Bytes[15] = static_cast<std::uint8_t>(v); }
  std::uint8_t GroupCountRaw() const { return Bytes[14]; }
  std::uint8_t FacularCountRaw() const { return Bytes[15]; }

  std::uint16_t TimeUT() const { return U16(16); }
  void SetTimeUT(std::uint16_t v) { SetU16(16, v); }
  std::uint16_t CentralGroups() const { return U16(18); }
  void SetCentralGroups(std::uint16_t v) { SetU16(18, v); }
  std::uint16_t CentralSpots() const { return U16(20); }
  void SetCentralSpots(std::uint16_t v) { SetU16(20, v); }
  std::uint16_t CentralR() const { return U16(22); }
  void SetCentralR(std::uint16_t v) { SetU16(22, v); }
  std::uint16_t FacularFields() const { return U16(24); }
  void SetFacularFields(std::uint16_t v) { SetU16(24, v); }
  std::uint16_t Rotation() const { return U16(26); }
  void SetRotation(std::uint16_t v) { SetU16(26, v); }
  std::uint16_t CentralL0() const { return U16(28); }
  void SetCentralL0(std::uint16_t v) { SetU16(28, v); }

  std::string Observer() const { return ShortString(34, 30); }
  void SetObserver(std::string_view text) { SetShortString(34, 30, text); }
  std::string ObserverRaw() const;
  // The observer's stored bytes without a copy, for telling observers apart in long loops.
  std::string_view ObserverBytes() const;
  std::string Station() const { return ShortString(65, 20); }
  void SetStation(std::string_view text) { SetShortString(65, 20, text); }
  std::string Kind() const { return ShortString(86, 8); }
  void SetKind(std::string_view text) { SetShortString(86, 8, text); }
  // A special drawing ("zvlášťní") is any record with a non-empty kind.
  bool IsSpecial() const { return Bytes[86] != 0; }
  std::string FaculaAreaText() const { return ShortString(107, 18); }
  void SetFaculaAreaText(std::string_view text) { SetShortString(107, 18, text); }
  std::uint16_t RadiusWord() const { return U16(126); }
  void SetRadiusWord(std::uint16_t v) { SetU16(126, v); }

  // --- group slot k = 1..40 ---
  std::string GroupType(int k) const { return ShortString(Slot(k), 3); }
  void SetGroupType(int k, std::string_view text) { SetShortString(Slot(k), 3, text); }
  std::string GroupTypeRaw(int k) const;
  std::uint8_t SpotCount(int k) const { return Bytes[Slot(k) + 4]; }
  void SetSpotCount(int k, std::uint8_t v) { Bytes[Slot(k) + 4] = v; }
  std::uint8_t PenumbralCount(int k) const { return Bytes[Slot(k) + 5]; }
  void SetPenumbralCount(int k, std::uint8_t v) { Bytes[Slot(k) + 5] = v; }
  std::uint16_t Angle10(int k) const { return U16(Slot(k) + 6); }
  void SetAngle10(int k, std::uint16_t v) { SetU16(Slot(k) + 6, v); }
  std::uint16_t Distance10(int k) const { return U16(Slot(k) + 8); }
  void SetDistance10(int k, std::uint16_t v) { SetU16(Slot(k) + 8, v); }
  std::uint16_t Area(int k) const { return U16(Slot(k) + 10); }
  void SetArea(int k, std::uint16_t v) { SetU16(Slot(k) + 10, v); }
  std::uint16_t SmallSpots(int k) const { return U16(Slot(k) + 12); }
  void SetSmallSpots(int k, std::uint16_t v) { SetU16(Slot(k) + 12, v); }
  std::uint16_t GroupNumber(int k) const { return U16(Slot(k) + 14); }
  void SetGroupNumber(int k, std::uint16_t v) { SetU16(Slot(k) + 14, v); }
  std::uint16_t RotationGroupNumber(int k) const { return U16(Slot(k) + 16); }
  void SetRotationGroupNumber(int k, std::uint16_t v) { SetU16(Slot(k) + 16, v); }
  std::uint16_t Aux1Position(int k) const { return U16(Slot(k) + 18); }
  void SetAux1Position(int k, std::uint16_t v) { SetU16(Slot(k) + 18, v); }
  std::uint16_t Aux1Area(int k) const { return U16(Slot(k) + 20); }
  void SetAux1Area(int k, std::uint16_t v) { SetU16(Slot(k) + 20, v); }
  std::uint16_t Aux2Position(int k) const { return U16(Slot(k) + 22); }
  void SetAux2Position(int k, std::uint16_t v) { SetU16(Slot(k) + 22, v); }
  std::uint16_t Aux2Area(int k) const { return U16(Slot(k) + 24); }
  void SetAux2Area(int k, std::uint16_t v) { SetU16(Slot(k) + 24, v); }
  // Vertex v = 1..6 of facular field k: angle in whole degrees * 128 + distance in millimetres.
  std::uint16_t FaculaVertex(int k, int v) const { return U16(Slot(k) + 26 + 2 * (v - 1)); }
  void SetFaculaVertex(int k, int v, std::uint16_t value) {
    SetU16(Slot(k) + 26 + 2 * (v - 1), value);
  }

  // --- results block (bytes 1728..1773) ---
  std::array<std::uint8_t, kResultsSize> ResultsBlock() const;
  void SetResultsBlock(const std::array<std::uint8_t, kResultsSize>& block);
  // Word w = 0..22 of the results block (0 ResultTime, 1 GroupsN, ... 16 HemisphereAreaS,
  // 17..20 the central-zone and facular copies).
  std::uint16_t ResultWord(int w) const { return U16(kResultsOffset + 2 * w); }
  void SetResultWord(int w, std::uint16_t v) { SetU16(kResultsOffset + 2 * w, v); }

  // Low-level access used by the accessors above and by code that copies fields as bytes.
  std::uint16_t U16(std::size_t offset) const {
    return static_cast<std::uint16_t>(Bytes[offset] | (Bytes[offset + 1] << 8));
  }
  void SetU16(std::size_t offset, std::uint16_t v) {
    Bytes[offset] = static_cast<std::uint8_t>(v & 0xFF);
    Bytes[offset + 1] = static_cast<std::uint8_t>(v >> 8);
  }
  std::string ShortString(std::size_t offset, std::size_t capacity) const;
  void SetShortString(std::size_t offset, std::size_t capacity, std::string_view utf8);
  std::string ShortStringRaw(std::size_t offset, std::size_t capacity) const;
  // The same bytes in place, for walks over the whole database.
  std::string_view ShortBytes(std::size_t offset, std::size_t capacity) const {
    return {reinterpret_cast<const char*>(&Bytes[offset + 1]),
            std::min<std::size_t>(Bytes[offset], capacity)};
  }

  static std::size_t Slot(int k) { return 128 + 40 * static_cast<std::size_t>(k - 1); }
};

// Names of the results-block words, in their order.
enum ResultWordIndex : int {
  kResultTime = 0,
  kGroupsN,
  kSpotsN,
  kRelativeN,
  kCVN,
  kSNN,
  kRBN,
  kAreaN,
  kHemisphereAreaN,
  kGroupsS,
  kSpotsS,
  kRelativeS,
  kCVS,
  kSNS,
  kRBS,
  kAreaS,
  kHemisphereAreaS,
  kCentralGroupsCopy,
  kCentralSpotsCopy,
  kCentralRCopy,
  kFacularFieldsCopy,
};
// Byte offsets (from the record start) of the three quality copies and the reserved last byte.
inline constexpr std::size_t kConditionsCopyOffset = 1770;
inline constexpr std::size_t kImageQualityCopyOffset = 1771;
inline constexpr std::size_t kQualityQCopyOffset = 1772;

}  // namespace ardeno
