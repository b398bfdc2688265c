// Boundaries a user sees through the binaries, each at the edge where one fault
// would move it: the tolerance of the unreachable-answer check, an island number
// just outside 0..N-1 deep in a long file, and the end chosen when t = 0 and t = T
// tie.
#include <gtest/gtest.h>
#include <string>

#include "judge/verdict.h"
#include "support/binary.h"
#include "support/files.h"

namespace {

const std::string kFail = "評測資料錯誤：";

// Islands 0..3, T = 3, X = 2: the least total is 8 at t = 3, and 18 at t = 1.
const char kIslands[] = "4 5 3 2\n0 1 10 2\n1 2 8 1\n2 3 6 3\n0 3 9 0.5\n1 3 7 2\n";
const char kCheapestAtOne[] = "1 3\n2 3\n1 3\n0 1\n";

// An answer below the least total over every t is the answer file's fault only
// beyond the tolerance; within it, a plan cheapest at its own t still gets 0.3.
TEST(Boundaries, TheUnreachableAnswerWithinAndBeyondTolerance) {
  const std::string instance = temp_file(kIslands), plan = temp_file(kCheapestAtOne);

  const struct {
    const char *answer;
    bool failure;
  } cases[] = {
      {"7.9999991", false}, // 9e-7 below: within the absolute tolerance
      {"7.999999", true},   // 1e-6 below (a little more, in doubles): beyond it
      {"8", false},
  };

  for (const auto &c : cases) {
    SCOPED_TRACE(c.answer);
    const std::string answer = temp_file(c.answer);
    Ran r = run_binary({instance, answer, plan});
    EXPECT_EQ(r.status, c.failure ? 1 : 0);
    EXPECT_EQ(r.out, c.failure ? "" : "0.300000\n");
    if (!c.failure)
      EXPECT_EQ(r.err, message::t_not_best.text);
    else
      EXPECT_EQ(
          r.err.rfind(
              kFail + "答案檔的參考總成本 7.9999989999999999 低於所有 t 中的最小總成本 8（t = 3）",
              0),
          0u)
          << r.err;
  }
  // The relative tolerance, near 10^9: 5 below the least total (1e9, at t = 0) is
  // within 1e-8 of it, 15 below is not; the plan at t = 1 costs 1e9 + 10.
  const std::string large = temp_file("2 1 1 10\n0 1 1000000000 0\n"),
                    at_one = temp_file("1 1 0 1");
  Ran within = run_binary({large, temp_file("999999995"), at_one});
  EXPECT_EQ(within.out, "0.300000\n");
  Ran beyond = run_binary({large, temp_file("999999985"), at_one});
  EXPECT_EQ(beyond.status, 1);
  EXPECT_NE(beyond.err.find("低於所有 t 中的最小總成本 1000000000（t = 0）"), std::string::npos)
      << beyond.err;
}

// A long instance takes the reader's bulk path for records with plenty of bytes
// after them: an island just outside 0..N-1 there is refused exactly as in a short
// file.
TEST(Boundaries, AnIslandJustOutsideTheRangeDeepInALongFile) {
  for (int island : {5, -1})
    for (int field : {0, 1}) {
      SCOPED_TRACE(std::string(field == 0 ? "es = " : "et = ") + std::to_string(island));
      std::string text = "5 400 0 0\n";
      for (int i = 0; i < 400; ++i) {
        int a = i % 4, b = i % 4 + 1;
        if (i == 200)
          (field == 0 ? a : b) = island;
        text += std::to_string(a) + " " + std::to_string(b) + " " + std::to_string(100 + i) +
                ".5 0.25\n";
      }
      const std::string instance = temp_file(text);
      const std::string says = "第 201 筆傳送門資料的 " + std::string(field == 0 ? "es" : "et") +
                               " = " + std::to_string(island) +
                               " 不是 0 到 N-1 的島嶼編號（N = 5）";
      Ran checked = run_binary({instance, temp_file("0"), temp_file("0 0")});
      EXPECT_EQ(checked.status, 1);
      EXPECT_EQ(checked.err, kFail + "題目檔" + says + "：" + instance + "\n");
      Ran validated = run_setter("zh-TW", {"validate", instance});
      EXPECT_EQ(validated.status, 1);
      EXPECT_EQ(validated.err,
                instance + ":202:" + (field == 0 ? "1" : "3") + ": 題目檔" + says + "\n");
      EXPECT_EQ(run_program(kSetter, {"solve", instance}).status, 1);
    }
}

// When t = 0 and t = T give the same least total, t = 0 is the end named: in the
// plan that setter solve writes, and in the checker's report of an answer below it.
TEST(Boundaries, TheEndsTieAndZeroIsNamed) {
  // One portal, 10 at t = 0 and 5 at t = 5, X = 1: 10 at both ends.
  const std::string instance = temp_file("2 1 5 1\n0 1 10 1\n"), plan = temp_file("");
  Ran solved = run_program(kSetter, {"solve", instance, "--plan", plan});
  EXPECT_EQ(solved.out, "10\n");
  EXPECT_EQ(run_program("/bin/cat", {plan}).out, "0 1\n0 1\n");
  Ran below = run_binary({instance, temp_file("9"), temp_file("2 1 0 1")});
  EXPECT_EQ(below.status, 1);
  EXPECT_NE(below.err.find("低於所有 t 中的最小總成本 10（t = 0）"), std::string::npos)
      << below.err;
}

} // namespace

namespace {

// setter solve --at: the cheapest plan at a chosen t, which the checker scores
// 0.3 when that t is not the best, without editing the instance.
TEST(SolveAt, TheCheapestPlanAtAChosenT) {
  const std::string instance = temp_file(kIslands), plan = temp_file("");
  Ran at_one = run_program(kSetter, {"solve", instance, "--at", "1", "--plan", plan});
  EXPECT_EQ(at_one.status, 0) << at_one.err;
  EXPECT_EQ(at_one.out, "18\n");
  Ran judged = run_binary({instance, temp_file("8"), plan});
  EXPECT_EQ(judged.out, "0.300000\n");
  EXPECT_EQ(judged.err, message::t_not_best.text);
  Ran at_three = run_program(kSetter, {"solve", instance, "--plan", plan, "--at", "3"});
  EXPECT_EQ(at_three.out, "8\n");
  EXPECT_EQ(run_binary({instance, temp_file("8"), plan}).out, "1.000000\n");
  for (const char *bad : {"4", "-1", "x", "1.5", ""}) {
    SCOPED_TRACE(bad);
    Ran r = run_program(kSetter, {"solve", instance, "--at", bad});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err.find("usage"), std::string::npos) << "a usage error is one line, not the help";
  }
}

} // namespace
