// SPDX-License-Identifier: GPL-3.0-or-later
#include "sample/sample_underlays.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <fstream>
#include <stdexcept>
#include <string>

#include "core/data/corona_data.h"
#include "core/data/file_error_text.h"
#include "core/data/supplementary_data.h"
#include "core/maps/magnet_summary.h"
#include "core/maps/magnetogram.h"
#include "core/maps/magnetosphere_underlay.h"
#include "core/text/core_text.h"
#include "sample/sample_random.h"

namespace ardeno {

namespace {

// Cycle minima about every 10.9 years from 1944.2; the active zone drifts from 30 to 8 degrees.
constexpr double kCycleStart = 1944.2;
constexpr double kCycleYears = 10.9;
constexpr int kPictureRotations = 3;
constexpr int kPositiveCode = 40;  // drawn in the "high" colour (code * 32 >= 240)
constexpr int kNegativeCode = 3;

void WriteFile(const std::filesystem::path& file, const std::string& bytes) {
  std::filesystem::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out)
    throw std::runtime_error(
        FillText(CoreText("ardeno-sample", "Soubor %1 nelze zapsat."), {file.string()}));
}

void AppendNumber(std::string& text, int value) {
  char digits[12];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  text.append(digits, end);
  text.push_back(' ');
}

double CyclePhase(double year) {
  const double phase = std::fmod(year - kCycleStart, kCycleYears) / kCycleYears;
  return phase < 0 ? phase + 1 : phase;
}

// One year file of green-corona rows: the limb is brightest around the active latitude of the
// cycle (drifting from 30 to 8 degrees), and brighter the more active the cycle is.
std::string CoronaYearText(int year, SampleRandom& random) {
  std::string text;
  const std::int64_t first = DaySerial(CalendarDate{year, 1, 1});
  const int days = IsLeapYear(year) ? 366 : 365;
  for (int d = 0; d < days; ++d) {
    const CalendarDate date = DateFromSerial(first + d);
    const double phase = CyclePhase(year + d / 365.25);
    const double activity = std::sin(3.14159265 * phase);
    const double zone = 30 - 22 * phase;
    for (int v : {date.Year, date.Month, date.Day, 1, 8, 30}) AppendNumber(text, v);
    for (int j = 1; j <= kCoronaSectors; ++j) {
      const double latitude = j <= 36 ? 92.5 - 5 * j : 5 * (j - 36) - 92.5;
      const double bright = std::exp(-std::pow((std::abs(latitude) - zone) / 14, 2));
      const int value =
          static_cast<int>(3 + 55 * activity * activity * bright * random.Uniform(0.6, 1.2));
      AppendNumber(text, value);
    }
    text.back() = '\r';
  }
  return text;
}

void WriteCorona(const std::filesystem::path& folder, int lastYear, SampleRandom& random) {
  if (std::filesystem::exists(folder / kCoronaFolder)) return;
  for (int year = kCoronaFirstYear; year <= lastYear; ++year)
    WriteFile(folder / kCoronaFolder / ("Hr" + std::to_string(year) + ".csv"),
              CoronaYearText(year, random));
}

// A bipolar region around (l, b): the leading part west (lower longitude) of the group.
void AddRegion(const SolarEphemeris& eph, double l, double b, SampleRandom& random,
               std::vector<MagnetogramPoint>& points) {
  const bool north = b > 0;
  for (int part = 0; part < 2; ++part) {
    const double centre = l + (part == 0 ? -2.5 : 2.5);
    const int code = (part == 0) == north ? kPositiveCode : kNegativeCode;
    for (int n = 0; n < 14; ++n) {
      const auto point = MagnetogramPointAt(eph, centre + random.Normal(0, 1.2),
                                            b + random.Normal(0, 1.0), kUnderlayCentreColumn, code);
      if (point) points.push_back(*point);
    }
  }
}

void WriteMagnetograms(const std::filesystem::path& folder,
                       const std::vector<ObservationRecord>& records, SampleRandom& random) {
  for (const ObservationRecord& record : records) {
    if (record.IsSpecial()) continue;
    const auto date = ParseDate(record.Date());
    if (!date) continue;
    const auto file = folder / kMagnetogramFolder / MagnetogramFileName(*date);
    if (std::filesystem::exists(file)) continue;
    const SolarEphemeris eph = Ephemeris(*date, kMagnetogramTimeUT);
    const SolarEphemeris drawn = Ephemeris(*date, record.TimeUT());
    std::vector<MagnetogramPoint> points;
    for (int k = 1; k <= record.GroupCount(); ++k) {
      const HeliographicPosition g =
          PolarToHeliographic(drawn, record.Angle10(k), record.Distance10(k));
      AddRegion(eph, g.HelioLongitude, g.HelioLatitude, random, points);
    }
    WriteFile(file, EncodeMagnetogram(points, kMapMagnetogramHeaderWords));
  }
}

// 24-bit BMP, rows bottom-up padded to 4 bytes.
std::string Bitmap(int width, int height, const std::vector<std::uint8_t>& rgb) {
  const int rowBytes = (width * 3 + 3) / 4 * 4;
  const int size = 54 + rowBytes * height;
  std::string bmp(static_cast<std::size_t>(size), '\0');
  auto put = [&bmp](int offset, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
      bmp[static_cast<std::size_t>(offset + i)] = static_cast<char>((value >> (8 * i)) & 0xFF);
  };
  bmp[0] = 'B';
  bmp[1] = 'M';
  put(2, static_cast<std::uint32_t>(size), 4);
  put(10, 54, 4);
  put(14, 40, 4);
  put(18, static_cast<std::uint32_t>(width), 4);
  put(22, static_cast<std::uint32_t>(height), 4);
  put(26, 1, 2);
  put(28, 24, 2);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const std::size_t from = (static_cast<std::size_t>(y) * width + x) * 3;
      const std::size_t to = 54 + static_cast<std::size_t>(height - 1 - y) * rowBytes + x * 3;
      bmp[to] = static_cast<char>(rgb[from + 2]);
      bmp[to + 1] = static_cast<char>(rgb[from + 1]);
      bmp[to + 2] = static_cast<char>(rgb[from]);
    }
  }
  return bmp;
}

