// The shipped solutions over the default test set, judged through the checker
// with both forms of answer: the model scores 1 on every test; each wrong
// solution, each a typical mistake, scores below 1 on at least one; each slow
// solution is right wherever it finishes in time, and the set holds a test that
// makes it slow.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "support/binary.h"
#include "support/files.h"
#include "support/judges.h"

namespace {

namespace fs = std::filesystem;

const char *const kWrong[] = {"always_zero",     "always_end",     "ternary_search", "without_tx",
                              "truncated_costs", "negative_as_zero", "earlier_duplicate", "float_costs",
                              "extra_negative",  "loose_tie",      "relative_tie",   "slope_at_zero",
                              "base_cost_order", "epsilon_ties",   "truncated_rates", "fixed_point_totals",
                              "int_rate_product"};

// The default test set, written once for every test file (see CMakeLists.txt).
const std::string kSetDir = DEFAULT_SET_DIR "/set";

// The tests of the default set.
const std::vector<std::string> &test_names() {
  static std::vector<std::string> names;
  if (names.empty()) {
    const std::string &dir = kSetDir;
    for (const char *part : {"sample", "secret"})
      for (const auto &entry : fs::directory_iterator(fs::path(dir) / part))
        if (entry.path().extension() == ".in")
          names.push_back((entry.path().parent_path() / entry.path().stem()).string());
    std::sort(names.begin(), names.end());
  }
  return names;
}

// N, M and T of a test, from its first line.
struct Size {
  double n, m, t;
};

Size size_of(const std::string &test) {
  Size s{};
  std::ifstream(test + ".in") >> s.n >> s.m >> s.t;
  return s;
}

// The solution's plan for test, judged by checker-testlib against the jury plan.
int judged(const std::string &solution, const std::string &test) {
  Ran plan = run_program(std::string(SOLUTIONS_DIR "/") + solution, {}, test + ".in");
  EXPECT_EQ(plan.status, 0) << solution << " on " << test;
  const std::string out = temp_file(plan.out);
  const int status = run_program(kCheckerTestlib, {test + ".in", out, test + ".ans"}).status;
  fs::remove(out);
  return status;
}

TEST(Solutions, TheModelIsOptimalOnEveryTest) {
  const std::vector<std::string> &tests = test_names();
  ASSERT_GT(tests.size(), 80u);
  for (const std::string &test : tests) {
    SCOPED_TRACE(test);
    EXPECT_EQ(judged("model", test), 0);
    Ran plan = run_program(SOLUTIONS_DIR "/model", {}, test + ".in");
    const std::string out = temp_file(plan.out);
    EXPECT_EQ(run_program(kChecker, {test + ".in", test + ".total", out}).out, "1.000000\n");
    fs::remove(out);
  }
}

TEST(Solutions, EveryTypicalMistakeFailsSomeTest) {
  const std::vector<std::string> &tests = test_names();
  for (const char *wrong : kWrong) {
    std::string caught_by;
    for (const std::string &test : tests)
      if (int status = judged(wrong, test); status != 0) {
        EXPECT_TRUE(status == 1 || status == 7) << wrong << " on " << test << ": exit " << status;
        caught_by = fs::path(test).filename().string();
        break;
      }
    EXPECT_NE(caught_by, "") << wrong << " passes every test";
    std::printf("%-18s first fails %s\n", wrong, caught_by.c_str());
  }
}

// The work each slow solution does on a test, in its own terms, and the least
// of it that no judge's machine gets through within seconds.
struct Slow {
  const char *name;
  double (*work)(const Size &);
  double too_much;
};

const Slow kSlow[] = {
    {"every_t", [](const Size &s) { return (s.t + 1) * s.m; }, 1e10},        // a Kruskal pass per t
    {"quadratic_prim", [](const Size &s) { return 2 * s.n * s.n; }, 1e10},  // a scan of every island per step
    {"naive_union_find", nullptr, 1e10},                                     // links walked, from the coverage report
    {"index_union_find", nullptr, 1e10},
    {"hash_pairs", nullptr, 0},                                              // keys sharing a bucket, below
    {"quicksort_first", nullptr, 0},                                         // portals in sorted order, below
};

// The portals of a test: their islands and costs, in file order.
struct Portals {
  std::vector<long long> low, high;
  std::vector<double> cost;
};

Portals portals_of(const std::string &test) {
  std::ifstream in(test + ".in");
  long long n, m, t;
  double x;
  in >> n >> m >> t >> x;
  Portals p;
  for (long long i = 0; i < m; ++i) {
    long long a, b;
    double c, r;
    in >> a >> b >> c >> r;
    p.low.push_back(std::min(a, b));
    p.high.push_back(std::max(a, b));
    p.cost.push_back(c);
  }
  return p;
}

// The most keys, smaller island times N plus the larger, that share one bucket
// of the 351061 a std::unordered_map grows to for the largest M: each look-up of
// one walks all of them.
long long most_in_one_bucket(const std::string &test) {
  const Portals p = portals_of(test);
  const long long n = static_cast<long long>(size_of(test).n);
  std::vector<long long> bucket(351061, 0);
  long long most = 0;
  for (std::size_t i = 0; i < p.low.size(); ++i)
    most = std::max(most, ++bucket[static_cast<std::size_t>((p.low[i] * n + p.high[i]) % 351061)]);
  return most;
}

// The longest run of portals already in order of cost, either way: what a
// first-element pivot turns into one partition after another.
long long longest_sorted_run(const std::string &test) {
  const Portals p = portals_of(test);
  long long up = 1, down = 1, most = 0;
  for (std::size_t i = 1; i < p.cost.size(); ++i) {
    up = p.cost[i] > p.cost[i - 1] ? up + 1 : 1;
    down = p.cost[i] < p.cost[i - 1] ? down + 1 : 1;
    most = std::max({most, up, down});
  }
  return most;
}

// The links that finds walk, for each way of linking roots, in setter
// coverage's report on the default set.
double links_walked(const std::string &rule) {
  static const std::string report = run_setter("en", {"coverage", kSetDir}).out;
  const std::size_t at = report.find("    " + rule + ": ");
  EXPECT_NE(at, std::string::npos) << report;
  const std::size_t comma = report.find(", ", at);
  return std::stod(report.substr(comma + 2));
}

TEST(Solutions, EverySlowSolutionIsRightWhereItFinishesAndSlowSomewhere) {
  const std::vector<std::string> &tests = test_names();
  for (const Slow &slow : kSlow) {
    SCOPED_TRACE(slow.name);
    double most = 0;
    int judged_tests = 0;
    for (const std::string &test : tests) {
      const Size s = size_of(test);
      const double work = slow.work ? slow.work(s) : s.n * s.m;
      most = std::max(most, work);
      if (work <= 1e7) { // finishes at once: it must be right
        EXPECT_EQ(judged(slow.name, test), 0) << test;
        ++judged_tests;
      }
    }
    EXPECT_GT(judged_tests, 50);
    if (slow.work) {
      EXPECT_GE(most, slow.too_much);
    }
  }
  EXPECT_GE(links_walked("first end's root under the second's"), 1e10);
  EXPECT_GE(links_walked("larger-numbered root under smaller"), 1e10);
  long long bucket = 0, run = 0;
  for (const std::string &test : tests)
    if (size_of(test).m > 100000) {
      bucket = std::max(bucket, most_in_one_bucket(test));
      run = std::max(run, longest_sorted_run(test));
    }
  EXPECT_GE(bucket, 20000); // 20000 keys in one bucket: some 10^9 steps for M look-ups
  EXPECT_GE(run, 200000);   // some 2·10^10 comparisons for one sort
}

} // namespace
