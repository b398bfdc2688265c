// Most significant digit first: one pass moves every word into its bucket, then
// each bucket is sorted on its own while it sits in the cache.
#include "graph/radix_sort.h"

#include <algorithm>
#include <bit>
#include <utility>

namespace {

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
    const int bits = std::clamp(static_cast<int>(std::bit_width(n)) - 3, 1, std::min(shift - low, kMostDigitBits));
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

// Where each bucket of the first pass ends, then (once filled) starts: wide enough
// that 2^18 words fall a few to a bucket.
constexpr int kMostFirstBits = 16;
std::uint32_t bucket_edge[(std::size_t{1} << kMostFirstBits) + 1];

} // namespace

void radix_sort_in_place(std::uint64_t *words, std::size_t n, int high, int low) {
  sort_band(words, n, high, low, 0);
}

void radix_sort_into(const std::uint64_t *from, std::uint64_t *to, std::size_t n, int high, int low) {
  if (n <= kInsertionMost || high <= low) {
    std::copy_n(from, n, to);
    sort_band(to, n, high, low, 0);
    return;
  }
  const int bits = std::clamp(static_cast<int>(std::bit_width(n)) - 2, 1, std::min(high - low, kMostFirstBits));
  const int shift = high - bits;
  const std::size_t buckets = std::size_t{1} << bits;
  const auto digit = [shift, buckets](std::uint64_t w) { return (w >> shift) & (buckets - 1); };
  std::fill_n(bucket_edge, buckets, 0u);
  for (std::size_t i = 0; i < n; ++i)
    ++bucket_edge[digit(from[i])];
  for (std::size_t b = 1; b < buckets; ++b)
    bucket_edge[b] += bucket_edge[b - 1];
  bucket_edge[buckets] = static_cast<std::uint32_t>(n);
  // Filled from the back, so that each bucket's edge moves from its end to its start.
  for (std::size_t i = n; i-- > 0;) {
    const std::uint64_t w = from[i];
    to[--bucket_edge[digit(w)]] = w;
  }
  for (std::size_t b = 0; b < buckets; ++b)
    if (const std::uint32_t size = bucket_edge[b + 1] - bucket_edge[b]; size > 1)
      sort_band(to + bucket_edge[b], size, shift, low, 0);
}
