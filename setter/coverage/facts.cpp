// One test's facts, from the loaded tables and, for the digits, the text.
#include "setter/coverage/facts.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "graph/mst.h"
#include "instance/tables.h"
#include "setter/families/building.h"

namespace {

// The digits after the point of the real that starts at text[i].
int digits_after_point(std::string_view text, std::size_t i) {
  while (i < text.size() && text[i] != '.' && text[i] != ' ' && text[i] != '\n')
    ++i;
  if (i == text.size() || text[i] != '.')
    return 0;
  const std::size_t start = ++i;
  while (i < text.size() && text[i] >= '0' && text[i] <= '9')
    ++i;
  return static_cast<int>(i - start);
}

// The digits of X and of every c and r: the fourth field of the first line and
// the last two of every other (the layout is canonical, as validate checks).
void count_digits(std::string_view text, TestFacts &f) {
  bool first = true;
  std::size_t field = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (i > 0 && text[i - 1] != ' ' && text[i - 1] != '\n')
      continue;
    if (text[i] == ' ' || text[i] == '\n')
      continue;
    if (field == 3 || (field >= 4 && (field - 4) % 4 >= 2)) {
      const double d = digits_after_point(text, i);
      f.digits_low = first ? d : std::min(f.digits_low, d);
      f.digits_high = first ? d : std::max(f.digits_high, d);
      first = false;
    }
    ++field;
  }
}

// The cost of portal i at t.
double cost_at(std::int32_t i, std::int32_t t) { return ec[i] - er[i] * t; }

void count_pairs(TestFacts &f) {
  std::vector<std::pair<std::uint64_t, std::int32_t>> keys(static_cast<std::size_t>(M)); // by pair, then file order
  std::vector<std::int64_t> degree(static_cast<std::size_t>(N), 0);
  for (std::int32_t i = 0; i < M; ++i) {
    keys[static_cast<std::size_t>(i)] = {pair_key(es[i], et[i]), i};
    f.loops += es[i] == et[i];
    ++degree[static_cast<std::size_t>(es[i])];
    degree[static_cast<std::size_t>(et[i])] += es[i] != et[i];
  }
  for (const std::int64_t d : degree)
    f.degree = std::max(f.degree, d);
  std::sort(keys.begin(), keys.end());
  for (std::size_t i = 0, j; i < keys.size(); i = j) {
    for (j = i + 1; j < keys.size() && keys[j].first == keys[i].first; ++j) {
    }
    f.repeated_pairs += j - i > 1;
    f.most_on_a_pair = std::max<std::int64_t>(f.most_on_a_pair, static_cast<std::int64_t>(j - i));
    // The last copy is the one a plan names; an earlier one cheaper at either end
    // is what a solution that prices a pair by its cheapest copy takes.
    const std::int32_t last = keys[j - 1].second;
    for (std::size_t k = i; k + 1 < j; ++k) {
      const std::int32_t earlier = keys[k].second;
      f.earlier_cheaper += cost_at(earlier, 0) < cost_at(last, 0) || cost_at(earlier, T) < cost_at(last, T);
    }
  }
}

} // namespace

TestFacts bound_facts_of(const std::string &name, std::string_view text) {
  TestFacts f;
  f.name = name;
  f.n = N, f.m = M, f.t = T, f.x = X;
  f.has_portals = M > 0;
  for (std::int32_t i = 0; i < M; ++i) {
    f.c_low = i ? std::min(f.c_low, ec[i]) : ec[i];
    f.c_high = i ? std::max(f.c_high, ec[i]) : ec[i];
    f.r_low = i ? std::min(f.r_low, er[i]) : er[i];
    f.r_high = i ? std::max(f.r_high, er[i]) : er[i];
  }
  count_digits(text, f);
  f.m_per_n = N > 0 ? static_cast<double>(M) / N : 0;
  count_pairs(f);
  return f;
}

TestFacts facts_of(const std::string &name, std::string_view text) {
  TestFacts f = bound_facts_of(name, text);
  f.fall = std::max(std::fabs(f.r_low), std::fabs(f.r_high)) * f.t;
  f.total_zero = mst(0);
  f.total_end = mst(T);
  for (std::size_t rule = 0; rule < 4; ++rule)
    for (const std::int32_t t : {0, T}) {
      const ChainFacts c = naive_kruskal(t, kLinkRules[rule]);
      f.chains[rule].longest = std::max(f.chains[rule].longest, c.longest);
      f.chains[rule].walked = std::max(f.chains[rule].walked, c.walked);
    }
  return f;
}
