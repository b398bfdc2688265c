// The checking sequence, from three files to the outcome.
#pragma once

#include "judge/answer.h"

// Judges the plan (read from standard input when plan is null) against the
// instance and the answer file, in that reading order, the answer file in the
// forms given, and ends the run through end_run(); see README.md for every
// outcome. Never returns.
[[noreturn]] void judge_files(const char *instance, const char *answer, const char *plan, AnswerForms forms);
