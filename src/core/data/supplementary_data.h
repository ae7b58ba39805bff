// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Motfakul.dat": 25000 bytes of historical butterfly data that only the butterfly diagram
// interprets.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <vector>

namespace ardeno {

inline constexpr const char* kSupplementaryFileName = "Motfakul.dat";
inline constexpr std::size_t kSupplementaryDataSize = 25000;

struct SupplementaryData {
  std::vector<std::uint8_t> Bytes = std::vector<std::uint8_t>(kSupplementaryDataSize, 0);
  // Size of the file read; 0 when there was none. Any size but 25000 is not the table.
  std::uintmax_t FileSize = 0;
  bool FileFound = false;  // an empty file is found, a missing one is not
  // The butterfly diagram offers the data only when the first byte is set.
  bool Present() const { return Bytes[0] != 0; }
};

// The first 25000 bytes of the file; all zero when the file is missing or shorter.
// Throws AuxFileError when the file exists but cannot be read.
SupplementaryData ReadSupplementaryData(const std::filesystem::path& progDir);

}  // namespace ardeno
