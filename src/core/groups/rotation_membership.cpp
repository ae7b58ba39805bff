#include "core/groups/rotation_membership.h"

#include <algorithm>

namespace ardeno {

bool GroupBelongsToRotation(double longitude, double l0, int recordRotation, int rotation) {
  const bool seenEarly = longitude > 270 && recordRotation + 1 == rotation && l0 < 90;
  const bool westHalf = longitude > 180 && recordRotation == rotation && l0 > 90;
  const bool eastHalf = longitude < 180 && l0 < 270 && recordRotation == rotation;
  const bool seenLate = longitude < 90 && recordRotation - 1 == rotation && l0 > 270;
  return ((seenEarly != westHalf) != eastHalf) != seenLate;
}

RecordWindow RotationRecordWindow(const Database& db, int rotation) {
  for (int i = 1; i <= db.RecordCount; ++i) {
    if (db.Record(i).Rotation() == rotation) return RotationRecordWindow(db, rotation, i);
  }
  return {};
}

RecordWindow RotationRecordWindow(const Database& db, int rotation, int first) {
  RecordWindow window;
  if (first == 0) return window;
  int start = first - std::min(first - 1, 7);
  while (start < first) {
    const ObservationRecord& r = db.Record(start);
    if (r.Rotation() == rotation || (r.Rotation() == rotation - 1 && r.CentralL0() < 90)) break;
    ++start;
  }
  int end = db.RecordCount;
  for (int i = start; i <= db.RecordCount; ++i) {
    const ObservationRecord& r = db.Record(i);
    if ((r.Rotation() == rotation + 1 && r.CentralL0() > 270) || r.Rotation() > rotation + 1) {
      end = std::min(i + 7, db.RecordCount);
      break;
    }
  }
  window.First = start;
  window.Last = end;
  return window;
}

}  // namespace ardeno
