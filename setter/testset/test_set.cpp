// Reading a whole test set.
#include "setter/testset/test_set.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

std::string subtasks_path(const std::string &dir) { return (fs::path(dir) / "subtasks.txt").string(); }

std::vector<std::string> read_test_set(const std::string &dir, TestSet &set,
                                       const std::function<void(const std::string &)> &progress) {
  set = {};
  set.dir = dir;
  if (std::string error = list_set_tests(dir, set.tests); !error.empty())
    return {error};
  std::vector<Subtask> subtasks;
  std::error_code failure;
  if (fs::exists(subtasks_path(dir), failure))
    if (std::string error = read_subtasks(subtasks_path(dir), subtasks); !error.empty())
      return {error};
  const std::vector<std::string> problems = place_tests(set.tests, subtasks, set.placement, progress);
  set.time_problem = read_time_record(dir, set.tests, set.time);
  return problems;
}
