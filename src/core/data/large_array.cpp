// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/data/large_array.h"

#if __has_include(<sys/mman.h>)
#include <sys/mman.h>
#endif

#include <cstdint>

namespace ardeno {

namespace {

constexpr std::uintptr_t kHugePage = std::uintptr_t{2} << 20;
constexpr std::size_t kSmallestAdvised = 4u << 20;

}  // namespace

void AdviseHugePages(void* data, std::size_t bytes) {
#ifdef MADV_HUGEPAGE
  if (data == nullptr || bytes < kSmallestAdvised) return;
  const auto start = reinterpret_cast<std::uintptr_t>(data);
  const std::uintptr_t first = (start + kHugePage - 1) & ~(kHugePage - 1);
  const std::uintptr_t end = (start + bytes) & ~(kHugePage - 1);
  // Only advice: where it is refused the pages are the ordinary ones.
  if (end > first) ::madvise(reinterpret_cast<void*>(first), end - first, MADV_HUGEPAGE);
#else
  (void)data;
  (void)bytes;
#endif
}

}  // namespace ardeno
