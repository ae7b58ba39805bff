// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/reports/observer_table.h"

#include <algorithm>

#include "core/results/month_walk.h"

namespace ardeno {

ObserverTable BuildObserverTable(const Database& db) {
  ObserverTable table;
  const std::vector<std::string>& names = db.Observers;
  int firstYear = 0;
  int lastYear = 0;
  for (int i = 1; i <= db.RecordCount; ++i) {
    const auto date = RecordDate(db.Record(i));
    if (!date) continue;
    if (firstYear == 0 || date->Year < firstYear) firstYear = date->Year;
    lastYear = std::max(lastYear, date->Year);
  }
  const int years = firstYear == 0 ? 0 : lastYear - firstYear + 1;
  const std::size_t others = names.size();
  std::vector<std::vector<long long>> counts(
      names.size() + 1, std::vector<long long>(static_cast<std::size_t>(years)));
  for (int i = 1; i <= db.RecordCount; ++i) {
    const auto date = RecordDate(db.Record(i));
    if (!date) continue;
    const std::string observer = db.Record(i).Observer();
    const auto found = std::find(names.begin(), names.end(), observer);
    const std::size_t row =
        found == names.end() ? others : static_cast<std::size_t>(found - names.begin());
    ++counts[row][static_cast<std::size_t>(date->Year - firstYear)];
  }
  const bool hasOthers =
      std::any_of(counts[others].begin(), counts[others].end(), [](long long c) { return c != 0; });
  std::vector<std::string> header{""};
  for (int y = 0; y < years; ++y) header.push_back(std::to_string(firstYear + y));
  header.emplace_back("Suma");
  table.Cells.push_back(header);
  std::vector<long long> yearSums(static_cast<std::size_t>(years));
  long long total = 0;
  for (std::size_t r = 0; r < counts.size(); ++r) {
    if (r == others && !hasOthers) continue;
    std::vector<std::string> row{r == others ? "Ostatní" : names[r]};
    long long rowSum = 0;
    for (int y = 0; y < years; ++y) {
      const long long c = counts[r][static_cast<std::size_t>(y)];
      row.push_back(std::to_string(c));
      rowSum += c;
      yearSums[static_cast<std::size_t>(y)] += c;
    }
    row.push_back(std::to_string(rowSum));
    total += rowSum;
    table.Cells.push_back(row);
  }
  std::vector<std::string> sums{"Suma"};
  for (long long s : yearSums) sums.push_back(std::to_string(s));
  sums.push_back(std::to_string(total));
  table.Cells.push_back(sums);
  return table;
}

std::string ObserversCsvText(const ObserverTable& table) {
  std::string text;
  for (const auto& row : table.Cells) {
    for (const std::string& cell : row) text += cell.empty() ? " ;" : cell + ";";
    text += "\r\n";
  }
  return text;
}

}  // namespace ardeno
