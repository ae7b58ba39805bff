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
  std::cout << "Zapsáno: " << (folder / kAsciiExportFileName).string() << ", skupin: " << groups
            << "\n";
  return StatusAfterOutput(db);
}

int Inputs(const std::vector<std::string>& args) {
  if (args.size() != 1) {
    std::cerr << "Použití: ardeno-cli inputs SLOŽKA\n";
    return 1;
  }
  const std::filesystem::path folder = args[0];
  if (const auto problem = DataFolderProblem(folder)) {
    std::cerr << *problem << "\n";
    return 1;
  }
  const StartupInputs inputs =
      ReadStartupInputs(folder, InvocationDate(), MissingZoomFile::LeaveMissing);
  std::cout << "Zvětšení: " << FormatFloat("0.00", inputs.Zoom) << "\n";
  for (std::size_t i = 0; i < inputs.InstrumentLines.size(); ++i) {
    std::cout << "Přístroj " << i + 1 << ": " << inputs.InstrumentLines[i] << "\n";
  }
  const SupplementaryData& supplementary = inputs.Supplementary;
  std::cout << "Motfakul.dat: "
            << (supplementary.Present()   ? "ano"
                : supplementary.FileFound ? "ne (soubor je, ale data se nepoužijí)"
                                          : "ne (soubor chybí)")
            << "\n"
            << "SIDC roky: " << inputs.SidcDaily.YearsFound
            << ", dnů: " << inputs.SidcDaily.DaysFilled << "\n"
            << "SIDC plochy, řádků: " << inputs.SidcAreas.LineCount << "\n"
            << "SIDC tok 10 cm, řádků: " << inputs.RadioFlux.LineCount << "\n"
            << "Koróna, roků: " << inputs.Corona.YearsRead
            << ", bajtů: " << inputs.Corona.CoronaByteCount << "\n";
  for (const auto& message : inputs.Messages) std::cerr << message << "\n";
  return inputs.Messages.empty() ? 0 : 1;
}

const bool kRegistered = RegisterCommand({"export-ascii", "export-ascii SLOŽKA", ExportAscii}) &&
                         RegisterCommand({"inputs", "inputs SLOŽKA", Inputs});

}  // namespace

}  // namespace ardeno::cli
