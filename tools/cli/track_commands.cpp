// SPDX-License-Identifier: GPL-3.0-or-later
// ardeno-cli tracks DIR [YEAR] [--observer NAME] [--noaa SRS...] [--check-numbers]: sunspot
// groups followed across days as semicolon CSV, with NOAA's region where the database or the
// given reports hold one, and how well the typed numbers agree with the tracks.
#include <charconv>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "cli/command_registry.h"
#include "cli/folder_loading.h"
#include "core/groups/group_tracks.h"
#include "core/quality/noaa_regions.h"
#include "core/text/core_text.h"

namespace ardeno::cli {

namespace {

constexpr const char* kTracksUsage = CoreTextNoop(
    "ardeno-cli",
    "tracks SLOŽKA [ROK] [--observer JMÉNO] [--noaa SRS_SOUBOR|SLOŽKA_SRS...] [--check-numbers]");

struct TracksArguments {
  std::string Folder;
  std::optional<int> Year;
  TrackOptions Options;
  std::vector<std::filesystem::path> Reports;
  bool CheckNumbers = false;
};

std::optional<TracksArguments> ParseTracksArguments(const std::vector<std::string>& args) {
  if (args.empty()) return std::nullopt;
  TracksArguments parsed;
  parsed.Folder = args[0];
  for (std::size_t a = 1; a < args.size(); ++a) {
    if (args[a] == "--observer" && a + 1 < args.size()) {
      parsed.Options.Observer = args[++a];
    } else if (args[a] == "--check-numbers") {
      parsed.CheckNumbers = true;
    } else if (args[a] == "--noaa") {
      // The reports run up to the next option.
      while (a + 1 < args.size() && args[a + 1].rfind("--", 0) != 0)
        parsed.Reports.emplace_back(args[++a]);
      if (parsed.Reports.empty()) return std::nullopt;
    } else if (!parsed.Year && a == 1) {
      int year = 0;
      const auto [end, error] =
          std::from_chars(args[a].data(), args[a].data() + args[a].size(), year);
      if (error != std::errc{} || end != args[a].data() + args[a].size()) return std::nullopt;
      parsed.Year = year;
    } else {
      return std::nullopt;
    }
  }
  return parsed;
}

std::string Percent(int part, int whole) {
  if (whole == 0) return "-";
  return std::to_string((1000 * part / whole + 5) / 10) + " %";
}

bool IsNoaaRecord(const ObservationRecord& r) {
  return r.Observer() == SourceObserver(GroupSource::NoaaReport);
}
bool IsOtherRecord(const ObservationRecord& r) { return !IsNoaaRecord(r); }

// How well the typed numbers agree with the tracks, for NOAA's records (whose numbers are its
// regions) and for the other drawings apart; with a year, the sightings of that year only.
void PrintAgreement(const std::vector<GroupTrack>& tracks, const Database& db,
                    std::optional<int> year) {
  for (const auto& [name, counted] :
       {std::pair{CoreText("ardeno-cli", "zákresy NOAA"), &IsNoaaRecord},
        std::pair{CoreText("ardeno-cli", "ostatní zákresy"), &IsOtherRecord}}) {
    const TrackAgreement a = CompareWithNumbers(tracks, db, counted, year);
    if (a.Sightings == 0) continue;
    std::cerr << FillText(CoreText("ardeno-cli",
                                   "%1: skupin ve stopě jen s vlastním číslem %2 z %3 (%4), čísel "
                                   "viděných aspoň 3 dny v jedné stopě %5 z %6 (%7)"),
                          {name, std::to_string(a.SightingsInOwnTrack), std::to_string(a.Sightings),
                           Percent(a.SightingsInOwnTrack, a.Sightings),
                           std::to_string(a.NumbersInOneTrack), std::to_string(a.Numbers),
                           Percent(a.NumbersInOneTrack, a.Numbers)})
              << "\n";
  }
}

int TracksCommand(const std::vector<std::string>& args) {
  const auto parsed = ParseTracksArguments(args);
  if (!parsed) {
    PrintUsage(kTracksUsage);
    return 1;
  }
  Database db;
  LoadReport load;
  if (!LoadExistingFolder({parsed->Folder}, kTracksUsage, db, load)) return 1;
  if (parsed->Year && !PeriodInRecords(db, *parsed->Year)) return 1;
  if (parsed->Options.Observer && !ObserverInRecords(db, *parsed->Options.Observer)) return 1;
  std::vector<std::string> problems;
  const std::vector<SourceDay> reports = parsed->Reports.empty()
                                             ? std::vector<SourceDay>{}
                                             : ReadReportFiles(parsed->Reports, problems);
  PrintUnreadable(problems);
  if (!parsed->Reports.empty() && reports.empty()) {
    std::cerr << CoreText("ardeno-cli", "V zadaných souborech SRS není žádný den zprávy.") << "\n";
    return 1;
  }
  const RecordPositions positions = ComputeRecordPositions(db);
  std::vector<GroupTrack> tracks = TrackGroups(db, positions, parsed->Options);
  AssignNoaaRegions(tracks, db, positions, reports);
  if (parsed->CheckNumbers) PrintAgreement(tracks, db, parsed->Year);
  if (parsed->Year) tracks = TracksOfYear(tracks, *parsed->Year);
  std::cout << TracksCsv(tracks);
  // The regions of an unread report are missing from the tracks.
  return StatusAfterOutput(db, problems.empty() ? 0 : 1);
}

const bool kRegistered = RegisterCommand({"tracks", kTracksUsage, TracksCommand});

}  // namespace

}  // namespace ardeno::cli
