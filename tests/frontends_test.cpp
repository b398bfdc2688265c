// Every outcome through every front-end, built from the sources and as the
// generated single files: exit status, both streams, and each file written
// (names and bytes), nothing else.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "judge/verdict.h"
#include "support/binary.h"
#include "support/files.h"
#include "support/judges.h"

namespace {

namespace fs = std::filesystem;

// Islands 0..3, T = 3, X = 2; the least total is 8, at t = 3 (as in the checker's
// end-to-end table).
const char kIslands[] = "4 5 3 2\n0 1 10 2\n1 2 8 1\n2 3 6 3\n0 3 9 0.5\n1 3 7 2\n";
const std::string kFail = "評測資料錯誤：";

struct Case {
  const char *name;
  std::string answer, plan;
  const char *message;   // the catalogue message, or null for a checker failure
  std::string judge;     // what judges see besides the message (Kattis' judgemessage.txt)
  std::string failure;   // for a checker failure: the report, {a} for the answer's path
  int cms, kattis, testlib;
};

const std::string kTotals8 = "方案總成本 8\nt = 3 時的最小總成本 8\n參考總成本 8\n";

const Case kCases[] = {
    {"optimal", "8", "3 3\n3 2\n1 3\n0 1\n", message::optimal.text, "t = 3\n" + kTotals8, "", 0, 42, 0},
    {"cheapest_at_t_not_best", "8", "1 3\n2 3\n1 3\n0 1\n", message::t_not_best.text,
     "t = 1\n方案總成本 18\nt = 1 時的最小總成本 18\n參考總成本 8\n", "", 0, 43, 7},
    {"not_cheapest", "8", "3 3 2 3 1 3 0 3", message::not_cheapest.text,
     "t = 3\n方案總成本 11.5\nt = 3 時的最小總成本 8\n參考總成本 8\n", "", 0, 43, 1},
    {"not_cheapest_more_than_a_tree", "8", "3 4 2 3 1 3 0 1 1 2", message::not_cheapest.text,
     "t = 3\n方案建設 4 條傳送門，多於 N − 1 = 3 條：最小總成本是恰好 N − 1 條傳送門的生成樹的總成本，"
     "多建的傳送門即使成本為負也不算在內\n方案總成本 13\nt = 3 時的最小總成本 8\n參考總成本 8\n",
     "", 0, 43, 1},
    {"not_connected", "8", "3 2 2 3 1 3", message::not_connected.text, "t = 3\n", "", 0, 43, 1},
    {"repeated_reversed", "8", "3 3 2 3 3 2 0 1", message::repeated_portal.text, "t = 3\n第 2 條傳送門：3 2\n", "",
     0, 43, 1},
    {"invalid", "8", "3 3 3 2 0 2", message::invalid_portal.text, "t = 3\n第 2 條傳送門：0 2\n", "", 0, 43, 1},
    {"t_out_of_range", "8", "4 3 x", message::t_out_of_range.text, "t = 4\n", "", 0, 43, 1},
    {"format_header", "8", "3", message::bad_format.text, "", "", 0, 43, 2},
    {"format_line", "8", "3 3 3 2 1 3", message::bad_format.text, "t = 3\n第 3 條傳送門\n", "", 0, 43, 2},
    {"answer_nan", "nan", "3 3 3 2 1 3 0 1", nullptr, "", kFail + "答案檔的參考總成本不是有限數（nan）：{a}", 1,
     1, 3},
    {"plan_beats_answer", "9", "3 3 3 2 1 3 0 1", nullptr, "",
     kFail + "輸出的建設方案總成本 8 低於答案檔的參考總成本 9，答案檔有誤", 1, 1, 3},
    {"answer_below_every_t", "7", "1 3\n2 3\n1 3\n0 1\n", nullptr, "",
     kFail + "答案檔的參考總成本 7 低於所有 t 中的最小總成本 8（t = 3），沒有方案能達到，答案檔有誤：{a}", 1, 1,
     3},
};

std::string fill(std::string text, const std::string &answer) {
  if (auto at = text.find("{a}"); at != std::string::npos)
    text.replace(at, 3, answer);
  return text;
}

TEST(FrontEnds, Cms) {
  for (const Programs &p : programs())
    for (const Case &c : kCases) {
      SCOPED_TRACE(std::string(p.name) + ": " + c.name);
      const std::string answer = temp_file(c.answer);
      Ran r = run_program(p.cms, {temp_file(kIslands), answer, temp_file(c.plan)});
      EXPECT_EQ(r.status, c.cms);
      if (c.message) {
        const int code = c.message == message::optimal.text ? OPTIMAL : c.message == message::t_not_best.text ? CHEAPEST_AT_T : REJECTED;
        EXPECT_EQ(r.out, code == OPTIMAL ? "1.000000\n" : code == CHEAPEST_AT_T ? "0.300000\n" : "0.000000\n");
        EXPECT_EQ(r.err, c.message);
      } else {
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, fill(c.failure, answer) + "\n");
      }
    }
}

