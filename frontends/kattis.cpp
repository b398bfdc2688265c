// checker-kattis INPUT ANSWER FEEDBACK_DIR [FLAGS] < PLAN: an output validator for
// Kattis and DOMjudge. Exit 42 accepts, 43 rejects; anything else, 1 here, tells
// the judge that the validator or its data failed. Flags, from the problem's
// configuration: "score_multiplier" makes the 0.3 verdict accepted with
// score_multiplier.txt (Kattis scoring problems); "score MAX" makes it accepted
// with score.txt holding 0.3·MAX (DOMjudge); "lang en" writes every message in
// English. A score file goes only with exit 42.
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "files/output_file.h"
#include "judge/checker.h"
#include "judge/explain.h"
#include "judge/outcome.h"
#include "judge/verdict.h"
#include "wording/wording.h"

namespace kattis_internal {

constexpr int EXIT_AC = 42;
constexpr int EXIT_WA = 43;
constexpr int EXIT_JUDGE_ERROR = 1;

constexpr char kUsage[] =
    "usage: checker-kattis INPUT ANSWER FEEDBACK_DIR [score_multiplier | score MAX] [lang en|zh-TW] < PLAN\n";

enum class Scoring { pass_fail, multiplier, absolute };

Scoring scoring = Scoring::pass_fail;
double max_score = 0; // with Scoring::absolute
std::string feedback; // FEEDBACK_DIR, ending with a separator

// Ends for a broken call or broken data: the report on standard error and, where
// the feedback folder is known, in judgemessage.txt and judgeerror.txt.
[[noreturn]] void judge_error(const std::string &report) {
  std::fputs(report.c_str(), stderr);
  if (!feedback.empty()) {
    write_text(feedback + "judgemessage.txt", report);
    write_text(feedback + "judgeerror.txt", report);
  }
  std::exit(EXIT_JUDGE_ERROR);
}

void write_feedback(const std::string &name, const std::string &text) {
  if (!write_text(feedback + name, text))
    judge_error(worded("評測資料錯誤：無法寫入回饋檔 ", "Judge error: cannot write the feedback file ") + feedback + name + "\n");
}

// The shortest text that reads back to v.
std::string shortest(double v) {
  char text[64];
  return std::string(text, std::to_chars(text, text + sizeof text, v).ptr);
}

bool parse_positive(const char *text, double &value) {
  const char *end = text + std::strlen(text);
  auto [ptr, ec] = std::from_chars(text, end, value);
  return ec == std::errc() && ptr == end && std::isfinite(value) && value > 0;
}

void parse_flags(int argc, char **argv) {
  for (int i = 4; i < argc; ++i) {
    const std::string flag = argv[i];
    if (flag == "score_multiplier" && scoring == Scoring::pass_fail) {
      scoring = Scoring::multiplier;
    } else if (flag == "score" && scoring == Scoring::pass_fail && i + 1 < argc &&
               parse_positive(argv[i + 1], max_score)) {
      scoring = Scoring::absolute;
      ++i;
    } else if (flag == "lang" && i + 1 < argc &&
               (std::strcmp(argv[i + 1], "en") == 0 || std::strcmp(argv[i + 1], "zh-TW") == 0)) {
      set_wording(std::strcmp(argv[i + 1], "en") == 0 ? Wording::english : Wording::chinese);
      ++i;
    } else {
      judge_error("checker-kattis: unknown, repeated or malformed flag '" + flag + "'\n" + kUsage);
    }
  }
}

} // namespace kattis_internal

void end_run(const Outcome &outcome) {
  using namespace kattis_internal;
  if (outcome.failed)
    judge_error(outcome.failure + "\n");
  write_feedback("teammessage.txt", text_of(*outcome.message));
  write_feedback("judgemessage.txt", explain(outcome));
  const bool accepted =
      outcome.code == OPTIMAL || (outcome.code == CHEAPEST_AT_T && scoring != Scoring::pass_fail);
  if (!accepted)
    std::exit(EXIT_WA);
  const double score = score_of(outcome.code);
  if (scoring == Scoring::multiplier)
    write_feedback("score_multiplier.txt", shortest(score) + "\n");
  else if (scoring == Scoring::absolute)
    write_feedback("score.txt", shortest(outcome.code == OPTIMAL ? max_score : 3 * max_score / 10) +
                                    "\n");
  std::exit(EXIT_AC);
}

int main(int argc, char **argv) {
  using namespace kattis_internal;
  if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
    std::fputs(kUsage, stdout);
    return 0;
  }
  if (argc < 4 || argv[3][0] == '\0')
    judge_error(std::string("checker-kattis: missing arguments\n") + kUsage);
  feedback = argv[3];
  if (feedback.empty() || feedback.back() != '/')
    feedback += '/';
  parse_flags(argc, argv);
  judge_files(argv[1], argv[2], nullptr, AnswerForms::total_or_plan);
}
