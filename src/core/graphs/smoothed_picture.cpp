#include "core/graphs/smoothed_picture.h"

namespace ardeno {

SmoothedPicture BuildSmoothedPicture(const Database& db, const RecordMonths& months,
                                     SmoothedIndex index, AsymmetryKind kind) {
  SmoothedPicture picture;
  picture.Index = index;
  picture.Months = BuildMonthSeries(months, index);
  picture.Records = BuildRecordAsymmetry(db, index, kind);
  return picture;
}

}  // namespace ardeno
