// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/results/record_choice.h"

#include "core/reference/source_day.h"

namespace ardeno {

bool IsChosen(const ObservationRecord& record, RecordChoice choice) {
  return choice == RecordChoice::AllRecords || !IsCatalogueRecord(record);
}

}  // namespace ardeno
