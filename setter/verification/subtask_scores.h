// The subtasks of a folder of tests, as verify scores them: each with its points
// and the trials it holds.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "setter/packaging/testset_files.h"

struct SubtaskScore {
  std::string name;
  double points;
  std::vector<std::size_t> trials; // indices into the trials
};

// The subtasks of dir, whose tests are trials: a test set's subtasks.txt with
// the "subtasks:" lines of its .desc files, a Kattis scoring package's groups
// under data/secret (points from their
// grader flags, "points P"), or a CMS task folder's GroupMin
// groups named by codename (the samples' group of 0 points left out). None for
// a folder without subtasks.
std::vector<SubtaskScore> subtask_scores(const std::string &dir, const std::vector<Trial> &trials);
