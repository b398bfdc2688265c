// The setter's commands: solve against a brute force, validate's every defect at
// its line and column, generate's bytes and soundness, through the real binaries.
#include <algorithm>
#include <cstdint>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

#include "instance/loader.h"
#include "instance/registry.h"
#include "instance/tables.h"
#include "judge/approx.h"
#include "reader/position.h"
#include "setter/validation/soundness.h"
#include "support/binary.h"
#include "support/files.h"
#include "support/tables.h"

namespace {

// The least total over every t by enumeration: every set of N-1 portals that joins
// all islands is a spanning tree; the cheapest at t is the minimum total at t.
// With only_nameable, the portals a plan cannot name (earlier ones of a pair) are
// left out. Infinity when no set joins all islands.
double brute_force_at(std::int32_t t, bool only_nameable) {
  std::vector<std::int32_t> usable;
  for (std::int32_t i = 0; i < M; ++i)
    if (es[i] != et[i] && (!only_nameable || find_edge(es[i], et[i]) == i))
      usable.push_back(i);
  double best = std::numeric_limits<double>::infinity();
  const std::size_t need = static_cast<std::size_t>(N - 1);
  for (std::uint32_t mask = 0; mask < (1u << usable.size()); ++mask) {
    if (static_cast<std::size_t>(__builtin_popcount(mask)) != need)
      continue;
    std::vector<std::int32_t> group(static_cast<std::size_t>(N));
    for (std::int32_t i = 0; i < N; ++i)
      group[static_cast<std::size_t>(i)] = i;
    double total = static_cast<double>(t) * X;
    for (std::size_t j = 0; j < usable.size(); ++j)
      if (mask >> j & 1) {
        const std::int32_t p = usable[j];
        const std::int32_t from = group[static_cast<std::size_t>(es[p])], to = group[static_cast<std::size_t>(et[p])];
        for (std::int32_t &g : group)
          g = g == from ? to : g;
        total += ec[p] - er[p] * static_cast<double>(t);
      }
    if (std::all_of(group.begin(), group.end(), [&](std::int32_t g) { return g == group[0]; }))
      best = std::min(best, total);
  }
  return best;
}

// A small random instance with the traps: duplicate pairs either way round, loops,
// negative costs and rates, ties.
std::string random_instance(std::mt19937 &rng) {
  auto below = [&](std::uint32_t n) { return static_cast<std::int32_t>(rng() % n); };
  const std::int32_t n = 1 + below(5), m = below(8), t = below(6);
  std::string text = std::to_string(n) + " " + std::to_string(m) + " " + std::to_string(t) + " " +
                     std::to_string(below(7) - 2) + "\n";
  for (std::int32_t i = 0; i < m; ++i)
    text += std::to_string(below(static_cast<std::uint32_t>(n))) + " " +
            std::to_string(below(static_cast<std::uint32_t>(n))) + " " + std::to_string(below(21) - 5) +
            "." + std::to_string(below(4)) + " " + std::to_string(below(9) - 3) + "\n";
  return text;
}

TEST(Solve, MatchesABruteForceOverEveryT) {
  std::mt19937 rng(20261207);
  int sound = 0, through_binaries = 0;
  for (int run = 0; run < 3000; ++run) {
    const std::string text = random_instance(rng);
    SCOPED_TRACE(text);
    reset_all();
    bind_text(text);
    ASSERT_EQ(load_instance().kind, LoadDefect::none);
    double brute = std::numeric_limits<double>::infinity();
    for (std::int32_t t = 0; t <= T; ++t)
      brute = std::min(brute, brute_force_at(t, false));
    bool shadowed = false;
    for (std::int32_t t : {0, T})
      shadowed |= brute_force_at(t, true) != std::numeric_limits<double>::infinity() &&
                  !approx(brute_force_at(t, false), brute_force_at(t, true));
    const Soundness s = check_soundness();
    if (brute == std::numeric_limits<double>::infinity()) {
      EXPECT_FALSE(s.flaws.empty()) << "no plan joins every island";
      continue;
    }
    EXPECT_EQ(!s.flaws.empty(), shadowed);
    if (!s.flaws.empty())
      continue;
    ++sound;
    EXPECT_TRUE(approx(brute, s.best.total)) << brute << " vs " << s.best.total;
    if (run % 20 == 0) { // the written answer and plan, judged by the checker itself
      ++through_binaries;
      const std::string instance = temp_file(text), plan = temp_file("");
      Ran solved = run_program(kSetter, {"solve", instance, "--plan", plan});
      ASSERT_EQ(solved.status, 0) << solved.err;
      Ran judged = run_binary({instance, temp_file(solved.out), plan});
      EXPECT_EQ(judged.out, "1.000000\n");
      EXPECT_EQ(judged.err, "輸出的建設方案為最佳方案。");
    }
  }
  EXPECT_GT(sound, 1000);
  EXPECT_GT(through_binaries, 50);
}

// A sound instance and its answer: the least total is 6, at t = 2.
const char kSound[] = "3 3 2 1.5\n0 1 5 1\n1 2 3 0\n0 2 4 2\n";

struct Report {
  const char *name;
  std::string instance, answer; // no answer file when answer is "-"
  std::string err;              // {i} and {a} stand for the paths
  int status;
};

std::string with_paths(std::string text, const std::string &instance, const std::string &answer) {
  for (auto [key, value] : {std::pair{std::string("{i}"), instance}, std::pair{std::string("{a}"), answer}})
    for (std::size_t at; (at = text.find(key)) != std::string::npos;)
      text.replace(at, key.size(), value);
  return text;
}

void expect_validate(const Report &c, const std::vector<std::string> &bounds = {}) {
  SCOPED_TRACE(c.name);
  const std::string instance = temp_file(c.instance), answer = temp_file(c.answer);
  std::vector<std::string> args{"validate", instance};
  if (c.answer != "-")
    args.push_back(answer);
  args.insert(args.end(), bounds.begin(), bounds.end());
  Ran r = run_setter("zh-TW", args);
  EXPECT_EQ(r.status, c.status);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, with_paths(c.err, instance, answer));
}

