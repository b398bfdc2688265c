// In-process judging: the run's end arrives as a thrown outcome.
#include "setter/validation/judging.h"

#include "instance/tables.h"
#include "judge/checker.h"

Outcome judge_in_process(const std::string &instance, const std::string &answer, const std::string &plan,
                         AnswerForms forms) {
  instance_reset();
  detail = {};
  try {
    judge_files(instance.c_str(), answer.c_str(), plan.c_str(), forms);
  } catch (const Outcome &outcome) {
    return outcome;
  }
}
