// Most significant digit first: one pass moves every word into its bucket, then
// each bucket is sorted on its own while it sits in the cache.
#include "graph/radix_sort.h"

#include <algorithm>
#include <utility>

#include "memory/bits.h"

namespace radix_sort_internal {

// A range of this many words or fewer is sorted by insertion.
constexpr std::size_t kInsertionMost = 32;

std::uint64_t band_mask(int high, int low) {
  const std::uint64_t below_high = high >= 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << high) - 1;
  return below_high & ~((std::uint64_t{1} << low) - 1);
}

void insertion_sort(std::uint64_t *words, std::size_t n, std::uint64_t mask) {
  for (std::size_t i = 1; i < n; ++i) {
    const std::uint64_t w = words[i];
    std::size_t j = i;
    for (; j > 0 && (words[j - 1] & mask) > (w & mask); --j)
      words[j] = words[j - 1];
    words[j] = w;
  }
}

// Digit counts and each bucket's next free place, a row per level of the in-place
// sort: every level takes at least one bit of the 64, so 64 rows suffice.
constexpr int kMostDigitBits = 8;
constexpr std::size_t kMostBuckets = std::size_t{1} << kMostDigitBits;
std::uint32_t digit_count[64][kMostBuckets];
std::size_t digit_next[64][kMostBuckets];

// Sorts words[0..n), which agree on every bit from high up, by bits low..high-1.
// A digit is as wide as the range is large (so that buckets hold a few words
// each), up to kMostDigitBits; one that every word shares moves nothing.
void sort_band(std::uint64_t *words, std::size_t n, int high, int low, int level) {
  std::uint32_t *count = digit_count[level];
  std::size_t *next = digit_next[level], buckets = 0;
  int shift = high;
  for (;;) { // down to the first digit on which the words differ
    if (shift <= low)
      return;
    if (n <= kInsertionMost) {
      insertion_sort(words, n, band_mask(shift, low));
      return;
    }
    const int bits = std::clamp(bitops::width(n) - 3, 1, std::min(shift - low, kMostDigitBits));
    shift -= bits;
    buckets = std::size_t{1} << bits;
    std::fill_n(count, buckets, 0u);
    for (std::size_t i = 0; i < n; ++i)
      ++count[(words[i] >> shift) & (buckets - 1)];
    if (count[(words[0] >> shift) & (buckets - 1)] != n)
      break;
  }
  const auto digit = [shift, buckets](std::uint64_t w) { return (w >> shift) & (buckets - 1); };
  for (std::size_t b = 0, at = 0; b < buckets; at += count[b], ++b)
    next[b] = at;
  // Each word is swapped straight into its bucket; the buckets before b are full.
  for (std::size_t b = 0, at = 0; b < buckets; ++b) {
    at += count[b];
    while (next[b] < at) {
      const std::size_t i = next[b], d = digit(words[i]);
      if (d == b) {
        ++next[b];
        continue;
      }
      std::swap(words[i], words[next[d]++]);
    }
  }
  for (std::size_t b = 0, at = 0; b < buckets; at += count[b], ++b)
    if (count[b] > 1)
      sort_band(words + at, count[b], shift, low, level + 1);
}

// Digit counts, then bucket edges, for the passes that move words between tables:
// the first over all words, the second over one bucket of the first while it sits
// in the cache. Costs crowd into a few exponents, so the first pass often leaves
// large buckets; the second gives a bucket a digit for about every word in it.
constexpr int kMostFirstBits = 16, kMostSecondBits = 14;
std::uint32_t first_edge[(std::size_t{1} << kMostFirstBits) + 1];
std::uint32_t second_edge[(std::size_t{1} << kMostSecondBits) + 1];

// Counts the digits (bits shift..shift+bits-1) of words[0..n) into edge; false when
// every word has the same one, which then sorts nothing.
bool count_digits(const std::uint64_t *words, std::size_t n, int shift, int bits, std::uint32_t *edge) {
  const std::size_t buckets = std::size_t{1} << bits;
  std::fill_n(edge, buckets + 1, 0u);
  for (std::size_t i = 0; i < n; ++i)
    ++edge[(words[i] >> shift) & (buckets - 1)];
  return edge[(words[0] >> shift) & (buckets - 1)] != n;
}

// Moves from[0..n) into to by the digits count_digits() counted; edge[b] is then
// where bucket b starts, and edge[2^bits] = n.
void scatter(const std::uint64_t *from, std::uint64_t *to, std::size_t n, int shift, int bits, std::uint32_t *edge) {
  const std::size_t buckets = std::size_t{1} << bits;
  for (std::size_t b = 1; b < buckets; ++b)
    edge[b] += edge[b - 1];
  edge[buckets] = static_cast<std::uint32_t>(n);
  // Filled from the back, so that each bucket's edge moves from its end to its start.
  for (std::size_t i = n; i-- > 0;) {
    const std::uint64_t w = from[i];
    to[--edge[(w >> shift) & (buckets - 1)]] = w;
  }
}

// Lowers shift past the digits that every word of words[0..n) shares, to the first
// that tells them apart, counted into edge with its width in bits (wanted_bits
// where the band and most_bits allow); false when none is left to sort on (too few
// words, or no bits).
bool first_differing_digit(const std::uint64_t *words, std::size_t n, int &shift, int low, int wanted_bits,
                           int most_bits, int &bits, std::uint32_t *edge) {
  while (n > kInsertionMost && shift > low) {
    bits = std::clamp(wanted_bits, 1, std::min(shift - low, most_bits));
    shift -= bits;
    if (count_digits(words, n, shift, bits, edge))
      return true;
  }
  return false;
}

// Sorts words[0..n) (agreeing from high up) by bits low..high-1, with spare's n
// words as scratch: one more pass through spare, then each part on its own.
void sort_bucket(std::uint64_t *words, std::uint64_t *spare, std::size_t n, int high, int low) {
  int shift = high, bits = 0;
  if (!first_differing_digit(words, n, shift, low, bitops::width(n), kMostSecondBits, bits,
                            second_edge)) {
    sort_band(words, n, shift, low, 0);
    return;
  }
  scatter(words, spare, n, shift, bits, second_edge);
  for (std::size_t b = 0; b < std::size_t{1} << bits; ++b)
    if (const std::uint32_t size = second_edge[b + 1] - second_edge[b]; size > 1)
      sort_band(spare + second_edge[b], size, shift, low, 0);
  std::copy_n(spare, n, words);
}

} // namespace radix_sort_internal

void radix_sort_in_place(std::uint64_t *words, std::size_t n, int high, int low) {
  using namespace radix_sort_internal;
  sort_band(words, n, high, low, 0);
}

void radix_sort_into(std::uint64_t *from, std::uint64_t *to, std::size_t n, int high, int low) {
  using namespace radix_sort_internal;
  int shift = high, bits = 0;
  if (!first_differing_digit(from, n, shift, low, bitops::width(n) - 1, kMostFirstBits, bits,
                            first_edge)) {
    std::copy_n(from, n, to);
    sort_band(to, n, shift, low, 0);
    return;
  }
  scatter(from, to, n, shift, bits, first_edge);
  for (std::size_t b = 0; b < std::size_t{1} << bits; ++b) {
    const std::uint32_t at = first_edge[b], size = first_edge[b + 1] - at;
    if (size > kInsertionMost)
      sort_bucket(to + at, from + at, size, shift, low);
    else if (size > 1)
      sort_band(to + at, size, shift, low, 0);
  }
}
