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
alignas(kHugePage) std::uint64_t key_scratch[MAXN];
std::int32_t portal_scratch[MAXN];

std::uint64_t key_of(double cost) {
  std::uint64_t bits = std::bit_cast<std::uint64_t>(cost);
  return bits >> 63 ? ~bits : bits | (std::uint64_t{1} << 63);
}

double cost_of(std::uint64_t k) {
  return std::bit_cast<double>(k >> 63 ? k & ~(std::uint64_t{1} << 63) : ~k);
}

// Sorts key[0..n) and edges with it: least significant digit first, 11 bits a pass;
// a pass whose digit is the same in every key changes nothing and is skipped.
// Linear whatever the costs.
void sort_by_key(std::size_t n) {
  constexpr int kBits = 11, kPasses = 6;
  constexpr std::size_t kBuckets = std::size_t{1} << kBits;
  static std::uint32_t count[kPasses][kBuckets];
  std::fill_n(&count[0][0], kPasses * kBuckets, 0u);
  for (std::size_t i = 0; i < n; ++i)
    for (int d = 0; d < kPasses; ++d)
      ++count[d][(key[i] >> (d * kBits)) & (kBuckets - 1)];
  std::uint64_t *from_key = key, *to_key = key_scratch;
  std::int32_t *from_portal = edges.data(), *to_portal = portal_scratch;
  for (int d = 0; d < kPasses; ++d) {
    std::uint32_t *c = count[d];
    if (std::find(c, c + kBuckets, n) != c + kBuckets)
      continue;
    std::uint32_t sum = 0;
    for (std::size_t b = 0; b < kBuckets; ++b)
      sum += std::exchange(c[b], sum);
    for (std::size_t i = 0; i < n; ++i) {
      std::uint32_t at = c[(from_key[i] >> (d * kBits)) & (kBuckets - 1)]++;
      to_key[at] = from_key[i];
      to_portal[at] = from_portal[i];
    }
    std::swap(from_key, to_key);
    std::swap(from_portal, to_portal);
  }
  if (from_key != key) {
    std::copy_n(from_key, n, key);
    std::copy_n(from_portal, n, edges.data());
  }
}

} // namespace

double mst(std::int32_t t, std::vector<std::int32_t> *taken) {
  djInit();
  const double td = static_cast<double>(t);
  const std::size_t count = edges.size();
  prefer_huge_pages(key, count * sizeof key[0]);
  prefer_huge_pages(key_scratch, count * sizeof key[0]);
  for (std::size_t i = 0; i < count; ++i)
    key[i] = key_of(cost_at(edges[i], td));
  sort_by_key(count);
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
