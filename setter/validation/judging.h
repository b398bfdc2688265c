// The checker's judgement in the setter's own process.
#pragma once
#include <string>

#include "judge/answer.h"
#include "judge/outcome.h"

// Judges the plan file at plan as the checker does, against the instance and the
// answer file in the forms given, and returns the outcome the run ended with.
// The calling program's end_run() must throw the Outcome it is given.
Outcome judge_in_process(const std::string &instance, const std::string &answer, const std::string &plan,
                         AnswerForms forms);