// The picture covers the map rectangle: longitude 360..0 across, latitude 90..-90 down, one
// pixel per degree; each day's magnetogram near the central meridian paints its points.
void WritePictures(const std::filesystem::path& folder,
                   const std::vector<ObservationRecord>& records) {
  if (records.empty()) return;
  const int last = records.back().Rotation();
  for (int rotation = last - kPictureRotations + 1; rotation <= last; ++rotation) {
    const auto file = folder / "magnetOBR" / ("On" + std::to_string(rotation) + ".bmp");
    if (std::filesystem::exists(file)) continue;
    constexpr int kWidth = 360;
    constexpr int kHeight = 180;
    std::vector<std::uint8_t> rgb(static_cast<std::size_t>(kWidth * kHeight * 3), 235);
    const auto underlay = BuildMagnetosphereUnderlay(folder, rotation);
    for (const MagnetospherePoint& p : underlay.Points) {
      // Map units: x = 20..740, y = 40..400, two per degree.
      const int x = (p.X - 20) / 2;
      const int y = (p.Y - 40) / 2;
      for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
          const int px = x + dx;
          const int py = y + dy;
          if (px < 0 || px >= kWidth || py < 0 || py >= kHeight) continue;
          const std::size_t at = (static_cast<std::size_t>(py) * kWidth + px) * 3;
          rgb[at] = p.HighCode ? 220 : 60;
          rgb[at + 1] = p.HighCode ? 90 : 90;
          rgb[at + 2] = p.HighCode ? 60 : 220;
        }
    }
    WriteFile(file, Bitmap(kWidth, kHeight, rgb));
  }
}

