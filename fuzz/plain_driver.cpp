// SPDX-License-Identifier: GPL-3.0-or-later
// Runs a fuzz target's entry point once on every file given (folders: every file in them), for a
// compiler without libFuzzer: the seed corpora and any saved crash still run under the
// sanitizers. Options starting with "-" (libFuzzer's) are ignored.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

void RunFile(const std::filesystem::path& file, long& runs) {
  std::ifstream in(file, std::ios::binary);
  const std::vector<char> bytes{std::istreambuf_iterator<char>(in),
                                std::istreambuf_iterator<char>()};
  LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
  ++runs;
}

}  // namespace

int main(int argc, char* argv[]) {
  long runs = 0;
  for (int i = 1; i < argc; ++i) {
    const std::string argument = argv[i];
    if (argument.starts_with("-")) continue;
    if (std::filesystem::is_directory(argument)) {
      for (const auto& entry : std::filesystem::recursive_directory_iterator(argument))
        if (entry.is_regular_file()) RunFile(entry.path(), runs);
    } else {
      RunFile(argument, runs);
    }
  }
  std::cout << "stat::number_of_executed_units: " << runs << "\n";
  return 0;
}
