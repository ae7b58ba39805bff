// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/data/database_ops.h"

#include <algorithm>
#include <unordered_set>

#include "core/text/core_text.h"
#include "core/text/dates.h"
#include "core/text/encoding.h"

namespace ardeno {

namespace {

constexpr std::uint16_t kDefaultTimeUT = 1200;
// The observer list keeps 200 places; a new name is taken while fewer than 199 are filled.
constexpr std::size_t kObserverNamesTaken = kObserverSlots - 1;
constexpr std::size_t kKindOffset = 86;
constexpr std::size_t kKindCapacity = 8;

// Date order compares calendar dates; a date that does not parse takes part in no comparison.
bool DateBefore(const std::optional<CalendarDate>& a, const std::optional<CalendarDate>& b) {
  return a && b && *a < *b;
}

// Collects distinct observer names as Windows-1250 bytes, in the order they are first met.
class ObserverCollector {
 public:
  void Offer(const std::string& raw) {
    if (m_seen.contains(raw) || m_names.size() >= kObserverNamesTaken) return;
    m_seen.insert(raw);
    m_names.push_back(raw);
  }
  // Only names above "?" are listed (a leading digit, blank or punctuation keeps a name out),
  // in ascending byte order, as UTF-8.
  std::vector<std::string> Listed() const {
    std::vector<std::string> listed;
    for (const auto& name : m_names)
      if (name > "?") listed.push_back(name);
    std::sort(listed.begin(), listed.end());
    for (auto& name : listed) name = Cp1250ToUtf8(name);
    return listed;
  }

 private:
  std::vector<std::string> m_names;
  std::unordered_set<std::string> m_seen;
};

}  // namespace

int SortRecords(Database& db, int follow) {
  if (db.RecordCount <= 2) return follow;
  const auto first = db.Records.begin();
  std::vector<std::optional<CalendarDate>> dates;
  dates.reserve(static_cast<std::size_t>(db.RecordCount));
  for (int i = 1; i <= db.RecordCount; ++i) dates.push_back(ParseDate(db.Record(i).Date()));
  for (std::size_t i = 1; i < dates.size(); ++i) {
    if (!DateBefore(dates[i], dates[i - 1])) continue;
    std::size_t j = 0;
    while (!DateBefore(dates[i], dates[j])) ++j;
    std::rotate(first + static_cast<std::ptrdiff_t>(j), first + static_cast<std::ptrdiff_t>(i),
                first + static_cast<std::ptrdiff_t>(i + 1));
    // Record i + 1 moved to j + 1; records j + 1..i moved up by one.
    const int moved = static_cast<int>(i) + 1;
    if (follow == moved)
      follow = static_cast<int>(j) + 1;
    else if (follow > static_cast<int>(j) && follow < moved)
      ++follow;
    std::rotate(dates.begin() + static_cast<std::ptrdiff_t>(j),
                dates.begin() + static_cast<std::ptrdiff_t>(i),
                dates.begin() + static_cast<std::ptrdiff_t>(i + 1));
  }
  return follow;
}

int FindRecordByDate(const Database& db, const std::string& dateRaw) {
  for (int i = 1; i <= db.RecordCount; ++i)
    if (db.Record(i).DateRaw() == dateRaw) return i;
  return 0;
}

void StoreWorkRecord(Database& db, int index) { db.Record(index) = db.WorkRecord; }

Refusal AppendWorkRecord(Database& db) {
  if (db.RecordCount >= db.Capacity()) return CoreText("DatabaseOps", kDatabaseFullMessage);
  ++db.RecordCount;
  StoreWorkRecord(db, db.RecordCount);
  return std::nullopt;
}

void CollectObservers(Database& db) {
  ObserverCollector collector;
  for (int i = 1; i <= db.RecordCount; ++i) {
    ObservationRecord& record = db.Record(i);
    if (record.ObserverRaw().empty()) record.SetObserver("N");
    collector.Offer(record.ObserverRaw());
  }
  db.Observers = collector.Listed();
}

void AddObserver(Database& db, const std::string& name) {
  ObserverCollector collector;
  for (const auto& listed : db.Observers) collector.Offer(Utf8ToCp1250(listed));
  // The name as a record keeps it: cut to the field's 30 characters.
  ObservationRecord asStored;
  asStored.SetObserver(name.empty() ? "N" : name);
  collector.Offer(asStored.ObserverRaw());
  db.Observers = collector.Listed();
}

void TrimAtFirstEmpty(Database& db) {
  const int last = std::min(db.RecordCount + 2, db.Capacity());
  int count = last;
  for (int i = 1; i <= last; ++i) {
    if (!db.Record(i).HasDate()) {
      count = i - 1;
      break;
    }
  }
  db.RecordCount = std::min(count, db.RecordCount);
  db.BackupCount = db.RecordCount;
  // Records read from a file stay there for the backup; others are copied.
  if (db.LoadedFile)
    db.RecordsCopy.clear();
  else
    db.RecordsCopy.assign(db.Records.begin(), db.Records.begin() + db.RecordCount);
}

int ApplyLoadRepairs(Database& db) {
  int repairs = 0;
  for (int i = 1; i <= db.RecordCount; ++i) repairs += ApplyLoadRepairs(db.Record(i));
  return repairs;
}

int ApplyLoadRepairs(ObservationRecord& record) {
  int repairs = 0;
  if (record.GroupCountRaw() > kMaxGroups) {
    record.SetGroupCount(kMaxGroups);
    ++repairs;
  }
  if (record.FacularCountRaw() > kMaxFaculae) {
    record.SetFacularCount(kMaxFaculae);
    ++repairs;
  }
  static const std::string specialRaw = Utf8ToCp1250(kSpecialKind);
  const std::string kind = record.ShortStringRaw(kKindOffset, kKindCapacity);
  if (kind > "zvl" && (kind != specialRaw || record.Bytes[kKindOffset] != specialRaw.size())) {
    record.SetKind(kSpecialKind);
    ++repairs;
  }
  if (record.ObserverRaw().empty()) {
    record.SetObserver("N");
    ++repairs;
  }
  if (record.GroupCountRaw() == 0) {
    bool zeroed = false;
    for (int k = 1; k <= kMaxGroups; ++k) {
      if (record.Angle10(k) != 0 || record.Distance10(k) != 0) {
        record.SetAngle10(k, 0);
        record.SetDistance10(k, 0);
        zeroed = true;
      }
    }
    if (zeroed) ++repairs;
  }
  if (record.TimeUT() == 0) {
    record.SetTimeUT(kDefaultTimeUT);
    ++repairs;
  }
  return repairs;
}

void RemoveRecord(Database& db, int index) {
  auto first = db.Records.begin() + (index - 1);
  std::move(first + 1, db.Records.begin() + db.RecordCount, first);
  db.Record(db.RecordCount) = ObservationRecord{};
  --db.RecordCount;
  // The current record keeps its place in the shifted array, so a later correction is stored
  // over the record the user chose and not over its neighbour.
  if (index < db.CurrentIndex) {
    --db.CurrentIndex;
  } else if (index == db.CurrentIndex) {
    // The removed record itself was current: its neighbour takes over as the shown record.
    db.CurrentIndex = std::min(db.CurrentIndex, db.RecordCount);
    if (db.HasCurrentRecord()) db.ChooseRecord(db.CurrentIndex);
  }
  db.DataChanged = true;
}

}  // namespace ardeno
