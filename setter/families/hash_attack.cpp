// Keys that collide in a hash table's buckets: what makes a std::unordered_map
// keyed on the pair of islands walk one long chain for every look-up.
#include <numeric>
#include <unordered_set>

#include "setter/families/building.h"
#include "setter/families/shapes.h"

namespace {

struct Forest {
  std::vector<std::int32_t> parent;
  std::int32_t find(std::int32_t a) {
    while (parent[static_cast<std::size_t>(a)] != a)
      a = parent[static_cast<std::size_t>(a)] = parent[static_cast<std::size_t>(parent[static_cast<std::size_t>(a)])];
    return a;
  }
};

} // namespace

std::string hash_attack(const Shape &s, Random &r, std::vector<Record> &out) {
  if (!pairs_suffice(s))
    return "M exceeds the distinct pairs of N islands";
  if (s.buckets < 2)
    return "--buckets takes a bucket count of 2 or more";
  const std::uint64_t multiplier = s.key_shift ? std::uint64_t{1} << 32 : static_cast<std::uint64_t>(s.n);
  const std::uint64_t buckets = static_cast<std::uint64_t>(s.buckets);
  auto price = [&] { return on_grid(r, s.ec_low, s.ec_high, s.ec_unit); };
  Forest forest{std::vector<std::int32_t>(static_cast<std::size_t>(s.n))};
  std::iota(forest.parent.begin(), forest.parent.end(), 0);
  std::unordered_set<std::uint64_t> used;
  std::vector<Record> spare; // colliding pairs beyond the forest, for the rest of M
  std::int64_t joined = 0;
  // Residue by residue, the pairs whose keys fall into that one bucket: a forest
  // of them first, so that nearly every portal collides with many others.
  for (std::uint64_t residue = 0; residue < 64 && joined < s.n - 1; ++residue)
    for (std::uint64_t low = 0; low + 1 < static_cast<std::uint64_t>(s.n); ++low) {
      const std::uint64_t step = (multiplier % buckets) * low % buckets;
      // (low·multiplier + high) mod buckets == residue
      const std::uint64_t high = (residue + buckets - step) % buckets;
      if (high <= low || high >= static_cast<std::uint64_t>(s.n))
        continue;
      const auto a = static_cast<std::int32_t>(low), b = static_cast<std::int32_t>(high);
      if (!used.insert(pair_key(a, b)).second)
        continue;
      const std::int32_t ra = forest.find(a), rb = forest.find(b);
      if (ra != rb) {
        forest.parent[static_cast<std::size_t>(ra)] = rb;
        out.push_back({a, b, price(), 0});
        ++joined;
      } else if (spare.size() < static_cast<std::size_t>(s.m)) {
        spare.push_back({a, b, price(), 0});
      }
    }
  // What the colliding pairs leave apart is joined by any pair.
  for (std::int32_t i = 1; i < s.n; ++i)
    if (const std::int32_t ri = forest.find(i), r0 = forest.find(0); ri != r0) {
      forest.parent[static_cast<std::size_t>(ri)] = r0;
      out.push_back({0, i, price(), 0});
      used.insert(pair_key(0, i));
    }
  for (std::size_t i = 0; out.size() < static_cast<std::size_t>(s.m) && i < spare.size(); ++i)
    out.push_back(spare[i]);
  distinct_pairs(s, r, out, static_cast<std::size_t>(s.m), price);
  random_rates(s, r, out);
  shuffle(r, out);
  // Each portal written with its smaller island first: as read, and as a
  // solution that orders a pair's ends smaller first, keys it (--flip: larger first).
  for (Record &rec : out)
    if (rec.a > rec.b)
      std::swap(rec.a, rec.b);
  return {};
}
