// SPDX-License-Identifier: GPL-3.0-or-later
// ardeno-cli ephemeris, convert, topolar and dayresults: the solar calculations for scripts and
// for checking stored results against a recomputation.
#include <cmath>
#include <filesystem>
#include <iomanip>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "cli/command_registry.h"
#include "cli/folder_loading.h"
#include "core/data/data_file.h"
#include "core/data/database.h"
#include "core/solar/day_results.h"
#include "core/solar/ephemeris.h"
#include "core/solar/heliographic.h"
#include "core/text/core_text.h"
#include "core/text/dates.h"
#include "core/text/shown_text.h"

namespace ardeno::cli {

namespace {

constexpr int kOutputDigits = 15;  // enough to compare results to the last stored digit

// One input line split into its date, time and the numbers that follow.
struct MomentLine {
  CalendarDate Date;
  std::uint16_t TimeUT = 0;
  std::vector<double> Numbers;
};

// A time hhmm with minutes below 60, up to 24:00.
std::optional<std::uint16_t> ParseTime(const std::string& text) {
  if (text.empty() || text.size() > 4) return std::nullopt;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
  }
  const int value = std::stoi(text);
  if (value % 100 >= 60 || value > 2400) return std::nullopt;
  return static_cast<std::uint16_t>(value);
}

std::optional<double> ParseNumber(const std::string& text) {
  std::istringstream in(text);
  in.imbue(std::locale::classic());
  double value = 0;
  in >> value;
  if (!in || !in.eof() || !std::isfinite(value)) return std::nullopt;
  return value;
}

std::optional<MomentLine> ParseMomentLine(const std::string& line, std::size_t numberCount) {
  std::istringstream in(line);
  std::vector<std::string> fields;
  for (std::string field; in >> field;) fields.push_back(field);
  if (fields.size() != 2 + numberCount) return std::nullopt;
  const auto date = ParseDate(fields[0]);
  const auto time = ParseTime(fields[1]);
  if (!date || !time) return std::nullopt;
  MomentLine parsed{*date, *time, {}};
  for (std::size_t i = 2; i < fields.size(); ++i) {
    const auto number = ParseNumber(fields[i]);
    if (!number) return std::nullopt;
    parsed.Numbers.push_back(*number);
  }
  return parsed;
}

// An answer writes its line, or returns why the values cannot be answered.
using Refusal = std::optional<std::string>;

// Reads standard input line by line; a line that does not parse or whose values are refused is
// named on stderr and the run goes on. The exit status tells whether every line was answered.
int ForEachLine(std::size_t numberCount, const char* expected,
                Refusal (*answer)(const MomentLine&, std::ostream&)) {
  std::cout << std::setprecision(kOutputDigits);
  bool allRead = true;
  std::string line;
  for (int lineNumber = 1; std::getline(std::cin, line); ++lineNumber) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.find_first_not_of(" \t") == std::string::npos) continue;
    const auto parsed = ParseMomentLine(line, numberCount);
    if (!parsed) {
      std::cerr << FillText(CoreText("ardeno-cli", "Řádek %1 nelze přečíst (očekáváno \"%2\"): %3"),
                            {std::to_string(lineNumber), CoreText("ardeno-cli", expected),
                             ShownText(line)})
                << "\n";
      allRead = false;
    } else if (const Refusal refusal = answer(*parsed, std::cout)) {
      std::cerr << FillText(CoreText("ardeno-cli", "Řádek %1: %2: %3"),
                            {std::to_string(lineNumber), *refusal, ShownText(line)})
                << "\n";
      allRead = false;
    }
  }
  return allRead ? 0 : 1;
}

Refusal AnswerEphemeris(const MomentLine& in, std::ostream& out) {
  const auto eph = Ephemeris(in.Date, in.TimeUT);
  out << DayNumber(in.Date.Year, in.Date.Month, in.Date.Day) << ' ' << eph.EphP << ' ' << eph.EphB0
      << ' ' << eph.EphL0 << ' ' << eph.RotationNumber << '\n';
  return std::nullopt;
}

// Positions a drawing can hold: an angle within two turns (heliographic mode stores angles above
// 3600) and a distance up to the limb of the 125 mm drawing.
constexpr double kMaxAngle10 = 7200;
// Longitudes are taken within one turn either side; the drawing radius as record 1 can keep it.
constexpr double kMaxLongitude = 720;
constexpr double kMaxDrawingRadius = 1000;

Refusal AnswerConvert(const MomentLine& in, std::ostream& out) {
  const double angle10 = in.Numbers[0];
  const double distance10 = in.Numbers[1];
  if (angle10 < 0 || angle10 > kMaxAngle10)
    return CoreText("ardeno-cli", "úhel10 musí být od 0 do 7200");
  if (distance10 < 0 || distance10 > kStandardRadius10)
    return CoreText("ardeno-cli", "vzdálenost10 musí být od 0 do 1250 (bod mimo disk)");
  const auto eph = Ephemeris(in.Date, in.TimeUT);
  const auto p = PolarToHeliographic(eph, angle10, distance10);
  out << p.CentralMeridianDistance << ' ' << p.HelioLatitude << ' ' << p.HelioLongitude << '\n';
  return std::nullopt;
}

