// SPDX-License-Identifier: GPL-3.0-or-later
#include "sample/sample_database.h"

#include <array>
#include <cmath>
#include <stdexcept>
#include <string>

#include "core/data/data_file.h"
#include "core/data/file_error_text.h"
#include "core/data/file_replace.h"
#include "core/data/record_file.h"
#include "core/text/core_text.h"
#include "sample/sample_drawing.h"
#include "sample/sample_random.h"
#include "sample/sample_sun.h"
#include "sample/sample_underlays.h"

namespace ardeno {

namespace {

constexpr double kClearDayShare = 0.72;     // days the weather allows a drawing
constexpr double kSpecialDayShare = 0.015;  // spotted days that also get a special record
// A sample folder ends with the last days of 2024.
constexpr CalendarDate kSampleEnd{2024, 12, 31};

constexpr std::array<const char*, 7> kObservers = {
    "Novák Jan",     "Dvořáková Eva",    "Černý Petr",  "Šťastná Jiřina",
    "Růžička Tomáš", "Kučerová Ludmila", "Hájek Zdeněk"};
constexpr std::array<const char*, 3> kStations = {"Ondřejov", "Úpice", "Žďár nad Sázavou"};
constexpr const char* kSpecialReporter = "Žáček Ondřej";

// The station's regular observer draws most days; the others stand in.
DrawingMarks ChooseMarks(SampleRandom& random) {
  DrawingMarks marks;
  const int observer = random.Chance(0.55) ? 0 : random.Int(1, int(kObservers.size()) - 1);
  marks.Observer = kObservers[static_cast<std::size_t>(observer)];
  marks.Station = kStations[random.Chance(0.85) ? 0 : static_cast<std::size_t>(random.Int(1, 2))];
  marks.TimeUT = static_cast<std::uint16_t>(random.Int(6, 15) * 100 + random.Int(0, 59));
  return marks;
}

}  // namespace

std::vector<ObservationRecord> GenerateSampleRecords(int count, unsigned seed, CalendarDate first) {
  std::vector<ObservationRecord> records;
  if (count <= 0) return records;
  records.reserve(static_cast<std::size_t>(count));
  SampleRandom weather(seed);
  SampleRandom marks(seed + 1);
  SampleRandom drawing(seed + 2);
  SampleSun sun(seed + 3);
  RotationGroupNumbers numbers;
  for (std::int64_t day = DaySerial(first); static_cast<int>(records.size()) < count; ++day) {
    if (!weather.Chance(kClearDayShare)) continue;
    sun.AdvanceTo(day);
    const CalendarDate date = DateFromSerial(day);
    records.push_back(DrawSun(sun, date, ChooseMarks(marks), numbers, drawing));
    const ObservationRecord& ordinary = records.back();
    if (ordinary.GroupCount() > 0 && static_cast<int>(records.size()) < count &&
        weather.Chance(kSpecialDayShare)) {
      records.push_back(SpecialDrawing(ordinary, kSpecialReporter, weather.Chance(0.5)));
    }
  }
  return records;
}

Database GenerateSampleDatabase(int count, unsigned seed) {
  Database db;
  db.Records = GenerateSampleRecords(count, seed, CalendarDate{1970, 1, 1});
  db.Records.resize(static_cast<std::size_t>(count + kExtraCapacity));
  db.RecordCount = db.RecordCountAtLoad = db.CurrentIndex = count;
  if (count > 0) db.WorkRecord = db.Record(count);
  return db;
}

void PrepareSampleFolder(const std::filesystem::path& folder) {
  namespace fs = std::filesystem;
  std::error_code error;
  fs::create_directories(folder, error);
  if (error)
    throw std::runtime_error(FillText(CoreText("ardeno-sample", "Složku %1 nelze vytvořit: %2"),
                                      {folder.string(), FileErrorText(error)}));
  // A folder that already holds a database is somebody's data: never write over it.
  const fs::file_status data = fs::symlink_status(folder / kDataFileName, error);
  if (fs::exists(data) || (error && data.type() != fs::file_type::not_found))
    throw std::runtime_error(
        FillText(CoreText("ardeno-sample",
                          "Ve složce %1 už je soubor datax.dat; ukázková data jej nepřepíší."),
                 {folder.string()}));
  const fs::path mark = folder / kSampleMarkName;
  const bool madeHere = fs::is_regular_file(fs::symlink_status(mark, error));
  error.clear();
  if (!madeHere && !fs::is_empty(folder, error))
    throw std::runtime_error(
        FillText(CoreText("ardeno-sample",
                          "Složka %1 není prázdná a ukázková data do ní nepíší, aby nepřepsala tvé "
                          "soubory; zvol novou nebo prázdnou složku."),
                 {folder.string()}));
  if (error)
    throw std::runtime_error(FillText(CoreText("ardeno-sample", "Složku %1 nelze přečíst: %2"),
                                      {folder.string(), FileErrorText(error)}));
  if (madeHere) return;
  if (const std::error_code failed =
          ReplaceFileBytes(mark, "Tuto složku s ukázkovými daty vytvořil program ardeno-sample.\n"))
    throw std::runtime_error(FillText(CoreText("ardeno-sample", "Soubor %1 nelze zapsat: %2"),
                                      {mark.string(), FileErrorText(failed)}));
}

void FinishSampleFolder(const std::filesystem::path& folder,
                        const std::vector<ObservationRecord>& records, unsigned seed) {
  const std::error_code error = WriteRecordFile(folder / kDataFileName, records);
  if (error)
    throw std::runtime_error(FillText(CoreText("ardeno-sample", "Soubor %1 nelze zapsat: %2"),
                                      {(folder / kDataFileName).string(), FileErrorText(error)}));
  WriteSampleUnderlays(folder, records, seed);
}

void WriteSampleFolder(const std::filesystem::path& folder, int count, unsigned seed) {
  PrepareSampleFolder(folder);
  const double recordsPerDay = kClearDayShare * (1 + kSpecialDayShare / 2);
  const auto days = static_cast<std::int64_t>(std::llround(count / recordsPerDay));
  const CalendarDate first = DateFromSerial(DaySerial(kSampleEnd) - days);
  FinishSampleFolder(folder, GenerateSampleRecords(count, seed, first), seed);
}

}  // namespace ardeno
