#include "core/data/load_findings.h"

#include <functional>

#include "core/text/dates.h"

namespace ardeno {

namespace {

constexpr std::size_t kNamedRecords = 10;  // a damaged file can hold thousands of them
constexpr int kMinutesPerHour = 60;

// A date text as it can be shown: control bytes of a damaged record become "?".
std::string ShownDate(const ObservationRecord& record) {
  std::string text = record.Date();
  for (char& c : text)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
  return "„" + text + "“";
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
    line += "č. " + std::to_string(indices[i]) + " " + detail(indices[i]);
  }
  if (indices.size() > kNamedRecords)
    line += " a dalších " + std::to_string(indices.size() - kNamedRecords);
  return line + ".";
}

}  // namespace

RecordFindings FindRecordProblems(const Database& db) {
  RecordFindings found;
  for (int i = 1; i <= db.RecordCount; ++i) {
    const ObservationRecord& record = db.Record(i);
    const std::string date = record.Date();
    if (!ParseDate(date))
      found.UnreadableDates.push_back(i);
    else if (HasShortYear(date))
      found.ShortYears.push_back(i);
    if (IsImpossibleTime(record.TimeUT())) found.ImpossibleTimes.push_back(i);
    if (record.GroupCountRaw() > kMaxGroups || record.FacularCountRaw() > kMaxFaculae)
      found.ClampedCounts.push_back(i);
  }
  const auto dated = [&db](int i) { return ShownDate(db.Record(i)); };
  if (!found.UnreadableDates.empty())
    found.Lines.push_back(
        DescribeRecords("Zákresy s nečitelným datem", found.UnreadableDates, dated));
  if (!found.ImpossibleTimes.empty())
    found.Lines.push_back(DescribeRecords(
        "Zákresy s nemožným časem (hhmm nad 2359)", found.ImpossibleTimes, [&db](int i) {
          return ShownDate(db.Record(i)) + " čas " + std::to_string(db.Record(i).TimeUT());
        }));
  if (!found.ShortYears.empty())
    found.Lines.push_back(DescribeRecords(
        "Zákresy s neúplným letopočtem (rok se čte tak, jak je zapsán, soubor se nemění)",
        found.ShortYears, dated));
  if (!found.ClampedCounts.empty())
    found.Lines.push_back(
        DescribeRecords("Zákresy s více než 40 skupinami nebo fakulemi (načte se jen 40)",
                        found.ClampedCounts, [&db](int i) {
                          const ObservationRecord& record = db.Record(i);
                          return ShownDate(record) + " " + std::to_string(record.GroupCountRaw()) +
                                 " skupin, " + std::to_string(record.FacularCountRaw()) + " fakulí";
                        }));
  return found;
}

}  // namespace ardeno
