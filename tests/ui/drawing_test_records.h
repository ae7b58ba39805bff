#pragma once
// Records and a database for the drawing window and record list tests.
#include <string>

#include "core/data/database.h"
#include "core/text/dates.h"
#include "ui/shell/app_context.h"
#include "ui/shell/view_settings.h"
#include "scripted_messages.h"

namespace ardeno::testing {

inline ObservationRecord DatedRecord(const CalendarDate& date) {
  ObservationRecord r;
  r.SetDate(FormatDate(date));
  r.SetTimeUT(1000);
  r.SetObserver("Novák");
  r.SetStation("Ondřejov");
  return r;
}

// A database of `count` records on consecutive days from 1.1.2000.
inline void FillDatabase(Database& db, int count) {
  db.Records.assign(static_cast<std::size_t>(count) + kExtraCapacity, ObservationRecord{});
  const std::int64_t first = DaySerial(CalendarDate{2000, 1, 1});
  for (int i = 1; i <= count; ++i) db.Record(i) = DatedRecord(DateFromSerial(first + i - 1));
  db.RecordCount = count;
  db.RecordCountAtLoad = count;
  db.CurrentIndex = count;
  if (count > 0) db.WorkRecord = db.Record(count);
}

// Everything a window needs, owned together.
struct TestApp {
  Database Db;
  ViewSettings View;
  ScriptedMessages Msg;
  ScriptedDialogs Dialogs;
  AppContext Ctx{{}, Db, View, Msg, Dialogs};
};

}  // namespace ardeno::testing
