#pragma once
// A program folder of the fuzzing process, emptied before each input is written into it.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace ardeno::fuzz {

inline const std::filesystem::path& FuzzFolder() {
  static const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("ardeno-fuzz-" + std::to_string(::getpid()));
  return folder;
}

inline void ResetFuzzFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(FuzzFolder(), ignored);
  std::filesystem::create_directories(FuzzFolder());
}

inline void WriteFuzzFile(const std::string& relative, std::string_view bytes) {
  const auto file = FuzzFolder() / relative;
  std::filesystem::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace ardeno::fuzz