TEST(Validate, EveryLayoutDefectAtItsLineAndColumn) {
  const Report cases[] = {
      {"sound", kSound, "6\n", "", 0},
      {"sound_without_answer", kSound, "-", "", 0},
      {"empty_file", "", "-", "{i}:1:1: 檔案是空的\n", 1},
      {"doubled_space", "3 3 2 1.5\n0  1 5 1\n1 2 3 0\n0 2 4 2\n", "-",
       "{i}:2:3: 欄位之間有多個空格，應只有一個\n", 1},
      {"space_at_line_end", "3 3 2 1.5\n0 1 5 1 \n1 2 3 0\n0 2 4 2\n", "-", "{i}:2:8: 行尾有空格\n", 1},
      {"space_at_line_start", "3 3 2 1.5\n0 1 5 1\n 1 2 3 0\n0 2 4 2\n", "-", "{i}:3:1: 行首有空格\n", 1},
      {"tab", "3 3 2 1.5\n0 1 5\t1\n1 2 3 0\n0 2 4 2\n", "-",
       "{i}:2:6: 欄位之間應以一個空格分隔，不可用 tab\n", 1},
      {"blank_line", "3 3 2 1.5\n0 1 5 1\n\n1 2 3 0\n0 2 4 2\n", "-", "{i}:3:1: 空白行\n", 1},
      {"crlf", "3 3 2 1.5\r\n0 1 5 1\n1 2 3 0\n0 2 4 2\r\n", "-",
       "{i}:1:10: 行尾是 \\r\\n，應只用 \\n\n{i}:4:8: 行尾是 \\r\\n，應只用 \\n\n", 1},
      {"leading_zero", "3 3 2 1.5\n0 1 5 1\n01 2 3 0\n0 2 4 2\n", "-", "{i}:3:1: 整數不可有前導零\n", 1},
      {"leading_zero_real", "3 3 2 1.5\n0 1 05 1\n1 2 3 0\n0 2 4 2\n", "-", "{i}:2:5: 實數不可有前導零\n", 1},
      {"plus_integer", "3 3 2 1.5\n0 +1 5 1\n1 2 3 0\n0 2 4 2\n", "-", "{i}:2:3: 整數前不可有 + 號\n", 1},
      {"plus_real", "3 3 2 +1.5\n0 1 5 1\n1 2 3 0\n0 2 4 2\n", "-", "{i}:1:7: 實數前不可有 + 號\n", 1},
      {"minus_zero", "3 3 -0 1.5\n0 1 5 1\n1 2 3 0\n0 2 4 2\n", "-", "{i}:1:5: 整數不可寫成 -0\n", 1},
      {"exponent", "3 3 2 1.5\n0 1 5e0 1\n1 2 3 0\n0 2 4 2\n", "-", "{i}:2:5: 實數不可用指數表示\n", 1},
      {"hexadecimal", "3 3 2 0x1.8p0\n0 1 5 1\n1 2 3 0\n0 2 4 2\n", "-", "{i}:1:7: 實數不可用十六進位表示\n", 1},
      {"point_without_digits", "3 3 2 1.\n0 1 5 1\n1 2 3 0\n0 2 4 2\n", "-",
       "{i}:1:7: 不是十進位實數（應為數字，可有負號與小數點，小數點兩側都要有數字）\n", 1},
      {"real_where_integer", "3 3 2 1.5\n0 1.0 5 1\n1 2 3 0\n0 2 4 2\n", "-",
       // One defect: the fields after it are not read shifted, as "%d" and "%lf" would.
       "{i}:2:3: 不是十進位整數\n", 1},
      {"junk_after_last_record", "3 3 2 1.5\n0 1 5 1\n1 2 3 0\n0 2 4 2\nx\n", "-",
       "{i}:5:1: 最後一筆傳送門資料之後還有內容\n", 1},
      {"blank_line_after_last_record", "3 3 2 1.5\n0 1 5 1\n1 2 3 0\n0 2 4 2\n\n", "-",
       "{i}:5:1: 最後一筆傳送門資料之後還有內容\n", 1},
      {"extra_field", "3 3 2 1.5\n0 1 5 1 7\n1 2 3 0\n0 2 4 2\n", "-",
       "{i}:2:9: 多餘的欄位：這一行應只有 4 個欄位\n", 1},
      {"missing_final_newline", "3 3 2 1.5\n0 1 5 1\n1 2 3 0\n0 2 4 2", "-", "{i}:4:8: 檔案最後少了換行字元\n",
       1},
      {"record_cut_short", "3 3 2 1.5\n0 1 5 1\n1 2 3 0\n0 2 4\n", "-",
       // The file's early end follows from the short line: not a defect of its own.
       "{i}:4:6: 這一行只有 3 個欄位，應有 4 個\n",
       1},
      {"random_bytes", std::string("3 3 2 1.5\n0 1 \xff\x01 1\n1 2 3 0\n0 2 4 2\n"), "-",
       "{i}:2:5: 不允許的位元組 0xFF\n{i}:2:5: 不是十進位實數（應為數字，可有負號與小數點，小數點兩側都要有數字）\n",
       1},
  };
  for (const Report &c : cases)
    expect_validate(c);
}

