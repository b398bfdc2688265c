// Asking the kernel for huge pages under the largest tables: a run touches a few
// 2 MiB pages instead of hundreds of 4 KiB ones, each of which costs a page fault.
#pragma once
#include <cstddef>

// The size of a huge page, to which a table must be aligned to be backed by them.
inline constexpr std::size_t kHugePage = std::size_t{2} << 20;

// The alignment of every large static table: a huge page where the platform's
// object files allow it (ELF), else a page, the most that others allow (COFF
// objects on Windows stop at 8 KiB).
#if defined(__ELF__)
inline constexpr std::size_t kTableAlignment = kHugePage;
#else
inline constexpr std::size_t kTableAlignment = 4096;
#endif

// Hints that the whole huge pages within the first bytes of table (aligned to
// kHugePage) be backed by huge pages. A hint only: where the system offers no
// huge pages, or bytes spans no whole one, nothing happens.
void prefer_huge_pages(void *table, std::size_t bytes);

// prefer_huge_pages() for the whole huge pages that lie within bytes from memory,
// wherever memory starts: for memory from the heap.
void prefer_huge_pages_within(void *memory, std::size_t bytes);
