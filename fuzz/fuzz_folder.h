// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A program folder of the fuzzing process, emptied before each input is written into it.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace ardeno::fuzz {

// In memory (/dev/shm) where the system has it: a fuzzer writes files for every input.
inline const std::filesystem::path& FuzzFolder() {
  static const std::filesystem::path folder = [] {
    std::error_code noShm;
    const std::filesystem::path base = std::filesystem::is_directory("/dev/shm", noShm)
                                           ? std::filesystem::path("/dev/shm")
                                           : std::filesystem::temp_directory_path();
    return base / ("ardeno-fuzz-" + std::to_string(::getpid()));
  }();
  return folder;
}

inline void ResetFuzzFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(FuzzFolder(), ignored);
  std::filesystem::create_directories(FuzzFolder());
}

// Removes one file of the folder, if it is there.
inline void RemoveFuzzFile(const std::string& relative) {
  std::error_code ignored;
  std::filesystem::remove(FuzzFolder() / relative, ignored);
}

inline void WriteFuzzFile(const std::string& relative, std::string_view bytes) {
  const auto file = FuzzFolder() / relative;
  std::filesystem::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace ardeno::fuzz