// The same departures on a record line with more lines after it, where a
// canonical line is taken in a few steps a field: nothing canonical is reported,
// long canonical fields included, and nothing else slips through.
TEST(Validate, LayoutOfARecordLineFollowedByMore) {
  const struct {
    const char *line; // in place of the record "1 2 3 0"
    const char *report;
  } cases[] = {
      // clang-format off
      {"1 2 3 0", ""}, {"1 2 3.0 0.0", ""}, {"1 2 -0 0", ""}, {"1 2 3 -0.25", ""},
      {"1 2 12345678 0", ""}, {"1 2 3.12345678 0", ""}, {"1 2 1234567.1234567 0", ""},
      {"01 2 3 0", "1: 整數不可有前導零"}, {"1 02 3 0", "3: 整數不可有前導零"},
      {"1 2 03 0", "5: 實數不可有前導零"}, {"1 2 3 00", "7: 實數不可有前導零"},
      {"-0 2 3 0", "1: 整數不可寫成 -0"}, {"+1 2 3 0", "1: 整數前不可有 + 號"},
      {"1 2 +3 0", "5: 實數前不可有 + 號"}, {"1 2 3e0 0", "5: 實數不可用指數表示"},
      {"1 2 0x3 0", "5: 實數不可用十六進位表示"},
      {"1 2 .5 0", "5: 不是十進位實數（應為數字，可有負號與小數點，小數點兩側都要有數字）"},
      {"1 2 5. 0", "5: 不是十進位實數（應為數字，可有負號與小數點，小數點兩側都要有數字）"},
      {"1 2 3 0 ", "8: 行尾有空格"}, {"1  2 3 0", "3: 欄位之間有多個空格，應只有一個"},
      {"1 2\t3 0", "4: 欄位之間應以一個空格分隔，不可用 tab"}, {"1 2 3 0\r", "8: 行尾是 \\r\\n，應只用 \\n"},
      // clang-format on
  };
  for (const auto &c : cases) {
    std::string instance = std::string("20 19 2 1.5\n0 1 5 1\n") + c.line + "\n";
    for (int i = 2; i < 19; ++i) // the chain on to island 19
      instance += std::to_string(i) + " " + std::to_string(i + 1) + " 4 2\n";
    const std::string report = *c.report ? std::string("{i}:3:") + c.report + "\n" : "";
    expect_validate({c.line, instance, "-", report, *c.report ? 1 : 0}, {"--checker-limits"});
  }
}

