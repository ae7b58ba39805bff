// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Outside observations for a sample folder, so that every map view shows something real-looking:
// green-corona year files (KoronaX) from 1940 to the last record's year, magnetogram day files
// (Magneto) with a bipolar region at each group of the day's drawing, and a magnetosphere picture
// (magnetOBR) of the last rotations, and the supplementary butterfly data (Motfakul.dat) of the
// rotations before the first record.
#include <filesystem>
#include <vector>

#include "core/data/corona_data.h"
#include "core/data/observation_record.h"
#include "core/data/supplementary_data.h"

namespace ardeno {

// The same models in memory, for benchmarks: Motfakul.dat of the rotations before
// `firstRotation` (empty when it is 1266 or earlier) and the corona rows of 1940..lastYear.
SupplementaryData SampleSupplementaryData(int firstRotation, unsigned seed);
CoronaData SampleCoronaData(int lastYear, unsigned seed);

void WriteSampleUnderlays(const std::filesystem::path& folder,
                          const std::vector<ObservationRecord>& records, unsigned seed);

}  // namespace ardeno
