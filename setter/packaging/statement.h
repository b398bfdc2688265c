// The problem statement's LaTeX, in English or in Traditional Chinese, both from
// one set of facts: the statement's bounds, the checker's tolerance and scores,
// the subtasks, and the sample worked through.
#pragma once
#include <string>
#include <vector>

#include "setter/packaging/sample_walk.h"
#include "setter/testset/subtask_file.h"

enum class StatementLanguage { english, chinese };

// The statement for a problem called title: \problemname{title}, the problem,
// its input and output with the statement's bounds, then, when partial_scores,
// how a test is scored (1, 0.3 or 0 of its share), and a table of the subtasks
// when there are some: each one's number, name, points and constraints, in the
// subtask file's order, on one page.
std::string statement_latex(StatementLanguage language, const std::string &title, bool partial_scores,
                            const std::vector<Subtask> &subtasks);

// The section that explains the sample from walk, headed for where it stands:
// after the sample (a statement that shows it), or before it (a Kattis
// statement, whose class shows the sample at the end).
std::string sample_explanation_latex(StatementLanguage language, const SampleWalk &walk, bool after_sample);
