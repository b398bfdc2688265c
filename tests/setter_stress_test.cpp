// setter stress through the binary: it finds what a wrong solution gets wrong on
// small random instances, shrinks it, and writes it as a sound test on which
// the solution fails and the model does not; the model itself is never caught.
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <vector>

#include "support/binary.h"
#include "support/judges.h"

namespace {

namespace fs = std::filesystem;

const std::string kSolutions = SOLUTIONS_DIR;

// The tests written into dir, by path without extension.
std::vector<std::string> tests_in(const std::string &dir) {
  std::vector<std::string> found;
  for (const auto &entry : fs::directory_iterator(dir))
    if (entry.path().extension() == ".in")
      found.push_back((entry.path().parent_path() / entry.path().stem()).string());
  return found;
}

TEST(Stress, TheModelIsNeverCaught) {
  const std::string out = fresh_dir() + "stress";
  Ran r = run_setter("en", {"stress", kSolutions + "/model", "--instances", "60", "--seed", "7", "-o", out});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.err.find("no failure in 60 instances over "), std::string::npos) << r.err;
  EXPECT_FALSE(fs::exists(out));
}

// Each found, shrunk and kept: the test is sound, the solution fails on it as it
// failed in the search, the model scores 1 on it.
TEST(Stress, FindsShrinksAndKeepsWhatAWrongSolutionGetsWrong) {
  for (const char *wrong : {"always_zero", "earlier_duplicate", "extra_negative", "base_cost_order"}) {
    SCOPED_TRACE(wrong);
    const std::string out = fresh_dir() + "stress", program = kSolutions + "/" + wrong;
    Ran r = run_setter("en", {"stress", program, "--instances", "300", "--seed", "1", "-o", out});
    ASSERT_EQ(r.status, 1) << r.err;
    EXPECT_NE(r.err.find(" fails on instance "), std::string::npos) << r.err;
    const std::vector<std::string> tests = tests_in(out);
    ASSERT_EQ(tests.size(), 1u);
    const std::string desc = bytes_of(tests[0] + ".desc");
    EXPECT_NE(desc.find("Found by setter stress --seed 1: " + program + " failed ("), std::string::npos) << desc;
    EXPECT_NE(desc.find("made by setter generate "), std::string::npos) << desc;
    EXPECT_NE(desc.find(", and shrunk from N = "), std::string::npos) << desc;
    EXPECT_EQ(run_setter("en", {"validate", tests[0] + ".in", tests[0] + ".total"}).status, 0);
    EXPECT_EQ(run_setter("en", {"validate", tests[0] + ".in", tests[0] + ".ans"}).status, 0);
    EXPECT_EQ(run_setter("en", {"verify", out, "--wrong", program, "--accepted", kSolutions + "/model"}).status, 0);
    // The same seed, the same test.
    const std::string again = fresh_dir() + "stress";
    ASSERT_EQ(run_setter("en", {"stress", program, "--instances", "300", "--seed", "1", "-o", again}).status, 1);
    EXPECT_EQ(bytes_of(tests_in(again)[0] + ".in"), bytes_of(tests[0] + ".in"));
  }
}

// A crash is a failure too, shrunk to the smallest instance: one island.
TEST(Stress, ACrashShrinksToOneIsland) {
  const std::string script = fresh_dir() + "crash.sh", out = fresh_dir() + "stress";
  std::ofstream(script) << "#!/bin/sh\nexit 3\n";
  chmod(script.c_str(), 0755);
  Ran r = run_setter("en", {"stress", script, "--instances", "5", "-o", out});
  ASSERT_EQ(r.status, 1) << r.err;
  EXPECT_NE(r.err.find("run-time error (exit status 3)"), std::string::npos) << r.err;
  const std::vector<std::string> tests = tests_in(out);
  ASSERT_EQ(tests.size(), 1u);
  EXPECT_EQ(bytes_of(tests[0] + ".in").substr(0, 4), "1 0 ");
}

TEST(Stress, BrokenCalls) {
  EXPECT_EQ(run_setter("en", {"stress"}).status, 2);
  EXPECT_EQ(run_setter("en", {"stress", kSolutions + "/model", "--seconds", "x"}).status, 2);
  EXPECT_EQ(run_setter("en", {"stress", kSolutions + "/model", "--n", "5..2"}).status, 2);
  Ran missing = run_setter("en", {"stress", "/nonexistent/program", "--instances", "1"});
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.err.find("not a program to run"), std::string::npos) << missing.err;
  EXPECT_EQ(run_setter("en", {"stress", "--help"}).out.rfind("usage: setter stress PROGRAM", 0), 0u);
}

} // namespace
