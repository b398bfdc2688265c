// approx() at its boundaries, and the whole checking sequence in-process.
#include "judge/approx.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <string>

#include "judge/checker.h"
#include "judge/outcome.h"
#include "judge/verdict.h"
#include "support/files.h"
#include "support/tables.h"

namespace {

TEST(Approx, AbsoluteThresholdIsStrict) {
  EXPECT_TRUE(approx(0.0, 0.0));
  EXPECT_TRUE(approx(0.0, 9.999999e-7));
  EXPECT_TRUE(approx(0.0, -9.999999e-7));
  EXPECT_FALSE(approx(0.0, 1e-6)); // and |a| = 0 divides to infinity without trapping
  EXPECT_FALSE(approx(-0.0, -1e-6));
}

TEST(Approx, RelativeThresholdIsStrictAndScaledByTheFirstArgument) {
  // a = 2^30: sums with multiples of 2^-22 are exact, and d / a is exact.
  const double a = 0x1p30, step = 0x1p-22;
  const double d = std::floor(std::ldexp(1e-8, 30) / step) * step; // largest d with d/a < 1e-8
  ASSERT_LT(d / a, 1e-8);
  ASSERT_GE((d + step) / a, 1e-8);
  EXPECT_TRUE(approx(a, a + d));
  EXPECT_TRUE(approx(a, a - d));
  EXPECT_TRUE(approx(-a, -a - d));
  EXPECT_FALSE(approx(a, a + d + step));
  EXPECT_FALSE(approx(-a, -a + d + step));
  // Scaled by |a|, not |b|: a smaller first argument tolerates less.
  EXPECT_TRUE(approx(2 * a, a + a + 2 * d));
  EXPECT_FALSE(approx(a / 2, a / 2 + d));
}

TEST(Approx, NonFiniteNeverMatches) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_FALSE(approx(nan, 1.0));
  EXPECT_FALSE(approx(1.0, nan));
  EXPECT_FALSE(approx(inf, inf));
  EXPECT_FALSE(approx(1.0, -inf));
  EXPECT_FALSE(approx(inf, 1.0));
}

} // namespace

namespace {

// Islands 0..3, T = 3, X = 2: the least total is 8, at t = 3; 18 at t = 1.
const char kIslands[] = "4 5 3 2\n0 1 10 2\n1 2 8 1\n2 3 6 3\n0 3 9 0.5\n1 3 7 2\n";
const char kOptimal[] = "3 3\n3 2\n1 3\n0 1\n";

// The whole checking sequence in-process: what a run ends with.
Outcome judged(const std::string &instance, const std::string &answer, const std::string &plan,
               AnswerForms forms = AnswerForms::total) {
  reset_all();
  const std::string paths[] = {temp_file(instance), temp_file(answer), temp_file(plan)};
  try {
    judge_files(paths[0].c_str(), paths[1].c_str(), paths[2].c_str(), forms);
  } catch (const Outcome &o) {
    return o;
  }
  ADD_FAILURE() << "judge_files returned";
  return {};
}

// The order of blame: the judge's own data first (instance, then answer, then an
// overflow at the plan's t), then the plan's format, then its meaning.
TEST(JudgeFiles, TheOrderOfBlame) {
  const struct {
    const char *name;
    std::string instance, answer, plan;
    AnswerForms forms;
    const Message *message; // null: a checker failure, whose report contains failure
    const char *failure;
  } cases[] = {
      {"broken instance before a broken plan", "4 5 3", "8", "x", AnswerForms::total, nullptr, "題目檔在讀到開頭的 X 之前就結束了"},
      {"broken instance before a broken answer", "4 5 3 2\n0 1 9 0", "nan", "x", AnswerForms::total, nullptr,
       "題目檔在讀到第 2 筆傳送門資料的 es 之前就結束了"},
      {"broken answer before a broken plan", kIslands, "inf", "x", AnswerForms::total, nullptr, "答案檔的參考總成本不是有限數"},
      {"broken jury plan before a broken plan", kIslands, "3 3\n3 2\n", "x", AnswerForms::total_or_plan, nullptr,
       "檔案在方案的第 2 條傳送門之前就結束了"},
      {"overflow before a plan defect", "2 1 1 0\n0 1 1e308 -1e308\n", "0", "1 1 5 5", AnswerForms::total, nullptr,
       "t = 1 時的最小總成本不是有限數"},
      {"a plan that beats the reference", kIslands, "9", kOptimal, AnswerForms::total, nullptr, "低於答案檔的參考總成本 9"},
      {"a reference no plan reaches", kIslands, "7", "1 3\n2 3\n1 3\n0 1\n", AnswerForms::total, nullptr,
       "低於所有 t 中的最小總成本 8（t = 3）"},
      {"format error in the header", kIslands, "8", "3", AnswerForms::total, &message::bad_format, ""},
      {"t out of range before a line's format", kIslands, "8", "4 3 x", AnswerForms::total, &message::t_out_of_range, ""},
      {"format error in a line", kIslands, "8", "3 3 3 2 1 3", AnswerForms::total, &message::bad_format, ""},
      {"invalid before a later format error", kIslands, "8", "3 3 0 2 x", AnswerForms::total, &message::invalid_portal, ""},
      {"repeated, written the other way round", kIslands, "8", "3 3 3 2 2 3 0 1", AnswerForms::total,
       &message::repeated_portal, ""},
      {"not connected", kIslands, "8", "3 2 2 3 1 3", AnswerForms::total, &message::not_connected, ""},
      {"not cheapest at t", kIslands, "8", "3 3 2 3 1 3 0 3", AnswerForms::total, &message::not_cheapest, ""},
      {"cheapest at t, t not the best", kIslands, "8", "1 3\n2 3\n1 3\n0 1\n", AnswerForms::total, &message::t_not_best,
       ""},
      {"optimal", kIslands, "8", kOptimal, AnswerForms::total, &message::optimal, ""},
      {"optimal against a jury plan", kIslands, "3 3 1 0 2 3 3 1", kOptimal, AnswerForms::total_or_plan,
       &message::optimal, ""},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    const Outcome o = judged(c.instance, c.answer, c.plan, c.forms);
    EXPECT_EQ(o.failed, c.message == nullptr);
    EXPECT_EQ(o.message, c.message);
    if (c.message)
      EXPECT_EQ(o.code, c.message->code);
    else
      EXPECT_NE(o.failure.find(c.failure), std::string::npos) << o.failure;
  }
}

// What the judgement establishes for judges' eyes, as it ends.
TEST(JudgeFiles, TheDetailOfARejection) {
  Outcome o = judged(kIslands, "8", "3 3 3 2 0 2 1 3");
  EXPECT_EQ(o.message, &message::invalid_portal);
  EXPECT_TRUE(detail.has_t);
  EXPECT_EQ(detail.t, 3);
  EXPECT_EQ(detail.line, 2);
  EXPECT_TRUE(detail.has_pair);
  EXPECT_EQ(detail.u, 0);
  EXPECT_EQ(detail.v, 2);
  EXPECT_FALSE(detail.priced);
  o = judged(kIslands, "8", "1 3\n2 3\n1 3\n0 1\n");
  EXPECT_EQ(o.message, &message::t_not_best);
  EXPECT_TRUE(detail.priced);
  EXPECT_EQ(detail.plan_total, 18);
  EXPECT_EQ(detail.minimum, 18);
  EXPECT_EQ(detail.reference, 8);
  EXPECT_EQ(detail.line, 0);
}

} // namespace
