// SPDX-License-Identifier: GPL-3.0-or-later
// ardeno-cli export-ascii DIR and inputs DIR: the groups text export, and the auxiliary files of a
// program folder as start-up reads them.
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "cli/command_registry.h"
#include "cli/folder_loading.h"
#include "core/data/ascii_export.h"
#include "core/data/data_file.h"
#include "core/data/data_folder.h"
#include "core/data/database.h"
#include "core/data/startup_inputs.h"
#include "core/text/core_text.h"
#include "core/text/dates.h"
#include "core/text/number_format.h"

namespace ardeno::cli {

namespace {

int ExportAscii(const std::vector<std::string>& args) {
  Database db;
  LoadReport report;
  if (!LoadExistingFolder(args, "export-ascii SLOŽKA", db, report)) return 1;
  const std::filesystem::path folder = args[0];
  if (const auto error = WriteAsciiExport(db, folder)) {
    std::cerr << *error << "\n";
    return 1;
  }
  int groups = 0;
  for (int i = 1; i <= db.RecordCount; ++i) groups += db.Record(i).GroupCount();
  std::cout << FillText(CoreText("ardeno-cli", "Zapsáno: %1, skupin: %2"),
                        {(folder / kAsciiExportFileName).string(), std::to_string(groups)})
            << "\n";
  return StatusAfterOutput(db);
}

int Inputs(const std::vector<std::string>& args) {
  if (args.size() != 1) {
    PrintUsage("inputs SLOŽKA");
    return 1;
  }
  const std::filesystem::path folder = args[0];
  if (const auto problem = DataFolderProblem(folder)) {
    std::cerr << *problem << "\n";
    return 1;
  }
  const StartupInputs inputs =
      ReadStartupInputs(folder, InvocationDate(), MissingZoomFile::LeaveMissing);
  const auto count = [](auto value) { return std::to_string(value); };
  std::cout << FillText(CoreText("ardeno-cli", "Zvětšení: %1"), {FormatFloat("0.00", inputs.Zoom)})
            << "\n";
  for (std::size_t i = 0; i < inputs.InstrumentLines.size(); ++i) {
    std::cout << FillText(CoreText("ardeno-cli", "Přístroj %1: %2"),
                          {count(i + 1), inputs.InstrumentLines[i]})
              << "\n";
  }
  const SupplementaryData& supplementary = inputs.Supplementary;
  const std::string supplementaryState =
      supplementary.Present()   ? CoreText("ardeno-cli", "ano")
      : supplementary.FileFound ? CoreText("ardeno-cli", "ne (soubor je, ale data se nepoužijí)")
                                : CoreText("ardeno-cli", "ne (soubor chybí)");
  std::cout << "Motfakul.dat: " << supplementaryState << "\n"
            << FillText(CoreText("ardeno-cli", "SIDC roky: %1, dnů: %2"),
                        {count(inputs.SidcDaily.YearsFound), count(inputs.SidcDaily.DaysFilled)})
            << "\n"
            << FillText(CoreText("ardeno-cli", "SIDC plochy, řádků: %1"),
                        {count(inputs.SidcAreas.LineCount)})
            << "\n"
            << FillText(CoreText("ardeno-cli", "SIDC tok 10 cm, řádků: %1"),
                        {count(inputs.RadioFlux.LineCount)})
            << "\n"
            << FillText(CoreText("ardeno-cli", "Koróna, roků: %1, bajtů: %2"),
                        {count(inputs.Corona.YearsRead), count(inputs.Corona.CoronaByteCount)})
            << "\n";
  for (const auto& message : inputs.Messages) std::cerr << message << "\n";
  return inputs.Messages.empty() ? 0 : 1;
}

const bool kRegistered =
    RegisterCommand(
        {"export-ascii", CoreTextNoop("ardeno-cli", "export-ascii SLOŽKA"), ExportAscii}) &&
    RegisterCommand({"inputs", CoreTextNoop("ardeno-cli", "inputs SLOŽKA"), Inputs});

}  // namespace

}  // namespace ardeno::cli
