// SPDX-License-Identifier: GPL-3.0-or-later
// ardeno-cli ussps, baa and aavso: the files for the other networks, exactly as the results
// window's "Export pro sítě" writes them, into DIR/Sítě.
#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

#include "cli/command_registry.h"
#include "cli/folder_loading.h"
#include "cli/month_loading.h"
#include "core/data/aux_file_io.h"
#include "core/reports/network_files.h"
#include "core/results/month_walk.h"
#include "core/text/core_text.h"

namespace ardeno::cli {

namespace {

// The codes of DIR/Site.txt, with `typed` (given on the command line) in place of the one
// `network` needs when not empty; false after saying why they do not serve.
bool CodesFor(Network network, const std::string& dir, const std::string& typed,
              NetworkCodes& codes) {
  try {
    codes = ReadNetworkCodes(dir);
  } catch (const AuxFileError& error) {
    std::cerr << error.what() << "\n";
    return false;
  }
  if (!typed.empty()) {
    (network == Network::Ussps ? codes.UsspsStation : codes.AavsoObserver) = typed;
  }
  if (const auto refusal = CheckNetworkCodes(network, codes)) {
    // Where the refused code came from: the command line or its line of Site.txt.
    const std::string from =
        !typed.empty() ? CoreText("ardeno-cli", "příkazová řádka")
                       : FillText(CoreText("ardeno-cli", "%1, řádek %2"),
                                  {kNetworkCodesFileName, network == Network::Ussps ? "1" : "2"});
    std::cerr << FillText(CoreText("ardeno-cli", "%1 (%2)"), {*refusal, from}) << "\n";
    return false;
  }
  return true;
}

int WriteMonth(Network network, const std::vector<std::string>& args, const char* usage,
               const std::string& typedCode, bool replace) {
  Database db;
  ReportMonth month;
  if (!LoadMonth(args, 2, usage, db, month)) return 1;
  NetworkCodes codes;
  if (!CodesFor(network, args[0], typedCode, codes)) return 1;
  TellLeftOut(db, MatchReportDays(db, month));
  const NetworkFile file = NetworkMonthFile(args[0], db, network, month, codes);
  if (!MayWrite({file.Path}, replace)) return 1;
  return StatusAfterOutput(db, WriteFiles({{file.Path, file.Bytes}}));
}

// "D.M.YYYY": the message of that day's drawing; "M.YYYY": every drawing day of the month.
int Ussps(std::vector<std::string> args) {
  constexpr const char* kUsage =
      CoreTextNoop("ardeno-cli", "ussps SLOŽKA D.M.RRRR|M.RRRR [STANICE] [--replace]");
  const bool replace = TakeReplaceOption(args);
  if (args.size() < 2 || args.size() > 3) {
    PrintUsage(kUsage);
    return 1;
  }
  const std::string station = args.size() == 3 ? args[2] : std::string();
  if (std::count(args[1].begin(), args[1].end(), '.') != 2)
    return WriteMonth(Network::Ussps, {args[0], args[1]}, kUsage, station, replace);
  const auto date = ParseEnteredDate(args[1]);
  if (!date) {
    std::cerr << FillText(CoreText("ardeno-cli", "Datum „%1“ nelze přečíst (D.M.RRRR)."), {args[1]})
              << "\n";
    return 1;
  }
  const std::string monthText = std::to_string(date->Month) + "." + std::to_string(date->Year);
  Database db;
  ReportMonth month;
  if (!LoadMonth({args[0], monthText}, 2, kUsage, db, month)) return 1;
  NetworkCodes codes;
  if (!CodesFor(Network::Ussps, args[0], station, codes)) return 1;
  const ReportDays days = MatchReportDays(db, month);
  const int index = days.RecordOn(date->Day);
  if (index == 0) {
    const bool catalogueDay = std::any_of(days.Catalogue.begin(), days.Catalogue.end(), [&](int i) {
      const auto recordDate = RecordDate(db.Record(i));
      return recordDate && recordDate->Day == date->Day;
    });
    std::cerr << FillText(catalogueDay ? CoreText("ardeno-cli",
                                                  "Dne %1 je jen katalogový záznam (NOAA/RGO), "
                                                  "žádný vlastní zákres.")
                                       : CoreText("ardeno-cli", "Dne %1 není žádný zákres."),
                          {args[1]})
              << "\n";
    return 1;
  }
  TellLeftOut(db, days);
  const NetworkFile file = UsspsDayFile(args[0], db, index, codes);
  if (!MayWrite({file.Path}, replace)) return 1;
  return StatusAfterOutput(db, WriteFiles({{file.Path, file.Bytes}}));
}

int Baa(std::vector<std::string> args) {
  constexpr const char* kUsage = CoreTextNoop("ardeno-cli", "baa SLOŽKA M.RRRR [--replace]");
  const bool replace = TakeReplaceOption(args);
  if (args.size() != 2) {
    PrintUsage(kUsage);
    return 1;
  }
  return WriteMonth(Network::Baa, args, kUsage, "", replace);
}

int Aavso(std::vector<std::string> args) {
  constexpr const char* kUsage =
      CoreTextNoop("ardeno-cli", "aavso SLOŽKA M.RRRR [KÓD] [--replace]");
  const bool replace = TakeReplaceOption(args);
  if (args.size() < 2 || args.size() > 3) {
    PrintUsage(kUsage);
    return 1;
  }
  return WriteMonth(Network::Aavso, {args[0], args[1]}, kUsage,
                    args.size() == 3 ? args[2] : std::string(), replace);
}

const bool kRegistered =
    RegisterCommand(
        {"ussps", CoreTextNoop("ardeno-cli", "ussps SLOŽKA D.M.RRRR|M.RRRR [STANICE] [--replace]"),
         Ussps}) &&
    RegisterCommand({"baa", CoreTextNoop("ardeno-cli", "baa SLOŽKA M.RRRR [--replace]"), Baa}) &&
    RegisterCommand(
        {"aavso", CoreTextNoop("ardeno-cli", "aavso SLOŽKA M.RRRR [KÓD] [--replace]"), Aavso});

}  // namespace

}  // namespace ardeno::cli
