// The test set's own room, in-process: every test found however deep, each
// placed by its bounds and its .desc held to them, the time limit's rule where
// it rounds, and the digest that tells when the tests changed.
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "setter/language/language.h"
#include "setter/testset/listing.h"
#include "setter/testset/placement.h"
#include "setter/testset/time_limit.h"
#include "support/judges.h"

namespace {

namespace fs = std::filesystem;

void put(const std::string &path, const std::string &text) {
  fs::create_directories(fs::path(path).parent_path());
  std::ofstream(path) << text;
}

const char kExample[] = "4 5 3 2\n0 1 10 2\n1 2 8 1\n2 3 6 3\n0 3 9 0.5\n1 3 7 2\n";

TEST(Listing, EveryTestHoweverDeepSamplesFirst) {
  const std::string dir = fresh_dir();
  put(dir + "sample/1.in", kExample);
  put(dir + "secret/b.in", kExample);
  put(dir + "secret/a/deep/x.in", kExample);
  put(dir + "secret/a/deep/x.ans", "");
  put(dir + "secret/a/deep/x.desc", "");
  put(dir + "secret/notes.txt", "not a test");
  std::vector<SetTest> tests;
  ASSERT_EQ(list_set_tests(dir, tests), "");
  ASSERT_EQ(tests.size(), 3u);
  EXPECT_EQ(tests[0].shown(), "sample/1");
  EXPECT_EQ(tests[1].shown(), "secret/a/deep/x");
  EXPECT_EQ(tests[1].base, dir + "secret/a/deep/x");
  EXPECT_TRUE(tests[1].has_plan && tests[1].has_desc && !tests[1].has_total);
  EXPECT_EQ(tests[2].shown(), "secret/b");
  set_language(Language::english);
  const std::string empty = fresh_dir();
  EXPECT_EQ(list_set_tests(empty, tests), empty + ": not a test set (no folder sample/; see setter testset)");
  fs::create_directories(empty + "sample");
  fs::create_directories(empty + "secret");
  EXPECT_EQ(list_set_tests(empty, tests), empty + ": the test set holds no test");
}

// 5 times the slowest run, halves rounded up, at least 1: truncating would give
// 2 for 0.5 and 1 for 0.31.
TEST(TimeLimit, TheRuleWhereItRounds) {
  const struct {
    double slowest;
    int limit;
  } cases[] = {{0, 1}, {0.01, 1}, {0.29, 1}, {0.3, 2}, {0.31, 2}, {0.5, 3}, {0.69, 3}, {0.7, 4}, {1.1, 6}};
  for (const auto &c : cases) {
    SCOPED_TRACE(c.slowest);
    EXPECT_EQ(time_limit_of(c.slowest), c.limit);
  }
}

// The digest changes with a test's name, its bytes, a new test or a lost one,
// and with nothing else.
TEST(TimeLimit, TheDigestFollowsTheTests) {
  const std::string dir = fresh_dir();
  put(dir + "sample/1.in", kExample);
  put(dir + "secret/a.in", kExample);
  std::vector<SetTest> tests;
  ASSERT_EQ(list_set_tests(dir, tests), "");
  const std::string first = tests_fingerprint(tests);
  put(dir + "secret/a.ans", "answers do not count");
  ASSERT_EQ(list_set_tests(dir, tests), "");
  EXPECT_EQ(tests_fingerprint(tests), first);
  put(dir + "secret/a.in", std::string(kExample) + " ");
  EXPECT_NE(tests_fingerprint(tests), first);
  put(dir + "secret/a.in", kExample);
  EXPECT_EQ(tests_fingerprint(tests), first);
  fs::rename(dir + "secret/a.in", dir + "secret/c.in");
  ASSERT_EQ(list_set_tests(dir, tests), "");
  EXPECT_NE(tests_fingerprint(tests), first);
  fs::rename(dir + "secret/c.in", dir + "secret/a.in");
  put(dir + "secret/d.in", kExample);
  ASSERT_EQ(list_set_tests(dir, tests), "");
  EXPECT_NE(tests_fingerprint(tests), first);
}

// Each secret test is in every subtask whose bounds it keeps; a .desc that
// names others is refused, with why.
TEST(Placement, ByBoundsAndTheDescHeldToThem) {
  set_language(Language::english);
  std::vector<Subtask> subtasks;
  ASSERT_EQ(parse_subtasks("30 t-zero --t 0..0\n30 tiny --n 1..4\n40 all\n", "f", subtasks), "");
  const struct {
    const char *desc, *problem;
  } cases[] = {
      {"", ""},
      {"made by hand\n", ""},
      {"subtasks: tiny all\n", ""},
      {"subtasks: all tiny\n", ""},
      {"subtasks: t-zero tiny all\n", "its .desc places it in subtask t-zero, but T = 3 lies outside 0..0 (--t)"},
      {"subtasks: all\n", "its .desc names subtasks all, but it keeps the bounds of tiny too"},
      {"subtasks: tiny all ghost\n", "its .desc names subtask ghost, which the subtask file has not"},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.desc);
    const std::string dir = fresh_dir();
    put(dir + "sample/1.in", kExample);
    put(dir + "secret/x.in", kExample);
    put(dir + "secret/zero.in", "1 0 0 1\n");
    if (*c.desc)
      put(dir + "secret/x.desc", c.desc);
    std::vector<SetTest> tests;
    ASSERT_EQ(list_set_tests(dir, tests), "");
    Placement placement;
    const std::vector<std::string> problems = place_tests(tests, subtasks, placement, [](const std::string &) {});
    EXPECT_EQ(placement.members[0], std::vector<std::size_t>{});              // the sample
    EXPECT_EQ(placement.members[1], (std::vector<std::size_t>{1, 2}));         // x: N = 4, T = 3
    EXPECT_EQ(placement.members[2], (std::vector<std::size_t>{0, 1, 2}));      // zero: N = 1, T = 0
    EXPECT_EQ(tests_in(placement, 0), std::vector<std::size_t>{2});
    if (!*c.problem) {
      EXPECT_TRUE(problems.empty()) << problems.front();
      continue;
    }
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0].rfind(dir + "secret/x.in: " + c.problem, 0), 0u) << problems[0];
  }
}

} // namespace
