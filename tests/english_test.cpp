// The checker's messages in English, through every front-end that can ask for
// them, byte for byte: checker-en for CMS, the "lang en" flag of checker-kattis
// (built and single file), and checker-testlib's single file with its constant
// set; and the short usage each prints for --help.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "support/binary.h"
#include "support/files.h"
#include "support/judges.h"

namespace {

namespace fs = std::filesystem;

const char kIslands[] = "4 5 3 2\n0 1 10 2\n1 2 8 1\n2 3 6 3\n0 3 9 0.5\n1 3 7 2\n";

struct Case {
  const char *name, *answer, *plan;
  const char *message; // null for a judge error
  std::string report;  // the judge error's line, {a} for the answer's path
  int cms, kattis, testlib;
  const char *score;
};

const Case kCases[] = {
    {"optimal", "8", "3 3\n3 2\n1 3\n0 1\n", "The plan is optimal.", "", 0, 42, 0, "1.000000\n"},
    {"cheapest_at_t", "8", "1 3\n2 3\n1 3\n0 1\n",
     "The plan is the cheapest at its t, but the choice of t is not the best.", "", 0, 43, 7, "0.300000\n"},
    {"not_cheapest", "8", "3 3 2 3 1 3 0 3", "At the chosen t, the plan is not the cheapest.", "", 0, 43, 1,
     "0.000000\n"},
    {"not_connected", "8", "3 2 2 3 1 3", "The plan does not connect all islands.", "", 0, 43, 1, "0.000000\n"},
    {"repeated", "8", "3 3 2 3 3 2 0 1", "The plan names a portal twice.", "", 0, 43, 1, "0.000000\n"},
    {"invalid", "8", "3 3 3 2 0 2", "The plan names a portal that does not exist.", "", 0, 43, 1, "0.000000\n"},
    {"t_out_of_range", "8", "4 3 x", "The output's t is out of range.", "", 0, 43, 1, "0.000000\n"},
    {"format", "8", "3", "The output's format is incorrect.", "", 0, 43, 2, "0.000000\n"},
    {"answer_nan", "nan", "3 3 3 2 1 3 0 1", nullptr,
     "Judge error: the answer file's reference total is not finite (nan): {a}", 1, 1, 3, ""},
    {"plan_beats_answer", "9", "3 3 3 2 1 3 0 1", nullptr,
     "Judge error: the plan's total 8 is below the answer file's reference total 9: the answer file is wrong", 1, 1,
     3, ""},
    {"answer_below_every_t", "7", "1 3\n2 3\n1 3\n0 1\n", nullptr,
     "Judge error: the answer file's reference total 7 is below the least total over every t, 8 (t = 3), which no "
     "plan reaches: the answer file is wrong: {a}",
     1, 1, 3, ""},
    {"broken_jury_plan", "3 3\n3 2\n1 3\n5 1\n", "3 3 3 2 1 3 0 1", nullptr,
     "Judge error: answer file, line 4: the plan's portal line 3 5 1 joins no portal; the answer file is wrong: {a}",
     -1, 1, 3, ""},
};

std::string with_answer(std::string text, const std::string &answer) {
  if (const std::size_t at = text.find("{a}"); at != std::string::npos)
    text.replace(at, 3, answer);
  return text;
}

// checker-testlib's single file with its messages in English, compiled once.
const std::string &english_testlib() {
  static std::string binary;
  if (binary.empty()) {
    std::ifstream in(SINGLE_DIR "/checker-testlib.cpp");
    std::stringstream source;
    source << in.rdbuf();
    const std::string text = std::regex_replace(source.str(), std::regex("kTestlibMessagesInEnglish = false"),
                                                "kTestlibMessagesInEnglish = true");
    EXPECT_NE(text, source.str());
    const std::string file = temp_file(text) + ".cpp";
    std::ofstream(file) << text;
    binary = file + ".bin";
    EXPECT_EQ(std::system(("g++ -std=gnu++17 -O1 -ffp-contract=off -o " + binary + " " + file).c_str()), 0);
  }
  return binary;
}

TEST(English, EveryOutcomeThroughEveryFrontEnd) {
  const std::string instance = temp_file(kIslands);
  for (const Case &c : kCases) {
    SCOPED_TRACE(c.name);
    const std::string answer = temp_file(c.answer), plan = temp_file(c.plan);
    const std::string report = with_answer(c.report, answer);
    if (c.cms >= 0) { // CMS's answer file is a total
      Ran r = run_program(CHECKER_EN_PATH, {instance, answer, plan});
      EXPECT_EQ(r.status, c.cms);
      EXPECT_EQ(r.out, c.score);
      EXPECT_EQ(r.err, c.message ? std::string(c.message) : report + "\n");
    }
    for (const std::string &kattis : {kCheckerKattis, std::string(SINGLE_DIR "/checker-kattis")}) {
      const std::string feedback = fresh_dir();
      Ran r = run_program(kattis, {instance, answer, feedback, "lang", "en"}, plan);
      EXPECT_EQ(r.status, c.kattis);
      const Files files = files_in(feedback);
      if (c.message) {
        EXPECT_EQ(files.at("teammessage.txt"), c.message);
        EXPECT_EQ(files.at("judgemessage.txt").substr(0, std::string(c.message).size() + 1), std::string(c.message) + "\n");
      } else {
        EXPECT_EQ(files.at("judgeerror.txt"), report + "\n");
      }
    }
    Ran r = run_program(english_testlib(), {instance, plan, answer});
    EXPECT_EQ(r.status, c.testlib);
    const char *word = c.testlib == 0 ? "ok " : c.testlib == 1 ? "wrong answer " : c.testlib == 2 ? "wrong output format "
                                              : c.testlib == 7 ? "points 0.3 " : "FAIL ";
    EXPECT_EQ(r.err, word + (c.message ? std::string(c.message) : report) + "\n");
  }
}

TEST(English, TheJudgesDetailAndTheSetterFollow) {
  const std::string feedback = fresh_dir();
  const std::string instance = temp_file(kIslands);
  run_program(kCheckerKattis, {instance, temp_file("8"), feedback, "lang", "en"}, temp_file("3 4 2 3 1 3 0 1 1 2"));
  EXPECT_EQ(files_in(feedback)["judgemessage.txt"],
            "At the chosen t, the plan is not the cheapest.\nt = 3\nthe plan builds 4 portals, more than N - 1 = 3: the "
            "least total is that of a spanning tree of exactly N - 1 portals, and a portal beyond it counts for "
            "nothing, even at a negative cost\nplan total 13\nleast total at t = 3 8\nreference total 8\n");
  // A broken answer file, as setter verify reports it in English.
  const std::string set = fresh_dir();
  fs::create_directories(set + "sample");
  fs::create_directories(set + "secret");
  for (const char *base : {"sample/1", "secret/a"}) {
    std::ofstream(set + base + ".in") << kIslands;
    std::ofstream(set + base + ".ans") << "3 3\n3 2\n1 3\n0 1\n";
    std::ofstream(set + base + ".total") << (std::string(base) == "secret/a" ? "9\n" : "8\n");
  }
  Ran r = run_setter("en", {"verify", set, SOLUTIONS_DIR "/model"});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.out.find("secret/a: judge error: Judge error: the plan's total 8 is below the answer file's reference "
                       "total 9: the answer file is wrong"),
            std::string::npos)
      << r.out;
}

