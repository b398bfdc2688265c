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

constexpr int kDigitBits = 11;
constexpr std::size_t kBuckets = std::size_t{1} << kDigitBits;

// Small ranges are sorted by comparison through this scratch space.
constexpr std::size_t kSmall = 2048;
struct Keyed {
  std::uint64_t key;
  std::int32_t portal;
};
Keyed small_scratch[kSmall];

void sort_small(std::size_t first, std::size_t last) {
  const std::size_t n = last - first;
  for (std::size_t i = 0; i < n; ++i)
    small_scratch[i] = {key[first + i], edges[first + i]};
  std::sort(small_scratch, small_scratch + n, [](const Keyed &a, const Keyed &b) { return a.key < b.key; });
  for (std::size_t i = 0; i < n; ++i) {
    key[first + i] = small_scratch[i].key;
    edges[first + i] = small_scratch[i].portal;
  }
}

// Sorts key[first..last) and edges with it by the bits below shift + kDigitBits:
// in place, most significant digit first, each bucket then on its own. A digit
// that every key shares moves nothing; a range of at most kSmall keys is sorted
// by comparison. At most six digits, so linear whatever the costs, and no
// scratch table as large as the keys.
void sort_by_key(std::size_t first, std::size_t last, int shift) {
  if (last - first <= kSmall) {
    sort_small(first, last);
    return;
  }
  auto digit = [shift](std::uint64_t k) { return (k >> shift) & (kBuckets - 1); };
  std::uint32_t count[kBuckets] = {};
  for (std::size_t i = first; i < last; ++i)
    ++count[digit(key[i])];
  const int lower = shift > kDigitBits ? shift - kDigitBits : 0;
  if (count[digit(key[first])] == last - first) {
    if (shift > 0)
      sort_by_key(first, last, lower);
    return;
  }
  // Each bucket's next free place and end; keys are swapped into their buckets.
  std::size_t next[kBuckets], end[kBuckets];
  for (std::size_t b = 0, at = first; b < kBuckets; ++b) {
    next[b] = at;
    at += count[b];
    end[b] = at;
  }
  for (std::size_t b = 0; b < kBuckets; ++b)
    while (next[b] < end[b]) {
      const std::size_t i = next[b], d = digit(key[i]);
      if (d == b) {
        ++next[b];
        continue;
      }
      const std::size_t j = next[d]++;
      std::swap(key[i], key[j]);
      std::swap(edges[i], edges[j]);
    }
  if (shift > 0)
    for (std::size_t b = 0, at = first; b < kBuckets; at += count[b], ++b)
      if (count[b] > 1)
        sort_by_key(at, at + count[b], lower);
}

} // namespace

double mst(std::int32_t t, std::vector<std::int32_t> *taken) {
  djInit();
  const double td = static_cast<double>(t);
  const std::size_t count = edges.size();
  prefer_huge_pages(key, count * sizeof key[0]);
  for (std::size_t i = 0; i < count; ++i)
    key[i] = key_of(cost_at(edges[i], td));
  sort_by_key(0, count, 64 - kDigitBits);
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
