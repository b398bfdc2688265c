// The shapes the default test set relies on, generated through the binary: each
// holds the trap it is named for.
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <numeric>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "support/binary.h"
#include "support/files.h"

namespace {

struct Portal {
  int a, b;
  double cost, rate;
  std::string cost_text;
};

struct Instance {
  int n = 0, m = 0, t = 0;
  double x = 0;
  std::vector<Portal> portals;
};

Instance parsed(const std::string &text) {
  std::istringstream in(text);
  Instance i;
  in >> i.n >> i.m >> i.t >> i.x;
  i.portals.resize(static_cast<std::size_t>(i.m));
  for (Portal &p : i.portals) {
    in >> p.a >> p.b >> p.cost_text >> p.rate;
    p.cost = std::stod(p.cost_text);
  }
  return i;
}

std::string generated(const std::vector<std::string> &args) {
  std::vector<std::string> all = {"generate"};
  all.insert(all.end(), args.begin(), args.end());
  Ran r = run_program(kSetter, all);
  EXPECT_EQ(r.status, 0) << r.err;
  return r.out;
}

double least_at(const std::string &instance_text, const std::string &t) {
  return std::stod(run_program(kSetter, {"solve", temp_file(instance_text), "--at", t}).out);
}

// The total of the tree Kruskal takes when portals are ordered by key (ties in
// file order), priced at their true cost at t = 0.
template <class Key> double kruskal_total(const Instance &in, Key key) {
  std::vector<int> order(in.portals.size()), parent(static_cast<std::size_t>(in.n));
  std::iota(order.begin(), order.end(), 0);
  std::iota(parent.begin(), parent.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](int i, int j) { return key(in.portals[i]) < key(in.portals[j]); });
  const auto find = [&](int x) {
    while (parent[x] != x)
      x = parent[x] = parent[parent[x]];
    return x;
  };
  double total = 0;
  for (const int i : order) {
    const int a = find(in.portals[i].a), b = find(in.portals[i].b);
    if (a != b) {
      parent[a] = b;
      total += in.portals[i].cost;
    }
  }
  return total;
}

TEST(Families, AStarIsIsland0JoinedToEveryOtherCheapestFirst) {
  const Instance in = parsed(generated({"star", "--n", "50", "--m", "80"}));
  std::vector<double> spoke(50, -1);
  for (const Portal &p : in.portals) {
    EXPECT_EQ(p.rate, in.portals[0].rate);
    if (p.a == 0 || p.b == 0)
      spoke[static_cast<std::size_t>(p.a + p.b)] = p.cost;
  }
  double dearest_spoke = 0;
  for (int i = 2; i < 50; ++i) {
    EXPECT_LT(spoke[static_cast<std::size_t>(i - 1)], spoke[static_cast<std::size_t>(i)]) << i;
    dearest_spoke = std::max(dearest_spoke, spoke[static_cast<std::size_t>(i)]);
  }
  for (const Portal &p : in.portals) {
    if (p.a != 0 && p.b != 0) {
      EXPECT_GT(p.cost, dearest_spoke);
    }
  }
  const auto written_first = std::count_if(in.portals.begin(), in.portals.end(), [](const Portal &p) { return p.a == 0; });
  EXPECT_GT(written_first, 5); // either way round
  EXPECT_LT(written_first, 44);
}

TEST(Families, MirrorAndFlipRenumberAndTurnTheSameInstance) {
  const Instance plain = parsed(generated({"chain", "--n", "30", "--m", "50"}));
  const Instance mirrored = parsed(generated({"chain", "--n", "30", "--m", "50", "--mirror"}));
  const Instance both = parsed(generated({"chain", "--n", "30", "--m", "50", "--mirror", "--flip"}));
  ASSERT_EQ(plain.portals.size(), 50u);
  for (std::size_t i = 0; i < plain.portals.size(); ++i) {
    EXPECT_EQ(mirrored.portals[i].a, 29 - plain.portals[i].a);
    EXPECT_EQ(mirrored.portals[i].b, 29 - plain.portals[i].b);
    EXPECT_EQ(both.portals[i].a, mirrored.portals[i].b);
    EXPECT_EQ(both.portals[i].b, mirrored.portals[i].a);
    EXPECT_EQ(both.portals[i].cost_text, plain.portals[i].cost_text);
  }
}

