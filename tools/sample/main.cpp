// ardeno-sample DIR [COUNT] [SEED]: writes a sample data folder with COUNT generated drawings.
// ardeno-sample DIR --reference SOURCES [SEED]: the sample folder on the real Sun of cycle 24.
#include <charconv>
#include <exception>
#include <iostream>
#include <optional>
#include <string>

#include "core/data/record_file.h"
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

int WriteRealSample(const char* folder, const char* sources, const std::optional<long long>& seed) {
  if (!seed || *seed < 0 || *seed > 4294967295LL) {
    std::cerr << "Semínko musí být celé nezáporné číslo.\n";
    return 1;
  }
  try {
    const auto summary =
        ardeno::WriteRealSampleFolder(folder, sources, static_cast<unsigned>(*seed));
    std::cout << "Zapsáno " << summary.Records << " zákresů (" << summary.FirstDate << " - "
              << summary.LastDate << "): " << summary.DrawnDays << " nakreslených pozorovateli, "
              << summary.NoaaDays << " zpráv NOAA, " << summary.SpecialRecords
              << " zvláštních; souborů SIDC: " << summary.ReferenceFiles << "\n";
  } catch (const std::exception& error) {
    std::cerr << error.what() << "\n";
    return 1;
  }
  return 0;
}

constexpr const char* kUsage =
    "Použití: ardeno-sample SLOŽKA [POČET_ZÁKRESŮ] [SEMÍNKO]\n"
    "        ardeno-sample SLOŽKA --reference ZDROJE [SEMÍNKO]\n";

}  // namespace

int main(int argc, char* argv[]) {
  // A folder is never named like an option: "--help" asks for the usage, any other "-..." is a
  // mistake, and neither may leave a sample folder behind.
  if (argc >= 2 && argv[1][0] == '-') {
    const std::string option = argv[1];
    if (option == "--help" || option == "-h") {
      std::cout << kUsage;
      return 0;
    }
    std::cerr << "Neznámá volba: " << option << "\n" << kUsage;
    return 1;
  }
  if (argc >= 4 && argc <= 5 && std::string(argv[2]) == "--reference")
    return WriteRealSample(
        argv[1], argv[3], argc > 4 ? ParseNumber(argv[4]) : std::optional<long long>(kDefaultSeed));
  if (argc < 2 || argc > 4) {
    std::cerr << kUsage;
    return 1;
  }
  const auto count = argc > 2 ? ParseNumber(argv[2]) : std::optional<long long>(kDefaultCount);
  const auto seed = argc > 3 ? ParseNumber(argv[3]) : std::optional<long long>(kDefaultSeed);
  if (!count || *count < 1 || *count > kMaxCount) {
    std::cerr << "Počet zákresů musí být celé číslo od 1 do " << kMaxCount << ".\n";
    return 1;
  }
  if (!seed || *seed < 0 || *seed > 4294967295LL) {
    std::cerr << "Semínko musí být celé nezáporné číslo.\n";
    return 1;
  }
  try {
    ardeno::WriteSampleFolder(argv[1], static_cast<int>(*count), static_cast<unsigned>(*seed));
  } catch (const std::exception& error) {
    std::cerr << error.what() << "\n";
    return 1;
  }
  std::cout << "Zapsáno " << *count << " zákresů do " << argv[1] << "/datax.dat\n";
  return 0;
}
