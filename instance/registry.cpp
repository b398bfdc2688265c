// Portal registry: an open-addressing hash table from the pair (larger end,
// smaller end) to a portal number. Key and portal share one 64-bit slot, so a
// look-up reads one cache line, and the table is built as the loader reads.
#include "instance/registry.h"

#include <algorithm>
#include <cassert>

#include "instance/tables.h"
#include "memory/huge_pages.h"

namespace registry_internal {

// A slot's fields: two island numbers, the portal number plus one (0: empty, so
// one bit more), and in the top bit the mark of a portal a plan has named.
constexpr int kIslandBits = kNumberBits, kPortalBits = kNumberBits + 1;
constexpr std::uint64_t kClaimed = std::uint64_t{1} << 63;

// One slot per registered pair: the key (larger, then smaller) above the portal
// number plus one; 0 is an empty slot. Only the first `slots` are used, 3 per
// expected portal, so a small instance touches few pages and probes stay short
// (and a lent table holds the three tables mst() works in).
constexpr std::uint64_t kSlots = 3 * MAXN;
alignas(kTableAlignment) std::uint64_t m_edge[kSlots];
std::uint64_t slots = kSlots;
std::int32_t keys = 0;
bool lent = false; // slots written by a borrower, not by add_edge()

// The larger and the smaller of a and b, by arithmetic: which is larger is a coin
// toss for every pair, and a branch on it mispredicts half the time.
void order(std::int32_t a, std::int32_t b, std::int64_t &larger, std::int64_t &smaller) {
  const std::int64_t difference = std::int64_t{a} - b, a_below = difference >> 63; // -1 when a < b
  larger = a - (difference & a_below);
  smaller = b + (difference & a_below);
}

// The key of the pair (larger, smaller), both in 0..MAXN-1.
std::uint64_t key_of(std::int64_t larger, std::int64_t smaller) {
  return static_cast<std::uint64_t>(larger) << kIslandBits | static_cast<std::uint64_t>(smaller);
}

// The key of the pair a, b in either order, both in 0..MAXN-1.
std::uint64_t key_of_pair(std::int32_t a, std::int32_t b) {
  std::int64_t larger, smaller;
  order(a, b, larger, smaller);
  return key_of(larger, smaller);
}

// Where the probe for key starts: a multiplicative hash mapped onto the slots. Each
// island gets a multiplier of its own: with one for the whole key, the keys of a
// star around island 0 (the larger island alone varying) crowd together, and a
// probe took eleven slots on average.
std::uint64_t home(std::uint64_t key) {
  const std::uint64_t larger = key >> kIslandBits, smaller = key & ((std::uint64_t{1} << kIslandBits) - 1);
  return ((larger * 0x9E3779B97F4A7C15ull + smaller * 0xC2B2AE3D27D4EB4Full) >> 32) * slots >> 32;
}

// The slot holding key, or the empty slot where it would go.
std::uint64_t slot_of(std::uint64_t key) {
  std::uint64_t s = home(key);
  while (m_edge[s] != 0 && (m_edge[s] & ~kClaimed) >> kPortalBits != key)
    s = s + 1 == slots ? 0 : s + 1;
  return s;
}

// The key of the pair u, v, or none when either end lies outside 0..MAXN-1.
bool pair_key(std::int32_t u, std::int32_t v, std::uint64_t &key) {
  std::int64_t larger, smaller;
  order(u, v, larger, smaller);
  key = key_of(larger, smaller);
  return smaller >= 0 && larger < MAXN;
}

// The portal a slot holds, or -1 for an empty one.
std::int32_t portal_in(std::uint64_t slot) {
  return static_cast<std::int32_t>(slot & ((std::uint64_t{1} << kPortalBits) - 1)) - 1;
}

} // namespace registry_internal

void add_edge(std::int32_t a, std::int32_t b, std::int32_t index) {
  using namespace registry_internal;
  assert(!lent);
  assert(a >= 0 && b >= 0 && a < MAXN && b < MAXN && index >= 0 && index < MAXN);
  assert(static_cast<std::uint64_t>(keys) + 1 < slots); // a free slot ends every probe
  const std::uint64_t key = key_of_pair(a, b);
  std::uint64_t &slot = m_edge[slot_of(key)];
  keys += slot == 0;
  slot = key << kPortalBits | static_cast<std::uint64_t>(index + 1);
}

void prefetch_edges(const std::int32_t *a, const std::int32_t *b, std::int32_t count) {
  using namespace registry_internal;
  for (std::int32_t i = 0; i < count; ++i)
    __builtin_prefetch(&m_edge[home(key_of_pair(a[i], b[i]))], 1);
}

void add_edges(const std::int32_t *a, const std::int32_t *b, std::int32_t first, std::int32_t count) {
  using namespace registry_internal;
  for (std::int32_t i = 0; i < count; ++i)
    add_edge(a[i], b[i], first + i);
}

void registry_expect(std::int32_t portals) {
  using namespace registry_internal;
  const std::uint64_t expected = static_cast<std::uint64_t>(std::clamp(portals, 0, MAXN));
  slots = std::min(kSlots, 3 * expected + 1);
  prefer_huge_pages(m_edge, slots * sizeof m_edge[0]);
}

std::int32_t find_edge(std::int32_t u, std::int32_t v) {
  using namespace registry_internal;
  assert(!lent);
  std::uint64_t key;
  if (!pair_key(u, v, key))
    return -1;
  return portal_in(m_edge[slot_of(key)]);
}

void claim_edges(std::size_t n, const std::int32_t *u, const std::int32_t *v, std::int32_t *portal) {
  using namespace registry_internal;
  assert(!lent);
  // The keys and their home slots, fetched a chunk at a time before its probes.
  constexpr std::size_t kChunk = 64;
  std::uint64_t keys_of[kChunk];
  bool valid[kChunk];
  for (std::size_t first = 0; first < n; first += kChunk) {
    const std::size_t count = std::min(kChunk, n - first);
    for (std::size_t i = 0; i < count; ++i) {
      valid[i] = pair_key(u[first + i], v[first + i], keys_of[i]);
      __builtin_prefetch(&m_edge[home(keys_of[i])], 1);
    }
    for (std::size_t i = 0; i < count; ++i) {
      std::int32_t &found = portal[first + i];
      if (!valid[i]) {
        found = -1;
        continue;
      }
      std::uint64_t &slot = m_edge[slot_of(keys_of[i])];
      found = slot & kClaimed ? -2 : portal_in(slot);
      if (found >= 0)
        slot |= kClaimed;
    }
  }
}

void registry_unclaim() {
  using namespace registry_internal;
  assert(!lent);
  for (std::uint64_t s = 0; s < slots; ++s)
    m_edge[s] &= ~kClaimed;
}

std::int32_t registry_keys() { return registry_internal::keys; }

Span<std::uint64_t> registry_release() {
  using namespace registry_internal;
  lent = true;
  return {m_edge, slots};
}

void registry_clear() {
  using namespace registry_internal;
  if (keys > 0 || lent)
    std::fill_n(m_edge, slots, 0);
  keys = 0;
  lent = false;
  slots = kSlots;
}
