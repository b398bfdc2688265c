// Minimum total at t: costs at t, one sort, one Kruskal pass over all portals.
#include "graph/mst.h"

#include <algorithm>

#include "graph/dsu.h"
#include "graph/radix_sort.h"
#include "memory/bits.h"
#include "memory/huge_pages.h"

namespace mst_internal {

// A sort word: an order key of the cost at t above the portal number, which fills
// the low number field.
constexpr int kWordPortalBits = kNumberBits;
constexpr int kWordKeyBits = 64 - kWordPortalBits;
constexpr std::uint64_t kWordPortal = (std::uint64_t{1} << kWordPortalBits) - 1;
// A gathered word: the two ends, one number field each, below key bits.
constexpr int kEndBits = kNumberBits;
constexpr std::uint64_t kEnd = (std::uint64_t{1} << kEndBits) - 1;
// Runs of words alike above the cut up to this long are ordered by insertion.
constexpr std::size_t kShortRun = 32;

// Where mst() works when no scratch is lent: own_word[i] holds the key of the i-th
// portal considered, then its sort word, which are sorted into own_sorted;
// own_ends_below holds by portal what the joins need. Touched only when used.
alignas(kTableAlignment) std::uint64_t own_word[MAXN];
alignas(kTableAlignment) std::uint64_t own_sorted[MAXN];
alignas(kTableAlignment) std::uint64_t own_ends_below[MAXN];

std::uint64_t low_bits(int n) { return n >= 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << n) - 1; }

// Costs at t as unsigned keys with the same order (negative costs flipped whole,
// others with the sign bit set), so that a radix sort can order them; NaN has no
// place in it and never reaches here.
std::uint64_t key_of(double cost) {
  std::uint64_t bits = bitops::of_double(cost);
  return bits >> 63 ? ~bits : bits | (std::uint64_t{1} << 63);
}

double cost_of(std::uint64_t k) {
  return bitops::to_double(k >> 63 ? k & ~(std::uint64_t{1} << 63) : ~k);
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
  b.high = bitops::width(differ);
  b.low = differ == 0 ? 0 : bitops::trailing_zeros(differ);
  b.kept = std::min(b.high - b.low, kWordKeyBits);
  b.cut = b.high - b.kept;
  b.shared = first_key & ~(low_bits(b.high) & ~low_bits(b.low));
  return b;
}

// The gathered ends of portal p, below them the key bits under the cut.
std::uint64_t gathered(std::int32_t p, std::uint64_t below) {
  return below << (2 * kEndBits) | static_cast<std::uint64_t>(et[p]) << kEndBits | static_cast<std::uint64_t>(es[p]);
}

// Where keys were cut, words that share their kept bits are in portal order, not
// cost order: each such run is sorted again on the bits below the cut, which
// gather holds beside each word.
void order_cut_runs(std::uint64_t *sorted, std::uint64_t *gather, std::size_t count, const std::uint64_t *ends_below) {
  const auto below = [gather](std::size_t i) { return gather[i] >> (2 * kEndBits); };
  for (std::size_t first = 0, last; first < count; first = last) {
    const std::uint64_t kept = sorted[first] >> kWordPortalBits;
    for (last = first + 1; last < count && sorted[last] >> kWordPortalBits == kept; ++last) {
    }
    if (last - first <= kShortRun) {
      for (std::size_t i = first + 1; i < last; ++i) { // by insertion, the two tables in step
        const std::uint64_t s = sorted[i], g = gather[i];
        std::size_t j = i;
        for (; j > first && below(j - 1) > g >> (2 * kEndBits); --j) {
          sorted[j] = sorted[j - 1];
          gather[j] = gather[j - 1];
        }
        sorted[j] = s;
        gather[j] = g;
      }
      continue;
    }
    // A long run: its portals sorted on the bits below the cut, then gathered again.
    for (std::size_t i = first; i < last; ++i)
      sorted[i] = below(i) << kWordPortalBits | (sorted[i] & kWordPortal);
    radix_sort_in_place(sorted + first, last - first, 64, kWordPortalBits);
    for (std::size_t i = first; i < last; ++i) {
      const std::uint64_t p = sorted[i] & kWordPortal;
      gather[i] = ends_below[p];
      sorted[i] = kept << kWordPortalBits | p;
    }
  }
}

// The tables mst() works in: sort words, the sorted words, and by portal what the
// joins need (see gathered()).
struct Work {
  std::uint64_t *word, *sorted, *ends_below;
};

