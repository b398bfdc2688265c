// setter solve over random instance files: it must never crash, and an answer it
// gives must be what the checker reads back from its own plan: the optimal plan,
// judged against the total solve wrote, scores 1.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "harness.h"
#include "judge/verdict.h"
#include "setter/commands/commands.h"
#include "setter/validation/judging.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  const std::string instance = write_fuzz_file("instance", as_text(data, size));
  const std::string plan = write_fuzz_file("plan", ""), total = write_fuzz_file("total", "");
  char command[] = "solve", plan_option[] = "--plan";
  char *argv[] = {command, const_cast<char *>(instance.c_str()), plan_option, const_cast<char *>(plan.c_str()),
                  nullptr};
  std::FILE *out = std::freopen(total.c_str(), "w", stdout);
  const int status = solve_command(4, argv);
  std::fflush(stdout);
  if (!out)
    std::abort();
  if (status == EXIT_DONE) {
    const Outcome o = judge_in_process(instance, total, plan, AnswerForms::total);
    if (o.failed || o.code != OPTIMAL)
      std::abort(); // solve's own answer and plan do not agree with the checker
  } else if (status != EXIT_DEFECT) {
    std::abort();
  }
  return 0;
}
