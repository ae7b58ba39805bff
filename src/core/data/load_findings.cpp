// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/data/load_findings.h"

#include <algorithm>
#include <functional>

#include "core/text/core_text.h"
#include "core/text/dates.h"
#include "core/text/shown_text.h"

namespace ardeno {

namespace {

constexpr std::size_t kNamedRecords = 10;  // a damaged file can hold thousands of them
constexpr int kMinutesPerHour = 60;

// A date text as it can be shown: control bytes of a damaged record are escaped.
std::string ShownDate(const ObservationRecord& record) {
  return "„" + ShownText(record.Date()) + "“";
}

bool IsImpossibleTime(std::uint16_t time) {
  return time > kLastMinuteOfDay || time % 100 >= kMinutesPerHour;
}

// "Title: č. 5 (detail), č. 9 (detail) a dalších 3."
std::string DescribeRecords(const std::string& title, const std::vector<int>& indices,
                            const std::function<std::string(int)>& detail) {
  std::string line = title + ": ";
  for (std::size_t i = 0; i < indices.size() && i < kNamedRecords; ++i) {
    if (i > 0) line += ", ";
    line += FillText(CoreText("LoadFindings", "č. %1 %2"),
                     {std::to_string(indices[i]), detail(indices[i])});
  }
  if (indices.size() > kNamedRecords)
    line += FillText(CoreText("LoadFindings", " a dalších %1"),
                     {std::to_string(indices.size() - kNamedRecords)});
  return line + ".";
}

}  // namespace

namespace {

// The checks over the records `numbers` names; record(i) gives record number i.
RecordFindings FindProblems(const std::vector<int>& numbers,
                            const std::function<const ObservationRecord&(int)>& record) {
  RecordFindings found;
  for (int i : numbers) {
    const ObservationRecord& checked = record(i);
    const std::string date = checked.Date();
    if (!ParseDate(date))
      found.UnreadableDates.push_back(i);
    else if (HasShortYear(date))
      found.ShortYears.push_back(i);
    if (IsImpossibleTime(checked.TimeUT())) found.ImpossibleTimes.push_back(i);
    if (checked.GroupCountRaw() > kMaxGroups || checked.FacularCountRaw() > kMaxFaculae)
      found.ClampedCounts.push_back(i);
  }
  const auto dated = [&record](int i) { return ShownDate(record(i)); };
  if (!found.UnreadableDates.empty())
    found.Lines.push_back(DescribeRecords(CoreText("LoadFindings", "Zákresy s nečitelným datem"),
                                          found.UnreadableDates, dated));
  if (!found.ImpossibleTimes.empty())
    found.Lines.push_back(DescribeRecords(
        CoreText("LoadFindings", "Zákresy s nemožným časem (hhmm nad 2359)"), found.ImpossibleTimes,
        [&record](int i) {
          return FillText(CoreText("LoadFindings", "%1 čas %2"),
                          {ShownDate(record(i)), std::to_string(record(i).TimeUT())});
        }));
  if (!found.ShortYears.empty())
    found.Lines.push_back(DescribeRecords(
        CoreText("LoadFindings",
                 "Zákresy s neúplným letopočtem (rok se čte tak, jak je zapsán, soubor se nemění)"),
        found.ShortYears, dated));
  if (!found.ClampedCounts.empty())
    found.Lines.push_back(DescribeRecords(
        CoreText("LoadFindings", "Zákresy s více než 40 skupinami nebo fakulemi (načte se jen 40)"),
        found.ClampedCounts, [&record](int i) {
          const ObservationRecord& counted = record(i);
          return FillText(CoreText("LoadFindings", "%1 %2 skupin, %3 fakulí"),
                          {ShownDate(counted), std::to_string(counted.GroupCountRaw()),
                           std::to_string(counted.FacularCountRaw())});
        }));
  return found;
}

}  // namespace

RecordFindings FindRecordProblems(const Database& db) {
  std::vector<int> numbers;
  for (int i = 1; i <= db.RecordCount; ++i) numbers.push_back(i);
  return FindProblems(numbers, [&db](int i) -> const ObservationRecord& { return db.Record(i); });
}

RecordFindings FindRecordProblems(const std::vector<ObservationRecord>& records) {
  std::vector<int> numbers;
  for (std::size_t i = 0; i < records.size(); ++i)
    if (records[i].HasDate()) numbers.push_back(static_cast<int>(i) + 1);
  return FindProblems(numbers, [&records](int i) -> const ObservationRecord& {
    return records[static_cast<std::size_t>(i) - 1];
  });
}

std::vector<int> RecordsFound(const RecordFindings& findings) {
  std::vector<int> all;
  for (const auto* kind : {&findings.UnreadableDates, &findings.ImpossibleTimes,
                           &findings.ShortYears, &findings.ClampedCounts})
    all.insert(all.end(), kind->begin(), kind->end());
  std::sort(all.begin(), all.end());
  all.erase(std::unique(all.begin(), all.end()), all.end());
  return all;
}

}  // namespace ardeno
