#include <iostream>

#include "cli/command_registry.h"

namespace ardeno::cli {

namespace {

std::map<std::string, Command>& Registry() {
  static std::map<std::string, Command> registry;
  return registry;
}

CalendarDate g_invocationDate{};
std::filesystem::path g_programFolder;

// The running program's folder: the kernel's link to it, or argv[0] where there is no /proc.
std::filesystem::path FindProgramFolder(const char* argv0) {
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  if (!error) return self.parent_path();
  return std::filesystem::absolute(argv0, error).parent_path();
}

// "--today D.M.YYYY" before the command fixes the program's day; false when it cannot be read.
bool TakeInvocationDate(std::vector<std::string>& words) {
  g_invocationDate = Today();
  if (words.empty() || words.front() != "--today") return true;
  const auto date = words.size() > 1 ? ParseDate(words[1]) : std::nullopt;
  if (!date) return false;
  g_invocationDate = *date;
  words.erase(words.begin(), words.begin() + 2);
  return true;
}

}  // namespace

CalendarDate InvocationDate() { return g_invocationDate; }

std::filesystem::path ProgramFolder() { return g_programFolder; }

bool RegisterCommand(Command command) {
  auto name = command.Name;
  Registry().emplace(std::move(name), std::move(command));
  return true;
}

const std::map<std::string, Command>& Commands() { return Registry(); }

}  // namespace ardeno::cli

int main(int argc, char* argv[]) {
  using ardeno::cli::Commands;
  ardeno::cli::g_programFolder = ardeno::cli::FindProgramFolder(argv[0]);
  std::vector<std::string> words(argv + 1, argv + argc);
  if (!ardeno::cli::TakeInvocationDate(words)) {
    std::cerr << "Za --today patří datum ve tvaru D.M.RRRR\n";
    return 1;
  }
  const std::string name = words.empty() ? "" : words.front();
  const bool helpAsked = name == "help" || name == "--help" || name == "-h";
  const auto found = Commands().find(name);
  if (helpAsked || found == Commands().end()) {
    // Without a command a script has made a mistake: the usage goes to stderr with status 1.
    std::ostream& out = helpAsked ? std::cout : std::cerr;
    if (!helpAsked && !name.empty()) out << "Neznámý příkaz: " << name << "\n";
    out << "Použití: ardeno-cli [--today D.M.RRRR] PŘÍKAZ ...\n";
    for (const auto& [key, command] : Commands()) out << "  ardeno-cli " << command.Usage << "\n";
    return helpAsked ? 0 : 1;
  }
  const std::vector<std::string> args(words.begin() + 1, words.end());
  try {
    return found->second.Run(args);
  } catch (const std::exception& error) {
    std::cerr << error.what() << "\n";
    return 1;
  }
}
