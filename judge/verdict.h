// The verdict reporter and its message catalogue: every run ends here.
#pragma once
#include <string>

// Verdict codes given to finish(): the score is 0, 0.3 or 1.
inline constexpr int REJECTED = 0;
inline constexpr int CHEAPEST_AT_T = 1;
inline constexpr int OPTIMAL = 2;

// One entry of the message catalogue: the text written byte for byte (the
// contest's own, in Traditional Chinese), its English, the verdict code it goes
// with, and whether it is the format error.
struct Message {
  const char *text;
  const char *english;
  int code;
  bool format_error;
};

// The catalogue. A new message is one entry here and one in kCatalogue.
namespace message {
// Two integers cannot be read where the plan needs them.
inline constexpr Message bad_format{"輸出格式不正確。", "The output's format is incorrect.", REJECTED, true};
// t < 0 or t > T.
inline constexpr Message t_out_of_range{"輸出的 t 值超出範圍。", "The output's t is out of range.", REJECTED, false};
// A named pair that no portal joins.
inline constexpr Message invalid_portal{"輸出的建設方案中，包含不合法的傳送門。", "The plan names a portal that does not exist.", REJECTED, false};
// A portal named a second time, in either order of its ends.
inline constexpr Message repeated_portal{"輸出的建設方案中，包含重複的傳送門。", "The plan names a portal twice.", REJECTED, false};
// The named portals leave some island unreached.
inline constexpr Message not_connected{"輸出的建設方案，無法使得所有島嶼互相連通。", "The plan does not connect all islands.", REJECTED, false};
// The plan total is not within tolerance of the minimum total at its t.
inline constexpr Message not_cheapest{"輸出的建設方案，在所選擇的 t 值中，並非最小成本的方案。",
                                      "At the chosen t, the plan is not the cheapest.", REJECTED, false};
// Cheapest at its t, but not within tolerance of the reference total (score 0.3).
inline constexpr Message t_not_best{"輸出的建設方案為該 t 值中的最小成本方案，但 t 值的選擇並非最佳。",
                                    "The plan is the cheapest at its t, but the choice of t is not the best.",
                                    CHEAPEST_AT_T, false};
// Within tolerance of both totals (score 1).
inline constexpr Message optimal{"輸出的建設方案為最佳方案。", "The plan is optimal.", OPTIMAL, false};
} // namespace message

// Every entry of the catalogue, for whoever must know them all.
inline constexpr const Message *kCatalogue[] = {
    &message::bad_format,      &message::t_out_of_range, &message::invalid_portal, &message::repeated_portal,
    &message::not_connected,   &message::not_cheapest,   &message::t_not_best,     &message::optimal};

// The message's text in the language of messages (see wording.h).
const char *text_of(const Message &message);

// Ends the run with the verdict of code (REJECTED, CHEAPEST_AT_T or OPTIMAL) and
// its catalogue message.
[[noreturn]] void finish(int code, const Message &message);

// The format error: finish(REJECTED, message::bad_format).
[[noreturn]] void badin();

// Ends the run with a checker failure: the judge's own data allows no verdict. The
// report is "評測資料錯誤：" + what ("Judge error: " in English), line breaks in
// what turned into spaces.
[[noreturn]] void checker_failure(const std::string &what);

// The score of a verdict code: 0.3 for CHEAPEST_AT_T, 1 for OPTIMAL, else 0.
double score_of(int code);
