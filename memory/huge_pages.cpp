// Huge pages where Linux offers them, through madvise; nothing elsewhere.
#include "memory/huge_pages.h"

#include <cstdint>

#if defined(__linux__)
#include <sys/mman.h>
#endif

void prefer_huge_pages(void *table, std::size_t bytes) {
#if defined(__linux__) && defined(MADV_HUGEPAGE)
  const std::size_t whole = bytes / kHugePage * kHugePage;
  if (whole > 0)
    madvise(table, whole, MADV_HUGEPAGE);
#else
  (void)table;
  (void)bytes;
#endif
}

void prefer_huge_pages_within(void *memory, std::size_t bytes) {
  const auto start = reinterpret_cast<std::uintptr_t>(memory);
  const std::uintptr_t first = (start + kHugePage - 1) / kHugePage * kHugePage;
  if (first - start < bytes)
    prefer_huge_pages(reinterpret_cast<void *>(first), bytes - (first - start));
}
