// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/reports/network_files.h"

#include "core/reports/aavso_month.h"
#include "core/reports/baa_month.h"
#include "core/reports/report_text.h"
#include "core/reports/ussps_message.h"
#include "core/results/month_walk.h"

namespace ardeno {

namespace {

std::filesystem::path InFolder(const std::filesystem::path& progDir, const std::string& name) {
  return progDir / std::filesystem::u8path(kNetworkFolder) / name;
}

std::string MonthStamp(const ReportMonth& month) {
  return Digits(month.Year, 4) + Digits(month.Month, 2);
}

}  // namespace

Refusal CheckNetworkCodes(Network network, const NetworkCodes& codes) {
  switch (network) {
    case Network::Ussps:
      return CheckUsspsStation(codes.UsspsStation);
    case Network::Aavso:
      return CheckAavsoObserver(codes.AavsoObserver);
    case Network::Baa:
      break;
  }
  return std::nullopt;
}

NetworkFile UsspsDayFile(const std::filesystem::path& progDir, const Database& db, int index,
                         const NetworkCodes& codes) {
  const auto date = RecordDate(db.Record(index));
  const std::string stamp =
      date ? Digits(date->Year, 4) + Digits(date->Month, 2) + Digits(date->Day, 2)
           : std::to_string(index);
  return {InFolder(progDir, "USSPS-" + stamp + ".txt"),
          ReportFileBytes(UsspsMessage(db, index, codes.UsspsStation))};
}

NetworkFile NetworkMonthFile(const std::filesystem::path& progDir, const Database& db,
                             Network network, const ReportMonth& month, const NetworkCodes& codes) {
  const ReportDays days = MatchReportDays(db, month);
  switch (network) {
    case Network::Ussps:
      return {InFolder(progDir, "USSPS-" + MonthStamp(month) + ".txt"),
              ReportFileBytes(UsspsMonthMessages(db, days, codes.UsspsStation))};
    case Network::Baa:
      return {InFolder(progDir, "BAA-" + MonthStamp(month) + ".csv"),
              ReportFileBytes(BaaMonthLines(db, days))};
    case Network::Aavso:
      break;
  }
  return {InFolder(progDir, "AAVSO-" + MonthStamp(month) + ".txt"),
          ReportFileBytes(AavsoMonthLines(db, days, month, codes.AavsoObserver))};
}

}  // namespace ardeno
