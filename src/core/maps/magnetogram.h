// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Magnetograms: one file per day in "Magneto", named by the date as "yymmdd" (no extension),
// holding 16-bit little-endian words. After one or two header words (the maps skip one, the
// drawing window two) each word is 64 (end of an image row), 0 (end of the data) or a point:
// image column w div 128 and polarity code w mod 64. Rows are counted from 1.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/solar/heliographic.h"
#include "core/text/dates.h"

namespace ardeno {

inline constexpr const char* kMagnetogramFolder = "Magneto";
inline constexpr std::uint16_t kMagnetogramRowEnd = 64;
inline constexpr std::uint16_t kMagnetogramDataEnd = 0;
inline constexpr int kMapMagnetogramHeaderWords = 1;
inline constexpr int kDrawingMagnetogramHeaderWords = 2;
// A real day file holds a few hundred kilobytes; anything past this is not read.
inline constexpr std::uintmax_t kMaxMagnetogramBytes = 4u * 1024u * 1024u;

struct MagnetogramPoint {
  int Row = 1;     // image row, from 1
  int Column = 0;  // image column
  int Code = 0;    // polarity code 0..63
  bool operator==(const MagnetogramPoint&) const = default;
};

struct Magnetogram {
  std::vector<MagnetogramPoint> Points;
  bool EndWordFound = false;    // the data ended with their 0 word, not with the file
  bool OddByteDropped = false;  // a last single byte that is no word
  bool CutAtSizeLimit = false;  // the file is larger than kMaxMagnetogramBytes
};

// "yymmdd": the last two digits of the year.
std::string MagnetogramFileName(const CalendarDate& date);
// The date a day file's name stands for; year digits below 50 are 20yy, the others 19yy.
std::optional<CalendarDate> MagnetogramFileDate(std::string_view name);

// Decodes the words of a day file; reads nothing past the bytes given, whatever they hold.
Magnetogram ParseMagnetogram(std::string_view bytes, int headerWords);

// The day file of `date` under progDir, or nothing when there is none. A file that exists but
// cannot be read raises AuxFileError with the Czech message.
std::optional<Magnetogram> ReadMagnetogramDay(const std::filesystem::path& progDir,
                                              const CalendarDate& date, int headerWords);

// Position of a point on the image plane (x', y'), y' towards solar north, in pixels of the
// standard 250-pixel disk: 1.173709 = 250 / 213 turns the 213-pixel disk of the images into it.
// The maps' underlay centres the columns on 250, the summation on 213; rows are centred on 213.
inline constexpr double kMagnetogramPixel = 1.173709;
inline constexpr double kMagnetogramDiskRadius = kStandardDiskPixels;
inline constexpr int kUnderlayCentreColumn = 250;
inline constexpr int kSummationCentreColumn = 213;
inline constexpr int kMagnetogramCentreRow = 213;

struct MagnetogramPlane {
  double X = 0;  // towards the west limb
  double Y = 0;  // towards solar north
};
MagnetogramPlane MagnetogramPlanePosition(const MagnetogramPoint& point, int centreColumn);

// Heliographic place of a point of the image plane for the day's ephemeris; nothing off the disk.
std::optional<HeliographicPosition> MagnetogramToHeliographic(const SolarEphemeris& eph,
                                                              const MagnetogramPlane& plane);

// The image point nearest to latitude b and Carrington longitude l, for writing day files (sample
// data, tests); nothing when the place is on the far side or outside the encodable columns.
std::optional<MagnetogramPoint> MagnetogramPointAt(const SolarEphemeris& eph, double l, double b,
                                                   int centreColumn, int code);
// The words of a day file holding the points (header words, rows in order ended by 64, the 0
// word), as little-endian bytes.
std::string EncodeMagnetogram(std::vector<MagnetogramPoint> points, int headerWords);

// The magnetograms carry no time of day; their ephemeris is taken at 0 h UT of the file's date.
inline constexpr std::uint16_t kMagnetogramTimeUT = 0;

}  // namespace ardeno
