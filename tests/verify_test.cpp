// setter verify through the binary: the table and exit status for programs that
// pass, fail, crash, hang, leave children behind or never stop writing.
#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "support/binary.h"
#include "support/files.h"
#include "support/judges.h"

namespace {

namespace fs = std::filesystem;

// A small test set by hand: the example as the sample, and two secret tests
// (the optimum at t = 3, and one island at t = 0).
std::string small_set() {
  const std::string dir = fresh_dir();
  const std::string example = bytes_of(EXAMPLES_DIR "/instance.txt");
  const struct {
    const char *base, *in, *ans, *total;
  } tests[] = {{"sample/1", example.c_str(), "3 3\n3 2\n1 3\n0 1\n", "8\n"},
               {"secret/a", example.c_str(), "3 3\n3 2\n1 3\n0 1\n", "8\n"},
               {"secret/b", "1 0 5 2\n", "0 0\n", "0\n"}};
  for (const auto &t : tests) {
    fs::create_directories(fs::path(dir + t.base).parent_path());
    for (auto [extension, text] : {std::pair{".in", t.in}, {".ans", t.ans}, {".total", t.total}})
      ASSERT_EQ(std::system(("printf '%s' '" + std::string(text) + "' > " + dir + t.base + extension).c_str()), 0), "";
  }
  return dir;
}

// A program from a shell script.
std::string script(const std::string &body) {
  const std::string path = temp_file("#!/bin/sh\n" + body + "\n");
  chmod(path.c_str(), 0755);
  return path;
}

// The first six fields of the table's row for program: the program, what is
// expected of it, how many tests scored 1, 0.3 and 0, and the failed runs.
std::vector<std::string> row_of(const std::string &table, const std::string &program) {
  const std::size_t at = table.find(program + " ");
  std::istringstream row(table.substr(at == std::string::npos ? table.size() : at));
  std::vector<std::string> fields(6);
  for (std::string &f : fields)
    row >> f;
  return fields;
}

const std::string kModel = SOLUTIONS_DIR "/model", kAlwaysZero = SOLUTIONS_DIR "/always_zero";

TEST(Verify, TheTableAndTheExpectations) {
  const std::string set = small_set();
  Ran r = run_program(kSetter, {"verify", set, "--accepted", kModel, "--wrong", kAlwaysZero});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(row_of(r.out, kModel), (std::vector<std::string>{kModel, "accepted", "3", "0", "0", "0"})) << r.out;
  EXPECT_EQ(row_of(r.out, kAlwaysZero), (std::vector<std::string>{kAlwaysZero, "wrong", "1", "2", "0", "0"})) << r.out;
  EXPECT_NE(r.out.find("sample/1: 輸出的建設方案為該 t 值中的最小成本方案，但 t 值的選擇並非最佳。"), std::string::npos) << r.out;
  EXPECT_EQ(r.out.find("NOT AS EXPECTED"), std::string::npos);

  Ran wrong = run_program(kSetter, {"verify", set, "--wrong", kModel, "--accepted", kAlwaysZero});
  EXPECT_EQ(wrong.status, 1);
  EXPECT_NE(wrong.out.find("NOT AS EXPECTED"), std::string::npos);
  // Only reported: no expectation to fail.
  EXPECT_EQ(run_program(kSetter, {"verify", set, kAlwaysZero}).status, 0);
}

TEST(Verify, EveryLayoutOfTests) {
  const std::string set = small_set(), kattis = fresh_dir(), cms = fresh_dir();
  fs::create_directories(kattis + "data");
  fs::copy(set + "sample", kattis + "data/sample");
  fs::copy(set + "secret", kattis + "data/secret");
  fs::create_directories(cms + "input");
  fs::create_directories(cms + "output");
  int i = 0;
  for (const char *base : {"sample/1", "secret/a", "secret/b"}) {
    fs::copy_file(set + base + ".in", cms + "input/input" + std::to_string(i) + ".txt");
    fs::copy_file(set + base + ".total", cms + "output/output" + std::to_string(i++) + ".txt");
  }
  for (const std::string &dir : {set, kattis, cms}) {
    SCOPED_TRACE(dir);
    Ran r = run_program(kSetter, {"verify", dir, "--accepted", kModel});
    EXPECT_EQ(r.status, 0) << r.out << r.err;
  }
}

TEST(Verify, ProgramsThatCrashHangOrNeverStop) {
  const std::string set = small_set();
  // Sleeps of lengths no other run uses, so that a run beside this one (another
  // build's tests) cannot pass for a survivor.
  const std::string mark = "9" + std::to_string(getpid());
  const std::string crash = script("exit 3"), hang = script("sleep " + mark + "4"),
                    children = script("sh -c 'sleep " + mark + "3' & sleep " + mark + "2"),
                    endless = script("printf '0 5\\n'; yes ''");
  Ran r = run_program(kSetter, {"verify", set, "--time-limit", "0.5", "--wrong", crash, hang, children, endless});
  EXPECT_EQ(r.status, 0) << r.out << r.err;
  EXPECT_NE(r.out.find("sample/1: crashed (exit status 3)"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("sample/1: time-out (over 0.50 s)"), std::string::npos) << r.out;
  // Killed at the limit with all it started: no process of theirs outlives verify.
  EXPECT_NE(std::system(("pgrep -f 'sleep " + mark + "[234]' > /dev/null").c_str()), 0);
  // Gigabytes of blank lines are read as they come, never held.
  EXPECT_LT(r.peak_kib, 200 * 1024);
}

TEST(Verify, BrokenCalls) {
  const std::string set = small_set();
  const struct {
    const char *name;
    std::vector<std::string> args;
    int status;
    const char *says;
  } cases[] = {
      {"missing program", {"verify", set, "/nonexistent/solution"}, 2, "no program to run"},
      {"no program", {"verify", set}, 2, "needs DIR and at least one PROGRAM"},
      {"not a test set", {"verify", fresh_dir(), kModel}, 1, "not a test set, a Kattis package or a CMS task folder"},
      {"bad time limit", {"verify", set, kModel, "--time-limit", "-1"}, 2, "--time-limit"},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    Ran r = run_setter("en", c.args);
    EXPECT_EQ(r.status, c.status);
    EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
  }
  const std::string empty = fresh_dir();
  EXPECT_EQ(run_setter("zh-TW", {"verify", empty, kModel}).err,
            "setter verify: " + empty + "：不是測資集、Kattis 題目包或 CMS 任務資料夾\n");
}

} // namespace
