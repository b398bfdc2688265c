// The problem statement's LaTeX, as every package shows it.
#pragma once
#include <string>
#include <vector>

#include "setter/testset/subtask_file.h"

// The statement for a problem called title: \problemname{title}, the problem, its
// input and output and the sample's explanation, then, when partial_scores, how
// a test is scored (1, 0.3 or 0 of its share), and a table of the subtasks when
// there are some.
std::string statement_latex(const std::string &title, bool partial_scores, const std::vector<Subtask> &subtasks = {});