// Pack: every considered portal's cost at t as an order key, the band of bits on
// which keys differ, each portal's ends and key bits below the cut (by portal),
// and its sort word.
template <class Portal>
Band pack(double td, std::size_t count, Portal portal, const Work &w) {
  const std::uint64_t first_key = key_of(cost_at(portal(0), td));
  std::uint64_t differ = 0;
  for (std::size_t i = 0; i < count; ++i) {
    w.word[i] = key_of(cost_at(portal(i), td));
    differ |= w.word[i] ^ first_key;
  }
  const Band b = band_of(first_key, differ);
  // The ends and the low key bits go by portal while the key is at hand.
  for (std::size_t i = 0; i < count; ++i) {
    const std::int32_t p = portal(i);
    w.ends_below[p] = gathered(p, (w.word[i] >> b.low) & low_bits(b.cut - b.low));
    w.word[i] = ((w.word[i] >> b.cut) & low_bits(b.kept)) << kWordPortalBits | static_cast<std::uint64_t>(p);
  }
  return b;
}

constexpr std::size_t kAhead = 16; // how far ahead the gather and the joins fetch

// Gather: the portals come sorted, scattered over ends_below; what the joins need
// is gathered into word, free since the sort, in one pass whose fetches overlap,
// and runs of keys alike above the cut are put in full cost order.
void gather(std::size_t count, const Band &b, const Work &w) {
  for (std::size_t i = 0; i < count; ++i) {
    if (i + kAhead < count)
      __builtin_prefetch(&w.ends_below[w.sorted[i + kAhead] & kWordPortal]);
    w.word[i] = w.ends_below[w.sorted[i] & kWordPortal];
  }
  if (b.cut != b.low) // keys were cut
    order_cut_runs(w.sorted, w.word, count, w.ends_below);
}

// Join: Kruskal's pass in cost order, adding to total the cost of every portal
// that joins two sets, until N-1 joins leave nothing to join.
double join(std::size_t count, const Band &b, const Work &w, double total, std::vector<std::int32_t> *taken) {
  std::int32_t joins_left = N - 1;
  for (std::size_t i = 0; i < count && joins_left > 0; ++i) {
    if (i + kAhead < count) {
      __builtin_prefetch(&root[w.word[i + kAhead] & kEnd]);
      __builtin_prefetch(&root[(w.word[i + kAhead] >> kEndBits) & kEnd]);
    }
    const std::uint64_t g = w.word[i];
    if (djUnion(static_cast<std::int32_t>(g & kEnd), static_cast<std::int32_t>((g >> kEndBits) & kEnd))) {
      --joins_left;
      total += cost_of(b.shared | (w.sorted[i] >> kWordPortalBits) << b.cut | (g >> (2 * kEndBits)) << b.low);
      if (taken)
        taken->push_back(static_cast<std::int32_t>(w.sorted[i] & kWordPortal));
    }
  }
  return total;
}

} // namespace mst_internal

double mst(std::int32_t t, std::vector<std::int32_t> *taken, Span<std::uint64_t> scratch) {
  using namespace mst_internal;
  djInit();
  const double td = static_cast<double>(t);
  // The portals considered: edges, or every portal when it is empty.
  const bool every = edges.empty();
  const std::size_t count = every ? static_cast<std::size_t>(std::max(M, 0)) : edges.size();
  const auto portal = [every](std::size_t i) { return every ? static_cast<std::int32_t>(i) : edges[i]; };
  if (count == 0)
    return td * X;
  // In the lent scratch when it holds all three tables, else in tables of its own.
  const std::size_t portals = static_cast<std::size_t>(std::max(M, 0));
  const bool borrowed = scratch.size() >= 2 * count + portals;
  const Work w = borrowed ? Work{scratch.data(), scratch.data() + count, scratch.data() + 2 * count}
                          : Work{own_word, own_sorted, own_ends_below};
  if (!borrowed) {
    prefer_huge_pages(own_word, count * sizeof own_word[0]);
    prefer_huge_pages(own_sorted, count * sizeof own_sorted[0]);
    prefer_huge_pages(own_ends_below, portals * sizeof own_ends_below[0]);
  }
  const Band b = pack(td, count, portal, w);
  radix_sort_into(w.word, w.sorted, count, kWordPortalBits + b.kept, kWordPortalBits); // sort
  gather(count, b, w);
  const double total = join(count, b, w, td * X, taken);
  if (!every)
    for (std::size_t i = 0; i < count; ++i)
      edges[i] = static_cast<std::int32_t>(w.sorted[i] & kWordPortal);
  return total;
}
