// Asking the kernel for huge pages under the largest tables: a run touches a few
// 2 MiB pages instead of hundreds of 4 KiB ones, each of which costs a page fault.
#pragma once
#include <cstddef>

// The alignment of a table that may be backed by huge pages.
inline constexpr std::size_t kHugePage = std::size_t{2} << 20;

// Hints that the whole huge pages within the first bytes of table (aligned to
// kHugePage) be backed by huge pages. A hint only: where the system offers no
// huge pages, or bytes spans no whole one, nothing happens.
void prefer_huge_pages(void *table, std::size_t bytes);

// prefer_huge_pages() for the whole huge pages that lie within bytes from memory,
// wherever memory starts: for memory from the heap.
void prefer_huge_pages_within(void *memory, std::size_t bytes);
