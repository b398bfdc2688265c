// Minimum total at t: costs at t, one sort, one Kruskal pass over all portals.
#include "graph/mst.h"

#include <algorithm>
#include <bit>
#include <utility>

#include "graph/dsu.h"
#include "memory/huge_pages.h"

namespace {

// Costs at t as unsigned keys with the same order (negative costs flipped whole,
// others with the sign bit set), so that a radix sort can order them; NaN has no
// place in it and never reaches here. key[i] is the key of portal edges[i].
alignas(kHugePage) std::uint64_t key[MAXN];

std::uint64_t key_of(double cost) {
  std::uint64_t bits = std::bit_cast<std::uint64_t>(cost);
  return bits >> 63 ? ~bits : bits | (std::uint64_t{1} << 63);
}

double cost_of(std::uint64_t k) {
  return std::bit_cast<double>(k >> 63 ? k & ~(std::uint64_t{1} << 63) : ~k);
}

// A range of this many keys or fewer is sorted by insertion.
constexpr std::size_t kInsertion = 32;

void insertion_sort(std::size_t first, std::size_t last) {
  for (std::size_t i = first + 1; i < last; ++i) {
    const std::uint64_t k = key[i];
    const std::int32_t p = edges[i];
    std::size_t j = i;
    for (; j > first && key[j - 1] > k; --j) {
      key[j] = key[j - 1];
      edges[j] = edges[j - 1];
    }
    key[j] = k;
    edges[j] = p;
  }
}

// Digit counts and each bucket's next free place, a row per level of the sort:
// every level takes at least one bit of the 64, so 64 rows suffice.
constexpr int kMostDigitBits = 8;
constexpr std::size_t kMostBuckets = std::size_t{1} << kMostDigitBits;
std::uint32_t bucket_count[64][kMostBuckets];
std::size_t bucket_next[64][kMostBuckets];

// Sorts key[first..last) and edges with it, the keys agreeing on every bit from
// top up: in place, most significant digit first, each bucket then on its own. A
// digit is as wide as the range is large (so that buckets hold a few keys each),
// up to 11 bits; one that every key shares moves nothing. Linear whatever the
// costs, with no scratch table as large as the keys.
void sort_by_key(std::size_t first, std::size_t last, int top, int level) {
  const std::size_t n = last - first;
  std::uint32_t *count = bucket_count[level];
  std::size_t *next = bucket_next[level], buckets = 0;
  int shift = top;
  for (;;) { // down to the first digit on which the keys differ
    if (n <= kInsertion || shift == 0) {
      if (shift > 0)
        insertion_sort(first, last);
      return;
    }
    const int bits = std::clamp(static_cast<int>(std::bit_width(n)) - 3, 1, std::min(shift, kMostDigitBits));
    shift -= bits;
    buckets = std::size_t{1} << bits;
    std::fill_n(count, buckets, 0u);
    for (std::size_t i = first; i < last; ++i)
      ++count[(key[i] >> shift) & (buckets - 1)];
    if (count[(key[first] >> shift) & (buckets - 1)] != n)
      break;
  }
  const auto digit = [shift, buckets](std::uint64_t k) { return (k >> shift) & (buckets - 1); };
  for (std::size_t b = 0, at = first; b < buckets; at += count[b], ++b)
    next[b] = at;
  // Each key is swapped straight into its bucket; the buckets before b are full.
  for (std::size_t b = 0, at = first; b < buckets; ++b) {
    at += count[b];
    while (next[b] < at) {
      const std::size_t i = next[b], d = digit(key[i]);
      if (d == b) {
        ++next[b];
        continue;
      }
      const std::size_t j = next[d]++;
      std::swap(key[i], key[j]);
      std::swap(edges[i], edges[j]);
    }
  }
  for (std::size_t b = 0, at = first; b < buckets; at += count[b], ++b)
    if (count[b] > 1)
      sort_by_key(at, at + count[b], shift, level + 1);
}

} // namespace

double mst(std::int32_t t, std::vector<std::int32_t> *taken) {
  djInit();
  const double td = static_cast<double>(t);
  const std::size_t count = edges.size();
  prefer_huge_pages(key, count * sizeof key[0]);
  std::uint64_t differ = 0; // the bits on which some key differs from the first
  for (std::size_t i = 0; i < count; ++i) {
    key[i] = key_of(cost_at(edges[i], td));
    differ |= key[i] ^ key[0];
  }
  sort_by_key(0, count, static_cast<int>(std::bit_width(differ)), 0);
  double total = td * X;
  // The portals come in cost order, scattered over the tables: fetch their ends,
  // then the ends' parent links, some iterations ahead.
  constexpr std::size_t kAhead = 16;
  // After N-1 joins every island is in one set: no later portal can join two.
  std::int32_t joins_left = N - 1;
  for (std::size_t i = 0; i < count && joins_left > 0; ++i) {
    if (i + kAhead < count) {
      std::int32_t q = edges[i + kAhead];
      __builtin_prefetch(&es[q]);
      __builtin_prefetch(&et[q]);
    }
    if (i + kAhead / 2 < count) {
      std::int32_t q = edges[i + kAhead / 2];
      __builtin_prefetch(&root[es[q]]);
      __builtin_prefetch(&root[et[q]]);
    }
    std::int32_t p = edges[i];
    if (djUnion(es[p], et[p])) {
      --joins_left;
      total += cost_of(key[i]);
      if (taken)
        taken->push_back(p);
    }
  }
  return total;
}
