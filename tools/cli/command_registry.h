// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The commands of ardeno-cli. Each command file registers its commands at start-up with
//   const bool kRegistered = RegisterCommand({"name", CoreTextNoop("ardeno-cli", "usage"), Run});
// A command returns the process exit status; errors go to stderr with status 1. Messages are
// CoreText("ardeno-cli", ...) texts: they follow --lang; files and report content do not.
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "core/text/core_text.h"
#include "core/text/dates.h"

namespace ardeno::cli {

struct Command {
  std::string Name;
  std::string Usage;  // shown by "ardeno-cli help", e.g. "check SLOŽKA" (a CoreTextNoop text)
  std::function<int(const std::vector<std::string>& args)> Run;
};

bool RegisterCommand(Command command);
// A usage in the language of the messages, and "Použití: ardeno-cli USAGE" printed on stderr.
std::string ShownUsage(const std::string& usage);
void PrintUsage(const std::string& usage);
const std::map<std::string, Command>& Commands();

// The day the program runs on: the clock's date, or the one given by "--today D.M.YYYY" before
// the command (scripts and tests fix it so that their results do not depend on the day).
CalendarDate InvocationDate();

// The folder of the running ardeno-cli, where an installed copy finds ../share/ardeno.
std::filesystem::path ProgramFolder();

}  // namespace ardeno::cli
