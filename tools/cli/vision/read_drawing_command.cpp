// SPDX-License-Identifier: GPL-3.0-or-later
// ardeno-cli read-drawing: a photographed or scanned paper drawing read by itself. Prints the disk
// found (centre and radius in pixels, north in degrees clockwise from the picture's up) and the
// groups proposed from its spots, one CSV line per group; with --data, the groups of the latest
// drawing before it in that data folder part the chains of spots that hold two of them.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "cli/command_registry.h"
#include "cli/folder_loading.h"
#include "core/photo/expected_groups.h"
#include "core/solar/ephemeris.h"
#include "core/text/core_text.h"
#include "core/text/dates.h"
#include "vision/drawing_reader.h"
#include "vision/image_input.h"

namespace ardeno::cli {
namespace {

constexpr const char* kUsage =
    CoreTextNoop("ardeno-cli",
                 "read-drawing OBRÁZEK D.M.RRRR HHMM [--north STUPNĚ] [--solar-axis] "
                 "[--data SLOŽKA]");

std::optional<std::uint16_t> ParseTimeUT(const std::string& text) {
  if (text.size() != 4 || text.find_first_not_of("0123456789") != std::string::npos)
    return std::nullopt;
  const int value = std::stoi(text);
  if (value % 100 >= 60 || value >= 2400) return std::nullopt;
  return static_cast<std::uint16_t>(value);
}

std::optional<double> ParseDegrees(const std::string& text) {
  std::istringstream in(text);
  in.imbue(std::locale::classic());
  double value = 0;
  in >> value;
  if (!in || !in.eof() || !std::isfinite(value) || value < 0 || value > 360) return std::nullopt;
  return value;
}

// One decimal, a point for the separator, never "-0.0".
std::string Tenths(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", value);
  return std::string(text) == "-0.0" ? "0.0" : text;
}

// A Carrington longitude to a tenth of a degree, 360.0 being 0.0.
std::string LongitudeTenths(double value) {
  const double tenths = std::round(value * 10);
  return Tenths(tenths >= 3600 ? (tenths - 3600) / 10 : tenths / 10);
}

int Fail(const char* message, const std::string& value) {
  std::cerr << FillText(CoreText("ardeno-cli", message), {value}) << "\n";
  return 1;
}

const char* ImageProblemMessage(vision::ImageProblem problem) {
  switch (problem) {
    case vision::ImageProblem::Unreadable:
      return CoreTextNoop("ardeno-cli", "Obrázek %1 nelze otevřít.");
    case vision::ImageProblem::Empty:
      return CoreTextNoop("ardeno-cli", "Soubor %1 je prázdný.");
    case vision::ImageProblem::TooLarge:
      return CoreTextNoop("ardeno-cli",
                          "Obrázek %1 je příliš velký (nejvýš 120 megapixelů a 400 MB).");
    case vision::ImageProblem::NotAnImage:
    case vision::ImageProblem::None:
      break;
  }
  return CoreTextNoop("ardeno-cli", "Soubor %1 není obrázek JPEG, PNG ani BMP, nebo je poškozený.");
}

int ReadDrawingCommand(const std::vector<std::string>& args) {
  std::vector<std::string> words = args;
  // The line drawn through the centre is the Sun's axis, not the north-south line.
  vision::DrawnLine drawn = vision::DrawnLine::NorthSouth;
  if (const auto axis = std::find(words.begin(), words.end(), "--solar-axis");
      axis != words.end()) {
    drawn = vision::DrawnLine::SolarAxis;
    words.erase(axis);
  }
  std::optional<double> north;
  for (std::size_t i = 0; i < words.size(); ++i) {
    if (words[i] != "--north") continue;
    if (i + 1 >= words.size())
      return Fail(
          CoreTextNoop("ardeno-cli", "Za --north patří směr severu ve stupních od 0 do 360."), "");
    north = ParseDegrees(words[i + 1]);
    if (!north)
      return Fail(CoreTextNoop("ardeno-cli",
                               "Za --north patří směr severu ve stupních od 0 do 360, ne %1."),
                  words[i + 1]);
    words.erase(words.begin() + static_cast<long>(i), words.begin() + static_cast<long>(i) + 2);
    break;
  }
  // The data folder whose latest drawing before this one tells which groups to look for again.
  std::optional<std::string> folder;
  if (const auto data = std::find(words.begin(), words.end(), "--data"); data != words.end()) {
    if (data + 1 == words.end()) {
      PrintUsage(kUsage);
      return 1;
    }
    folder = *(data + 1);
    words.erase(data, data + 2);
  }
  if (words.size() != 3) {
    PrintUsage(kUsage);
    return 1;
  }
  const std::optional<CalendarDate> date = ParseDate(words[1]);
  if (!date)
    return Fail(CoreTextNoop("ardeno-cli", "Datum %1 nelze přečíst (D.M.RRRR)."), words[1]);
  const std::optional<std::uint16_t> time = ParseTimeUT(words[2]);
  if (!time) return Fail(CoreTextNoop("ardeno-cli", "Čas %1 nelze přečíst (HHMM v UT)."), words[2]);

  const SolarEphemeris eph = Ephemeris(*date, *time);
  std::vector<ExpectedGroup> expected;
  if (folder) {
    Database db;
    LoadReport report;
    if (!LoadExistingFolder({*folder}, kUsage, db, report)) return 1;
    expected = ExpectedGroupsBefore(
        std::span(db.Records.data(), static_cast<std::size_t>(db.RecordCount)), *date, *time, eph);
  }

  const vision::LoadedImage image = vision::LoadDrawingImage(words[0]);
  if (image.Problem != vision::ImageProblem::None)
    return Fail(ImageProblemMessage(image.Problem), words[0]);
  const vision::DrawingReading reading =
      vision::ReadDrawing(image, eph, north, {}, drawn, expected);
  if (reading.Outcome == vision::ReadingOutcome::NoDisk)
    return Fail(CoreTextNoop("ardeno-cli", "Na obrázku %1 se nepodařilo najít kotouč zákresu."),
                words[0]);
  if (reading.Outcome == vision::ReadingOutcome::NoNorth)
    return Fail(CoreTextNoop("ardeno-cli",
                             "Na zákresu %1 se nepodařilo určit sever. Zadejte jeho směr: "
                             "--north STUPNĚ (po směru hodinových ručiček od horního okraje "
                             "obrázku)."),
                words[0]);

  std::cout << "disk;" << Tenths(reading.CentreX) << ';' << Tenths(reading.CentreY) << ';'
            << Tenths(reading.Radius) << ';' << Tenths(reading.North) << '\n';
  std::cout << "skupina;šířka;délka;cmd;skvrny;plocha\n";
  int number = 0;
  for (const ProposedGroup& group : reading.Groups)
    std::cout << ++number << ';' << Tenths(group.Latitude) << ';'
              << LongitudeTenths(group.Longitude) << ';' << Tenths(group.MeridianDistEast) << ';'
              << group.SpotCount << ';' << group.AreaHemisphere << '\n';
  return 0;
}

const bool kRegistered = RegisterCommand({"read-drawing", kUsage, ReadDrawingCommand});

}  // namespace
}  // namespace ardeno::cli
