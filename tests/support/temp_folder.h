// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A fresh program folder per test, removed afterwards.
#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace ardeno::test {

class TempFolder {
 public:
  TempFolder() {
    static std::atomic<int> counter{0};
    m_path = std::filesystem::temp_directory_path() /
             ("ardeno-aux-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    RemoveAll(m_path);
    std::filesystem::create_directories(m_path);
  }
  ~TempFolder() { RemoveAll(m_path); }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& Path() const { return m_path; }

  // Writes bytes to a path relative to the folder, creating sub-folders.
  void Write(const std::string& relative, std::string_view bytes) const {
    const auto file = m_path / relative;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(out.good()) << file;
  }

  std::string Read(const std::string& relative) const {
    std::ifstream in(m_path / relative, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

 private:
  // Windows removes no read-only file: a test's read-only files are made writable first.
  static void RemoveAll(const std::filesystem::path& path) {
    std::error_code error;
    std::filesystem::remove_all(path, error);
    if (!error) return;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(path, error))
      std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                   std::filesystem::perm_options::add, error);
    std::filesystem::remove_all(path, error);
  }

  std::filesystem::path m_path;
};

// Windows keeps no write bit for a folder (its read-only mark on a folder means nothing):
// tests of read-only folders run on POSIX systems only.
#ifdef _WIN32
inline constexpr bool kFoldersCanBeReadOnly = false;
#else
inline constexpr bool kFoldersCanBeReadOnly = true;
#endif

// A symbolic link `link` to `target`; false where the system lets no test make one (Windows
// without the developer mode).
inline bool MakeSymlink(const std::filesystem::path& target, const std::filesystem::path& link) {
  std::error_code error;
  std::filesystem::create_symlink(target, link, error);
  return !error;
}

inline std::string ReadTestData(const std::string& name) {
  std::ifstream in(std::filesystem::path(ARDENO_TEST_DATA) / "aux" / name, std::ios::binary);
  EXPECT_TRUE(in.good()) << name;
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace ardeno::test