TEST(Validate, LoaderBoundsAndSoundness) {
  const Report cases[] = {
      {"island_out_of_range", "3 1 2 1.5\n0 3 5 1\n", "-",
       "{i}:2:3: 題目檔第 1 筆傳送門資料的 et = 3 不是 0 到 N-1 的島嶼編號（N = 3）\n", 1},
      {"n_above_capacity", "262145 0 0 0\n", "-", "{i}:1:1: 題目檔開頭的 N = 262145 超過上限 262144\n", 1},
      {"too_few_records", "3 2 2 1.5\n0 1 5 1\n", "-",
       "{i}:3:1: 題目檔在讀到第 2 筆傳送門資料的 es 之前就結束了\n", 1},
      {"negative_T", "2 1 -1 0\n0 1 1 0\n", "-", "{i}:1:5: T = -1 小於 0，沒有可選的 t\n", 1},
      {"no_island", "0 0 5 0\n", "-", "{i}:1:1: N = 0 小於 1，沒有島嶼\n", 1},
      {"not_connected", "4 2 1 0\n0 1 1 0\n2 3 1 0\n", "-",
       "{i}:1:1: 島嶼 2 無法經由傳送門從島嶼 0 抵達，沒有方案能連通所有島嶼\n", 1},
      {"later_duplicate_dearer", "2 2 1 0\n0 1 1 0\n1 0 5 0\n", "-",
       "{i}:2:1: 第 1 筆傳送門（0 1）與第 2 筆傳送門（1 0）連接同一對島嶼，方案只能選用後者；t = 0 "
       "時的最小總成本 1 在只用方案能選的傳送門時變為 5，沒有方案能是最小成本\n"
       "{i}:2:1: 第 1 筆傳送門（0 1）與第 2 筆傳送門（1 0）連接同一對島嶼，方案只能選用後者；t = 1 "
       "時的最小總成本 1 在只用方案能選的傳送門時變為 5，沒有方案能是最小成本\n",
       1},
      {"later_duplicate_dearer_only_at_T", "2 2 1 0\n0 1 1 0\n1 0 0.5 -1\n", "-",
       "{i}:2:1: 第 1 筆傳送門（0 1）與第 2 筆傳送門（1 0）連接同一對島嶼，方案只能選用後者；t = 1 "
       "時的最小總成本 1 在只用方案能選的傳送門時變為 1.5，沒有方案能是最小成本\n",
       1},
      {"later_duplicate_cheaper_is_sound", "2 2 1 0\n0 1 5 0\n1 0 1 0\n", "1\n", "", 0},
      {"dearer_duplicate_outside_the_tree_is_sound", "3 4 0 0\n0 1 1 0\n1 2 1 0\n0 2 7 0\n2 0 9 0\n", "2\n",
       "", 0},
      {"overflow_at_T", "2 1 2 0\n0 1 5 1" + std::string(308, '0') + "\n", "-",
       "{i}:1:1: t = 2 時的最小總成本不是有限數（-inf），成本溢位\n", 1},
  };
  for (const Report &c : cases)
    expect_validate(c, {"--checker-limits"});
  // By default, the statement's bounds, which the package's input validator enforces.
  expect_validate({"statement_bounds", "2 1 2000000 5\n0 1 2000000.5 1.1234567\n", "-",
                   "{i}:1:5: T = 2000000 超出範圍 0..1000000（--t）\n{i}:2:5: ec = 2000000.5 超出範圍 -1000000..1000000（--ec）\n"
                   "{i}:2:15: 實數的小數點後超過 6 位（--decimals）\n",
                   1});
  expect_validate({"statement_bounds_relaxed", "2 1 2000000 5\n0 1 2000000.5 1.1234567\n", "-", "", 0},
                  {"--checker-limits"});
  expect_validate({"bounds", kSound, "-",
                   "{i}:1:1: N = 3 超出範圍 4..10（--n）\n{i}:1:3: M = 3 超出範圍 0..2（--m）\n"
                   "{i}:1:5: T = 2 超出範圍 3..3（--t）\n{i}:1:7: X = 1.5 超出範圍 -1..1（--x）\n"
                   "{i}:2:5: ec = 5 超出範圍 3..4（--ec）\n{i}:4:7: er = 2 超出範圍 0..1.5（--er）\n",
                   1},
                  {"--n", "4..10", "--m", "0..2", "--t", "3..3", "--x", "-1..1", "--ec", "3..4", "--er", "0..1.5"});
}

