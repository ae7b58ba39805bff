// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/solar/day_results.h"

#include <algorithm>
#include <cmath>

#include "core/data/group_types.h"
#include "core/solar/heliographic.h"
#include "core/text/number_format.h"

namespace ardeno {

namespace {

// The eight words of one hemisphere, in their order in the results block.
struct HemisphereSums {
  std::uint16_t Groups = 0;
  std::uint16_t Spots = 0;
  std::uint16_t Relative = 0;
  std::uint16_t CV = 0;
  std::uint16_t SN = 0;
  std::uint16_t RB = 0;
  std::uint16_t Area = 0;
  std::uint16_t HemisphereArea = 0;
};

// The results are 16-bit words: every sum wraps at 65536.
void AddWrapping(std::uint16_t& sum, std::int64_t value) {
  sum = static_cast<std::uint16_t>(sum + static_cast<std::uint64_t>(value));
}

void PutWord(DayResults& block, int word, std::uint16_t value) {
  block[static_cast<std::size_t>(2 * word)] = static_cast<std::uint8_t>(value & 0xFF);
  block[static_cast<std::size_t>(2 * word + 1)] = static_cast<std::uint8_t>(value >> 8);
}

void PutHemisphere(DayResults& block, int firstWord, const HemisphereSums& sums) {
  const std::array<std::uint16_t, 8> words = {
      sums.Groups, sums.Spots, sums.Relative, sums.CV,
      sums.SN,     sums.RB,    sums.Area,     sums.HemisphereArea};
  for (int i = 0; i < 8; ++i) PutWord(block, firstWord + i, words[static_cast<std::size_t>(i)]);
}

}  // namespace

int RbWeight(char zurichClass) {
  switch (zurichClass) {
    case 'A':
      return 4;
    case 'B':
      return 4;
    case 'C':
      return 8;
    case 'D':
      return 18;
    case 'E':
      return 25;
    case 'F':
      return 36;
    case 'G':
      return 50;
    case 'H':
      return 44;
    case 'J':
      return 37;
    default:
      return 0;
  }
}

int HemisphereArea(int area, const ObservationRecord& record, int k) {
  // Slightly inside the limb, so that a group drawn on it does not divide by zero; a damaged
  // distance past the limb counts as on the limb.
  const double distance = std::min<double>(record.Distance10(k), kStandardRadius10);
  const double rho = distance / kStandardRadius10 - 0.0001;
  return static_cast<int>(Round(area * 0.5 / std::sqrt(1 - rho * rho)));
}

std::int64_t GroupDiskArea(const ObservationRecord& record, int k) {
  return Round(record.Area(k) + record.SmallSpots(k) * kSmallSpotArea);
}

int GroupCorrectedArea(const ObservationRecord& record, int k) {
  return HemisphereArea(static_cast<int>(GroupDiskArea(record, k)), record, k);
}

DayResults ComputeDayResults(const ObservationRecord& record, const SolarEphemeris& eph) {
  HemisphereSums north;
  HemisphereSums south;
  const DiskOrientation disk(eph);
  for (int k = 1; k <= record.GroupCount(); ++k) {
    const auto area = GroupDiskArea(record, k);
    const double latitude =
        PolarToHeliographic(disk, record.Angle10(k), record.Distance10(k)).HelioLatitude;
    HemisphereSums& sums = latitude >= 0 ? north : south;

    const std::string groupType = record.GroupTypeRaw(k);
    const int spots = record.SpotCount(k);
    AddWrapping(sums.Area, area);
    AddWrapping(sums.HemisphereArea, GroupCorrectedArea(record, k));
    AddWrapping(sums.CV, GroupTypeCvValue(groupType));
    AddWrapping(sums.RB, groupType.empty() ? 0 : RbWeight(groupType.front()) * spots);
    if (record.PenumbralCount(k) == 0) {
      AddWrapping(sums.SN, spots);
    } else {
      AddWrapping(sums.SN, record.SmallSpots(k) + 10 * record.PenumbralCount(k));
    }
    AddWrapping(sums.Spots, spots);
    AddWrapping(sums.Groups, 1);
  }
  for (HemisphereSums* sums : {&north, &south}) {
    sums->Relative = static_cast<std::uint16_t>(10 * sums->Groups + sums->Spots);
  }

  DayResults block{};
  PutHemisphere(block, kGroupsN, north);
  PutHemisphere(block, kGroupsS, south);
  return block;
}

void StoreDayResults(ObservationRecord& record, const SolarEphemeris& eph) {
  DayResults block = ComputeDayResults(record, eph);
  PutWord(block, kResultTime, record.TimeUT());
  PutWord(block, kCentralGroupsCopy, record.CentralGroups());
  PutWord(block, kCentralSpotsCopy, record.CentralSpots());
  PutWord(block, kCentralRCopy, record.CentralR());
  PutWord(block, kFacularFieldsCopy, record.FacularFields());
  block[kConditionsCopyOffset - kResultsOffset] = record.Conditions();
  block[kImageQualityCopyOffset - kResultsOffset] = record.ImageQuality();
  block[kQualityQCopyOffset - kResultsOffset] = record.QualityQ();
  // The reserved last byte is not the results' to set.
  block[kResultsSize - 1] = record.Bytes[kResultsOffset + kResultsSize - 1];
  record.SetResultsBlock(block);
}

}  // namespace ardeno