// The least total at T minus the least total at 0 is the gap asked for, to the
// rounding of the sums, either side of the checker's tolerance.
TEST(Families, ANearTieIsExactlyTheGapApart) {
  const struct {
    std::vector<std::string> args;
    double gap;
  } cases[] = {
      {{"--gap", "-0.000002"}, -2e-6},
      {{"--gap", "0.000002", "--t", "1000000"}, 2e-6},
      {{"--gap", "0"}, 0},
      {{"--gap", "-20", "--ec", "999000..999900", "--t", "1000000"}, -20},
      {{"--gap", "5", "--ec", "999000..999900", "--t", "7"}, 5},
  };
  for (const auto &c : cases) {
    std::vector<std::string> args = {"near-tie", "--n", "300"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    SCOPED_TRACE(c.args[1]);
    const std::string text = generated(args);
    const Instance in = parsed(text);
    const double at_0 = least_at(text, "0"), at_t = least_at(text, std::to_string(in.t));
    EXPECT_NEAR(at_t - at_0, c.gap, 1e-12 * std::max(1.0, std::fabs(at_0)));
  }
}

// Kept in float, the dearer of each island's two routes ties with the cheaper
// and, listed first, is taken: a total beyond the checker's tolerance.
TEST(Families, CloseCostsAreOneFloatApart) {
  const Instance in = parsed(generated({"close-costs", "--n", "500"}));
  const double exact = kruskal_total(in, [](const Portal &p) { return p.cost; });
  const double in_float = kruskal_total(in, [](const Portal &p) { return static_cast<float>(p.cost); });
  EXPECT_GT(in_float - exact, 1e-8 * std::fabs(exact));
  for (const Portal &p : in.portals)
    EXPECT_EQ(p.rate, 0);
}

TEST(Families, ExtremesReachEveryEnd) {
  const Instance in = parsed(generated({"extremes", "--n", "300", "--x", "-1000000"}));
  EXPECT_EQ(in.t, 1000000);
  EXPECT_EQ(in.x, -1e6);
  double c_low = 0, c_high = 0, r_low = 0, r_high = 0;
  for (const Portal &p : in.portals) {
    c_low = std::min(c_low, p.cost), c_high = std::max(c_high, p.cost);
    r_low = std::min(r_low, p.rate), r_high = std::max(r_high, p.rate);
    EXPECT_EQ(p.cost_text.size() - p.cost_text.find('.'), 7u) << p.cost_text; // six decimals
  }
  EXPECT_EQ(c_low, -1e6);
  EXPECT_EQ(c_high, 1e6);
  EXPECT_EQ(r_low, -1e3);
  EXPECT_EQ(r_high, 1e3);
}

TEST(Families, OptionsTheShapesRefuse) {
  const struct {
    std::vector<std::string> args;
    const char *says;
  } cases[] = {
      {{"random", "--gap", "1"}, "--gap is for near-tie and sixth-decimal only"},
      {{"hash-attack", "--key", "xor"}, "--key takes times-n"},
      {{"hash-attack", "--buckets", "1"}, "--buckets takes a bucket count in 2..1000000000"},
      {{"micro-gaps", "--ec-decimals", "3"}, "needs costs with 6 decimals"},
      {{"micro-gaps", "--n", "3", "--m", "10"}, "M exceeds the distinct pairs of N islands"},
      {{"sixth-decimal", "--gap", "0.5", "--t", "1000000"}, "--gap over T must be a whole number of 10^-6"},
      {{"sorted", "--n", "300", "--ec", "0..10", "--t", "0"}, "--ec holds fewer than 600 distinct costs"},
      {{"near-tie", "--gap", "0.0000001"}, "at most 6 decimals"},
      {{"near-tie", "--n", "2", "--m", "2"}, "needs N >= 3, M >= N and T >= 1"},
      {{"close-costs", "--ec", "0..1000"}, "magnitude 2^17"},
      {{"star", "--n", "300", "--ec", "0..1"}, "fewer than 300 distinct costs"},
  };
  for (const auto &c : cases) {
    std::vector<std::string> args = {"generate"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    SCOPED_TRACE(c.says);
    Ran r = run_program(kSetter, args);
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
  }
}

} // namespace

namespace {

// The attacks: keys that share few buckets, and orders a first-element pivot
// cannot split.
TEST(Families, AttacksOnHashingAndSorting) {
  for (const auto &[args, multiplier, buckets] :
       {std::tuple{std::vector<std::string>{"hash-attack", "--n", "3000", "--m", "3000", "--buckets", "997"}, 3000.0, 997},
        {std::vector<std::string>{"hash-attack", "--n", "3000", "--m", "3000", "--buckets", "1009", "--key", "shift-32"},
         4294967296.0, 1009}}) {
    SCOPED_TRACE(args[6]);
    const Instance in = parsed(generated(args));
    std::vector<int> count(static_cast<std::size_t>(buckets), 0);
    int most = 0;
    for (const Portal &p : in.portals) {
      EXPECT_LT(p.a, p.b); // written smaller island first
      const long double key = static_cast<long double>(p.a) * multiplier + p.b;
      most = std::max(most, ++count[static_cast<std::size_t>(std::fmod(key, buckets))]);
    }
    // Evenly spread, a bucket would hold about 3; these crowd into a handful.
    EXPECT_GT(most, 300) << most;
  }
  const Instance flipped = parsed(generated({"hash-attack", "--n", "50", "--flip"}));
  EXPECT_TRUE(std::all_of(flipped.portals.begin(), flipped.portals.end(), [](const Portal &p) { return p.a > p.b; }));
  for (const char *family : {"sorted", "reverse-sorted", "organ-pipe"}) {
    SCOPED_TRACE(family);
    const Instance in = parsed(generated({family, "--n", "200", "--m", "400"}));
    std::vector<double> at_end;
    for (const Portal &p : in.portals)
      at_end.push_back(p.cost - p.rate * in.t);
    const auto peak = std::max_element(at_end.begin(), at_end.end()) - at_end.begin();
    if (std::string(family) == "sorted")
      EXPECT_TRUE(std::is_sorted(at_end.begin(), at_end.end()));
    else if (std::string(family) == "reverse-sorted")
      EXPECT_TRUE(std::is_sorted(at_end.rbegin(), at_end.rend()));
    else {
      EXPECT_TRUE(std::is_sorted(at_end.begin(), at_end.begin() + peak + 1));
      EXPECT_TRUE(std::is_sorted(at_end.rbegin(), at_end.rend() - peak));
      EXPECT_GT(peak, 150);
      EXPECT_LT(peak, 250);
    }
    EXPECT_EQ(std::adjacent_find(at_end.begin(), at_end.end()), at_end.end()); // no two alike
  }
}

// Costs that cannot all differ get their order from the rates at T: a star
// within --ec 0..60 of whole numbers still rises at T, one hub portal at a time.
TEST(Families, AStarFromRatesWhereCostsCannotDiffer) {
  const Instance in = parsed(generated({"star", "--n", "500", "--m", "600", "--ec", "0..60", "--ec-decimals", "0",
                                        "--er", "-1000..1000", "--er-decimals", "0", "--t", "1000000"}));
  std::vector<std::pair<double, int>> hub;
  for (const Portal &p : in.portals)
    if (p.a == 0 || p.b == 0)
      hub.push_back({p.cost - p.rate * in.t, p.a + p.b});
  ASSERT_EQ(hub.size(), 499u);
  std::sort(hub.begin(), hub.end());
  for (std::size_t i = 0; i < hub.size(); ++i)
    EXPECT_EQ(hub[i].second, static_cast<int>(i) + 1); // dearer at T as the other island's number grows
  Ran narrow = run_setter("en", {"generate", "star", "--n", "500", "--ec", "0..60", "--ec-decimals", "0"});
  EXPECT_EQ(narrow.status, 2);
  EXPECT_NE(narrow.err.find("--ec holds fewer than 500 distinct costs, and so do the costs at T over --er"),
            std::string::npos)
      << narrow.err;
}

// Precision: pairs of costs one millionth apart, the dearer first; a sum of
// sixth decimals that decides the best t by exactly the gap asked for.
TEST(Families, WhereTheSixthDecimalDecides) {
  const Instance gaps = parsed(generated({"micro-gaps", "--n", "50"}));
  int close = 0;
  for (std::size_t i = 0; i < gaps.portals.size(); ++i)
    for (std::size_t j = i + 1; j < gaps.portals.size(); ++j)
      if (std::fabs(gaps.portals[i].cost - gaps.portals[j].cost - 0.000001) < 1e-9)
        ++close; // the dearer (i) before the cheaper (j)
  EXPECT_GE(close, 48);
  for (const char *gap : {"1", "-1"}) {
    SCOPED_TRACE(gap);
    const std::string text = generated({"sixth-decimal", "--n", "40", "--gap", gap});
    EXPECT_NEAR(least_at(text, "1000000") - least_at(text, "0"), std::stod(gap), 1e-6);
    EXPECT_NE(text.substr(0, text.find('\n')).find('.'), std::string::npos); // X with its sixth decimal
  }
}

// The largest totals in size: every portal at the dearest (or cheapest) cost at T.
TEST(Families, ExtremeTotals) {
  const std::string dear = generated({"extreme-totals", "--n", "100", "--m", "150"});
  EXPECT_EQ(least_at(dear, "0"), 99 * 1e6);
  EXPECT_EQ(least_at(dear, "1000000"), 99 * (1e6 + 1e9) + 1e12);
  const std::string cheap = generated({"extreme-totals", "--n", "100", "--x", "-1000000"});
  EXPECT_EQ(least_at(cheap, "1000000"), -99 * (1e6 + 1e9) - 1e12);
}

} // namespace
