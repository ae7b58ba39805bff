// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/graphs/smoothed_picture.h"

namespace ardeno {

SmoothedPicture BuildSmoothedPicture(const Database& db, const RecordMonths& months,
                                     const AsymmetryTables& tables, SmoothedIndex index,
                                     AsymmetryKind kind) {
  SmoothedPicture picture;
  picture.Index = index;
  picture.Months = BuildMonthSeries(months, index);
  picture.Records = BuildRecordAsymmetry(db, index, kind);
  const std::optional<CalendarDate> first =
      db.RecordCount > 0 ? ParseDate(db.Record(1).Date()) : std::nullopt;
  if (first) {
    picture.MonthBars = AsymmetryBars(tables, index, kind, AsymmetryDiagram::Monthly, *first);
    picture.YearBars = AsymmetryBars(tables, index, kind, AsymmetryDiagram::Yearly, *first);
  }
  return picture;
}

}  // namespace ardeno
