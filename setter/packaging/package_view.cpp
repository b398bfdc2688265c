// Reading any layout into one view: test sets through their own room, packages
// through their formats' readers.
#include "setter/packaging/package_view.h"

#include <filesystem>
#include <system_error>

#include "setter/language/language.h"
#include "setter/packaging/cms_reading.h"
#include "setter/packaging/kattis_reading.h"
#include "setter/packaging/layouts.h"
#include "setter/testset/test_set.h"

namespace fs = std::filesystem;

namespace {

// Each test judged against its total where it has one, else against its plan.
std::vector<std::string> add_trials(const std::vector<TestPaths> &tests, PackageView &view) {
  std::vector<std::string> problems;
  for (const TestPaths &t : tests)
    if (!t.has_total && !t.has_plan)
      problems.push_back(t.instance + say(": no answer file beside it (setter solve DIR writes them)",
                                          "：旁邊沒有答案檔（setter solve DIR 會寫出它們）"));
    else
      view.trials.push_back({t.name, t.instance, t.has_total ? t.total : t.plan,
                             t.has_total ? AnswerForms::total : AnswerForms::total_or_plan});
  return problems;
}

std::vector<std::string> read_set(const std::string &dir, PackageView &view) {
  TestSet set;
  std::vector<std::string> problems = read_test_set(dir, set, [](const std::string &) {});
  if (!problems.empty())
    return problems;
  view.kind = PackageKind::test_set;
  std::vector<TestPaths> tests;
  for (const SetTest &t : set.tests)
    tests.push_back({t.shown(), t.base + ".in", t.base + ".total", t.base + ".ans", t.has_total, t.has_plan});
  problems = add_trials(tests, view);
  for (std::size_t s = 0; s < set.placement.subtasks.size(); ++s)
    view.subtasks.push_back({set.placement.subtasks[s].name, set.placement.subtasks[s].points, tests_in(set.placement, s)});
  if (set.time_problem.empty()) {
    view.time_limit = set.time.limit;
    view.time_from = time_record_path(dir);
  }
  return problems;
}

} // namespace

std::vector<std::string> read_package(const std::string &dir, PackageView &view) {
  view = {};
  std::error_code failure;
  const fs::path root(dir);
  if (fs::is_directory(root / "input", failure))
    return read_cms(dir, view);
  if (fs::is_directory(root / "data", failure))
    return read_kattis(dir, view);
  if (fs::is_directory(root / "sample", failure) || fs::is_directory(root / "secret", failure))
    return read_set(dir, view);
  std::vector<TestPaths> tests;
  if (std::string error = find_tests(dir, tests); !error.empty())
    return {error};
  return add_trials(tests, view);
}