TEST(Validate, AnswerFile) {
  const std::string above = "：最佳方案會低於它，評測程式將回報評測資料錯誤\n";
  const std::string below = "：沒有方案能達到它，每個在其 t 值中成本最小的方案都會使評測程式回報評測資料錯誤\n";
  const Report cases[] = {
      {"exact", kSound, "6\n", "", 0},
      {"within_tolerance", kSound, "6.0000009\n", "", 0},
      {"above", kSound, "6.000001\n", "{a}:1:1: 答案 6.000001 高於所有 t 中的最小總成本 6（t = 2）" + above, 1},
      {"below", kSound, "5.5\n", "{a}:1:1: 答案 5.5 低於所有 t 中的最小總成本 6（t = 2）" + below, 1},
      {"empty", kSound, "", "{a}:1:1: 檔案是空的\n", 1},
      {"no_final_newline", kSound, "6", "{a}:1:2: 檔案最後少了換行字元\n", 1},
      {"exponent", kSound, "6e0\n", "{a}:1:1: 實數不可用指數表示\n", 1},
      {"nan", kSound, "nan\n", "{a}:1:1: 實數必須是有限的十進位數，不可為 inf 或 nan\n", 1},
      {"second_line", kSound, "6\n6\n", "{a}:2:1: 答案之後還有內容\n", 1},
      {"not_a_number", kSound, "six\n", "{a}:1:1: 不是十進位實數（應為數字，可有負號與小數點，小數點兩側都要有數字）\n", 1},
  };
  for (const Report &c : cases)
    expect_validate(c);
}

TEST(Solve, RefusesWhatNoPlanCanWin) {
  struct {
    const char *name, *instance, *err;
  } cases[] = {
      {"negative_T", "2 1 -1 0\n0 1 1 0\n", ":1:5: T = -1 小於 0，沒有可選的 t\n"},
      {"not_connected", "4 2 1 0\n0 1 1 0\n2 3 1 0\n",
       ":1:1: 島嶼 2 無法經由傳送門從島嶼 0 抵達，沒有方案能連通所有島嶼\n"},
      {"broken", "3 1 2 0\n0 9 5 1\n", ":2:3: 題目檔第 1 筆傳送門資料的 et = 9 不是 0 到 N-1 的島嶼編號（N = 3）\n"},
      {"shadowed", "2 2 1 0\n0 1 1 0\n1 0 5 0\n",
       ":2:1: 第 1 筆傳送門（0 1）與第 2 筆傳送門（1 0）連接同一對島嶼，方案只能選用後者；t = 0 "
       "時的最小總成本 1 在只用方案能選的傳送門時變為 5，沒有方案能是最小成本\n"},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    const std::string instance = temp_file(c.instance);
    Ran r = run_setter("zh-TW", {"solve", instance});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, instance + c.err);
  }
}

