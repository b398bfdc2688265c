// Every outcome through the real binary: exact bytes of both streams, exit status.
#include <gtest/gtest.h>
#include <string>

#include "judge/verdict.h"
#include "support/binary.h"
#include "support/files.h"

namespace {

// Islands 0..3, T = 3, X = 2. At t = 3 portal costs are 4, 5, -3, 7.5, 1: the
// cheapest plan takes portals 2, 4, 0 for 6 - 3 + 1 + 4 = 8, the best over all t.
const char kIslands[] = "4 5 3 2\n0 1 10 2\n1 2 8 1\n2 3 6 3\n0 3 9 0.5\n1 3 7 2\n";

const std::string kScore0 = "0.000000\n", kScore03 = "0.300000\n", kScore1 = "1.000000\n";

struct Case {
  const char *name;
  std::string instance, answer, plan;
  std::string out, err; // err may hold {instance} and {answer}, replaced by the paths
  int status;
};

std::string fill_paths(std::string text, const std::string &instance, const std::string &answer) {
  for (auto [key, value] :
       {std::pair{std::string("{instance}"), instance}, std::pair{std::string("{answer}"), answer}})
    if (auto at = text.find(key); at != std::string::npos)
      text.replace(at, key.size(), value);
  return text;
}

void expect_case(const Case &c) {
  SCOPED_TRACE(c.name);
  std::string paths[] = {temp_file(c.instance), temp_file(c.answer), temp_file(c.plan)};
  Ran o = run_binary({paths[0], paths[1], paths[2]});
  EXPECT_EQ(o.status, c.status);
  EXPECT_EQ(o.out, c.out);
  EXPECT_EQ(o.err, fill_paths(c.err, paths[0], paths[1]));
}

TEST(EndToEnd, EveryVerdict) {
  using namespace message;
  const Case cases[] = {
      {"optimal_at_T", kIslands, "8\n", "3 3\n3 2\n1 3\n0 1\n", kScore1, optimal.text, 0},
      {"optimal_ends_reversed_any_order", kIslands, "8", "3 3 1 0 2 3 3 1", kScore1, optimal.text, 0},
      {"optimal_signs_and_zeros", kIslands, "8", "+3 0003 3 +2 1 3 -0 1", kScore1, optimal.text, 0},
      {"optimal_trailing_garbage_unread", kIslands, "8", "3 3 3 2 1 3 0 1 x y \x80", kScore1,
       optimal.text, 0},
      {"optimal_answer_within_abs_tolerance", kIslands, "7.9999991", "3 3 3 2 1 3 0 1", kScore1,
       optimal.text, 0},
      {"cheapest_at_t1_not_best", kIslands, "8", "1 3\n2 3\n1 3\n0 1\n", kScore03, t_not_best.text, 0},
      {"cheapest_at_t0_not_best", kIslands, "8", "0 3 2 3 1 3 0 3", kScore03, t_not_best.text, 0},
      {"not_cheapest", kIslands, "8", "3 3 2 3 1 3 0 3", kScore0, not_cheapest.text, 0},
      {"not_cheapest_extra_portal", kIslands, "8", "3 4 2 3 1 3 0 1 1 2", kScore0, not_cheapest.text, 0},
      {"not_connected", kIslands, "8", "3 2 2 3 1 3", kScore0, not_connected.text, 0},
      {"not_connected_k0", kIslands, "8", "3 0", kScore0, not_connected.text, 0},
      {"not_connected_k_negative", kIslands, "8", "3 -5 junk", kScore0, not_connected.text, 0},
      {"repeated_reversed", kIslands, "8", "3 3 2 3 3 2 0 1", kScore0, repeated_portal.text, 0},
      {"repeated_same_order", kIslands, "8", "3 3 2 3 2 3 x", kScore0, repeated_portal.text, 0},
      {"invalid_pair", kIslands, "8", "3 3 0 2 x", kScore0, invalid_portal.text, 0},
      {"invalid_island_beyond_n", kIslands, "8", "3 1 4 0", kScore0, invalid_portal.text, 0},
      {"invalid_loop", kIslands, "8", "3 1 2 2", kScore0, invalid_portal.text, 0},
      {"t_negative", kIslands, "8", "-1 3 3 2 1 3 0 1", kScore0, t_out_of_range.text, 0},
      {"t_above_T", kIslands, "8", "4 3 3 2 1 3 0 1", kScore0, t_out_of_range.text, 0},
      {"t_range_before_bad_lines", kIslands, "8", "4 3 x y", kScore0, t_out_of_range.text, 0},
      {"format_empty", kIslands, "8", "", kScore0, bad_format.text, 0},
      {"format_island_beyond_32_bits", kIslands, "8", "3 3 3 2 1 3 0 4294967296", kScore0,
       bad_format.text, 0},
      {"format_missing_line", kIslands, "8", "3 3 3 2 1 3", kScore0, bad_format.text, 0},
      {"format_missing_line_when_connected", kIslands, "8", "3 4 3 2 1 3 0 1", kScore0, bad_format.text,
       0},
      {"format_digit_then_letter", kIslands, "8", "3 3 3 2x", kScore0, bad_format.text, 0},
      {"format_before_repeat", kIslands, "8", "3 3 2 3 x 3 2", kScore0, bad_format.text, 0},
  };
  for (const Case &c : cases)
    expect_case(c);
}

TEST(EndToEnd, InstanceRules) {
  using namespace message;
  const Case cases[] = {
      // One island and no portal: the total is t·X alone.
      {"single_island_optimal", "1 0 5 2", "10", "5 0", kScore1, optimal.text, 0},
      {"single_island_not_best", "1 0 5 2", "4", "5 0", kScore03, t_not_best.text, 0},
      // No number in the answer file: the reference total is 0.
      {"empty_answer_is_zero", "2 1 1 0\n0 1 1 1\n", "", "1 1 0 1", kScore1, optimal.text, 0},
      {"garbage_answer_is_zero", "2 1 1 0\n0 1 1 1\n", "x5", "1 1 1 0", kScore1, optimal.text, 0},
      // The later of two portals on one pair is the one a plan names.
      {"duplicate_pair_later_cheaper", "2 2 0 0\n0 1 5 0\n1 0 3 0\n", "3", "0 1 0 1", kScore1,
       optimal.text, 0},
      {"duplicate_pair_later_dearer", "2 2 0 0\n0 1 3 0\n1 0 5 0\n", "3", "0 1 1 0", kScore0,
       not_cheapest.text, 0},
      {"loop_of_cost_zero_may_be_added", "2 2 0 0\n0 1 3 0\n1 1 0 0\n", "3", "0 2 1 1 0 1", kScore1,
       optimal.text, 0},
      {"loop_of_negative_cost_is_not_cheapest", "1 1 0 0\n0 0 -1 0\n", "0", "0 1 0 0", kScore0,
       not_cheapest.text, 0},
      {"no_islands", "0 0 0 0", "0", "0 0", kScore1, optimal.text, 0},
      {"negative_T_rejects_every_t", "1 0 -1 0", "0", "0 0", kScore0, t_out_of_range.text, 0},
      // Large totals: the relative tolerance 1e-8 of the reference decides.
      {"relative_tolerance_inside", "1 0 3 1e9", "3000000029", "3 0", kScore1, optimal.text, 0},
      {"relative_tolerance_outside", "1 0 3 1e9", "2999999969", "3 0", kScore03, t_not_best.text, 0},
      // Small totals: the absolute tolerance 1e-6 decides; every t reaches the answer 0.
      {"absolute_tolerance_inside", "1 0 1 0.0000009999999", "0", "1 0", kScore1, optimal.text, 0},
      {"absolute_tolerance_outside", "1 0 1 0.0000010000001", "0", "1 0", kScore03, t_not_best.text, 0},
  };
  for (const Case &c : cases)
    expect_case(c);
}

TEST(EndToEnd, BrokenJudgeDataIsACheckerFailure) {
  const std::string f = "評測資料錯誤：";
  const Case cases[] = {
      {"n_above_capacity", "262145 0 1 1", "0", "0 0", "",
       f + "題目檔開頭的 N = 262145 超過上限 262144：{instance}\n", 1},
      {"answer_inf", kIslands, "inf", "3 3 3 2 1 3 0 1", "",
       f + "答案檔的參考總成本不是有限數（inf）：{answer}\n", 1},
      {"answer_nan", kIslands, "nan", "3 3 3 2 1 3 0 1", "",
       f + "答案檔的參考總成本不是有限數（nan）：{answer}\n", 1},
      {"answer_overflows", kIslands, "-1e999", "", "",
       f + "答案檔的參考總成本不是有限數（-inf）：{answer}\n", 1},
      {"minimum_total_overflows_by_x", "1 0 3 1e308", "0", "3 0", "",
       f + "t = 3 時的最小總成本不是有限數（inf），題目檔的成本溢位\n", 1},
      // The plan's lines are read first, yet the judge's overflow outranks their defects.
      {"minimum_total_overflows_by_costs", "2 1 2 0\n0 1 -1e308 1e308", "0", "2 1 x", "",
       f + "t = 2 時的最小總成本不是有限數（-inf），題目檔的成本溢位\n", 1},
      {"overflow_outranks_an_invalid_portal", "2 1 2 0\n0 1 -1e308 1e308", "0", "2 1 0 5", "",
       f + "t = 2 時的最小總成本不是有限數（-inf），題目檔的成本溢位\n", 1},
      {"overflow_outranks_a_repeated_portal", "2 1 2 0\n0 1 -1e308 1e308", "0", "2 2 0 1 1 0", "",
       f + "t = 2 時的最小總成本不是有限數（-inf），題目檔的成本溢位\n", 1},
      {"plan_beats_answer", kIslands, "9", "3 3 3 2 1 3 0 1", "",
       f + "輸出的建設方案總成本 8 低於答案檔的參考總成本 9，答案檔有誤\n", 1},
      {"plan_beats_answer_just_outside_tolerance", kIslands, "8.0000011", "3 3 3 2 1 3 0 1", "",
       f + "輸出的建設方案總成本 8 低於答案檔的參考總成本 8.0000011000000004，答案檔有誤\n", 1},
      // Cheapest at its t yet short of the answer, which no t reaches: the answer is wrong.
      {"answer_below_every_t", kIslands, "7", "3 3 3 2 1 3 0 1", "",
       f + "答案檔的參考總成本 7 低於所有 t 中的最小總成本 8（t = 3），沒有方案能達到，答案檔有誤：{answer}\n",
       1},
      {"answer_below_every_t_plan_at_other_t", kIslands, "7", "1 3\n2 3\n1 3\n0 1\n", "",
       f + "答案檔的參考總成本 7 低於所有 t 中的最小總成本 8（t = 3），沒有方案能達到，答案檔有誤：{answer}\n",
       1},
      {"answer_below_every_t_just_outside_tolerance", kIslands, "7.999999", "3 3 3 2 1 3 0 1", "",
       f + "答案檔的參考總成本 7.9999989999999999 低於所有 t 中的最小總成本 8（t = 3），沒有方案能達到，答案檔有誤：{answer}\n",
       1},
      {"least_total_at_other_end_overflows", "2 2 2 0\n0 1 5 1e308\n0 1 1 0\n", "-5", "0 1 0 1",
       "", f + "t = 2 時的最小總成本不是有限數（-inf），題目檔的成本溢位\n", 1},
  };
  for (const Case &c : cases)
    expect_case(c);
}

TEST(EndToEnd, MissingArgumentsAndFiles) {
  const std::string f = "評測資料錯誤：", missing = "/nonexistent/checker_test_file";
  const std::string usage = f + "參數不足，用法：checker 題目檔 答案檔 輸出檔\n";
  const std::string inst = temp_file(kIslands), ans = temp_file("8"),
                    plan = temp_file("3 3 3 2 1 3 0 1");

  struct {
    std::vector<std::string> args;
    int status;
    std::string out, err;
  } cases[] = {
      {{}, 1, "", usage},
      {{inst}, 1, "", usage},
      {{inst, ans}, 1, "", usage},
      {{inst, ans, plan, "ignored"}, 0, kScore1, message::optimal.text},
      {{missing, ans, plan}, 1, "", f + "無法開啟題目檔：" + missing + "\n"},
      {{"/", ans, plan}, 1, "", f + "無法讀取題目檔：/\n"},
      {{inst, missing, plan}, 1, "", f + "無法開啟答案檔：" + missing + "\n"},
      {{inst, "/", plan}, 1, "", f + "無法讀取答案檔：/\n"},
      {{inst, "/no\nsuch\r", plan}, 1, "", f + "無法開啟答案檔：/no such \n"},
      // The candidate wrote nothing: an unopenable or unreadable plan is an empty one.
      {{inst, ans, missing}, 0, kScore0, message::bad_format.text},
      {{inst, ans, "/"}, 0, kScore0, message::bad_format.text},
      {{EXAMPLES_DIR "/instance.txt", EXAMPLES_DIR "/answer.txt", EXAMPLES_DIR "/plan.txt"},
       0,
       kScore1,
       message::optimal.text},
  };

  for (const auto &c : cases) {
    Ran o = run_binary(c.args);
    EXPECT_EQ(o.status, c.status);
    EXPECT_EQ(o.out, c.out);
    EXPECT_EQ(o.err, c.err);
  }
}

// The tokens that judges feed checkers, in the place of t, of k and of an island.
TEST(EndToEnd, MalformedTokensInEveryPlace) {
  using namespace message;

  struct {
    std::string token;
    const char *as_t, *as_k, *as_island;
  } cases[] = {
      {"-1", t_out_of_range.text, not_connected.text, invalid_portal.text},
      {"2147483648", bad_format.text, bad_format.text, bad_format.text},
      {"9223372036854775808", bad_format.text, bad_format.text, bad_format.text},
      {"1.0", bad_format.text, bad_format.text, bad_format.text}, // 1, then ".0" is no integer
      {"a", bad_format.text, bad_format.text, bad_format.text},
      {"NaN", bad_format.text, bad_format.text, bad_format.text},
      {"inf", bad_format.text, bad_format.text, bad_format.text},
      {std::string(1, '\0'), bad_format.text, bad_format.text, bad_format.text},
      {"\x80", bad_format.text, bad_format.text, bad_format.text},
      {"1/0", bad_format.text, bad_format.text, bad_format.text}, // 1, then "/" is no integer
  };

  for (const auto &c : cases) {
    SCOPED_TRACE(c.token);
    const std::string as_t = c.token + " 3\n3 2\n1 3\n0 1\n";
    const std::string as_k = "3 " + c.token + "\n3 2\n1 3\n0 1\n";
    const std::string as_island = "3 3\n3 " + c.token + "\n1 3\n0 1\n";
    for (auto [plan, err] : {std::pair{as_t, c.as_t}, {as_k, c.as_k}, {as_island, c.as_island}})
      expect_case({"token", kIslands, "8", plan, kScore0, err, 0});
  }
}

TEST(EndToEnd, EmptyAndRandomPlans) {
  expect_case({"empty", kIslands, "8", "", kScore0, message::bad_format.text, 0});
  std::string bytes(65536, '\0');
  std::uint64_t x = 88172645463325252ull;
  for (char &b : bytes) {
    x ^= x << 13, x ^= x >> 7, x ^= x << 17;
    b = static_cast<char>(x);
  }
  bytes[0] = '\xff'; // no number can start here
  expect_case({"random_bytes", kIslands, "8", bytes, kScore0, message::bad_format.text, 0});
}

} // namespace
