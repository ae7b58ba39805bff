// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/entry/record_list_pages.h"

#include <algorithm>
#include <cstdio>

#include "core/data/database_ops.h"
#include "core/text/core_text.h"
#include "core/text/dates.h"
#include "core/text/encoding.h"
#include "core/text/shown_text.h"

namespace ardeno {
namespace {

constexpr std::size_t kLineLength = 24;
constexpr const char* kObserverGap = "  ";
constexpr std::size_t kCaptionLength = 20;
constexpr int kCaptionDateLength = 10;

}  // namespace

std::optional<std::string> ListLineText(int index, const ObservationRecord& record) {
  const std::optional<CalendarDate> date = ParseDate(record.Date());
  if (!date) return std::nullopt;
  char text[64];
  std::snprintf(text, sizeof text, "%5d     %02d %02d %04d", index, date->Day, date->Month,
                date->Year);
  std::string line = text;
  if (line.size() > kLineLength) line.resize(kLineLength);
  // The observer beside the date tells two drawings of one day apart.
  return line + kObserverGap + record.Observer();
}

int ListLinesFor(int listHeight, int itemHeight) {
  return itemHeight > 0 ? listHeight / itemHeight - 1 : 0;
}

int ClampScrollPosition(int position, int recordCount, int listLines) {
  return std::clamp(position, listLines + 1, std::max(listLines + 1, recordCount));
}

std::optional<int> LineOfWorkRecord(const Database& db, int listLines) {
  const std::string wanted = db.WorkRecord.DateRaw();
  const int last = std::min(listLines, db.RecordCount);
  for (int i = 1; i <= last; ++i) {
    if (db.Record(i).DateRaw() == wanted) return i - 1;
  }
  return std::nullopt;
}

ListFill ListRecords(Database& db, int from, int to) {
  ListFill fill;
  int i = std::max(from, 1);
  while (i <= std::min(to, db.RecordCount)) {
    if (std::optional<std::string> line = ListLineText(i, db.Record(i))) {
      fill.Lines.push_back(std::move(*line));
      fill.Last = i;
      ++i;
      continue;
    }
    if (fill.Repaired) {
      fill.Error = FillText(CoreText("RecordList", "\"%1\" není platné datum (záznam %2)"),
                            {ShownText(db.Record(i).Date()), std::to_string(i)});
      return fill;
    }
    RemoveRecord(db, i);
    --to;
    fill.Repaired = true;
  }
  return fill;
}

std::string DrawingCaption(const ObservationRecord& record) {
  return FillText(CoreText("RecordList", "Zákres    %1"),
                  {Cp1250ToUtf8(record.ShortStringRaw(0, kCaptionDateLength))});
}

std::string DrawingImageName(const ObservationRecord& record) {
  std::string name = Utf8ToCp1250("Zákres    ") + record.ShortStringRaw(0, kCaptionDateLength);
  if (name.size() > kCaptionLength) name.resize(kCaptionLength);
  return Cp1250ToUtf8(name);
}

}  // namespace ardeno
