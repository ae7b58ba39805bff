#pragma once
// Realistic sample databases for the demo, tests and benchmarks: years of daily drawings with
// groups that follow an 11-year activity cycle.
#include <filesystem>
#include <vector>

#include "core/data/observation_record.h"
#include "core/text/dates.h"

namespace ardeno {

// count records starting at the date first; the same seed always gives the same records.
std::vector<ObservationRecord> GenerateSampleRecords(int count, unsigned seed, CalendarDate first);

// Creates the folder when missing and writes datax.dat with count generated records. Throws
// (with the Czech message) when the folder cannot be written or already holds a datax.dat.
void WriteSampleFolder(const std::filesystem::path& folder, int count, unsigned seed);

}  // namespace ardeno
