// SPDX-License-Identifier: GPL-3.0-or-later
// ardeno-cli own-report, sidc-report, sidc-csv, cv-report and observers-csv: the monthly report
// files and the observer table exactly as the results window writes them, into the same folders
// under DIR. A file that exists is replaced only with --replace, as for every report writer.
#include <algorithm>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "cli/command_registry.h"
#include "cli/folder_loading.h"
#include "cli/month_loading.h"
#include "core/data/aux_file_io.h"
#include "core/data/instrument_file.h"
#include "core/reports/cv_report_file.h"
#include "core/reports/description_file.h"
#include "core/reports/observer_table.h"
#include "core/reports/own_report_files.h"
#include "core/reports/report_text.h"
#include "core/reports/sidc_csv_file.h"
#include "core/reports/sidc_report_file.h"
#include "core/reports/station_settings.h"
#include "core/text/core_text.h"
#include "core/text/encoding.h"

namespace ardeno::cli {

namespace {

namespace fs = std::filesystem;

DescriptionLines Description(const fs::path& dir) {
  try {
    return ReadDescriptionFile(dir);
  } catch (const AuxFileError& error) {
    std::cerr << error.what() << "\n";
    return {};
  }
}

void TellNoDescription() {
  std::cerr << CoreText("ardeno-cli", "Není soubor Popis.txt: data se zapíší bez popisu.") << "\n";
}

int OwnReport(std::vector<std::string> args) {
  constexpr const char* kUsage = CoreTextNoop("ardeno-cli", "own-report SLOŽKA M.RRRR [--replace]");
  const bool replace = TakeReplaceOption(args);
  Database db;
  ReportMonth month;
  if (args.size() != 2 || !LoadMonth(args, 2, kUsage, db, month)) return 1;
  const fs::path index = OwnIndexFilePath(args[0], month);
  const fs::path areas = OwnAreaFilePath(args[0], month);
  if (!MayWrite({index, areas}, replace)) return 1;
  const ReportDays days = MatchReportDays(db, month);
  TellLeftOut(db, days);
  return StatusAfterOutput(db, WriteFiles({{index, ReportFileBytes(OwnIndexFileLines(db, days))},
                                           {areas, ReportFileBytes(OwnAreaFileLines(db, days))}}));
}

// The code typed after the month, else the one the form "Stanice" keeps (Site.txt, line 3);
// nothing, with the reason said, when neither gives one that fits the report's second line.
std::optional<std::string> SidcCodeOf(const std::vector<std::string>& args) {
  std::string code;
  if (args.size() == 3) {
    code = args[2];
  } else {
    const StationSettingsReading station = ReadStationSettings(args[0]);
    for (const std::string& problem : station.Problems) std::cerr << problem << "\n";
    if (const Refusal missing = MissingForSidcReport(station.Settings)) {
      std::cerr << *missing << "\n";
      return std::nullopt;
    }
    code = station.Settings.SidcCode;
  }
  // The code heads the report's second line: a line break in it would break the layout.
  if (code.empty() || std::any_of(code.begin(), code.end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
      })) {
    std::cerr << CoreText("ardeno-cli",
                          "Kód observatoře musí být neprázdný text na jednom řádku, bez řídicích "
                          "znaků.")
              << "\n";
    return std::nullopt;
  }
  return args.size() == 3 ? code : SidcHeaderCode(code);
}

int SidcReport(std::vector<std::string> args) {
  constexpr const char* kUsage =
      CoreTextNoop("ardeno-cli", "sidc-report SLOŽKA M.RRRR [KÓD] [--replace]");
  const bool replace = TakeReplaceOption(args);
  Database db;
  ReportMonth month;
  if (args.size() < 2 || args.size() > 3) {
    PrintUsage(kUsage);
    return 1;
  }
  if (!LoadMonth(args, args.size(), kUsage, db, month)) return 1;
  const std::optional<std::string> code = SidcCodeOf(args);
  if (!code) return 1;
  const fs::path file = SidcReportPath(args[0], month);
  if (!MayWrite({file}, replace)) return 1;
  const DescriptionLines popis = Description(args[0]);
  if (popis[0].empty()) TellNoDescription();
  const ReportDays days = MatchReportDays(db, month);
  TellLeftOut(db, days);
  return StatusAfterOutput(
      db, WriteFiles({{file, Utf8ToCp1250(SidcReportText(db, days, month, *code, popis[6]))}}));
}

// The station block as the window's panel starts it: the station file, or the observatory of the
// instrument file when there is none yet.
CsvStation StationOf(const fs::path& dir, const Instrument& instrument) {
  try {
    if (auto station = ReadCsvStation(dir)) return *station;
  } catch (const AuxFileError& error) {
    std::cerr << error.what() << "\n";
  }
  std::cerr << FillText(CoreText("ardeno-cli", "Není soubor %1: stanice se vezme z %2."),
                        {kCsvStationFileName, kInstrumentFileName})
            << "\n";
  CsvStation station;
  station.Name = instrument[0];
  return station;
}

int SidcCsv(std::vector<std::string> args) {
  constexpr const char* kUsage = CoreTextNoop("ardeno-cli", "sidc-csv SLOŽKA M.RRRR [--replace]");
  const bool replace = TakeReplaceOption(args);
  Database db;
  ReportMonth month;
  if (args.size() != 2 || !LoadMonth(args, 2, kUsage, db, month)) return 1;
  Instrument instrument = DefaultInstrument();
  try {
    instrument = ReadInstrument(args[0]);
  } catch (const AuxFileError& error) {
    std::cerr << error.what() << "\n";
  }
  const CsvStation station = StationOf(args[0], instrument);
  const fs::path file = SidcCsvPath(args[0], month, station.Number);
  if (!MayWrite({file}, replace)) return 1;
  const ReportDays days = MatchReportDays(db, month);
  TellLeftOut(db, days);
  return StatusAfterOutput(
      db, WriteFiles({{file, ReportFileBytes(SidcCsvLines(db, days, month, station,
                                                          CsvInstrumentOf(instrument)))}}));
}

int CvReport(std::vector<std::string> args) {
  constexpr const char* kUsage = CoreTextNoop("ardeno-cli", "cv-report SLOŽKA M.RRRR [--replace]");
  const bool replace = TakeReplaceOption(args);
  Database db;
  ReportMonth month;
  if (args.size() != 2 || !LoadMonth(args, 2, kUsage, db, month)) return 1;
  const fs::path file = CvReportPath(args[0], month);
  if (!MayWrite({file}, replace)) return 1;
  const DescriptionLines popis = Description(args[0]);
  if (popis[0].empty()) TellNoDescription();
  const ReportDays days = MatchReportDays(db, month);
  TellLeftOut(db, days);
  return StatusAfterOutput(
      db, WriteFiles({{file, ReportFileBytes(CvReportLines(db, days, month, popis))}}));
}

int ObserversCsv(std::vector<std::string> args) {
  const bool replace = TakeReplaceOption(args);
  Database db;
  LoadReport report;
  if (!LoadExistingFolder(args, "observers-csv SLOŽKA [--replace]", db, report)) return 1;
  if (db.Observers.empty()) {
    std::cerr << kNoObserverMessage << "\n";
    return 1;
  }
  const fs::path file = fs::path(args[0]) / fs::u8path(kObserversCsvName);
  if (!MayWrite({file}, replace)) return 1;
  return StatusAfterOutput(
      db, WriteFiles({{file, Utf8ToCp1250(ObserversCsvText(BuildObserverTable(db)))}}));
}

const bool kRegistered =
    RegisterCommand({"own-report",
                     CoreTextNoop("ardeno-cli", "own-report SLOŽKA M.RRRR [--replace]"),
                     OwnReport}) &&
    RegisterCommand({"sidc-report",
                     CoreTextNoop("ardeno-cli", "sidc-report SLOŽKA M.RRRR [KÓD] [--replace]"),
                     SidcReport}) &&
    RegisterCommand(
        {"sidc-csv", CoreTextNoop("ardeno-cli", "sidc-csv SLOŽKA M.RRRR [--replace]"), SidcCsv}) &&
    RegisterCommand({"cv-report", CoreTextNoop("ardeno-cli", "cv-report SLOŽKA M.RRRR [--replace]"),
                     CvReport}) &&
    RegisterCommand({"observers-csv",
                     CoreTextNoop("ardeno-cli", "observers-csv SLOŽKA [--replace]"), ObserversCsv});

}  // namespace

}  // namespace ardeno::cli
