// SPDX-License-Identifier: GPL-3.0-or-later
// ardeno-cli own-report, sidc-report, sidc-csv, cv-report and observers-csv: the monthly report
// files and the observer table exactly as the results window writes them, into the same folders
// under DIR.
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

int OwnReport(const std::vector<std::string>& args) {
  constexpr const char* kUsage = CoreTextNoop("ardeno-cli", "own-report SLOŽKA M.RRRR");
  Database db;
  ReportMonth month;
  if (args.size() != 2 || !LoadMonth(args, 2, kUsage, db, month)) return 1;
  const ReportDays days = MatchReportDays(db, month);
  TellLeftOut(db, days);
  return StatusAfterOutput(
      db,
      WriteFiles({{OwnIndexFilePath(args[0], month), ReportFileBytes(OwnIndexFileLines(db, days))},
                  {OwnAreaFilePath(args[0], month), ReportFileBytes(OwnAreaFileLines(db, days))}}));
}

int SidcReport(const std::vector<std::string>& args) {
  constexpr const char* kUsage =
      CoreTextNoop("ardeno-cli", "sidc-report SLOŽKA M.RRRR KÓD [--replace]");
  const bool replace = args.size() == 4 && args[3] == "--replace";
  Database db;
  ReportMonth month;
  if ((args.size() != 3 && !replace) || !LoadMonth(args, 3, kUsage, db, month)) {
    if (args.size() == 4 && !replace) PrintUsage(kUsage);
    return 1;
  }
  // The code heads the report's second line: a line break in it would break the layout.
  if (args[2].empty() || std::any_of(args[2].begin(), args[2].end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
      })) {
    std::cerr << CoreText("ardeno-cli",
                          "Kód observatoře musí být neprázdný text na jednom řádku, bez řídicích "
                          "znaků.")
              << "\n";
    return 1;
  }
  const fs::path file = SidcReportPath(args[0], month);
  if (fs::exists(file) && !replace) {
    std::cerr << FillText(CoreText("ardeno-cli", "Soubor %1 již existuje (přepsat: --replace)."),
                          {file.string()})
              << "\n";
    return 1;
  }
  const DescriptionLines popis = Description(args[0]);
  if (popis[0].empty()) TellNoDescription();
  const ReportDays days = MatchReportDays(db, month);
  TellLeftOut(db, days);
  return StatusAfterOutput(
      db, WriteFiles({{file, Utf8ToCp1250(SidcReportText(db, days, month, args[2], popis[6]))}}));
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

int SidcCsv(const std::vector<std::string>& args) {
  constexpr const char* kUsage = CoreTextNoop("ardeno-cli", "sidc-csv SLOŽKA M.RRRR");
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
  const ReportDays days = MatchReportDays(db, month);
  TellLeftOut(db, days);
  return StatusAfterOutput(
      db, WriteFiles({{SidcCsvPath(args[0], month, station.Number),
                       ReportFileBytes(
                           SidcCsvLines(db, days, month, station, CsvInstrumentOf(instrument)))}}));
}

int CvReport(const std::vector<std::string>& args) {
  constexpr const char* kUsage = CoreTextNoop("ardeno-cli", "cv-report SLOŽKA M.RRRR");
  Database db;
  ReportMonth month;
  if (args.size() != 2 || !LoadMonth(args, 2, kUsage, db, month)) return 1;
  const DescriptionLines popis = Description(args[0]);
  if (popis[0].empty()) TellNoDescription();
  const ReportDays days = MatchReportDays(db, month);
  TellLeftOut(db, days);
  return StatusAfterOutput(db,
                           WriteFiles({{CvReportPath(args[0], month),
                                        ReportFileBytes(CvReportLines(db, days, month, popis))}}));
}

int ObserversCsv(const std::vector<std::string>& args) {
  Database db;
  LoadReport report;
  if (!LoadExistingFolder(args, "observers-csv SLOŽKA", db, report)) return 1;
  if (db.Observers.empty()) {
    std::cerr << kNoObserverMessage << "\n";
    return 1;
  }
  return StatusAfterOutput(db,
                           WriteFiles({{fs::path(args[0]) / fs::u8path(kObserversCsvName),
                                        Utf8ToCp1250(ObserversCsvText(BuildObserverTable(db)))}}));
}

const bool kRegistered =
    RegisterCommand(
        {"own-report", CoreTextNoop("ardeno-cli", "own-report SLOŽKA M.RRRR"), OwnReport}) &&
    RegisterCommand({"sidc-report",
                     CoreTextNoop("ardeno-cli", "sidc-report SLOŽKA M.RRRR KÓD [--replace]"),
                     SidcReport}) &&
    RegisterCommand({"sidc-csv", CoreTextNoop("ardeno-cli", "sidc-csv SLOŽKA M.RRRR"), SidcCsv}) &&
    RegisterCommand(
        {"cv-report", CoreTextNoop("ardeno-cli", "cv-report SLOŽKA M.RRRR"), CvReport}) &&
    RegisterCommand(
        {"observers-csv", CoreTextNoop("ardeno-cli", "observers-csv SLOŽKA"), ObserversCsv});

}  // namespace

}  // namespace ardeno::cli
