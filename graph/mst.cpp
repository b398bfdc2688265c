// Minimum total at t: costs at t, one sort, one Kruskal pass over all portals.
#include "graph/mst.h"

#include <algorithm>
#include <bit>
#include <utility>

#include "graph/dsu.h"

double enow[MAXN];

namespace {

// A cost at t as an unsigned key with the same order (negative costs flipped
// whole, others with the sign bit set), so that a radix sort can order them.
// NaN has no place in it; it never reaches here.
struct Priced {
  std::uint64_t key;
  std::int32_t portal;
};
Priced by_cost[MAXN], scratch[MAXN];

std::uint64_t key_of(double cost) {
  std::uint64_t bits = std::bit_cast<std::uint64_t>(cost);
  return bits >> 63 ? ~bits : bits | (std::uint64_t{1} << 63);
}

double cost_of(std::uint64_t key) {
  return std::bit_cast<double>(key >> 63 ? key & ~(std::uint64_t{1} << 63) : ~key);
}

// Least significant digit first, 11 bits a pass; a pass whose digit is the same in
// every key changes nothing and is skipped. Linear whatever the costs.
void sort_by_key(std::size_t n) {
  constexpr int kBits = 11, kPasses = 6;
  constexpr std::size_t kBuckets = std::size_t{1} << kBits;
  static std::uint32_t count[kPasses][kBuckets];
  std::fill_n(&count[0][0], kPasses * kBuckets, 0u);
  for (std::size_t i = 0; i < n; ++i)
    for (int d = 0; d < kPasses; ++d)
      ++count[d][(by_cost[i].key >> (d * kBits)) & (kBuckets - 1)];
  Priced *from = by_cost, *to = scratch;
  for (int d = 0; d < kPasses; ++d) {
    std::uint32_t *c = count[d];
    if (std::find(c, c + kBuckets, n) != c + kBuckets)
      continue;
    std::uint32_t sum = 0;
    for (std::size_t b = 0; b < kBuckets; ++b)
      sum += std::exchange(c[b], sum);
    for (std::size_t i = 0; i < n; ++i)
      to[c[(from[i].key >> (d * kBits)) & (kBuckets - 1)]++] = from[i];
    std::swap(from, to);
  }
  if (from != by_cost)
    std::copy_n(from, n, by_cost);
}

} // namespace

bool cmp(std::int32_t a, std::int32_t b) { return enow[a] < enow[b]; }

double mst(std::int32_t t) {
  djInit();
  const double td = static_cast<double>(t);
  for (std::int32_t i = 0; i < M; ++i) {
    double fall = er[i] * td; // rounded on its own before the subtraction
    enow[i] = ec[i] - fall;
    by_cost[i] = {key_of(enow[i]), i};
  }
  const std::size_t count = edges.size();
  sort_by_key(count);
  double total = td * X;
  // The portals come in cost order, scattered over the tables: fetch their ends,
  // then the ends' parent links, some iterations ahead.
  constexpr std::size_t kAhead = 16;
  for (std::size_t i = 0; i < count; ++i) {
    if (i + kAhead < count) {
      std::int32_t q = by_cost[i + kAhead].portal;
      __builtin_prefetch(&es[q]);
      __builtin_prefetch(&et[q]);
    }
    if (i + kAhead / 2 < count) {
      std::int32_t q = by_cost[i + kAhead / 2].portal;
      __builtin_prefetch(&root[es[q]]);
      __builtin_prefetch(&root[et[q]]);
    }
    std::int32_t p = by_cost[i].portal;
    edges[i] = p;
    if (djUnion(es[p], et[p]))
      total += cost_of(by_cost[i].key);
  }
  return total;
}
