// The answer file: the reference total, written as a number or as a jury plan.
#pragma once

// The forms of answer file that a judge's convention gives the checker.
enum class AnswerForms {
  total,         // one number, the least total: the checker's own convention
  total_or_plan, // that, or an optimal plan (the main solution's output) whose total is the reference
};

// Reads the reference total from the answer file at path, once the instance is
// loaded. With total_or_plan, a file whose first two tokens are whole integers is
// a jury plan, judged as a contestant's plan is judged (format, t in 0..T, real and
// distinct portals, every island joined), and its total is the reference; any
// other file gives its first number as "%lf" reads it (0 when it holds none). Ends
// the run with a checker failure when the file cannot be read, its total is not
// finite, or its jury plan is not an acceptable plan.
double read_reference(const char *path, AnswerForms forms);
