// SPDX-License-Identifier: GPL-3.0-or-later
// ardeno-cli describe FILE: what a PNG or JPG picture says about itself (the program's pictures
// carry the view, the date or period, the ephemeris, the observer and the station).
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "cli/command_registry.h"
#include "core/publishing/picture_text.h"
#include "core/text/core_text.h"

namespace ardeno::cli {

namespace {

constexpr const char* kDescribeUsage = CoreTextNoop("ardeno-cli", "describe OBRÁZEK.png|.jpg");

// Exit status: 0 read whole, 1 something could not be read (said on stderr), 2 not a picture.
int Describe(const std::vector<std::string>& args) {
  if (args.size() != 1) {
    PrintUsage(kDescribeUsage);
    return 2;
  }
  std::ifstream in(args[0], std::ios::binary);
  if (!in) {
    std::cerr << FillText(CoreText("ardeno-cli", "Soubor nelze otevřít: %1"), {args[0]}) << "\n";
    return 2;
  }
  const auto read = DescribePicture(in);
  if (const auto* refusal = std::get_if<std::string>(&read)) {
    std::cerr << args[0] << ": " << *refusal << "\n";
    return 2;
  }
  const PictureDescription& description = std::get<PictureDescription>(read);
  for (const PictureFact& fact : description.Facts)
    std::cout << fact.Key << ": " << fact.Value << "\n";
  if (description.Facts.empty())
    std::cerr << FillText(
                     CoreText("ardeno-cli", "%1: obrázek o sobě nic neříká (nemá textové údaje)."),
                     {args[0]})
              << "\n";
  for (const std::string& problem : description.Problems)
    std::cerr << args[0] << ": " << problem << "\n";
  return description.Problems.empty() ? 0 : 1;
}

const bool kRegistered = RegisterCommand({"describe", kDescribeUsage, Describe});

}  // namespace

}  // namespace ardeno::cli
