// The shipped solutions over the default test set, judged through the checker
// with both forms of answer: the model scores 1 on every test, and each wrong
// solution, each a typical mistake, scores below 1 on at least one.
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "support/binary.h"
#include "support/files.h"
#include "support/judges.h"

namespace {

namespace fs = std::filesystem;

const char *const kWrong[] = {"always_zero",      "always_end",      "ternary_search",   "without_tx",
                              "truncated_costs", "negative_as_zero", "earlier_duplicate"};

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
  ASSERT_GT(tests.size(), 50u);
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

} // namespace
