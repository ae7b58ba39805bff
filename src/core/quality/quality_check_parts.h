// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The checks behind CheckQuality, each adding its findings for the station's own drawings.
#include <vector>

#include "core/quality/quality_checks.h"

namespace ardeno {

// Which records each check looks at.
struct CheckedRecords {
  std::vector<bool> Own;       // record i at [i - 1]: an ordinary drawing of the station
  std::vector<bool> Included;  // Own, or a special record of the station (not a catalogue day)
};
CheckedRecords ClassifyRecords(const Database& db, const RecordPositions& positions);

// A finding of record i (group k, 0 for the record), dated and signed from the record.
QualityFinding MakeFinding(const Database& db, const RecordPositions& positions, int i, int k,
                           const char* code, Severity level, std::string text);

// A group stored at one of the hemisphere marker positions ("s", "j") has no measured place.
bool IsMarkerPosition(const ObservationRecord& record, int k);

void CheckSunAboveHorizon(const QualityInputs& in, const CheckedRecords& checked,
                          std::vector<QualityFinding>& out);  // Q01
void CheckGroupPlaces(const QualityInputs& in, const CheckedRecords& checked,
                      std::vector<QualityFinding>& out);  // Q02, Q03
void CheckRotationNumbers(const QualityInputs& in, const CheckedRecords& checked,
                          std::vector<QualityFinding>& out);  // Q04
void CheckGroupJumps(const QualityInputs& in, const CheckedRecords& checked,
                     std::vector<QualityFinding>& out);  // Q05
void CheckTrackNumbers(const QualityInputs& in, const CheckedRecords& checked,
                       std::vector<QualityFinding>& out);  // Q09
void CheckHemisphereSums(const QualityInputs& in, const CheckedRecords& checked,
                         std::vector<QualityFinding>& out);  // Q06
void CheckAgainstSilso(const QualityInputs& in, const CheckedRecords& checked,
                       std::vector<QualityFinding>& out);  // Q07
void CheckHeaderValues(const QualityInputs& in, const CheckedRecords& checked,
                       std::vector<QualityFinding>& out);  // Q08
void CheckRepeatedGroups(const QualityInputs& in, const CheckedRecords& checked,
                         std::vector<QualityFinding>& out);  // Q10
void CheckRatingsGiven(const QualityInputs& in, const CheckedRecords& checked,
                       std::vector<QualityFinding>& out);  // Q11

// "7:05"
std::string TimeText(std::uint16_t timeUT);
// One decimal, decimal point.
std::string Degrees(double value);

}  // namespace ardeno
