// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The demonstration folder on the real Sun: the NOAA/USAF regions of solar cycle 24 (2009-2019),
// each day drawn by one of the station's observers with their own personal scale (the share of
// spots and small groups they see, one of them slowly losing it), with the faculae, auxiliary
// spots, special records and header marks the generator adds; on days without a drawing the
// NOAA report itself stands. The SIDC folder gets today's published series.
#include <filesystem>
#include <string>

namespace ardeno {

struct RealSampleSummary {
  int Records = 0;
  int DrawnDays = 0;  // drawn by the station's observers from the real regions
  int NoaaDays = 0;   // the NOAA report as imported
  int SpecialRecords = 0;
  int ReferenceFiles = 0;
  std::string FirstDate, LastDate;
};

// `sources` is the folder of the published data (data/reference: noaa-srs/raw-2014,
// noaa-srs/dataframes, silso, sunspot-areas, penticton-f107). Throws with the Czech message when
// the folder cannot be written, already holds a datax.dat, or the sources hold no regions.
RealSampleSummary WriteRealSampleFolder(const std::filesystem::path& folder,
                                        const std::filesystem::path& sources, unsigned seed);

}  // namespace ardeno
