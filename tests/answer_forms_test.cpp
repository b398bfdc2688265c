// The answer file as a number or as a jury plan, through the Kattis and testlib
// front-ends (built and single files), and the native checker's one-number rule.
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "judge/verdict.h"
#include "support/binary.h"
#include "support/files.h"
#include "support/judges.h"

namespace {

// Islands 0..3, T = 3, X = 2. Costs at t = 3: (0,1) 4, (1,2) 5, (2,3) -3, (0,3) 7.5,
// (1,3) 1; the least total is 8, at t = 3. At t = 1 it is 18.
const char kIslands[] = "4 5 3 2\n0 1 10 2\n1 2 8 1\n2 3 6 3\n0 3 9 0.5\n1 3 7 2\n";
const std::string kFail = "評測資料錯誤：";

// What one front-end run leaves: exit status, both streams, the files written.
struct Seen {
  int status;
  std::string out, err;
  Files files;
  bool operator==(const Seen &) const = default;
};

Seen run_kattis(const std::string &program, const std::string &instance, const std::string &answer,
                const std::string &plan) {
  const std::string feedback = fresh_dir();
  Ran r = run_program(program, {instance, answer, feedback}, temp_file(plan));
  return {r.status, r.out, r.err, files_in(feedback)};
}

Seen run_testlib(const std::string &program, const std::string &instance, const std::string &answer,
                 const std::string &plan) {
  const std::string result = temp_file(""), xml = temp_file("");
  Ran r = run_program(program, {instance, temp_file(plan), answer});
  Ran with_file = run_program(program, {instance, temp_file(plan), answer, result});
  Ran with_xml = run_program(program, {instance, temp_file(plan), answer, xml, "-appes"});
  EXPECT_EQ(with_file.status, r.status);
  EXPECT_EQ(with_xml.status, r.status);
  return {r.status, r.out, r.err, {{"result", bytes_of(result)}, {"xml", bytes_of(xml)}}};
}

using Runner = Seen (*)(const std::string &, const std::string &, const std::string &, const std::string &);

struct FrontEnd {
  const char *name;
  std::string program;
  Runner run;
};

std::vector<FrontEnd> front_ends() {
  std::vector<FrontEnd> all;
  for (const Programs &p : programs()) {
    all.push_back({p.name, p.kattis, run_kattis});
    all.push_back({p.name, p.testlib, run_testlib});
  }
  return all;
}

void write_over(const std::string &path, const std::string &text) {
  std::FILE *f = std::fopen(path.c_str(), "wb");
  ASSERT_NE(f, nullptr);
  ASSERT_EQ(std::fwrite(text.data(), 1, text.size(), f), text.size());
  ASSERT_EQ(std::fclose(f), 0);
}

// A jury plan and the total it stands for: a front-end must give every plan the
// same outcome, byte for byte, whichever of the two the answer file holds.
TEST(AnswerForms, AJuryPlanJudgesAsItsTotal) {
  const struct {
    const char *name, *total, *jury;
  } answers[] = {
      {"optimal_plan", "8", "3 3\n3 2\n1 3\n0 1\n"},
      {"optimal_plan_other_order", "8", "3 3\n1 0\n2 3\n3 1\n"},
      {"optimal_plan_one_line", "8", "3 3 3 2 1 3 0 1"},
      {"cheapest_at_1", "18", "1 3\n2 3\n1 3\n0 1\n"},
  };
  const char *plans[] = {"3 3\n3 2\n1 3\n0 1\n", "3 3\n1 0\n2 3\n3 1\n", "1 3\n2 3\n1 3\n0 1\n",
                         "3 4\n3 2\n1 3\n0 1\n0 3\n", "3 3 2 3 1 3 0 3", "3 2 2 3 1 3", "3 3 2 3 3 2 0 1",
                         "3 3 3 2 0 2", "4 3 x", "3", "3 3 3 2 1 3", "0 3 0 1 1 2 2 3"};
  const std::string instance = temp_file(kIslands);
  for (const FrontEnd &f : front_ends())
    for (const auto &a : answers)
      for (const char *plan : plans) {
        SCOPED_TRACE(std::string(f.name) + " " + f.program + ": " + a.name + ", plan " + plan);
        const std::string answer = temp_file(a.total);
        const Seen as_total = f.run(f.program, instance, answer, plan);
        write_over(answer, a.jury);
        EXPECT_EQ(f.run(f.program, instance, answer, plan), as_total);
      }
}

// The jury plan judged against itself: optimal, whatever its layout.
TEST(AnswerForms, AnOptimalJuryPlanScoresItselfOne) {
  const std::string instance = temp_file(kIslands);
  for (const Programs &p : programs())
    for (const char *jury : {"3 3\n3 2\n1 3\n0 1\n", "  \n\t3 3 1 0\r\n2 3 3 1", "+3 3\n2 3\n3 1\n1 0"}) {
      SCOPED_TRACE(std::string(p.name) + ": " + jury);
      const std::string answer = temp_file(jury);
      Ran testlib = run_program(p.testlib, {instance, answer, answer});
      EXPECT_EQ(testlib.status, 0);
      EXPECT_EQ(testlib.err, std::string("ok ") + message::optimal.text + "\n");
      const std::string feedback = fresh_dir();
      EXPECT_EQ(run_program(p.kattis, {instance, answer, feedback}, answer).status, 42);
      EXPECT_EQ(files_in(feedback).at("teammessage.txt"), message::optimal.text);
    }
}

// A broken jury plan is the judge's fault: one located report, exit 3 (testlib)
// or 1 (Kattis, in judgemessage.txt and judgeerror.txt too), whatever the plan.
TEST(AnswerForms, EachDefectOfAJuryPlanIsACheckerFailure) {
  const struct {
    const char *name, *jury, *report; // {a}: the answer file's path
  } cases[] = {
      {"t_beyond_32_bits", "99999999999 3\n", "答案檔第 1 行：方案的 t 超出 32 位元整數範圍，答案檔有誤：{a}"},
      {"k_beyond_32_bits", "\n3 -99999999999\n", "答案檔第 2 行：方案的 k 超出 32 位元整數範圍，答案檔有誤：{a}"},
      {"t_below_0", "-1 3\n3 2\n1 3\n0 1\n", "答案檔第 1 行：方案的 t = -1 超出範圍 0 到 3，答案檔有誤：{a}"},
      {"t_above_T", "\n\n4 3\n3 2\n1 3\n0 1\n", "答案檔第 3 行：方案的 t = 4 超出範圍 0 到 3，答案檔有誤：{a}"},
      {"ends_early", "3 3\n3 2\n1 3\n",
       "答案檔第 4 行：檔案在方案的第 3 條傳送門之前就結束了，答案檔有誤：{a}"},
      {"ends_in_a_pair", "3 3\n3 2\n1 3\n0", "答案檔第 4 行：檔案在方案的第 3 條傳送門之前就結束了，答案檔有誤：{a}"},
      {"not_a_number", "3 3\n3 2\n1 3\n0 x\n", "答案檔第 4 行：方案的第 3 條傳送門不是整數，答案檔有誤：{a}"},
      {"pair_beyond_32_bits", "3 3\n3 2\n1\n3\n0 99999999999\n",
       "答案檔第 5 行：方案的第 3 條傳送門超出 32 位元整數範圍，答案檔有誤：{a}"},
      {"no_such_portal", "3 3\n3 2\n1 3\n\n0 2\n",
       "答案檔第 5 行：方案的第 3 條傳送門 0 2 不是任何傳送門的兩端，答案檔有誤：{a}"},
      {"island_out_of_range", "3 3 3 2 1 3 0 -1",
       "答案檔第 1 行：方案的第 3 條傳送門 0 -1 不是任何傳送門的兩端，答案檔有誤：{a}"},
      {"repeated_reversed", "3 3\n3 2\n1 3\n2 3\n",
       "答案檔第 4 行：方案的第 3 條傳送門 2 3 與先前的傳送門重複，答案檔有誤：{a}"},
      {"not_connected", "3 2\n3 2\n1 3\n", "答案檔的方案無法使得所有島嶼互相連通，答案檔有誤：{a}"},
      {"k_negative", "3 -1\n", "答案檔的方案無法使得所有島嶼互相連通，答案檔有誤：{a}"},
  };
  const std::string instance = temp_file(kIslands), plan = "3 3\n3 2\n1 3\n0 1\n";
  for (const Programs &p : programs())
    for (const auto &c : cases) {
      SCOPED_TRACE(std::string(p.name) + ": " + c.name);
      const std::string answer = temp_file(c.jury);
      std::string report = kFail + c.report;
      report.replace(report.find("{a}"), 3, answer);
      Ran testlib = run_program(p.testlib, {instance, temp_file(plan), answer});
      EXPECT_EQ(testlib.status, 3);
      EXPECT_EQ(testlib.err, "FAIL " + report + "\n");
      const std::string feedback = fresh_dir();
      Ran kattis = run_program(p.kattis, {instance, answer, feedback}, temp_file(plan));
      EXPECT_EQ(kattis.status, 1);
      EXPECT_EQ(kattis.err, report + "\n");
      EXPECT_EQ(files_in(feedback), (Files{{"judgemessage.txt", report + "\n"}, {"judgeerror.txt", report + "\n"}}));
    }
}

// Which files are plans: the first two tokens both whole integers, nothing else.
// The rejected plan's judge message shows the reference total that was read.
TEST(AnswerForms, TheFormIsTheFirstTwoTokens) {
  const std::string instance = temp_file(kIslands), dearer = "3 3 2 3 1 3 0 3";
  const struct {
    const char *answer, *reference; // the reference total it stands for
  } cases[] = {
      {"12.5 99", "12.5"}, {"99 12.5", "99"},   {"3", "3"},         {"12.5abc 3", "12.5"},
      {"3 3.0", "3"},      {"3 3x", "3"},       {"3 +", "3"},       {"", "0"},
      {"  \n 7", "7"},     {"1e1 3", "10"},     {"3 3\n3 2\n1 3\n0 1\n", "8"},
      {"\t\n 3 3 3 2 1 3 0 1", "8"}, {"0003 +3 3 2 1 3 0 1", "8"}, {"1 3\n2 3\n1 3\n0 1", "18"},
  };
  for (const Programs &p : programs())
    for (const auto &c : cases) {
      SCOPED_TRACE(std::string(p.name) + ": [" + c.answer + "]");
      const std::string feedback = fresh_dir();
      Ran r = run_program(p.kattis, {instance, temp_file(c.answer), feedback}, temp_file(dearer));
      EXPECT_EQ(r.status, 43);
      const std::string judge = files_in(feedback)["judgemessage.txt"];
      EXPECT_NE(judge.find(std::string("\n參考總成本 ") + c.reference + "\n"), std::string::npos) << judge;
    }
}

// One island and no portals: a jury plan of no lines, at t = 0 written "-0".
TEST(AnswerForms, AJuryPlanOfNoPortals) {
  const std::string instance = temp_file("1 0 5 2\n");
  const struct {
    const char *jury, *plan;
    int testlib;
  } cases[] = {
      {"-0 0", "0 0", 0}, {"-0 0", "1 0", 7}, {"0 0\n", "5 0", 7}, {"-0 0", "0 1 0 0", 1}, {"2 0", "2 0", 0},
  };
  for (const Programs &p : programs())
    for (const auto &c : cases) {
      SCOPED_TRACE(std::string(p.name) + ": " + c.jury + " / " + c.plan);
      EXPECT_EQ(run_program(p.testlib, {instance, temp_file(c.plan), temp_file(c.jury)}).status, c.testlib);
    }
  Ran beaten = run_program(kCheckerTestlib, {instance, temp_file("0 0"), temp_file("2 0")});
  EXPECT_EQ(beaten.status, 3);
  EXPECT_EQ(beaten.err, "FAIL " + kFail + "輸出的建設方案總成本 0 低於答案檔的參考總成本 4，答案檔有誤\n");
}

// The native checker keeps its one-number rule: a plan-shaped answer file is its
// first number, here 3, which no plan reaches.
TEST(AnswerForms, TheNativeCheckerReadsOneNumber) {
  const std::string instance = temp_file(kIslands);
  for (const Programs &p : programs()) {
    SCOPED_TRACE(p.name);
    const std::string answer = temp_file("3 3\n3 2\n1 3\n0 1\n");
    Ran r = run_program(p.cms, {instance, answer, temp_file("3 3\n3 2\n1 3\n0 1\n")});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, kFail + "答案檔的參考總成本 3 低於所有 t 中的最小總成本 8（t = 3），沒有方案能達到，答案檔有誤：" +
                         answer + "\n");
    Ran broken = run_program(p.cms, {instance, temp_file("3 3\n3 2\n"), temp_file("3 3\n3 2\n1 3\n0 1\n")});
    EXPECT_EQ(broken.status, 1);
  }
}

} // namespace
