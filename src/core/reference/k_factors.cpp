// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/reference/k_factors.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <set>
#include <span>

#include "core/data/aux_file_io.h"
#include "core/data/record_fields.h"
#include "core/data/sidc_files.h"
#include "core/text/dates.h"
#include "core/text/number_format.h"
#include "core/text/path_text.h"

namespace ardeno {

namespace fs = std::filesystem;

namespace {

// Drift is watched as stations are monitored against the network: a two-sided CUSUM of the
// daily log-ratio ln(reference / own) around the observer's starting level. Only days of some
// activity take part: at a quiet Sun one small group seen or missed swings the ratio by half.
constexpr int kDriftMinimumReference = 30;
// The reference level: the median log-ratio of the first days that take part.
constexpr std::size_t kDriftBaselineDays = 60;
// The unit of the sums: the daily scatter, from the median of successive differences (blind to a
// slow drift), never below 5 %.
constexpr double kDriftMinimumScale = 0.05;
constexpr double kMadToSigma = 1.4826;
// A day's deviation counts only beyond the allowance, ln 1.15: a scale that has moved by more
// than 15 % is marked once the excess adds up, daily scatter around a steady scale almost never.
constexpr double kDriftAllowance = 0.13976194237515863;
constexpr double kDriftClipScales = 3;  // one wild day adds at most this beyond the allowance
constexpr double kDriftThresholdScales = 5;

// A blank field, or the centre's -1 for a day not yet published, is a day without a number.
std::optional<int> YearFileField(std::string_view field) {
  if (field.find_first_not_of(' ') == std::string_view::npos ||
      field.find('-') != std::string_view::npos)
    return std::nullopt;
  return SidcFieldValue(field);
}

struct DayValue {
  std::int64_t Day;
  int Year;
  double Own;
  double Reference;
};

std::optional<double> Correlation(std::span<const DayValue> days) {
  if (days.size() < 3) return std::nullopt;
  double mx = 0, my = 0;
  for (const auto& d : days) {
    mx += d.Own;
    my += d.Reference;
  }
  mx /= static_cast<double>(days.size());
  my /= static_cast<double>(days.size());
  double sxy = 0, sxx = 0, syy = 0;
  for (const auto& d : days) {
    sxy += (d.Own - mx) * (d.Reference - my);
    sxx += (d.Own - mx) * (d.Own - mx);
    syy += (d.Reference - my) * (d.Reference - my);
  }
  if (sxx <= 0 || syy <= 0) return std::nullopt;
  return sxy / std::sqrt(sxx * syy);
}

KFactorRow RowOf(const std::string& observer, int year, std::span<const DayValue> days) {
  KFactorRow row;
  row.Observer = observer;
  row.Year = year;
  row.SharedDays = static_cast<int>(days.size());
  std::vector<double> ratios;
  for (const auto& d : days)
    if (d.Own > 0 && d.Reference > 0) ratios.push_back(d.Reference / d.Own);
  row.UsedDays = static_cast<int>(ratios.size());
  if (!ratios.empty()) {
    row.K = QuantileInPlace(ratios, 0.5);
    row.Spread = QuantileInPlace(ratios, 0.75) - QuantileInPlace(ratios, 0.25);
  }
  row.Correlation = Correlation(days);
  return row;
}

double Median(std::vector<double> values) { return Quantile(std::move(values), 0.5); }

// Years (of the observer's days, in date order) at whose last day that takes part either CUSUM
// is above the threshold; nothing without enough days for a reference level.
std::set<int> DriftingYears(const std::vector<DayValue>& given) {
  const auto byDay = [](const DayValue& a, const DayValue& b) { return a.Day < b.Day; };
  // The database is kept in date order, so the days mostly come sorted already and need no copy.
  std::vector<DayValue> sorted;
  const bool inOrder = std::is_sorted(given.begin(), given.end(), byDay);
  if (!inOrder) {
    sorted = given;
    std::sort(sorted.begin(), sorted.end(), byDay);
  }
  const std::vector<DayValue>& days = inOrder ? given : sorted;
  std::vector<const DayValue*> active;
  std::vector<double> ratios;
  for (const DayValue& d : days) {
    if (d.Own <= 0 || d.Reference < kDriftMinimumReference) continue;
    active.push_back(&d);
    ratios.push_back(std::log(d.Reference / d.Own));
  }
  std::set<int> drifting;
  if (ratios.size() <= kDriftBaselineDays) return drifting;
  const double start = Median({ratios.begin(), ratios.begin() + kDriftBaselineDays});
  std::vector<double> steps;
  for (std::size_t i = 1; i < ratios.size(); ++i)
    steps.push_back(std::fabs(ratios[i] - ratios[i - 1]));
  const double scale = std::max(kDriftMinimumScale, kMadToSigma * Median(steps) / std::sqrt(2.0));
  double up = 0;
  double down = 0;
  for (std::size_t i = 0; i < ratios.size(); ++i) {
    const double clip = kDriftAllowance + kDriftClipScales * scale;
    const double deviation = std::clamp(ratios[i] - start, -clip, clip);
    up = std::max(0.0, up + deviation - kDriftAllowance);
    down = std::max(0.0, down - deviation - kDriftAllowance);
    const bool yearEnds = i + 1 == ratios.size() || active[i + 1]->Year != active[i]->Year;
    if (yearEnds && std::max(up, down) > kDriftThresholdScales * scale)
      drifting.insert(active[i]->Year);
  }
  return drifting;
}

std::vector<KFactorRow> SeriesRows(const std::map<std::string, std::vector<DayValue>>& byObserver) {
  std::vector<KFactorRow> rows;
  for (const auto& [observer, days] : byObserver) {
    rows.push_back(RowOf(observer, kAllYears, days));
    const std::set<int> drifting = DriftingYears(days);
    // Each year's days side by side: as given when in year order (the usual case), else a copy
    // ordered by year.
    const auto byYear = [](const DayValue& a, const DayValue& b) { return a.Year < b.Year; };
    std::vector<DayValue> sorted;
    const bool inOrder = std::is_sorted(days.begin(), days.end(), byYear);
    if (!inOrder) {
      sorted = days;
      std::stable_sort(sorted.begin(), sorted.end(), byYear);
    }
    const std::span<const DayValue> all = inOrder ? std::span(days) : std::span(sorted);
    for (std::size_t first = 0; first < all.size();) {
      std::size_t end = first;
      while (end < all.size() && all[end].Year == all[first].Year) ++end;
      KFactorRow row = RowOf(observer, all[first].Year, all.subspan(first, end - first));
      row.FewDays = row.UsedDays < kKFactorMinimumDays;
      row.Drift = !row.FewDays && drifting.count(all[first].Year) > 0;
      rows.push_back(row);
      first = end;
    }
  }
  return rows;
}

// Padded to `width` characters, counting UTF-8 characters rather than bytes (Czech names).
std::string PadRight(const std::string& text, std::size_t width) {
  std::string out;
  std::size_t characters = 0;
  for (const char c : text) {
    const bool starts = (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    if (starts && characters == width) break;
    characters += starts;
    out += c;
  }
  return out + std::string(width - characters, ' ');
}

std::size_t CharacterCount(const std::string& text) {
  std::size_t characters = 0;
  for (const char c : text) characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return characters;
}

std::string PadLeft(const std::string& text, std::size_t width) {
  const std::size_t characters = CharacterCount(text);
  return std::string(characters < width ? width - characters : 1, ' ') + text;
}

}  // namespace

void AddReferenceYear(std::string_view bytes, int year, ReferenceNumbers& numbers) {
  const std::vector<std::string_view> lines = SidcYearFileLines(bytes);
  const int days = std::min(IsLeapYear(year) ? 366 : 365, static_cast<int>(lines.size()));
  const bool threeValues = SidcYearValuesPerDay(bytes) == 3;
  const std::int64_t first = DaySerial({year, 1, 1});
  for (int d = 0; d < days; ++d) {
    const std::string_view line = lines[static_cast<std::size_t>(d)];
    ReferenceDay day;
    day.Total = YearFileField(SidcYearField(line, 0));
    if (threeValues) {
      day.North = YearFileField(SidcYearField(line, 1));
      day.South = YearFileField(SidcYearField(line, 2));
    }
    if (day.Total || day.North || day.South) numbers[first + d] = day;
  }
}

ReferenceNumbers ReadReferenceNumbers(const fs::path& progDir, std::vector<std::string>& messages) {
  ReferenceNumbers numbers;
  std::error_code error;
  std::set<int> years;
  for (fs::directory_iterator it(progDir / kSidcFolder, error), end; !error && it != end;
       it.increment(error)) {
    const std::string name = PathUtf8(it->path().filename());
    if (name.size() == 12 && name.starts_with("dssn") && name.ends_with(".dat"))
      if (const int year = SidcYearFromName(name); year > 0) years.insert(year);
  }
  for (const int year : years) {
    const std::string name = "dssn" + std::to_string(year) + ".dat";
    try {
      const std::string shownName = std::string(kSidcFolder) + "/" + name;
      const auto content = ReadAuxFile(progDir / kSidcFolder / name, shownName);
      if (!content) continue;
      // A damaged year would compare the observers with numbers nobody published.
      if (const auto problem = SidcYearProblem(content->Bytes, year, shownName))
        messages.push_back(*problem);
      else
        AddReferenceYear(content->Bytes, year, numbers);
    } catch (const AuxFileError& failure) {
      messages.emplace_back(failure.what());
    }
  }
  return numbers;
}

double Quantile(std::vector<double> values, double q) { return QuantileInPlace(values, q); }

double QuantileInPlace(std::vector<double>& values, double q) {
  if (values.empty()) return 0;
  const double position = q * static_cast<double>(values.size() - 1);
  const auto below = static_cast<std::size_t>(std::floor(position));
  const std::size_t above = std::min(below + 1, values.size() - 1);
  // The two ordered values around the position, without sorting the whole series.
  const auto at = values.begin() + static_cast<std::ptrdiff_t>(below);
  std::nth_element(values.begin(), at, values.end());
  const double low = *at;
  const double high = above == below ? low : *std::min_element(at + 1, values.end());
  return low + (position - static_cast<double>(below)) * (high - low);
}

KFactorTable ComputeKFactors(const Database& db, const ReferenceNumbers& reference) {
  std::array<std::map<std::string, std::vector<DayValue>>, 3> byObserver;
  // Per observer: the days already given, and the series rows filled so far.
  struct ObserverDays {
    std::string Name;
    std::vector<std::int64_t> Days;  // in the order given: date order but for a rare slip

    // Whether the day is new for the observer (one drawing a day counts); records in date order
    // find a repeated day at the end.
    bool TakesDay(std::int64_t day) {
      const bool seen =
          !Days.empty() &&
          (Days.back() == day ||
           (day < Days.back() && std::find(Days.begin(), Days.end(), day) != Days.end()));
      if (!seen) Days.push_back(day);
      return !seen;
    }
    std::array<std::vector<DayValue>*, 3> Series{};
  };
  std::map<std::string, ObserverDays> byName;
  // The name's stored bytes, compared in place for every record and converted once per observer
  // (a station has a few observers: a short list beats hashing a copy of the name).
  std::vector<std::pair<std::string, ObserverDays*>> byStoredName;
  // The records come in date order: the reference is walked alongside them instead of searched.
  auto next = reference.begin();
  std::int64_t previousDay = std::numeric_limits<std::int64_t>::min();
  for (int i = 1; i <= db.RecordCount; ++i) {
    const ObservationRecord& record = db.Record(i);
    if (record.IsSpecial()) continue;
    const auto date = RecordDate(record);
    if (!date) continue;
    const std::int64_t day = DaySerial(*date);
    if (day < previousDay) next = reference.lower_bound(day);
    previousDay = day;
    while (next != reference.end() && next->first < day) ++next;
    if (next == reference.end() || next->first != day) continue;
    const auto found = next;
    const std::string_view storedName = record.ObserverBytes();
    auto stored = std::find_if(byStoredName.begin(), byStoredName.end(),
                               [&](const auto& known) { return known.first == storedName; });
    if (stored == byStoredName.end()) {
      const std::string name = record.Observer();
      byStoredName.emplace_back(
          std::string(storedName),
          &byName.try_emplace(name, ObserverDays{name, {}, {}}).first->second);
      stored = byStoredName.end() - 1;
    }
    ObserverDays& observer = *stored->second;
    if (!observer.TakesDay(day)) continue;
    auto add = [&](KFactorSeries series, double own, int value) {
      auto& rows = observer.Series[series];
      if (rows == nullptr) rows = &byObserver[series][observer.Name];
      rows->push_back({day, date->Year, own, double(value)});
    };
    const double north = record.ResultWord(kRelativeN);
    const double south = record.ResultWord(kRelativeS);
    const ReferenceDay& ref = found->second;
    if (ref.Total) add(kWholeDisk, north + south, *ref.Total);
    if (ref.North) add(kNorth, north, *ref.North);
    if (ref.South) add(kSouth, south, *ref.South);
  }
  KFactorTable table;
  for (std::size_t s = 0; s < 3; ++s) table.Series[s] = SeriesRows(byObserver[s]);
  return table;
}

std::string KFactorHeading(std::size_t column) {
  return CoreText("KFactors", kKFactorHeadings[column]);
}

std::array<std::string, 8> KFactorCells(const KFactorRow& row) {
  const auto decimals = [](const std::optional<double>& value) {
    return value ? FormatFixed(*value, 0, 3) : std::string("-");
  };
  return {row.Observer,
          row.Year == kAllYears ? CoreText("KFactors", "vše") : std::to_string(row.Year),
          std::to_string(row.SharedDays),
          std::to_string(row.UsedDays),
          decimals(row.K),
          decimals(row.Spread),
          decimals(row.Correlation),
          row.Drift ? KFactorHeading(7) : ""};
}

std::vector<std::string> KFactorLines(const std::vector<KFactorRow>& rows) {
  // Widths in characters; the observer and year columns are left-aligned, the numbers right.
  constexpr std::array<std::size_t, 8> kWidths = {30, 5, 5, 5, 9, 9, 9, 7};
  const auto line = [&](const std::array<std::string, 8>& cells) {
    std::string text = PadRight(cells[0], kWidths[0]) + "  " + PadRight(cells[1], kWidths[1]);
    for (std::size_t c = 2; c < cells.size(); ++c) text += PadLeft(cells[c], kWidths[c]);
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
  };
  std::array<std::string, 8> headings;
  for (std::size_t c = 0; c < headings.size(); ++c) headings[c] = KFactorHeading(c);
  headings[7] = "";
  std::vector<std::string> lines{line(headings)};
  for (const KFactorRow& row : rows) lines.push_back(line(KFactorCells(row)));
  return lines;
}

}  // namespace ardeno
