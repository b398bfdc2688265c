// Portal registry: an ordered map from (larger end, smaller end) to a portal
// number, kept as one flat array sorted by key, bucketed by the larger end so that
// a look-up touches two cache lines instead of a tree path.
#include "instance/registry.h"

#include <algorithm>
#include <cassert>
#include <vector>

#include "instance/tables.h"

namespace {

struct Entry {
  std::int32_t larger, smaller, portal, order; // order: rank of the registration
};

std::vector<Entry> pending; // registrations in the order made

// m_edge[m_edge_start[a] .. m_edge_start[a+1]) holds the keys (a, b), ascending in
// b, one per key, with the portal of its latest registration.
struct Keyed {
  std::int32_t smaller, portal;
};
std::vector<Keyed> m_edge;
std::vector<std::int32_t> m_edge_start;

} // namespace

void add_edge(std::int32_t a, std::int32_t b, std::int32_t index) {
  assert(a >= 0 && b >= 0 && a < MAXN && b < MAXN);
  pending.push_back(
      {std::max(a, b), std::min(a, b), index, static_cast<std::int32_t>(pending.size())});
}

void registry_seal() {
  std::int32_t buckets = 0;
  for (const Entry &e : pending)
    buckets = std::max(buckets, e.larger + 1);
  m_edge_start.assign(static_cast<std::size_t>(buckets) + 1, 0);
  for (const Entry &e : pending)
    ++m_edge_start[static_cast<std::size_t>(e.larger) + 1];
  for (std::int32_t a = 0; a < buckets; ++a)
    m_edge_start[a + 1] += m_edge_start[a];

  // Counting sort by the larger end keeps registration order within a bucket;
  // buckets are small, so sorting each one costs next to nothing.
  std::vector<Entry> by_larger(pending.size());
  std::vector<std::int32_t> fill(m_edge_start.begin(), m_edge_start.end() - 1);
  for (const Entry &e : pending)
    by_larger[static_cast<std::size_t>(fill[e.larger]++)] = e;

  m_edge.resize(pending.size());
  std::size_t out = 0;
  for (std::int32_t a = 0; a < buckets; ++a) {
    auto first = by_larger.begin() + m_edge_start[a], last = by_larger.begin() + m_edge_start[a + 1];
    std::sort(first, last, [](const Entry &x, const Entry &y) {
      return x.smaller != y.smaller ? x.smaller < y.smaller : x.order < y.order;
    });
    m_edge_start[a] = static_cast<std::int32_t>(out);
    for (auto it = first; it != last; ++it) {
      if (it + 1 != last && (it + 1)->smaller == it->smaller)
        continue; // a later registration of the same pair replaces this one
      m_edge[out++] = {it->smaller, it->portal};
    }
  }
  m_edge_start[static_cast<std::size_t>(buckets)] = static_cast<std::int32_t>(out);
  m_edge.resize(out);
  pending.clear();
  pending.shrink_to_fit();
}

std::int32_t find_edge(std::int32_t u, std::int32_t v) {
  std::int32_t a = std::max(u, v), b = std::min(u, v);
  if (b < 0 || static_cast<std::size_t>(a) + 1 >= m_edge_start.size())
    return -1;
  auto first = m_edge.begin() + m_edge_start[a], last = m_edge.begin() + m_edge_start[a + 1];
  auto it = std::lower_bound(first, last, b,
                             [](const Keyed &x, std::int32_t key) { return x.smaller < key; });
  return it != last && it->smaller == b ? it->portal : -1;
}

void find_edges(std::size_t n, const std::int32_t *u, const std::int32_t *v,
                std::int32_t *portal) {
  // Each pass prefetches what the next one reads: bucket bounds, then bucket heads.
  const std::size_t buckets = m_edge_start.empty() ? 0 : m_edge_start.size() - 1;
  for (std::size_t i = 0; i < n; ++i)
    if (std::size_t a = static_cast<std::uint32_t>(std::max(u[i], v[i])); a < buckets)
      __builtin_prefetch(&m_edge_start[a]);
  for (std::size_t i = 0; i < n; ++i)
    if (std::size_t a = static_cast<std::uint32_t>(std::max(u[i], v[i])); a < buckets)
      __builtin_prefetch(m_edge.data() + m_edge_start[a]);
  for (std::size_t i = 0; i < n; ++i)
    portal[i] = find_edge(u[i], v[i]);
}

void registry_clear() {
  pending.clear();
  m_edge.clear();
  m_edge_start.clear();
}
