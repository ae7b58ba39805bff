// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Realistic sample databases for the demo, tests and benchmarks: years of daily drawings with
// groups that follow an 11-year activity cycle.
#include <filesystem>
#include <vector>

#include "core/data/database.h"
#include "core/data/observation_record.h"
#include "core/text/dates.h"

namespace ardeno {

// count records starting at the date first; the same seed always gives the same records.
std::vector<ObservationRecord> GenerateSampleRecords(int count, unsigned seed, CalendarDate first);

// A database of count generated records from 1 January 1970 as a load leaves it: the last record
// current and in the work record, room for the records a run adds.
Database GenerateSampleDatabase(int count, unsigned seed = 11);

// The file by which a folder is known as one this tool made (an interrupted run may be repeated
// into it).
inline constexpr const char* kSampleMarkName = ".ardeno-sample";

// Creates the folder when missing; throws (with the Czech message) when it cannot be written,
// already holds a datax.dat, or holds other files and was not made by this tool: the samples
// never write over a user's own files (SIDC series, a README).
void PrepareSampleFolder(const std::filesystem::path& folder);
// Writes the records as datax.dat and everything else a sample folder holds beside them (the
// generated outside observations of the maps and the butterfly diagram). Every kind of sample
// folder ends here, so an addition made here reaches them all.
void FinishSampleFolder(const std::filesystem::path& folder,
                        const std::vector<ObservationRecord>& records, unsigned seed);

// Creates the folder when missing and writes datax.dat with count generated records. Throws
// (with the Czech message) when the folder cannot be written or already holds a datax.dat.
void WriteSampleFolder(const std::filesystem::path& folder, int count, unsigned seed);

}  // namespace ardeno
