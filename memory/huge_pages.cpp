// Huge pages where Linux offers them, through madvise; nothing elsewhere.
#include "memory/huge_pages.h"

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
