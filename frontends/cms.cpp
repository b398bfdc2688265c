// checker INSTANCE ANSWER PLAN, the native convention: the score line on standard
// output and one catalogue message on standard error, exit 0, for every verdict;
// for a checker failure, nothing on standard output, one line on standard error,
// exit 1. Further arguments are ignored.
#include <cstdio>
#include <cstdlib>

#include "judge/checker.h"
#include "judge/outcome.h"
#include "judge/verdict.h"

namespace cms_internal {

constexpr int EXIT_VERDICT = 0;         // a score was given, whatever it is
constexpr int EXIT_CHECKER_FAILURE = 1; // the judge's own data is broken

} // namespace cms_internal

void end_run(const Outcome &outcome) {
  using namespace cms_internal;
  if (outcome.failed) {
    std::fputs((outcome.failure + "\n").c_str(), stderr);
    std::exit(EXIT_CHECKER_FAILURE);
  }
  // Standard output stays buffered until exit flushes it, after the message.
  std::printf("%lf\n", score_of(outcome.code));
  std::fputs(outcome.message->text, stderr);
  std::exit(EXIT_VERDICT);
}

int main(int argc, char **argv) {
  using namespace cms_internal;
  if (argc < 4)
    checker_failure("參數不足，用法：checker 題目檔 答案檔 輸出檔");
  judge_files(argv[1], argv[2], argv[3], AnswerForms::total);
}
