#pragma once
// Outside observations for a sample folder, so that every map view shows something real-looking:
// green-corona year files (KoronaX) from 1940 to the last record's year, magnetogram day files
// (Magneto) with a bipolar region at each group of the day's drawing, and a magnetosphere picture
// (magnetOBR) of the last rotations.
#include <filesystem>
#include <vector>

#include "core/data/observation_record.h"

namespace ardeno {

void WriteSampleUnderlays(const std::filesystem::path& folder,
                          const std::vector<ObservationRecord>& records, unsigned seed);

}  // namespace ardeno
