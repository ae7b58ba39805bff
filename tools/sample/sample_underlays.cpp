#include "sample/sample_underlays.h"

#include <charconv>
#include <cmath>
#include <fstream>
#include <stdexcept>
#include <string>

#include "core/data/corona_data.h"
#include "core/data/file_error_text.h"
#include "core/maps/magnetogram.h"
#include "core/maps/magnetosphere_underlay.h"
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
    throw std::runtime_error("Soubor " + file.string() + " nelze zapsat.");
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

void WriteCorona(const std::filesystem::path& folder, int lastYear, SampleRandom& random) {
  if (std::filesystem::exists(folder / kCoronaFolder)) return;
  for (int year = kCoronaFirstYear; year <= lastYear; ++year) {
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
        const int value = static_cast<int>(3 + 55 * activity * activity * bright *
                                                   random.Uniform(0.6, 1.2));
        AppendNumber(text, value);
      }
      text.back() = '\r';
    }
    WriteFile(folder / kCoronaFolder / ("Hr" + std::to_string(year) + ".csv"), text);
  }
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
                                            b + random.Normal(0, 1.0), kUnderlayCentreColumn,
                                            code);
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

}  // namespace

void WriteSampleUnderlays(const std::filesystem::path& folder,
                          const std::vector<ObservationRecord>& records, unsigned seed) {
  if (records.empty()) return;
  SampleRandom random(seed + 7);
  const auto lastDate = ParseDate(records.back().Date());
  WriteCorona(folder, lastDate ? lastDate->Year : kCoronaFirstYear, random);
  WriteMagnetograms(folder, records, random);
  WritePictures(folder, records);
}

}  // namespace ardeno