Refusal AnswerToPolar(const MomentLine& in, std::ostream& out) {
  const double l = in.Numbers[0];
  const double b = in.Numbers[1];
  const double radius = in.Numbers[2];
  if (!(radius > 0) || radius > kMaxDrawingRadius)
    return CoreText("ardeno-cli", "poloměr musí být od 0 do 1000 mm");
  if (std::abs(l) > kMaxLongitude) return CoreText("ardeno-cli", "délka l musí být od -720 do 720");
  if (std::abs(b) > kMaxHelioLatitude)
    return CoreText("ardeno-cli", "šířka b musí být od -90 do 90");
  const auto eph = Ephemeris(in.Date, in.TimeUT);
  if (!IsOnVisibleHemisphere(eph, l, b))
    return CoreText("ardeno-cli", "bod leží na odvrácené straně Slunce");
  const auto polar = HeliographicToPolar(eph, static_cast<float>(l), static_cast<float>(b),
                                         static_cast<float>(radius));
  out << polar.PolarAngle << ' ' << polar.PolarDistance << '\n';
  return std::nullopt;
}

constexpr const char* kEphemerisUsage =
    CoreTextNoop("ardeno-cli", "ephemeris < řádky \"dd.mm.rrrr hhmm\"");
constexpr const char* kConvertUsage =
    CoreTextNoop("ardeno-cli", "convert < řádky \"dd.mm.rrrr hhmm úhel10 vzdálenost10\"");
constexpr const char* kToPolarUsage =
    CoreTextNoop("ardeno-cli", "topolar < řádky \"dd.mm.rrrr hhmm l b poloměr\"");

int RunEphemeris(const std::vector<std::string>& args) {
  if (!args.empty()) {
    PrintUsage(kEphemerisUsage);
    return 1;
  }
  return ForEachLine(0, CoreTextNoop("ardeno-cli", "dd.mm.rrrr hhmm"), AnswerEphemeris);
}

int RunConvert(const std::vector<std::string>& args) {
  if (!args.empty()) {
    PrintUsage(kConvertUsage);
    std::cerr << CoreText("ardeno-cli", "(úhel10 0..7200, vzdálenost10 0..1250: bod na disku)")
              << "\n";
    return 1;
  }
  return ForEachLine(2, CoreTextNoop("ardeno-cli", "dd.mm.rrrr hhmm úhel10 vzdálenost10"),
                     AnswerConvert);
}

int RunToPolar(const std::vector<std::string>& args) {
  if (!args.empty()) {
    PrintUsage(kToPolarUsage);
    std::cerr << CoreText("ardeno-cli",
                          "(b -90..90, bod na přivrácené straně Slunce, poloměr 0..1000 mm)")
              << "\n";
    return 1;
  }
  return ForEachLine(3, CoreTextNoop("ardeno-cli", "dd.mm.rrrr hhmm l b poloměr"), AnswerToPolar);
}

int RunDayResults(const std::vector<std::string>& args) {
  Database db;
  LoadReport report;
  if (!LoadExistingFolder(args, "dayresults SLOŽKA", db, report)) return 1;

  bool allComputed = true;
  for (int i = 1; i <= db.RecordCount; ++i) {
    const ObservationRecord& record = db.Record(i);
    const auto eph = RecordEphemeris(record);
    if (!eph) {
      std::cerr << FillText(CoreText("ardeno-cli", "Záznam %1: datum \"%2\" nelze přečíst."),
                            {std::to_string(i), ShownText(record.Date())})
                << "\n";
      allComputed = false;
      continue;
    }
    const DayResults block = ComputeDayResults(record, *eph);
    std::cout << i << ' ' << record.Date();
    for (int w = kGroupsN; w <= kHemisphereAreaS; ++w) {
      std::cout << ' '
                << (block[static_cast<std::size_t>(2 * w)] |
                    block[static_cast<std::size_t>(2 * w + 1)] << 8);
    }
    std::cout << '\n';
  }
  return StatusAfterOutput(db, allComputed ? 0 : 1);
}

const bool kRegistered =
    RegisterCommand({"ephemeris", kEphemerisUsage, RunEphemeris}) &&
    RegisterCommand({"convert", kConvertUsage, RunConvert}) &&
    RegisterCommand({"topolar", kToPolarUsage, RunToPolar}) &&
    RegisterCommand({"dayresults", CoreTextNoop("ardeno-cli", "dayresults SLOŽKA"), RunDayResults});

}  // namespace

}  // namespace ardeno::cli
