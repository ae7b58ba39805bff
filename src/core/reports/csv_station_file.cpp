// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/reports/csv_station_file.h"

#include "core/data/aux_file_io.h"
#include "core/reports/report_text.h"
#include "core/text/encoding.h"

namespace ardeno {

namespace {
constexpr std::uintmax_t kStationReadBytes = 64 * 1024;  // five short lines never need more
}  // namespace

CsvStation ParseCsvStation(std::string_view bytes) {
  CsvStation station;
  std::size_t position = 0;
  for (std::string* line :
       {&station.Name, &station.Number, &station.Address, &station.Contact, &station.Method}) {
    if (position >= bytes.size()) break;
    *line = Cp1250ToUtf8(NextTextLine(bytes, position));
  }
  return station;
}

std::optional<CsvStation> ReadCsvStation(const std::filesystem::path& progDir) {
  const auto file =
      ReadAuxFile(progDir / kCsvStationFileName, kCsvStationFileName, kStationReadBytes, false);
  if (!file) return std::nullopt;
  return ParseCsvStation(file->Bytes);
}

std::optional<std::string> WriteCsvStation(const std::filesystem::path& progDir,
                                           const CsvStation& station) {
  return WriteReportFile(progDir / kCsvStationFileName,
                         ReportFileBytes({station.Name, station.Number, station.Address,
                                          station.Contact, station.Method}));
}

}  // namespace ardeno