// --help answers in English; too few arguments stay a judge error, as before.
TEST(English, UsageOnHelp) {
  for (const std::string &program : {kChecker, std::string(CHECKER_EN_PATH), kCheckerTestlib, kCheckerKattis}) {
    SCOPED_TRACE(program);
    Ran r = run_program(program, {"--help"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.rfind("usage: checker", 0), 0u) << r.out;
    EXPECT_EQ(r.err, "");
  }
  Ran r = run_program(kChecker, {"a", "b"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "評測資料錯誤：參數不足，用法：checker 題目檔 答案檔 輸出檔\n");
  r = run_program(CHECKER_EN_PATH, {"a"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "Judge error: too few arguments; usage: checker INSTANCE ANSWER PLAN\n");
  r = run_program(kCheckerTestlib, {"--help", "x"});
  EXPECT_EQ(r.status, 3);
}

} // namespace

namespace {

// A test set of the example alone, as sample and as secret test.
std::string example_set() {
  const std::string set = fresh_dir();
  for (const char *base : {"sample/1", "secret/a"}) {
    fs::create_directories(fs::path(set + base).parent_path());
    std::ofstream(set + base + ".in") << kIslands;
    std::ofstream(set + base + ".ans") << "3 3\n3 2\n1 3\n0 1\n";
    std::ofstream(set + base + ".total") << "8\n";
  }
  return set;
}

TEST(English, PackagesAskForIt) {
  const std::string set = example_set(), kattis = fresh_dir() + "portalplan";
  Ran r = run_setter("en", {"package", "kattis", set, kattis, "--time-limit", "1", "--messages", "en"});
  ASSERT_EQ(r.status, 0) << r.err;
  std::ifstream yaml(kattis + "/problem.yaml");
  std::stringstream problem;
  problem << yaml.rdbuf();
  EXPECT_NE(problem.str().find("\nvalidator_flags: lang en\n"), std::string::npos) << problem.str();
  EXPECT_EQ(run_setter("en", {"package", "kattis", set, fresh_dir() + "p", "--messages", "fr"}).status, 2);
#ifndef CHECKER_SANITIZED // the sanitizers' checker is linked dynamically: no CMS checker
  const std::string cms = fresh_dir() + "portalplan";
  r = run_setter("en", {"package", "cms", set, cms, "--time-limit", "1", "--no-statement", "--messages", "en"});
  ASSERT_EQ(r.status, 0) << r.err;
  r = run_program(cms + "/check/checker", {cms + "/input/input0.txt", cms + "/output/output0.txt",
                                           temp_file("3 3\n3 2\n1 3\n0 1\n")});
  EXPECT_EQ(r.err, "The plan is optimal.");
#endif
}

} // namespace
