// SPDX-License-Identifier: GPL-3.0-or-later
// ardeno-sample [--lang cs|en] DIR [COUNT] [SEED]: writes a sample data folder with COUNT
// generated drawings.
// ardeno-sample [--lang cs|en] DIR --reference SOURCES [SEED]: the sample folder on the real Sun
// of cycle 24.
#include <charconv>
#include <exception>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "cli/language/message_language.h"
#include "core/data/record_file.h"
#include "core/text/core_text.h"
#include "sample/real_sample.h"
#include "sample/sample_database.h"

namespace {

constexpr int kDefaultCount = 4000;  // about 15 years of drawings, more than one cycle
constexpr unsigned kDefaultSeed = 1;
constexpr int kMaxCount = static_cast<int>(ardeno::kMaxFileRecords);  // what the program loads

std::optional<long long> ParseNumber(const std::string& text) {
  long long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

using ardeno::CoreText;
using ardeno::CoreTextNoop;
using ardeno::FillText;

bool IsSeed(const std::optional<long long>& seed) {
  if (seed && *seed >= 0 && *seed <= 4294967295LL) return true;
  std::cerr << CoreText("ardeno-sample", "Semínko musí být celé nezáporné číslo.") << "\n";
  return false;
}

int WriteRealSample(const std::string& folder, const std::string& sources,
                    const std::optional<long long>& seed) {
  if (!IsSeed(seed)) return 1;
  try {
    const auto summary =
        ardeno::WriteRealSampleFolder(folder, sources, static_cast<unsigned>(*seed));
    std::cout << FillText(CoreText("ardeno-sample",
                                   "Zapsáno %1 zákresů (%2 - %3): %4 nakreslených pozorovateli, "
                                   "%5 zpráv NOAA, %6 zvláštních; souborů SIDC: %7"),
                          {std::to_string(summary.Records), summary.FirstDate, summary.LastDate,
                           std::to_string(summary.DrawnDays), std::to_string(summary.NoaaDays),
                           std::to_string(summary.SpecialRecords),
                           std::to_string(summary.ReferenceFiles)})
              << "\n";
  } catch (const std::exception& error) {
    std::cerr << error.what() << "\n";
    return 1;
  }
  return 0;
}

constexpr const char* kUsage =
    CoreTextNoop("ardeno-sample",
                 "Použití: ardeno-sample [--lang cs|en] SLOŽKA [POČET_ZÁKRESŮ] [SEMÍNKO]\n"
                 "        ardeno-sample [--lang cs|en] SLOŽKA --reference ZDROJE [SEMÍNKO]\n");

std::string Usage() { return CoreText("ardeno-sample", kUsage); }

}  // namespace

int main(int argc, char* argv[]) {
  std::vector<std::string> words(argv + 1, argv + argc);
  // The language of the messages as ardeno-cli chooses it; the data written are the same in all.
  if (!ardeno::cli::UseMessageLanguage(ardeno::cli::TakeLanguageCode(words))) {
    ardeno::cli::UseMessageLanguage(std::nullopt);
    std::cerr << CoreText("ardeno-cli", "Za --lang patří cs nebo en") << "\n";
    return 1;
  }
  // A folder is never named like an option: "--help" asks for the usage, any other "-..." is a
  // mistake, and neither may leave a sample folder behind.
  if (!words.empty() && words[0].starts_with('-')) {
    if (words[0] == "--help" || words[0] == "-h") {
      std::cout << Usage();
      return 0;
    }
    std::cerr << FillText(CoreText("ardeno-sample", "Neznámá volba: %1"), {words[0]}) << "\n"
              << Usage();
    return 1;
  }
  const std::size_t given = words.size();
  if (given >= 3 && given <= 4 && words[1] == "--reference")
    return WriteRealSample(
        words[0], words[2],
        given > 3 ? ParseNumber(words[3]) : std::optional<long long>(kDefaultSeed));
  if (given < 1 || given > 3) {
    std::cerr << Usage();
    return 1;
  }
  const auto count = given > 1 ? ParseNumber(words[1]) : std::optional<long long>(kDefaultCount);
  const auto seed = given > 2 ? ParseNumber(words[2]) : std::optional<long long>(kDefaultSeed);
  if (!count || *count < 1 || *count > kMaxCount) {
    std::cerr << FillText(
                     CoreText("ardeno-sample", "Počet zákresů musí být celé číslo od 1 do %1."),
                     {std::to_string(kMaxCount)})
              << "\n";
    return 1;
  }
  if (!IsSeed(seed)) return 1;
  try {
    ardeno::WriteSampleFolder(words[0], static_cast<int>(*count), static_cast<unsigned>(*seed));
  } catch (const std::exception& error) {
    std::cerr << error.what() << "\n";
    return 1;
  }
  std::cout << FillText(CoreText("ardeno-sample", "Zapsáno %1 zákresů do %2/datax.dat"),
                        {std::to_string(*count), words[0]})
            << "\n";
  return 0;
}