TEST(FrontEnds, Kattis) {
  for (const Programs &p : programs())
    for (const Case &c : kCases) {
      SCOPED_TRACE(std::string(p.name) + ": " + c.name);
      const std::string answer = temp_file(c.answer), feedback = fresh_dir();
      Ran r = run_program(p.kattis, {temp_file(kIslands), answer, feedback}, temp_file(c.plan));
      EXPECT_EQ(r.status, c.kattis);
      EXPECT_EQ(r.out, "");
      Files expected;
      if (c.message) {
        EXPECT_EQ(r.err, "");
        expected = {{"teammessage.txt", c.message}, {"judgemessage.txt", std::string(c.message) + "\n" + c.judge}};
      } else {
        const std::string report = fill(c.failure, answer) + "\n";
        EXPECT_EQ(r.err, report);
        expected = {{"judgemessage.txt", report}, {"judgeerror.txt", report}};
      }
      EXPECT_EQ(files_in(feedback), expected);
    }
}

// Three portals of cost -1 on three islands: the plan that builds all three
// totals -3, below the least total of a spanning tree, -2. It is refused, and
// the judges are told that it names more portals than a tree holds; two of them
// are optimal.
TEST(FrontEnds, KattisExplainsAPlanBeyondASpanningTree) {
  const std::string triangle = temp_file("3 3 0 0\n0 1 -1 0\n1 2 -1 0\n0 2 -1 0\n"), answer = temp_file("-2\n");
  for (const Programs &p : programs()) {
    SCOPED_TRACE(p.name);
    std::string feedback = fresh_dir();
    EXPECT_EQ(run_program(p.kattis, {triangle, answer, feedback}, temp_file("0 3\n0 1\n1 2\n2 0\n")).status, 43);
    EXPECT_EQ(files_in(feedback)["judgemessage.txt"],
              std::string(message::not_cheapest.text) +
                  "\nt = 0\n方案建設 3 條傳送門，多於 N − 1 = 2 條：最小總成本是恰好 N − 1 條傳送門的生成樹的總成本，"
                  "多建的傳送門即使成本為負也不算在內\n方案總成本 -3\nt = 0 時的最小總成本 -2\n參考總成本 -2\n");
    feedback = fresh_dir();
    EXPECT_EQ(run_program(p.kattis, {triangle, answer, feedback}, temp_file("0 2\n0 1\n1 2\n")).status, 42);
    EXPECT_EQ(files_in(feedback)["judgemessage.txt"],
              std::string(message::optimal.text) + "\nt = 0\n方案總成本 -2\nt = 0 時的最小總成本 -2\n參考總成本 -2\n");
  }
}

TEST(FrontEnds, KattisScoringFlags) {
  const std::string judge_03 = std::string(message::t_not_best.text) + "\n" + kCases[1].judge;
  const std::string judge_1 = std::string(message::optimal.text) + "\n" + kCases[0].judge;
  struct {
    const char *name;
    const Case &c;
    std::vector<std::string> flags;
    int status;
    Files score; // beside the two message files
  } cases[] = {
      {"pass_fail", kCases[1], {}, 43, {}},
      {"multiplier", kCases[1], {"score_multiplier"}, 42, {{"score_multiplier.txt", "0.3\n"}}},
      {"multiplier_optimal", kCases[0], {"score_multiplier"}, 42, {{"score_multiplier.txt", "1\n"}}},
      {"multiplier_rejected", kCases[2], {"score_multiplier"}, 43, {}},
      {"absolute", kCases[1], {"score", "50"}, 42, {{"score.txt", "15\n"}}},
      {"absolute_optimal", kCases[0], {"score", "50"}, 42, {{"score.txt", "50\n"}}},
      {"absolute_fraction", kCases[1], {"score", "2.5"}, 42, {{"score.txt", "0.75\n"}}},
  };
  for (const Programs &p : programs())
    for (const auto &c : cases) {
      SCOPED_TRACE(std::string(p.name) + ": " + c.name);
      const std::string feedback = fresh_dir();
      std::vector<std::string> args{temp_file(kIslands), temp_file(c.c.answer), feedback};
      args.insert(args.end(), c.flags.begin(), c.flags.end());
      Ran r = run_program(p.kattis, args, temp_file(c.c.plan));
      EXPECT_EQ(r.status, c.status);
      Files expected = c.score;
      expected["teammessage.txt"] = c.c.message;
      expected["judgemessage.txt"] = std::string(c.c.message) + "\n" + c.c.judge;
      EXPECT_EQ(files_in(feedback), expected);
    }
}

TEST(FrontEnds, KattisCallErrors) {
  const std::string inst = temp_file(kIslands), ans = temp_file("8"), plan = temp_file("3 3 3 2 1 3 0 1");
  const std::vector<std::vector<std::string>> calls = {
      {}, {inst}, {inst, ans}, {inst, ans, ""}, {inst, ans, "{dir}", "strict"},
      {inst, ans, "{dir}", "score"}, {inst, ans, "{dir}", "score", "-1"}, {inst, ans, "{dir}", "score", "nan"},
      {inst, ans, "{dir}", "score_multiplier", "score_multiplier"}, {inst, ans, "{dir}", "score_multiplier", "score", "5"},
  };
  for (const Programs &p : programs())
    for (std::vector<std::string> args : calls) {
      const std::string feedback = fresh_dir();
      for (std::string &a : args)
        if (a == "{dir}")
          a = feedback;
      SCOPED_TRACE(std::string(p.name) + ": " + std::to_string(args.size()) + " arguments, last " +
                   (args.empty() ? "" : args.back()));
      Ran r = run_program(p.kattis, args, plan);
      EXPECT_EQ(r.status, 1);
      EXPECT_NE(r.err, "");
      const Files files = files_in(feedback);
      EXPECT_EQ(files.count("score.txt") + files.count("score_multiplier.txt") + files.count("teammessage.txt"), 0u);
    }
}

