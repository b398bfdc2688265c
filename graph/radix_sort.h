// Sorting 64-bit words by a band of their bits: linear whatever the values.
#pragma once
#include <cstddef>
#include <cstdint>

// Sorts words[0..n) by bits low..high-1 (bits outside that band are carried along
// and leave words that agree on it in any order), in place: no scratch table.
void radix_sort_in_place(std::uint64_t *words, std::size_t n, int high, int low);

// Moves from[0..n) into to[0..n) sorted as radix_sort_in_place() sorts, using from
// as scratch (its contents are lost). The two must not overlap.
void radix_sort_into(std::uint64_t *from, std::uint64_t *to, std::size_t n, int high, int low);
