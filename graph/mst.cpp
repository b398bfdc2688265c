// Minimum total at t: costs at t, one sort, one Kruskal pass over all portals.
#include "graph/mst.h"

#include <algorithm>
#include <bit>

#include "graph/dsu.h"
#include "graph/radix_sort.h"
#include "memory/huge_pages.h"

namespace {

// A sort word: an order key of the cost at t above the portal number, which fills
// the low bits (portal numbers lie below MAXN = 2^18).
constexpr int kWordPortalBits = 18;
constexpr int kWordKeyBits = 64 - kWordPortalBits;
constexpr std::uint64_t kWordPortal = (std::uint64_t{1} << kWordPortalBits) - 1;
static_assert(MAXN == 1 << kWordPortalBits);

// word[i]: the key of portal edges[i], then its sort word. Sorted into the lent
// scratch table, or into own_sorted when none is lent (touched only then).
alignas(kHugePage) std::uint64_t word[MAXN];
alignas(kHugePage) std::uint64_t own_sorted[MAXN];

std::uint64_t low_bits(int n) { return n >= 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << n) - 1; }

// Costs at t as unsigned keys with the same order (negative costs flipped whole,
// others with the sign bit set), so that a radix sort can order them; NaN has no
// place in it and never reaches here.
std::uint64_t key_of(double cost) {
  std::uint64_t bits = std::bit_cast<std::uint64_t>(cost);
  return bits >> 63 ? ~bits : bits | (std::uint64_t{1} << 63);
}

double cost_of(std::uint64_t k) {
  return std::bit_cast<double>(k >> 63 ? k & ~(std::uint64_t{1} << 63) : ~k);
}

// The bits low..high-1 hold every bit on which two keys differ. A sort word keeps
// the top kept of them, from cut up; when that is all of them (cut == low) a key
// is its word's bits put back among the bits every key shares.
struct Band {
  int high, low, cut, kept;
  std::uint64_t shared; // a key with the band cleared
};

Band band_of(std::uint64_t first_key, std::uint64_t differ) {
  Band b;
  b.high = static_cast<int>(std::bit_width(differ));
  b.low = differ == 0 ? 0 : std::countr_zero(differ);
  b.kept = std::min(b.high - b.low, kWordKeyBits);
  b.cut = b.high - b.kept;
  b.shared = first_key & ~(low_bits(b.high) & ~low_bits(b.low));
  return b;
}

// Where keys were cut, words that share their kept bits are in portal order, not
// cost order: each such run is sorted again on the bits below the cut.
void order_cut_runs(std::uint64_t *sorted, std::size_t count, const Band &b, double td) {
  const int rest = b.cut - b.low; // at most 64 - kWordKeyBits = kWordPortalBits bits
  for (std::size_t first = 0, last; first < count; first = last) {
    const std::uint64_t kept = sorted[first] >> kWordPortalBits;
    for (last = first + 1; last < count && sorted[last] >> kWordPortalBits == kept; ++last) {
    }
    if (last - first < 2)
      continue;
    for (std::size_t i = first; i < last; ++i) {
      const std::uint64_t p = sorted[i] & kWordPortal;
      const std::uint64_t key = key_of(cost_at(static_cast<std::int32_t>(p), td));
      sorted[i] = ((key >> b.low) & low_bits(rest)) << kWordPortalBits | p;
    }
    radix_sort_in_place(sorted + first, last - first, kWordPortalBits + rest, kWordPortalBits);
    for (std::size_t i = first; i < last; ++i)
      sorted[i] = kept << kWordPortalBits | (sorted[i] & kWordPortal);
  }
}

} // namespace

double mst(std::int32_t t, std::vector<std::int32_t> *taken, std::span<std::uint64_t> scratch) {
  djInit();
  const double td = static_cast<double>(t);
  const std::size_t count = edges.size();
  double total = td * X;
  if (count == 0)
    return total;
  prefer_huge_pages(word, count * sizeof word[0]);
  const std::uint64_t first_key = key_of(cost_at(edges[0], td));
  std::uint64_t differ = 0;
  for (std::size_t i = 0; i < count; ++i) {
    word[i] = key_of(cost_at(edges[i], td));
    differ |= word[i] ^ first_key;
  }
  const Band b = band_of(first_key, differ);
  for (std::size_t i = 0; i < count; ++i)
    word[i] = ((word[i] >> b.cut) & low_bits(b.kept)) << kWordPortalBits | static_cast<std::uint64_t>(edges[i]);
  std::uint64_t *sorted = scratch.size() >= count ? scratch.data() : own_sorted;
  if (sorted == own_sorted)
    prefer_huge_pages(own_sorted, count * sizeof own_sorted[0]);
  radix_sort_into(word, sorted, count, kWordPortalBits + b.kept, kWordPortalBits);
  const bool exact = b.cut == b.low;
  if (!exact)
    order_cut_runs(sorted, count, b, td);
  // The portals come in cost order, scattered over the tables: fetch their ends
  // (and, when the words cannot give back the costs, the costs), then the ends'
  // parent links, some iterations ahead.
  constexpr std::size_t kAhead = 16;
  // After N-1 joins every island is in one set: no later portal can join two.
  std::int32_t joins_left = N - 1;
  for (std::size_t i = 0; i < count && joins_left > 0; ++i) {
    if (i + kAhead < count) {
      const std::size_t q = sorted[i + kAhead] & kWordPortal;
      __builtin_prefetch(&es[q]);
      __builtin_prefetch(&et[q]);
      if (!exact) {
        __builtin_prefetch(&ec[q]);
        __builtin_prefetch(&er[q]);
      }
    }
    if (i + kAhead / 2 < count) {
      const std::size_t q = sorted[i + kAhead / 2] & kWordPortal;
      __builtin_prefetch(&root[es[q]]);
      __builtin_prefetch(&root[et[q]]);
    }
    const std::int32_t p = static_cast<std::int32_t>(sorted[i] & kWordPortal);
    if (djUnion(es[p], et[p])) {
      --joins_left;
      total += exact ? cost_of(b.shared | (sorted[i] >> kWordPortalBits) << b.low) : cost_at(p, td);
      if (taken)
        taken->push_back(p);
    }
  }
  for (std::size_t i = 0; i < count; ++i)
    edges[i] = static_cast<std::int32_t>(sorted[i] & kWordPortal);
  return total;
}