// What testlib writes for each exit status: the word that leads standard error
// and the outcome named in the XML result.
struct TestlibOutcome {
  int status;
  const char *word, *xml;
};

const TestlibOutcome kTestlibOutcomes[] = {{0, "ok", "accepted"},
                                           {1, "wrong answer", "wrong-answer"},
                                           {2, "wrong output format", "presentation-error"},
                                           {3, "FAIL", "fail"},
                                           {7, "points", "points"}};

const TestlibOutcome &testlib_outcome(int status) {
  for (const TestlibOutcome &o : kTestlibOutcomes)
    if (o.status == status)
      return o;
  throw std::logic_error("no testlib outcome for status " + std::to_string(status));
}

TEST(FrontEnds, Testlib) {
  for (const Programs &p : programs())
    for (const Case &c : kCases) {
      SCOPED_TRACE(std::string(p.name) + ": " + c.name);
      const std::string answer = temp_file(c.answer);
      const std::string text = c.message ? std::string(c.testlib == 7 ? "0.3 " : "") + c.message : fill(c.failure, answer);
      const TestlibOutcome &o = testlib_outcome(c.testlib);
      const std::string err = std::string(o.word) + " " + text + "\n";
      // The contestant's output second, the reference third.
      Ran r = run_program(p.testlib, {temp_file(kIslands), temp_file(c.plan), answer});
      EXPECT_EQ(r.status, c.testlib);
      EXPECT_EQ(r.out, "");
      EXPECT_EQ(r.err, err);

      // With a result file, standard error is written all the same.
      const std::string plain = temp_file("stale"), xml = temp_file("");
      r = run_program(p.testlib, {temp_file(kIslands), temp_file(c.plan), answer, plain});
      EXPECT_EQ(r.status, c.testlib);
      EXPECT_EQ(r.err, err);
      EXPECT_EQ(bytes_of(plain), text);
      r = run_program(p.testlib, {temp_file(kIslands), temp_file(c.plan), answer, xml, "-appes"});
      EXPECT_EQ(r.status, c.testlib);
      EXPECT_EQ(r.err, err);
      EXPECT_EQ(bytes_of(xml), std::string("<?xml version=\"1.0\" encoding=\"UTF-8\"?><result outcome = \"") + o.xml +
                                      "\"" + (c.testlib == 7 ? " points = \"0.3\"" : "") + ">" + text + "</result>\n");
    }
}

TEST(FrontEnds, TestlibEscapesTheResultAndFailsOnABadCall) {
  // testlib escapes the four markup characters and turns bytes 0..31 into dots; an
  // apostrophe and byte 127 pass as they are. The message loses blanks at its ends.
  const std::string missing = "/nonexistent/a&b<c>\"d'\x01\x7f.txt \t";
  const std::string report = kFail + "無法開啟答案檔：/nonexistent/a&b<c>\"d'\x01\x7f.txt";
  for (const Programs &p : programs()) {
    SCOPED_TRACE(p.name);
    const std::string xml = temp_file(""), plain = temp_file("");
    Ran r = run_program(p.testlib, {temp_file(kIslands), temp_file("3 0"), missing, xml, "-appes"});
    EXPECT_EQ(r.status, 3);
    EXPECT_EQ(r.err, "FAIL " + report + "\n");
    EXPECT_EQ(bytes_of(xml), "<?xml version=\"1.0\" encoding=\"UTF-8\"?><result outcome = \"fail\">" + kFail +
                                     "無法開啟答案檔：/nonexistent/a&amp;b&lt;c&gt;&quot;d'.\x7f.txt</result>\n");
    r = run_program(p.testlib, {temp_file(kIslands), temp_file("3 0"), missing, plain});
    EXPECT_EQ(bytes_of(plain), report);
    for (const std::vector<std::string> &args : {std::vector<std::string>{}, {temp_file(kIslands), temp_file("3 0")}}) {
      Ran bad = run_program(p.testlib, args);
      EXPECT_EQ(bad.status, 3);
      EXPECT_EQ(bad.err.substr(0, 5 + kFail.size()), "FAIL " + kFail);
    }
    Ran unwritable = run_program(p.testlib, {temp_file(kIslands), temp_file("3 0"), temp_file("8"), "/nonexistent/result"});
    EXPECT_EQ(unwritable.status, 3);
    EXPECT_EQ(unwritable.err, "FAIL " + kFail + "無法寫入結果檔：/nonexistent/result\n");
  }
}

} // namespace
