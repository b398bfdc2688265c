// Folders read whole: validate and solve look into every layout of tests, check
// each answer a test has, and package names every broken test.
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

const char kInstance[] = "4 5 3 2\n0 1 10 2\n1 2 8 1\n2 3 6 3\n0 3 9 0.5\n1 3 7 2\n";
const char kPlan[] = "3 3\n3 2\n1 3\n0 1\n", kTotal[] = "8\n";

void put(const std::string &path, const std::string &text) {
  fs::create_directories(fs::path(path).parent_path());
  std::ofstream(path) << text;
}

// A test set of three tests; files maps a test's extension to its text.
std::string test_set() {
  const std::string dir = fresh_dir();
  for (const char *base : {"sample/1", "secret/a", "secret/b"}) {
    put(dir + base + ".in", kInstance);
    put(dir + base + ".ans", kPlan);
    put(dir + base + ".total", kTotal);
  }
  return dir;
}

TEST(Folders, ValidateLooksIntoEveryLayoutAndChecksEveryAnswer) {
  const std::string set = test_set();
  Ran r = run_setter("en", {"validate", set});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "3 sound, 0 with defects\n");
  // A broken plan beside a sound total: the plan is checked too.
  put(set + "secret/a.ans", "0 3\n3 2\n1 3\n0 1\n");
  // A broken total beside a sound plan.
  put(set + "secret/b.total", "9\n");
  r = run_setter("en", {"validate", set});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find(set + "secret/a.in: 1 defect: " + set + "secret/a.ans: the plan is not optimal"),
            std::string::npos)
      << r.err;
  EXPECT_NE(r.err.find(set + "secret/b.in: 1 defect: " + set + "secret/b.total"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("1 sound, 2 with defects\n"), std::string::npos) << r.err;

  const std::string kattis = fresh_dir(), cms = fresh_dir();
  put(kattis + "data/sample/1.in", kInstance);
  put(kattis + "data/sample/1.ans", kPlan);
  put(kattis + "data/secret/x.in", kInstance);
  put(kattis + "data/secret/x.ans", "9\n");
  put(cms + "input/input0.txt", kInstance);
  put(cms + "output/output0.txt", kTotal);
  put(cms + "input/input1.txt", kInstance);
  put(cms + "output/output1.txt", "7\n");
  for (const std::string &dir : {kattis, cms}) {
    r = run_setter("en", {"validate", dir});
    EXPECT_EQ(r.status, 1) << dir;
    EXPECT_NE(r.err.find("1 sound, 1 with defects\n"), std::string::npos) << r.err;
  }
}

TEST(Folders, SolveWritesWhatEachLayoutKeeps) {
  const std::string set = test_set(), cms = fresh_dir(), kattis = fresh_dir();
  fs::remove(set + "secret/a.ans");
  fs::remove(set + "secret/b.total");
  Ran r = run_setter("en", {"solve", set});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err.substr(0, r.err.find('\n') + 1), "3 tests, 2 answer files written, 0 instances refused\n");
  // A test set is timed then, as it had not been: its time limit is kept.
  EXPECT_NE(r.err.find(set + "time-limit.yaml: not there: no time limit has been measured for this set; measuring it\n"),
            std::string::npos)
      << r.err;
  EXPECT_TRUE(fs::exists(set + "time-limit.yaml"));
  r = run_setter("en", {"solve", set});
  EXPECT_EQ(r.err.find("measuring it"), std::string::npos) << r.err; // unchanged tests: not again
  EXPECT_EQ(bytes_of(set + "secret/b.total"), kTotal);
  EXPECT_EQ(run_setter("en", {"validate", set}).status, 0);
  put(cms + "input/input0.txt", kInstance);
  r = run_setter("en", {"solve", cms});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(bytes_of(cms + "output/output0.txt"), kTotal);
  EXPECT_FALSE(fs::exists(cms + "input/input0.ans"));
  put(kattis + "data/secret/x.in", kInstance);
  EXPECT_EQ(run_setter("en", {"solve", kattis}).status, 0);
  EXPECT_TRUE(fs::exists(kattis + "data/secret/x.ans"));
  EXPECT_FALSE(fs::exists(kattis + "data/secret/x.total"));
}

TEST(Folders, PackageNamesEveryBrokenTest) {
  const std::string set = test_set(), out = fresh_dir() + "portalplan";
  put(set + "secret/a.total", "9\n");
  put(set + "secret/b.ans", "0 3\n3 2\n1 3\n0 1\n");
  Ran r = run_setter("en", {"package", "kattis", set, out, "--time-limit", "1"});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("setter package: " + set + "secret/a.in: 1 defect: "), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("setter package: " + set + "secret/b.in: 1 defect: "), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("setter package: 2 broken tests of 3 tests: nothing written\n"), std::string::npos) << r.err;
  EXPECT_FALSE(fs::exists(out));
}

TEST(Folders, SmallSlips) {
  Ran r = run_setter("en", {"testset", fresh_dir() + "set", "--seed"});
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err, "setter testset: --seed needs a value\nsee setter testset --help\n");
  r = run_setter("en", {"generate", "random", "--n", "10", "--t", "2000000"});
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err, "setter generate: T = 2000000 (0..1000000) lies beyond the statement's bounds (--checker-limits "
                   "writes it all the same)\nsee setter generate --help\n");
  r = run_setter("en", {"generate", "random", "--n", "10", "--t", "2000000", "--checker-limits"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out.substr(0, r.out.find('\n')), "10 20 2000000 5");
  r = run_setter("en", {"generate", "random", "--n", "10", "--ec", "0..2000000"});
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("a portal's cost "), std::string::npos) << r.err;
}

} // namespace
