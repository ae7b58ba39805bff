// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/reference/reference_series.h"

#include <cmath>
#include <cstdio>

#include "core/data/aux_file_io.h"
#include "core/data/file_error_text.h"
#include "core/data/file_replace.h"
#include "core/data/folder_files_swap.h"
#include "core/data/sidc_files.h"
#include "core/reference/catalogue_lines.h"
#include "core/text/core_text.h"
#include "core/text/path_text.h"

namespace ardeno {

namespace fs = std::filesystem;

namespace {

constexpr int kLargestDailyNumber = 999;    // the field is three characters wide
constexpr int kPentictonNoonTime = 200000;  // hhmmss of the 20 UT measurement

std::optional<CalendarDate> DateOf(std::string_view year, std::string_view month,
                                   std::string_view day) {
  const auto y = WholeField(year), m = WholeField(month), d = WholeField(day);
  if (!y || !m || !d) return std::nullopt;
  const CalendarDate date{*y, *m, *d};
  if (!IsValidDate(date)) return std::nullopt;
  return date;
}

// The date of a line within the source's years; the line is named among the problems otherwise.
std::optional<CalendarDate> Plausible(const std::optional<CalendarDate>& date,
                                      const SeriesYears& years, const std::string& sourceName,
                                      int number, std::string_view line,
                                      std::vector<std::string>& problems) {
  if (!date || years.Contains(date->Year)) return date;
  problems.push_back(
      LineProblem(sourceName, number, line,
                  FillText(CoreText("Import", "rok mimo %1–%2"),
                           {std::to_string(years.First), std::to_string(years.Last)})));
  return std::nullopt;
}

std::optional<double> Published(std::string_view field) {
  const auto value = RealField(field);
  if (!value || *value < 0) return std::nullopt;
  return value;
}

std::string Field(const std::optional<double>& value, const char* format, int width) {
  if (!value) return std::string(static_cast<std::size_t>(width), ' ');
  char text[32];
  std::snprintf(text, sizeof text, format, *value);
  return text;
}

std::string NumberField(const std::optional<double>& value) {
  if (!value) return "   ";
  char text[8];
  std::snprintf(text, sizeof text, "%3d",
                static_cast<int>(std::min<double>(std::lround(*value), kLargestDailyNumber)));
  return text;
}

// Month keys from January 1982 to the last month with a value.
template <typename LineWriter>
std::string MonthLines(const DailySeries& months, LineWriter writeLine) {
  std::string text;
  if (months.empty()) return text;
  const CalendarDate last = DateFromSerial(months.rbegin()->first);
  int lines = 0;
  // The program reads no more lines than its tables hold.
  for (CalendarDate month = kReferenceSeriesStart; month <= last && lines < kSidcSeriesMaxLines;
       ++lines) {
    const auto found = months.find(DaySerial(month));
    text += writeLine(month, found == months.end() ? SeriesValues{} : found->second);
    month = month.Month == 12 ? CalendarDate{month.Year + 1, 1, 1}
                              : CalendarDate{month.Year, month.Month + 1, 1};
  }
  return text;
}

std::optional<std::string> ReadSource(const fs::path& sources, const char* folder, const char* name,
                                      std::vector<std::string>& problems) {
  for (const fs::path& file : {sources / name, sources / folder / name}) {
    try {
      if (auto content = ReadAuxFile(file, PathUtf8(file))) return std::move(content->Bytes);
    } catch (const AuxFileError& error) {
      problems.push_back(error.what());
      return std::nullopt;
    }
  }
  problems.push_back(FillText(CoreText("Import", "Soubor %1 není ve složce %2 ani v %3."),
                              {name, PathUtf8(sources), PathUtf8(sources / folder)}));
  return std::nullopt;
}

}  // namespace

SeriesReading ReadSilsoDaily(std::string_view text, const std::string& sourceName,
                             const SeriesYears& years) {
  SeriesReading reading;
  for (const auto& [number, line] : NonEmptyLines(text)) {
    const auto fields = Separated(line, ';');
    const bool hemispheres = fields.size() >= 7 && fields.size() != 8;
    const auto date = fields.size() >= 5 ? DateOf(fields[0], fields[1], fields[2]) : std::nullopt;
    const auto total = fields.size() >= 5 ? WholeField(fields[4]) : std::nullopt;
    if (!date || !total) {
      reading.Problems.push_back(
          LineProblem(sourceName, number, line, CoreText("Import", "datum nebo číslo")));
      continue;
    }
    if (!Plausible(date, years, sourceName, number, line, reading.Problems)) continue;
    SeriesValues values{Published(fields[4])};
    if (hemispheres) {
      values[1] = Published(fields[5]);
      values[2] = Published(fields[6]);
    }
    reading.Days[DaySerial(*date)] = values;
  }
  return reading;
}

SeriesReading ReadDailyAreas(std::string_view text, const std::string& sourceName,
                             const SeriesYears& years) {
  SeriesReading reading;
  std::int64_t lastNonZero = 0;
  for (const auto& [number, line] : NonEmptyLines(text)) {
    const auto fields = BlankSeparated(line);
    if (!fields.empty() && fields[0] == "YYYY") continue;
    const auto date = fields.size() == 6 ? DateOf(fields[0], fields[1], fields[2]) : std::nullopt;
    if (!date || !RealField(fields[3]) || !RealField(fields[4]) || !RealField(fields[5])) {
      reading.Problems.push_back(
          LineProblem(sourceName, number, line, CoreText("Import", "datum nebo plocha")));
      continue;
    }
    if (!Plausible(date, years, sourceName, number, line, reading.Problems)) continue;
    const SeriesValues values{Published(fields[3]), Published(fields[4]), Published(fields[5])};
    if (values[0].value_or(0) > 0) lastNonZero = DaySerial(*date);
    reading.Days[DaySerial(*date)] = values;
  }
  reading.Days.erase(reading.Days.upper_bound(lastNonZero), reading.Days.end());
  return reading;
}

SeriesReading ReadPentictonFlux(std::string_view text, const std::string& sourceName,
                                const SeriesYears& years) {
  SeriesReading reading;
  struct DaySums {
    std::array<double, 3> Sum{};
    int Count = 0;
    std::optional<std::array<double, 3>> AtNoon;
  };
  std::map<std::int64_t, DaySums> sums;
  for (const auto& [number, line] : NonEmptyLines(text)) {
    const auto fields = BlankSeparated(line);
    if (!fields.empty() && (fields[0] == "fluxdate" || fields[0].starts_with("---"))) continue;
    const auto date =
        fields.size() >= 7 && fields[0].size() == 8
            ? DateOf(fields[0].substr(0, 4), fields[0].substr(4, 2), fields[0].substr(6, 2))
            : std::nullopt;
    const auto time = fields.size() >= 7 ? WholeField(fields[1]) : std::nullopt;
    const auto observed = fields.size() >= 7 ? Published(fields[4]) : std::nullopt;
    const auto adjusted = fields.size() >= 7 ? Published(fields[5]) : std::nullopt;
    const auto ursi = fields.size() >= 7 ? Published(fields[6]) : std::nullopt;
    if (!date || !time || !observed || !adjusted || !ursi) {
      reading.Problems.push_back(
          LineProblem(sourceName, number, line, CoreText("Import", "datum, čas nebo tok")));
      continue;
    }
    if (!Plausible(date, years, sourceName, number, line, reading.Problems)) continue;
    DaySums& day = sums[DaySerial(*date)];
    const std::array<double, 3> values{*observed, *adjusted, *ursi};
    for (std::size_t i = 0; i < 3; ++i) day.Sum[i] += values[i];
    ++day.Count;
    if (*time == kPentictonNoonTime) day.AtNoon = values;
  }
  for (const auto& [serial, day] : sums) {
    SeriesValues values;
    for (std::size_t i = 0; i < 3; ++i)
      values[i] = day.AtNoon ? (*day.AtNoon)[i] : day.Sum[i] / day.Count;
    reading.Days[serial] = values;
  }
  return reading;
}

DailySeries MergeSunspotNumbers(const DailySeries& totals, const DailySeries& hemispheres) {
  DailySeries merged = totals;
  for (const auto& [serial, values] : hemispheres) {
    SeriesValues& day = merged[serial];
    if (!day[0]) day[0] = values[0];
    day[1] = values[1];
    day[2] = values[2];
  }
  return merged;
}

DailySeries MonthlyMeans(const DailySeries& days) {
  std::map<std::int64_t, std::array<std::pair<double, int>, 3>> sums;
  for (const auto& [serial, values] : days) {
    const CalendarDate date = DateFromSerial(serial);
    auto& month = sums[DaySerial({date.Year, date.Month, 1})];
    for (std::size_t i = 0; i < 3; ++i) {
      if (!values[i]) continue;
      month[i].first += *values[i];
      ++month[i].second;
    }
  }
  DailySeries means;
  for (const auto& [serial, month] : sums) {
    SeriesValues values;
    for (std::size_t i = 0; i < 3; ++i)
      if (month[i].second > 0) values[i] = month[i].first / month[i].second;
    if (values[0] || values[1] || values[2]) means[serial] = values;
  }
  return means;
}

std::string SidcYearFileText(int year, const DailySeries& numbers) {
  std::string text;
  const int days = IsLeapYear(year) ? 366 : 365;
  const std::int64_t first = DaySerial({year, 1, 1});
  for (int d = 0; d < days; ++d) {
    const CalendarDate date = DateFromSerial(first + d);
    const auto found = numbers.find(first + d);
    const SeriesValues values = found == numbers.end() ? SeriesValues{} : found->second;
    char head[24];
    std::snprintf(head, sizeof head, "%4d %02d %02d %8.3f", date.Year, date.Month, date.Day,
                  year + (d + 0.5) / days);
    text += std::string(head) + NumberField(values[0]) + " " + NumberField(values[1]) + " " +
            NumberField(values[2]) + "\r\n";
  }
  return text;
}

std::string SidcAreasText(const DailySeries& monthlyAreas) {
  return MonthLines(monthlyAreas, [](const CalendarDate& month, const SeriesValues& v) {
    char head[12];
    std::snprintf(head, sizeof head, "%4d %02d ", month.Year, month.Month);
    return std::string(head) + Field(v[0], "%7.1f", 7) + Field(v[1], "%7.1f", 7) +
           Field(v[2], "%7.1f", 7) + "\r\n";
  });
}

std::string RadioFluxText(const DailySeries& monthlyFlux) {
  return MonthLines(monthlyFlux, [](const CalendarDate& month, const SeriesValues& v) {
    char head[20];
    std::snprintf(head, sizeof head, "%4d %02d        ", month.Year, month.Month);
    return std::string(head) + Field(v[0], "%6.1f", 6) + "    " + Field(v[1], "%6.1f", 6) +
           "     " + Field(v[2], "%6.1f", 6) + " \r\n";
  });
}

namespace {

std::string NoDailyNumbersMessage(bool totals, bool hemispheres) {
  if (totals && hemispheres)
    return FillText(CoreText("Import",
                             "Ze zdrojů %1 a %2 se nepřečetla žádná hodnota, proto se žádný soubor "
                             "dssn<rok>.dat nezapsal a původní soubor zůstal beze změny."),
                    {"SN_d_tot_V2.0.csv", "SN_d_hem_V2.0.csv"});
  return FillText(CoreText("Import",
                           "Ze zdroje %1 se nepřečetla žádná hodnota, proto se žádný soubor "
                           "dssn<rok>.dat nezapsal a původní soubor zůstal beze změny."),
                  {totals ? "SN_d_tot_V2.0.csv" : "SN_d_hem_V2.0.csv"});
}

std::string NoMonthlyValuesMessage(const char* source, const char* written) {
  return FillText(CoreText("Import",
                           "Ze zdroje %1 se nepřečetla žádná hodnota, proto se soubor %2 nezapsal "
                           "a původní soubor zůstal beze změny."),
                  {source, written});
}

}  // namespace

ReferenceImport ImportReferenceSeries(const fs::path& folder, const fs::path& sources,
                                      const CalendarDate& today) {
  ReferenceImport result;
  auto& problems = result.Problems;
  std::vector<std::pair<std::string, std::string>> files;  // name under SIDC/, text
  const auto years = [&](int first) { return SeriesYears{first, today.Year}; };

  const auto totals = ReadSource(sources, "silso", "SN_d_tot_V2.0.csv", problems);
  const auto hemispheres = ReadSource(sources, "silso", "SN_d_hem_V2.0.csv", problems);
  if (totals || hemispheres) {
    SeriesReading tot = totals
                            ? ReadSilsoDaily(*totals, "SN_d_tot_V2.0.csv", years(kSilsoFirstYear))
                            : SeriesReading{};
    SeriesReading hem =
        hemispheres ? ReadSilsoDaily(*hemispheres, "SN_d_hem_V2.0.csv", years(kSilsoFirstYear))
                    : SeriesReading{};
    problems.insert(problems.end(), tot.Problems.begin(), tot.Problems.end());
    problems.insert(problems.end(), hem.Problems.begin(), hem.Problems.end());
    const DailySeries numbers = MergeSunspotNumbers(tot.Days, hem.Days);
    int lastYear = 0;
    for (const auto& [serial, values] : numbers)
      if (values[0]) lastYear = DateFromSerial(serial).Year;
    for (int year = kReferenceSeriesStart.Year; year <= lastYear; ++year)
      files.emplace_back("dssn" + std::to_string(year) + ".dat", SidcYearFileText(year, numbers));
    if (lastYear == 0)
      result.EmptySources.push_back(
          NoDailyNumbersMessage(totals.has_value(), hemispheres.has_value()));
  }
  if (const auto areas = ReadSource(sources, "sunspot-areas", "daily_area.txt", problems)) {
    SeriesReading reading = ReadDailyAreas(*areas, "daily_area.txt", years(kAreasFirstYear));
    problems.insert(problems.end(), reading.Problems.begin(), reading.Problems.end());
    const std::string text = SidcAreasText(MonthlyMeans(reading.Days));
    if (text.empty())
      result.EmptySources.push_back(NoMonthlyValuesMessage("daily_area.txt", "Plochy.txt"));
    else
      files.emplace_back("Plochy.txt", text);
  }
  if (const auto flux = ReadSource(sources, "penticton-f107", "fluxtable.txt", problems)) {
    SeriesReading reading = ReadPentictonFlux(*flux, "fluxtable.txt", years(kPentictonFirstYear));
    problems.insert(problems.end(), reading.Problems.begin(), reading.Problems.end());
    const std::string text = RadioFluxText(MonthlyMeans(reading.Days));
    if (text.empty())
      result.EmptySources.push_back(NoMonthlyValuesMessage("fluxtable.txt", "tok-10cm.txt"));
    else
      files.emplace_back("tok-10cm.txt", text);
  }
  if (files.empty()) return result;

  std::error_code error;
  if (!fs::is_directory(folder, error)) {
    result.Error =
        FillText(CoreText("Import", "Složka %1 neexistuje; nic se nezapsalo."), {PathUtf8(folder)});
    return result;
  }
  const fs::path sidc = folder / kSidcFolder;
  if (const std::error_code failure = CreateFolders(sidc)) {
    result.Error = FillText(CoreText("Import", "Složku %1 nelze vytvořit: %2."),
                            {PathUtf8(sidc), FileErrorText(failure)});
    return result;
  }
  std::vector<NamedContent> contents;
  for (const auto& [name, text] : files) contents.push_back({name, text});
  if (const auto failure = ReplaceFolderFiles(sidc, contents)) {
    result.Error =
        FillText(CoreText("Import", "Soubor %1 nelze zapsat: %2. Žádný ze souborů se nezměnil."),
                 {std::string(kSidcFolder) + "/" +
                      (failure->Name.empty() ? std::string(kStagingFolderName) : failure->Name),
                  FileErrorText(failure->Error)});
    return result;
  }
  for (const auto& [name, text] : files)
    result.Written.push_back(std::string(kSidcFolder) + "/" + name);
  return result;
}

}  // namespace ardeno
