// Portal registry: an ordered map from (larger end, smaller end) to a portal
// number, kept as one flat array sorted by key and bucketed by the larger end, so
// that a look-up touches two cache lines instead of a tree path.
#include "instance/registry.h"

#include <algorithm>
#include <cassert>
#include <utility>

#include "instance/tables.h"

namespace {

struct Entry {
  std::int32_t larger, smaller, portal;
};

// Registrations in the order made; the loader makes at most MAXN.
Entry pending[MAXN];
std::size_t pending_count = 0;

// m_edge[m_edge_start[a] .. m_edge_start[a+1]) holds the keys (a, b) for a below
// buckets, ascending in b, one per key, with the portal of its latest registration.
struct Keyed {
  std::int32_t smaller, portal;
};

Keyed m_edge[MAXN];
std::int32_t m_edge_start[MAXN + 1];
std::int32_t buckets = 0;

bool by_smaller(const Keyed &x, const Keyed &y) { return x.smaller < y.smaller; }

// Stable, so that registrations of one key stay in the order made.
void sort_bucket(Keyed *first, Keyed *last) {
  if (last - first > 32) {
    std::stable_sort(first, last, by_smaller);
    return;
  }
  for (Keyed *it = first + 1; it < last; ++it)
    for (Keyed *j = it; j > first && by_smaller(*j, j[-1]); --j)
      std::swap(*j, j[-1]);
}

} // namespace

void add_edge(std::int32_t a, std::int32_t b, std::int32_t index) {
  assert(a >= 0 && b >= 0 && a < MAXN && b < MAXN);
  assert(pending_count < static_cast<std::size_t>(MAXN));
  pending[pending_count++] = {std::max(a, b), std::min(a, b), index};
}

void registry_seal() {
  buckets = 0;
  for (std::size_t i = 0; i < pending_count; ++i)
    buckets = std::max(buckets, pending[i].larger + 1);
  // Counting sort by the larger end, registration order kept within a bucket. The
  // bounds serve as fill cursors, so each ends at the next bucket's start.
  std::fill_n(m_edge_start, buckets + 1, 0);
  for (std::size_t i = 0; i < pending_count; ++i)
    ++m_edge_start[pending[i].larger];
  std::int32_t sum = 0;
  for (std::int32_t a = 0; a < buckets; ++a)
    sum += std::exchange(m_edge_start[a], sum);
  for (std::size_t i = 0; i < pending_count; ++i)
    m_edge[m_edge_start[pending[i].larger]++] = {pending[i].smaller, pending[i].portal};

  std::int32_t out = 0, first = 0;
  for (std::int32_t a = 0; a < buckets; ++a) {
    const std::int32_t last = m_edge_start[a];
    sort_bucket(m_edge + first, m_edge + last);
    m_edge_start[a] = out;
    for (std::int32_t i = first; i < last; ++i)
      if (i + 1 == last || m_edge[i + 1].smaller != m_edge[i].smaller)
        m_edge[out++] = m_edge[i]; // the last registration of its key
    first = last;
  }
  m_edge_start[buckets] = out;
  pending_count = 0;
}

std::int32_t find_edge(std::int32_t u, std::int32_t v) {
  std::int32_t a = std::max(u, v), b = std::min(u, v);
  if (b < 0 || a >= buckets)
    return -1;
  const Keyed *first = m_edge + m_edge_start[a], *last = m_edge + m_edge_start[a + 1];
  const Keyed *it = std::lower_bound(
      first, last, b, [](const Keyed &x, std::int32_t key) { return x.smaller < key; });
  return it != last && it->smaller == b ? it->portal : -1;
}

void find_edges(std::size_t n, const std::int32_t *u, const std::int32_t *v, std::int32_t *portal) {
  // Each pass prefetches what the next one reads: bucket bounds, then bucket heads.
  for (std::size_t i = 0; i < n; ++i)
    if (std::int32_t a = std::max(u[i], v[i]); a >= 0 && a < buckets)
      __builtin_prefetch(&m_edge_start[a]);
  for (std::size_t i = 0; i < n; ++i)
    if (std::int32_t a = std::max(u[i], v[i]); a >= 0 && a < buckets)
      __builtin_prefetch(m_edge + m_edge_start[a]);
  for (std::size_t i = 0; i < n; ++i)
    portal[i] = find_edge(u[i], v[i]);
}

std::int32_t registry_keys() { return buckets > 0 ? m_edge_start[buckets] : 0; }

void registry_clear() {
  pending_count = 0;
  buckets = 0;
}
