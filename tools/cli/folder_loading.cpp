#include "cli/folder_loading.h"

#include <filesystem>
#include <iostream>

#include "core/text/dates.h"

namespace ardeno::cli {

bool LoadExistingFolder(const std::vector<std::string>& args, const char* usage, Database& db,
                        LoadReport& report) {
  if (args.size() != 1) {
    std::cerr << "Použití: ardeno-cli " << usage << "\n";
    return false;
  }
  const std::filesystem::path folder = args[0];
  report = LoadDatabase(db, folder, Today());
  if (report.Error) {
    std::cerr << *report.Error << "\n";
    return false;
  }
  if (!report.FileExisted) {
    std::cerr << "Ve složce " << folder.string() << " není soubor datax.dat.\n";
    return false;
  }
  if (report.Warning) std::cerr << *report.Warning << "\n";
  return true;
}

}  // namespace ardeno::cli
