// SPDX-License-Identifier: GPL-3.0-or-later
// ardeno-cli bulletin DIR M.YYYY OUT-FOLDER: the month's bulletin page with its pictures. The
// pictures are painted by the windows' paint functions, so this command is part of ardeno-cli
// only where the Qt layer is built; it starts Qt offscreen for the run.
#include <QApplication>
#include <iostream>

#include "cli/command_registry.h"
#include "core/text/core_text.h"
#include "views/bulletin_writer.h"

namespace ardeno::cli {

namespace {

constexpr const char* kBulletinUsage =
    CoreTextNoop("ardeno-cli", "bulletin SLOŽKA M.RRRR VÝSTUPNÍ-SLOŽKA [--replace]");

int Bulletin(std::vector<std::string> args) {
  const bool replace = !args.empty() && args.back() == "--replace";
  if (replace) args.pop_back();
  if (args.size() != 3) {
    PrintUsage(kBulletinUsage);
    return 1;
  }
  const std::optional<ReportMonth> month = ParseWholeReportMonth(args[1]);
  if (!month) {
    std::cerr << FillText(CoreText("ardeno-cli", "Měsíc \"%1\": %2"),
                          {args[1], CoreText("ReportMonth", kWholeReportMonthRule)})
              << "\n";
    return 1;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  int argc = 1;
  char name[] = "ardeno-cli";
  char* argv[] = {name, nullptr};
  QApplication app(argc, argv);
  render::BulletinRun run;
  const std::optional<std::string> error =
      render::WriteBulletin(args[0], *month, args[2], run, replace);
  for (const std::string& message : run.Messages) std::cerr << message << "\n";
  if (error) {
    std::cerr << *error;
    if (run.RefusedForeignFile) std::cerr << " " << CoreText("ardeno-cli", "(přepsat: --replace)");
    std::cerr << "\n";
    return 1;
  }
  for (const auto& file : run.Written) std::cout << file.string() << "\n";
  return 0;
}

const bool kRegistered = RegisterCommand({"bulletin", kBulletinUsage, Bulletin});

}  // namespace

}  // namespace ardeno::cli
