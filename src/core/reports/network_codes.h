// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Site.txt": the codes under which the station reports to the other networks, kept from one run
// of the program to the next: line 1 the ISES station indicator of the USSPS messages, line 2
// the observer's AAVSO solar code, line 3 the observatory code that heads the SIDC report.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/text/refusal.h"

namespace ardeno {

inline constexpr const char* kNetworkCodesFileName = "Site.txt";

struct NetworkCodes {
  std::string UsspsStation;
  std::string AavsoObserver;
  std::string SidcObservatory;
};

// The three lines of the file's bytes (any line end); missing lines stay empty.
NetworkCodes ParseNetworkCodes(std::string_view bytes);
// Empty codes when the file is missing; throws AuxFileError when it exists but cannot be read.
NetworkCodes ReadNetworkCodes(const std::filesystem::path& progDir);
// Rewrites the file whole (CR LF; line 3 only when there is a SIDC code); the Czech message of a
// failure.
Refusal WriteNetworkCodes(const std::filesystem::path& progDir, const NetworkCodes& codes);

// The message's first code group holds the station: five letters or digits.
Refusal CheckUsspsStation(std::string_view station);
// An AAVSO observer code: one to six letters or digits (it stands in a column of every line).
Refusal CheckAavsoObserver(std::string_view code);

}  // namespace ardeno
