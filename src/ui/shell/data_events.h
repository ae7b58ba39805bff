// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one path by which windows learn that the data changed. Whoever changes the database
// (store, correction, merge, recompute, a measured facular area, another record chosen) calls
// the matching Notify function once, after the change is complete; every window that shows or
// caches something derived from the data connects to DataChanged and brings itself up to date
// there, never in its paint.
#include <QObject>

namespace ardeno {

enum class DataChange {
  // Records were stored, corrected, removed, merged or recomputed: counts, dates, groups and
  // results blocks may all differ.
  Records,
  // The facular area text of the current record was measured anew.
  FacularArea,
  // Another record became current (CurrentIndex and the work record); the records are as they
  // were.
  CurrentRecord,
};

// Derived statistics (indices, tables, graphs, maps) depend on the records, not on which one is
// current.
inline bool AltersRecords(DataChange change) { return change != DataChange::CurrentRecord; }

class DataEvents : public QObject {
  Q_OBJECT
 public:
  DataEvents() = default;

  void NotifyRecordsChanged() { emit DataChanged(DataChange::Records); }
  void NotifyFacularAreaChanged() { emit DataChanged(DataChange::FacularArea); }
  void NotifyRecordChosen() { emit DataChanged(DataChange::CurrentRecord); }
  void NotifyRecordChoiceChanged() { emit RecordChoiceChanged(); }

 signals:
  void DataChanged(ardeno::DataChange change);
  // "jen vlastní zákresy" was switched: the tables and graphs take other records, which are
  // themselves unchanged.
  void RecordChoiceChanged();
};

}  // namespace ardeno
