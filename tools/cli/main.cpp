#include <iostream>

#include "cli/command_registry.h"

namespace ardeno::cli {

namespace {
std::map<std::string, Command>& Registry() {
  static std::map<std::string, Command> registry;
  return registry;
}
}  // namespace

bool RegisterCommand(Command command) {
  auto name = command.Name;
  Registry().emplace(std::move(name), std::move(command));
  return true;
}

const std::map<std::string, Command>& Commands() { return Registry(); }

}  // namespace ardeno::cli

int main(int argc, char* argv[]) {
  using ardeno::cli::Commands;
  const std::string name = argc > 1 ? argv[1] : "";
  const bool helpAsked = name == "help" || name == "--help" || name == "-h";
  const auto found = Commands().find(name);
  if (helpAsked || found == Commands().end()) {
    // Without a command a script has made a mistake: the usage goes to stderr with status 1.
    std::ostream& out = helpAsked ? std::cout : std::cerr;
    if (!helpAsked && !name.empty()) out << "Neznámý příkaz: " << name << "\n";
    out << "Použití: ardeno-cli PŘÍKAZ ...\n";
    for (const auto& [key, command] : Commands()) out << "  ardeno-cli " << command.Usage << "\n";
    return helpAsked ? 0 : 1;
  }
  std::vector<std::string> args(argv + 2, argv + argc);
  try {
    return found->second.Run(args);
  } catch (const std::exception& error) {
    std::cerr << error.what() << "\n";
    return 1;
  }
}