TEST(Solve, WritesTheAnswerInPlainDecimalsThatReadBackExactly) {
  struct {
    const char *instance, *out;
  } cases[] = {
      {"1 0 0 0\n", "0\n"},
      {"2 1 0 0\n0 1 0.1 0\n", "0.1\n"},
      {"2 2 0 0\n0 1 0.2 0\n0 1 0.1 0\n", "0.1\n"},
      {"3 2 3 0\n0 1 0.1 0\n1 2 0.2 0\n", "0.30000000000000004\n"},
      // The nearest of the shortest texts: the double's exact value.
      {"2 1 0 0\n0 1 1e22 0\n", "10000000000000000000000\n"},
      {"2 1 0 0\n0 1 1e23 0\n", "99999999999999991611392\n"},
      {"2 1 0 0\n0 1 -0.000001 0\n", "-0.000001\n"},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.instance);
    Ran r = run_program(kSetter, {"solve", temp_file(c.instance)});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, c.out);
  }
}

std::uint64_t digest(const std::string &bytes) {
  std::uint64_t h = 14695981039346656037ull;
  for (unsigned char c : bytes)
    h = (h ^ c) * 1099511628211ull;
  return h;
}

TEST(Generate, SameArgumentsSameBytes) {
  struct {
    const char *family;
    std::uint64_t digest;
  } cases[] = {
      {"random", 10889536148195887992u},    {"chain", 13271449548092921883u},
      {"duplicates", 3654104705897048985u}, {"loops", 15408072820850078177u},
      {"negative", 4034608707596743571u},   {"best-at-0", 16423427343132101576u},
      {"best-at-T", 15898605174560974671u}, {"ties", 2265698098374544474u},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.family);
    Ran r = run_program(kSetter, {"generate", c.family, "--n", "40", "--m", "70", "--seed", "7"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(digest(r.out), c.digest) << r.out.substr(0, 200);
  }
}

// Every family, over sizes and seeds: the instance passes validate, and solve's
// answer and plan score 1 through the checker.
TEST(Generate, EveryInstanceIsSoundAndSolved) {
  const char *families[] = {"random",    "chain",     "duplicates", "dear-copies", "loops",      "negative",
                            "best-at-0", "best-at-T", "ties",       "peak-late",   "peak-early", "x-decides",
                            "star",      "extremes",  "near-tie",   "close-costs"};
  const char *sizes[][3] = {{"1", "0", "0"}, {"2", "1", "1"}, {"3", "3", "2"}, {"12", "40", "5"}, {"60", "300", "1000"}};
  for (const char *family : families)
    for (const auto &size : sizes)
      for (const char *seed : {"1", "2"}) {
        SCOPED_TRACE(std::string(family) + " --n " + size[0] + " --m " + size[1] + " --t " + size[2] + " --seed " + seed);
        Ran g = run_program(kSetter, {"generate", family, "--n", size[0], "--m", size[1], "--t", size[2], "--seed", seed});
        if (g.status == 2)
          continue; // the family cannot take this size (best-at-T with one island, say)
        ASSERT_EQ(g.status, 0) << g.err;
        const std::string instance = temp_file(g.out), plan = temp_file("");
        Ran v = run_program(kSetter, {"validate", instance});
        EXPECT_EQ(v.status, 0) << v.err;
        Ran solved = run_program(kSetter, {"solve", instance, "--plan", plan});
        ASSERT_EQ(solved.status, 0) << solved.err;
        Ran judged = run_binary({instance, temp_file(solved.out), plan});
        EXPECT_EQ(judged.out, "1.000000\n");
      }
}

// At full scale (every table sized to the capacity, costs with decimals wide
// enough that sort keys are cut), the optimal plan scores 1 in any order and
// either way round, and a repeat or an unknown pair anywhere is found.
TEST(Generate, LargestInstancesJudgedEveryWay) {
  for (const char *family : {"random", "ties", "duplicates"}) {
    SCOPED_TRACE(family);
    Ran g = run_program(kSetter, {"generate", family, "--n", "262144", "--m", "262144", "--t", "10", "--ec", "200..1200",
                                  "--ec-decimals", "3", "--er", "0..20", "--er-decimals", "4", "--seed", "3"});
    ASSERT_EQ(g.status, 0) << g.err;
    const std::string instance = temp_file(g.out), plan = temp_file("");
    Ran solved = run_program(kSetter, {"solve", instance, "--plan", plan});
    ASSERT_EQ(solved.status, 0) << solved.err;
    const std::string answer = temp_file(solved.out);
    std::string text;
    ASSERT_TRUE(read_whole_file(plan.c_str(), text));
    const std::size_t header_end = text.find('\n') + 1;
    std::vector<std::string> lines; // the portal lines, each "u v"
    for (std::size_t at = header_end, end; at < text.size(); at = end + 1) {
      end = text.find('\n', at);
      lines.push_back(text.substr(at, end - at));
    }
    const std::string header = text.substr(0, header_end);
    const auto plan_of = [&](const std::vector<std::string> &body, const std::string &head) {
      std::string out = head;
      for (const std::string &l : body)
        out += l + "\n";
      return temp_file(out);
    };
    std::vector<std::string> reversed(lines.rbegin(), lines.rend());
    for (std::string &l : reversed) // "u v" to "v u"
      l = l.substr(l.find(' ') + 1) + " " + l.substr(0, l.find(' '));
    EXPECT_EQ(run_binary({instance, answer, plan}).out, "1.000000\n");
    EXPECT_EQ(run_binary({instance, answer, plan_of(reversed, header)}).out, "1.000000\n");
    std::vector<std::string> repeated(lines);
    repeated[lines.size() / 2] = reversed.front(); // the last line's portal, the other way round
    Ran r = run_binary({instance, answer, plan_of(repeated, header)});
    EXPECT_EQ(r.err, "輸出的建設方案中，包含重複的傳送門。");
    std::vector<std::string> unknown(lines);
    unknown[lines.size() - 1] = "-1 0";
    r = run_binary({instance, answer, plan_of(unknown, header)});
    EXPECT_EQ(r.err, "輸出的建設方案中，包含不合法的傳送門。");
  }
}

TEST(Generate, TheOptimumAtTheEndItsFamilyNames) {
  for (auto [family, t] : {std::pair{"best-at-0", "0 "}, {"best-at-T", "10 "}}) {
    SCOPED_TRACE(family);
    const std::string instance = temp_file(run_program(kSetter, {"generate", family, "--n", "30"}).out);
    const std::string plan = temp_file("");
    run_program(kSetter, {"solve", instance, "--plan", plan});
    std::string text;
    ASSERT_TRUE(read_whole_file(plan.c_str(), text));
    EXPECT_EQ(text.substr(0, std::string(t).size()), t);
  }
}

TEST(Setter, UsageErrorsAndHelp) {
  struct {
    std::vector<std::string> args;
    int status;
  } cases[] = {
      {{}, 2},
      {{"frobnicate"}, 2},
      {{"--help"}, 0},
      {{"solve", "--help"}, 0},
      {{"solve"}, 2},
      {{"solve", "a", "b"}, 2},
      {{"solve", "a", "--plan"}, 2},
      {{"validate", "--help"}, 0},
      {{"validate"}, 2},
      {{"validate", "a", "--n", "5"}, 2},
      {{"validate", "a", "--n", "5..1"}, 2},
      {{"validate", "a", "--x", "1..x"}, 2},
      {{"validate", "a", "b", "c"}, 2},
      {{"generate", "--help"}, 0},
      {{"generate"}, 2},
      {{"generate", "spiral"}, 2},
      {{"generate", "random", "--n", "0"}, 2},
      {{"generate", "random", "--n", "262145"}, 2},
      {{"generate", "random", "--n", "3", "--m", "4"}, 2}, // only three distinct pairs
      {{"generate", "random", "--ec", "1..0"}, 2},
      {{"generate", "random", "--ec", "0..1e3"}, 2},
      {{"generate", "random", "--ec-decimals", "7"}, 2},
      {{"generate", "random", "--ec-decimals", "6", "--x", "9999999999999"}, 2}, // beyond 10^12 units
      {{"generate", "random", "--x", "-"}, 2},
      {{"generate", "best-at-0", "--er", "0..1"}, 2},
      {{"generate", "best-at-T", "--x", "1000"}, 2},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.args.empty() ? "" : c.args.back());
    Ran r = run_program(kSetter, c.args);
    EXPECT_EQ(r.status, c.status) << r.err;
    if (c.status == 0)
      EXPECT_EQ(r.out.substr(0, 7), "usage: ");
    else
      EXPECT_NE(r.err, "");
  }
}

} // namespace
