// SPDX-License-Identifier: GPL-3.0-or-later
#include <iostream>

#include "cli/command_registry.h"
#include "cli/language/message_language.h"
#include "core/text/core_text.h"

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

// The options before the command, in any order: "--today D.M.YYYY" and "--lang cs|en".
struct LeadingOptions {
  std::optional<std::string> Today;
  std::optional<std::string> Language;
  bool Incomplete = false;  // an option without its value
};

LeadingOptions TakeLeadingOptions(std::vector<std::string>& words) {
  LeadingOptions options;
  while (!words.empty() && (words.front() == "--today" || words.front() == "--lang")) {
    if (words.size() < 2) {
      options.Incomplete = true;
      (words.front() == "--today" ? options.Today : options.Language) = "";
      words.clear();
      break;
    }
    (words.front() == "--today" ? options.Today : options.Language) = words[1];
    words.erase(words.begin(), words.begin() + 2);
  }
  return options;
}

// "--today D.M.YYYY" fixes the program's day; false when it cannot be read.
bool TakeInvocationDate(const std::optional<std::string>& given) {
  g_invocationDate = Today();
  if (!given) return true;
  const auto date = ParseDate(*given);
  if (!date) return false;
  g_invocationDate = *date;
  return true;
}

}  // namespace

CalendarDate InvocationDate() { return g_invocationDate; }

std::filesystem::path ProgramFolder() { return g_programFolder; }

void PrintUsage(const std::string& usage) {
  std::cerr << FillText(CoreText("ardeno-cli", "Použití: ardeno-cli %1"), {ShownUsage(usage)})
            << "\n";
}

std::string ShownUsage(const std::string& usage) { return CoreText("ardeno-cli", usage.c_str()); }

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
  using ardeno::CoreText;
  std::vector<std::string> words(argv + 1, argv + argc);
  const auto options = ardeno::cli::TakeLeadingOptions(words);
  if (!ardeno::cli::UseMessageLanguage(options.Language)) {
    // Said in the language the program would speak without the bad option.
    ardeno::cli::UseMessageLanguage(std::nullopt);
    std::cerr << CoreText("ardeno-cli", "Za --lang patří cs nebo en") << "\n";
    return 1;
  }
  if (options.Incomplete || !ardeno::cli::TakeInvocationDate(options.Today)) {
    std::cerr << CoreText("ardeno-cli", "Za --today patří datum ve tvaru D.M.RRRR") << "\n";
    return 1;
  }
  const std::string name = words.empty() ? "" : words.front();
  const bool helpAsked = name == "help" || name == "--help" || name == "-h";
  const auto found = Commands().find(name);
  if (helpAsked || found == Commands().end()) {
    // Without a command a script has made a mistake: the usage goes to stderr with status 1.
    std::ostream& out = helpAsked ? std::cout : std::cerr;
    if (!helpAsked && !name.empty())
      out << ardeno::FillText(CoreText("ardeno-cli", "Neznámý příkaz: %1"), {name}) << "\n";
    out << CoreText("ardeno-cli",
                    "Použití: ardeno-cli [--lang cs|en] [--today D.M.RRRR] PŘÍKAZ ...")
        << "\n";
    for (const auto& [key, command] : Commands())
      out << "  ardeno-cli " << ardeno::cli::ShownUsage(command.Usage) << "\n";
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
