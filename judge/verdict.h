// The verdict reporter and its message catalogue: every run ends here.
#pragma once
#include <string>

// Verdict codes given to finish(): the score is 0, 0.3 or 1.
inline constexpr int REJECTED = 0;
inline constexpr int CHEAPEST_AT_T = 1;
inline constexpr int OPTIMAL = 2;

// The catalogue, written to standard error byte for byte.
namespace message {
// Two integers cannot be read where the plan needs them.
inline constexpr char bad_format[] = "輸出格式不正確。";
// t < 0 or t > T.
inline constexpr char t_out_of_range[] = "輸出的 t 值超出範圍。";
// A named pair that no portal joins.
inline constexpr char invalid_portal[] = "輸出的建設方案中，包含不合法的傳送門。";
// A portal named a second time, in either order of its ends.
inline constexpr char repeated_portal[] = "輸出的建設方案中，包含重複的傳送門。";
// The named portals leave some island unreached.
inline constexpr char not_connected[] = "輸出的建設方案，無法使得所有島嶼互相連通。";
// The plan total is not within tolerance of the minimum total at its t.
inline constexpr char not_cheapest[] = "輸出的建設方案，在所選擇的 t 值中，並非最小成本的方案。";
// Cheapest at its t, but not within tolerance of the reference total (score 0.3).
inline constexpr char t_not_best[] =
    "輸出的建設方案為該 t 值中的最小成本方案，但 t 值的選擇並非最佳。";
// Within tolerance of both totals (score 1).
inline constexpr char optimal[] = "輸出的建設方案為最佳方案。";
} // namespace message

// Ends the run with the verdict of code (REJECTED, CHEAPEST_AT_T or OPTIMAL) and
// its catalogue message.
[[noreturn]] void finish(int code, const char *message);

// The format error: finish(REJECTED, message::bad_format).
[[noreturn]] void badin();

// Ends the run with a checker failure: the judge's own data allows no verdict. The
// report is "評測資料錯誤：" + what, line breaks in what turned into spaces.
[[noreturn]] void checker_failure(const std::string &what);

// The score of a verdict code: 0.3 for CHEAPEST_AT_T, 1 for OPTIMAL, else 0.
double score_of(int code);