// Motfakul.dat: historical spots and facular fields from rotation 1266 up to the rotation before
// the first record (at most to rotation 2019, the last the diagram shows from 1200). The model:
// per rotation the activity is sin^2 of the cycle phase (minima every 10.9 years from 1944.2);
// the number of spots follows it up to a maximum that fills the 15000 bytes of spots on
// average; each spot lies in a random hemisphere around the active latitude, which drifts from
// 30 to 8 degrees over the cycle (Sporer's law), with a spread of 4 degrees, so the runs draw
// butterfly wings; late in a cycle a few spots of the next one appear at 25-35 degrees. Facular
// fields follow the same belts with fewer entries (5000 bytes), each 4 to 10 degrees tall.
std::string SupplementaryBytes(int firstRotation, SampleRandom& random) {
  constexpr int kFirst = 1266;
  constexpr int kLast = 2019;
  const int last = std::min(kLast, firstRotation - 1);
  if (last < kFirst) return {};
  const int rotations = last - kFirst + 1;
  std::string bytes(kSupplementaryDataSize, '\0');
  auto code = [](double latitude) {
    return static_cast<char>(128 +
                             static_cast<int>(std::lround(std::clamp(latitude, -60.0, 60.0))));
  };
  // Entries of a section: rotation by rotation, each run ended by 255, never past `end` (the
  // runs still to come keep room for their 255).
  auto writeSection = [&](std::size_t begin, std::size_t end, double perRotation, auto entry) {
    std::size_t at = begin;
    for (int r = kFirst; r <= last; ++r) {
      const double year = 1853.86 + r * 27.2753 / 365.25;
      const double phase = CyclePhase(year);
      const double activity = std::pow(std::sin(3.14159265 * phase), 2);
      const int count = random.Poisson(perRotation * activity);
      const std::size_t room = end - at - static_cast<std::size_t>(last - r + 1);
      for (int n = 0; n < count && static_cast<std::size_t>(n) < room; ++n) {
        const double zone =
            phase > 0.85 && random.Chance(0.3) ? random.Uniform(25, 35) : 30 - 22 * phase;
        const double latitude = (random.Chance(0.5) ? 1 : -1) * random.Normal(zone, 4);
        entry(at++, latitude);
      }
      bytes[at++] = static_cast<char>(255);
    }
  };
  // Twice the mean fill: sin^2 averages one half.
  const double spotsPerRotation = 2.0 * (15000.0 - rotations) / rotations * 0.9;
  writeSection(0, 15000, spotsPerRotation,
               [&](std::size_t at, double latitude) { bytes[at] = code(latitude); });
  const double faculaePerRotation = 2.0 * (5000.0 - rotations) / rotations * 0.9;
  writeSection(15000, 20000, faculaePerRotation, [&](std::size_t at, double latitude) {
    const double half = random.Uniform(2, 5);
    bytes[at] = code(latitude - half);
    bytes[at + 5000] = code(latitude + half);
  });
  return bytes;
}

void WriteSupplementary(const std::filesystem::path& folder, int firstRotation,
                        SampleRandom& random) {
  if (std::filesystem::exists(folder / kSupplementaryFileName)) return;
  const std::string bytes = SupplementaryBytes(firstRotation, random);
  if (!bytes.empty()) WriteFile(folder / kSupplementaryFileName, bytes);
}

}  // namespace

SupplementaryData SampleSupplementaryData(int firstRotation, unsigned seed) {
  SampleRandom random(seed);
  const std::string bytes = SupplementaryBytes(firstRotation, random);
  SupplementaryData data;
  if (!bytes.empty()) {
    data.Bytes.assign(bytes.begin(), bytes.end());
    data.FileSize = bytes.size();
  }
  return data;
}

CoronaData SampleCoronaData(int lastYear, unsigned seed) {
  SampleRandom random(seed);
  CoronaData data;
  data.FolderFound = true;
  for (int year = kCoronaFirstYear; year <= lastYear && year < kCoronaFirstYear + kCoronaMaxYears;
       ++year) {
    AppendCoronaYear(CoronaYearText(year, random), data);
    ++data.YearsRead;
  }
  data.CoronaByteCount = std::max(1, static_cast<int>(data.CoronaDays.size()));
  return data;
}

void WriteSampleUnderlays(const std::filesystem::path& folder,
                          const std::vector<ObservationRecord>& records, unsigned seed) {
  if (records.empty()) return;
  SampleRandom random(seed + 7);
  const auto lastDate = ParseDate(records.back().Date());
  WriteCorona(folder, lastDate ? lastDate->Year : kCoronaFirstYear, random);
  WriteMagnetograms(folder, records, random);
  // As an observer's folder is after the maps' summation (key P): magn.dat beside the day files.
  if (lastDate) {
    MagnetSummary summary = ReadMagnetSummary(folder, records.back().Rotation());
    SumMagnetograms(folder, *lastDate, summary);
    if (const auto failure = WriteMagnetSummary(folder, summary))
      throw std::runtime_error(*failure);
  }
  WritePictures(folder, records);
  WriteSupplementary(folder, records.front().Rotation(), random);
}

}  // namespace ardeno
