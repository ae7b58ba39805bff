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
#include "core/text/dates.h"

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
      std::cerr << "Řádek " << lineNumber << " nelze přečíst (očekáváno \"" << expected
                << "\"): " << line << "\n";
      allRead = false;
    } else if (const Refusal refusal = answer(*parsed, std::cout)) {
      std::cerr << "Řádek " << lineNumber << ": " << *refusal << ": " << line << "\n";
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
  if (angle10 < 0 || angle10 > kMaxAngle10) return "úhel10 musí být od 0 do 7200";
  if (distance10 < 0 || distance10 > kStandardRadius10)
    return "vzdálenost10 musí být od 0 do 1250 (bod mimo disk)";
  const auto eph = Ephemeris(in.Date, in.TimeUT);
  const auto p = PolarToHeliographic(eph, angle10, distance10);
  out << p.CentralMeridianDistance << ' ' << p.HelioLatitude << ' ' << p.HelioLongitude << '\n';
  return std::nullopt;
}

Refusal AnswerToPolar(const MomentLine& in, std::ostream& out) {
  const double l = in.Numbers[0];
  const double b = in.Numbers[1];
  const double radius = in.Numbers[2];
  if (!(radius > 0) || radius > kMaxDrawingRadius) return "poloměr musí být od 0 do 1000 mm";
  if (std::abs(l) > kMaxLongitude) return "délka l musí být od -720 do 720";
  if (std::abs(b) > kMaxHelioLatitude) return "šířka b musí být od -90 do 90";
  const auto eph = Ephemeris(in.Date, in.TimeUT);
  if (!IsOnVisibleHemisphere(eph, l, b)) return "bod leží na odvrácené straně Slunce";
  const auto polar = HeliographicToPolar(eph, static_cast<float>(l), static_cast<float>(b),
                                         static_cast<float>(radius));
  out << polar.PolarAngle << ' ' << polar.PolarDistance << '\n';
  return std::nullopt;
}

int RunEphemeris(const std::vector<std::string>& args) {
  if (!args.empty()) {
    std::cerr << "Použití: ardeno-cli ephemeris < řádky \"dd.mm.rrrr hhmm\"\n";
    return 1;
  }
  return ForEachLine(0, "dd.mm.rrrr hhmm", AnswerEphemeris);
}

int RunConvert(const std::vector<std::string>& args) {
  if (!args.empty()) {
    std::cerr << "Použití: ardeno-cli convert < řádky \"dd.mm.rrrr hhmm úhel10 vzdálenost10\"\n"
              << "(úhel10 0..7200, vzdálenost10 0..1250: bod na disku)\n";
    return 1;
  }
  return ForEachLine(2, "dd.mm.rrrr hhmm úhel10 vzdálenost10", AnswerConvert);
}

int RunToPolar(const std::vector<std::string>& args) {
  if (!args.empty()) {
    std::cerr << "Použití: ardeno-cli topolar < řádky \"dd.mm.rrrr hhmm l b poloměr\"\n"
              << "(b -90..90, bod na přivrácené straně Slunce, poloměr 0..1000 mm)\n";
    return 1;
  }
  return ForEachLine(3, "dd.mm.rrrr hhmm l b poloměr", AnswerToPolar);
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
      std::cerr << "Záznam " << i << ": datum \"" << record.Date() << "\" nelze přečíst.\n";
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
    RegisterCommand({"ephemeris", "ephemeris < řádky \"dd.mm.rrrr hhmm\"", RunEphemeris}) &&
    RegisterCommand(
        {"convert", "convert < řádky \"dd.mm.rrrr hhmm úhel10 vzdálenost10\"", RunConvert}) &&
    RegisterCommand({"topolar", "topolar < řádky \"dd.mm.rrrr hhmm l b poloměr\"", RunToPolar}) &&
    RegisterCommand({"dayresults", "dayresults SLOŽKA", RunDayResults});

}  // namespace

}  // namespace ardeno::cli
