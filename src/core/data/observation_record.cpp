// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/data/observation_record.h"

#include <algorithm>

#include "core/text/encoding.h"

namespace ardeno {

std::string ObservationRecord::ShortStringRaw(std::size_t offset, std::size_t capacity) const {
  return std::string(ShortBytes(offset, capacity));
}

std::string ObservationRecord::ShortString(std::size_t offset, std::size_t capacity) const {
  return Cp1250ToUtf8(ShortStringRaw(offset, capacity));
}

void ObservationRecord::SetShortString(std::size_t offset, std::size_t capacity,
                                       std::string_view utf8) {
  std::string bytes = Utf8ToCp1250(utf8);
  if (bytes.size() > capacity) bytes.resize(capacity);
  Bytes[offset] = static_cast<std::uint8_t>(bytes.size());
  std::copy(bytes.begin(), bytes.end(), Bytes.begin() + offset + 1);
}

std::string ObservationRecord::DateRaw() const {
  return std::string(1, static_cast<char>(Bytes[0])) + ShortStringRaw(0, 10);
}

std::string ObservationRecord::ObserverRaw() const { return ShortStringRaw(34, 30); }

std::string_view ObservationRecord::ObserverBytes() const { return ShortBytes(34, 30); }

std::string ObservationRecord::GroupTypeRaw(int k) const { return ShortStringRaw(Slot(k), 3); }

std::array<std::uint8_t, kResultsSize> ObservationRecord::ResultsBlock() const {
  std::array<std::uint8_t, kResultsSize> block{};
  std::copy_n(Bytes.begin() + kResultsOffset, kResultsSize, block.begin());
  return block;
}

void ObservationRecord::SetResultsBlock(const std::array<std::uint8_t, kResultsSize>& block) {
  std::copy(block.begin(), block.end(), Bytes.begin() + kResultsOffset);
}

}  // namespace ardeno
