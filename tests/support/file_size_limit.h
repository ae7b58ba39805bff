// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// While it lives, no file of this process can grow beyond a given size: a write past it fails
// (EFBIG) as it would on a full disk, without filling one. Windows has no such limit: there the
// tests of a full disk are skipped (kCanLimitFileSize).
#ifndef _WIN32
#include <sys/resource.h>

#include <csignal>
#endif

namespace ardeno::test {

#ifdef _WIN32
inline constexpr bool kCanLimitFileSize = false;
#else
inline constexpr bool kCanLimitFileSize = true;

class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &m_old);
    m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{bytes, m_old.rlim_max};
    ::setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &m_old);
    std::signal(SIGXFSZ, m_oldHandler);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit m_old{};
  void (*m_oldHandler)(int) = SIG_DFL;
};
#endif

}  // namespace ardeno::test
