// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The files written for the other networks, all in the folder "Sítě": the USSPS messages of a
// day ("USSPS-yyyymmdd.txt") or of a month ("USSPS-yyyymm.txt"), the BAA monthly form
// ("BAA-yyyymm.csv") and the AAVSO monthly report ("AAVSO-yyyymm.txt"). ASCII with CR LF.
#include <filesystem>
#include <string>

#include "core/reports/network_codes.h"
#include "core/reports/report_days.h"

namespace ardeno {

inline constexpr const char* kNetworkFolder = "Sítě";

enum class Network { Ussps, Baa, Aavso };

struct NetworkFile {
  std::filesystem::path Path;
  std::string Bytes;
};

// The code the network's file needs is valid (the USSPS station, the AAVSO observer code); the
// BAA form needs none.
Refusal CheckNetworkCodes(Network network, const NetworkCodes& codes);

// The USSPS message of record `index`.
NetworkFile UsspsDayFile(const std::filesystem::path& progDir, const Database& db, int index,
                         const NetworkCodes& codes);
// The month's file of the network (for USSPS every drawing day's message).
NetworkFile NetworkMonthFile(const std::filesystem::path& progDir, const Database& db,
                             Network network, const ReportMonth& month, const NetworkCodes& codes);

}  // namespace ardeno
