// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "DataproCSV.txt": the station block of the SIDC CSV reports, five lines kept from one run of
// the program to the next (station name, station number, address, telephone and e-mail, method).
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace ardeno {

inline constexpr const char* kCsvStationFileName = "DataproCSV.txt";
// The two observing methods offered for the station block.
inline constexpr const char* kCsvMethodProjection = "Projekce ";
inline constexpr const char* kCsvMethodVisual = "Vizuálně";

struct CsvStation {
  std::string Name;
  std::string Number;
  std::string Address;
  std::string Contact;  // telephone and e-mail
  std::string Method;
};

// The five lines of the file's bytes (Windows-1250, any line end); missing lines stay empty.
CsvStation ParseCsvStation(std::string_view bytes);

// Nothing when the file is missing; throws AuxFileError with the Czech message when it exists
// but cannot be read.
std::optional<CsvStation> ReadCsvStation(const std::filesystem::path& progDir);

// Rewrites the file whole (Windows-1250, CR LF); the Czech message of a failure.
std::optional<std::string> WriteCsvStation(const std::filesystem::path& progDir,
                                           const CsvStation& station);

}  // namespace ardeno
