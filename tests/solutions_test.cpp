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
                              "base_cost_order"};

// The default test set in a folder of this process's own, removed at exit.
struct Set {
  std::string dir = fresh_dir() + "set";
  ~Set() { fs::remove_all(fs::path(dir).parent_path()); }
} set;

// The tests of the default set, written once per process.
const std::vector<std::string> &test_names() {
  static std::vector<std::string> names;
  if (names.empty()) {
    const std::string &dir = set.dir;
    Ran r = run_program(kSetter, {"testset", dir});
    EXPECT_EQ(r.status, 0) << r.err;
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
};

// The links that finds walk, for each way of linking roots, in setter
// coverage's report on the default set.
double links_walked(const std::string &rule) {
  static const std::string report = run_setter("en", {"coverage", set.dir}).out;
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
}

} // namespace
