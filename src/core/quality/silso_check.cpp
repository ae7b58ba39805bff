// SPDX-License-Identifier: GPL-3.0-or-later
// Q07 the day's relative number against SILSO's after the observer's k-factor.
#include <cmath>
#include <map>

#include "core/quality/quality_check_parts.h"
#include "core/text/core_text.h"
#include "core/text/number_format.h"

namespace ardeno {

void CheckAgainstSilso(const QualityInputs& in, const CheckedRecords& checked,
                       std::vector<QualityFinding>& out) {
  const KFactorTable table = ComputeKFactors(in.Db, *in.Reference);
  std::map<std::string, double> kOf;
  for (const KFactorRow& row : table.Series[kWholeDisk])
    if (row.Year == kAllYears && row.K) kOf[row.Observer] = *row.K;
  for (int i = 1; i <= static_cast<int>(checked.Own.size()); ++i) {
    if (!checked.Own[static_cast<std::size_t>(i - 1)]) continue;
    const auto day = in.Reference->find(DaySerial(in.Positions.Record(i).Date));
    if (day == in.Reference->end() || !day->second.Total) continue;
    const ObservationRecord& r = in.Db.Record(i);
    const auto k = kOf.find(r.Observer());
    if (k == kOf.end()) continue;  // no day to judge the observer's scale by
    const int own = r.ResultWord(kRelativeN) + r.ResultWord(kRelativeS);
    const double scaled = own * k->second;
    const int silso = *day->second.Total;
    const bool bothCounted =
        scaled > kOutlierFloor && silso > kOutlierFloor &&
        std::max(scaled, double(silso)) > kOutlierFactor * std::min(scaled, double(silso));
    const bool oneZero =
        (own == 0 && silso > kOutlierZeroOther) || (silso == 0 && scaled > kOutlierZeroOther);
    if (!bothCounted && !oneZero) continue;
    out.push_back(MakeFinding(in.Db, in.Positions, i, 0, "Q07", Severity::Warning,
                              FillText(CoreText("Quality",
                                                "R %1 × k %2 = %3, SILSO %4; není špatně zapsán "
                                                "počet skupin nebo skvrn, nebo den?"),
                                       {std::to_string(own), FormatFixed(k->second, 0, 2),
                                        std::to_string(Round(scaled)), std::to_string(silso)})));
  }
}

}  // namespace ardeno
