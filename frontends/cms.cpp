// checker INSTANCE ANSWER PLAN, the native convention: the score line on standard
// output and one catalogue message on standard error, exit 0, for every verdict;
// for a checker failure, nothing on standard output, one line on standard error,
// exit 1. Further arguments are ignored.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "judge/checker.h"
#include "judge/outcome.h"
#include "judge/verdict.h"
#include "wording/wording.h"

namespace cms_internal {

constexpr int EXIT_VERDICT = 0;         // a score was given, whatever it is
constexpr int EXIT_CHECKER_FAILURE = 1; // the judge's own data is broken

constexpr char kUsage[] =
    "usage: checker INSTANCE ANSWER PLAN\n"
    "Judges the plan in PLAN against INSTANCE and the least total in ANSWER, as CMS\n"
    "calls a checker: the score (0.000000, 0.300000 or 1.000000) on standard output,\n"
    "one message on standard error, exit 0; exit 1 and one line on standard error\n"
    "when the judge's own data allows no verdict.\n";

} // namespace cms_internal

void end_run(const Outcome &outcome) {
  using namespace cms_internal;
  if (outcome.failed) {
    std::fputs((outcome.failure + "\n").c_str(), stderr);
    std::exit(EXIT_CHECKER_FAILURE);
  }
  // Standard output stays buffered until exit flushes it, after the message.
  std::printf("%lf\n", score_of(outcome.code));
  std::fputs(text_of(*outcome.message), stderr);
  std::exit(EXIT_VERDICT);
}

int main(int argc, char **argv) {
  using namespace cms_internal;
#ifdef CHECKER_MESSAGES_IN_ENGLISH
  set_wording(Wording::english);
#endif
  if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
    std::fputs(kUsage, stdout);
    return EXIT_VERDICT;
  }
  if (argc < 4)
    checker_failure(worded("參數不足，用法：checker 題目檔 答案檔 輸出檔", "too few arguments; usage: checker INSTANCE ANSWER PLAN"));
  judge_files(argv[1], argv[2], argv[3], AnswerForms::total);
}
