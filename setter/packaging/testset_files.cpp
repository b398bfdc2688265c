// Reading and checking a test set before it is packaged.
#include "setter/packaging/testset_files.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "setter/language/language.h"
#include "setter/validation/statement_bounds.h"
#include "setter/validation/test_check.h"

namespace fs = std::filesystem;

std::string list_testset(const std::string &dir, std::vector<TestFiles> &tests) {
  tests.clear();
  std::error_code failure;
  for (const char *folder : {"sample", "secret"}) {
    const fs::path path = fs::path(dir) / folder;
    if (!fs::is_directory(path, failure))
      return dir + say(": not a test set (no folder " + std::string(folder) + "/; see setter testset)",
                        "：不是測資集（沒有 " + std::string(folder) + "/ 資料夾；見 setter testset）");
    std::vector<TestFiles> found;
    for (const auto &entry : fs::directory_iterator(path, failure)) {
      if (entry.path().extension() != ".in")
        continue;
      const std::string base = (entry.path().parent_path() / entry.path().stem()).string();
      if (!fs::is_regular_file(base + ".ans", failure))
        return base + say(".in: no " + entry.path().stem().string() + ".ans beside it",
                           ".in：旁邊沒有 " + entry.path().stem().string() + ".ans");
      found.push_back({entry.path().stem().string(), folder, base, fs::is_regular_file(base + ".total", failure),
                       fs::is_regular_file(base + ".desc", failure)});
    }
    std::sort(found.begin(), found.end(), [](const TestFiles &a, const TestFiles &b) { return a.name < b.name; });
    tests.insert(tests.end(), found.begin(), found.end());
  }
  if (tests.empty())
    return dir + say(": the test set holds no test", "：測資集中沒有測資");
  return {};
}

std::vector<std::string> check_testset(const std::vector<TestFiles> &tests,
                                       const std::function<void(const std::string &)> &progress) {
  std::vector<std::string> broken;
  for (const TestFiles &test : tests) {
    progress(test.folder + "/" + test.name);
    std::vector<std::string> answers;
    if (test.has_total)
      answers.push_back(test.base + ".total");
    answers.push_back(test.base + ".ans");
    const std::vector<std::string> reports = check_test(test.base + ".in", answers, statement_bounds());
    if (reports.empty())
      continue;
    const std::string count = std::to_string(reports.size());
    broken.push_back(test.base + ".in: " +
                     say(count + (reports.size() == 1 ? " defect: " : " defects, the first: "), count + " 個缺陷，第一個：") +
                     reports.front());
  }
  return broken;
}

namespace {

// NAME.in of folder, with NAME.total and NAME.ans where the layout keeps them.
void tests_of_folder(const fs::path &folder, const std::string &prefix, bool totals, std::vector<TestPaths> &tests) {
  std::error_code failure;
  std::vector<TestPaths> found;
  for (const auto &entry : fs::directory_iterator(folder, failure)) {
    if (entry.path().extension() != ".in" || !entry.is_regular_file(failure))
      continue;
    const std::string base = (entry.path().parent_path() / entry.path().stem()).string();
    TestPaths t{prefix + entry.path().stem().string(), entry.path().string(), totals ? base + ".total" : "", base + ".ans"};
    t.has_total = totals && fs::is_regular_file(t.total, failure);
    t.has_plan = fs::is_regular_file(t.plan, failure);
    found.push_back(t);
  }
  std::sort(found.begin(), found.end(), [](const TestPaths &a, const TestPaths &b) { return a.name < b.name; });
  tests.insert(tests.end(), found.begin(), found.end());
}

} // namespace

std::string find_tests(const std::string &dir, std::vector<TestPaths> &tests) {
  tests.clear();
  std::error_code failure;
  const fs::path root(dir);
  if (fs::is_directory(root / "input", failure)) { // a CMS task folder
    for (int i = 0;; ++i) {
      const std::string index = std::to_string(i), in = (root / "input" / ("input" + index + ".txt")).string();
      if (!fs::is_regular_file(in, failure))
        break;
      TestPaths t{"input" + index, in, (root / "output" / ("output" + index + ".txt")).string(), ""};
      t.has_total = fs::is_regular_file(t.total, failure);
      tests.push_back(t);
    }
  } else if (fs::is_directory(root / "data", failure)) { // a Kattis package, its groups one level down
    for (const char *folder : {"sample", "secret"}) {
      tests_of_folder(root / "data" / folder, std::string(folder) + "/", false, tests);
      std::vector<fs::path> groups;
      for (const auto &entry : fs::directory_iterator(root / "data" / folder, failure))
        if (entry.is_directory(failure))
          groups.push_back(entry.path());
      std::sort(groups.begin(), groups.end());
      for (const fs::path &group : groups)
        tests_of_folder(group, std::string(folder) + "/" + group.filename().string() + "/", false, tests);
    }
  } else if (fs::is_directory(root / "sample", failure) || fs::is_directory(root / "secret", failure)) {
    for (const char *folder : {"sample", "secret"})
      tests_of_folder(root / folder, std::string(folder) + "/", true, tests);
  } else {
    tests_of_folder(root, "", true, tests);
  }
  if (tests.empty())
    return dir + ": " + say("no tests in the folder: no NAME.in, no sample/ or secret/, no Kattis data/, no CMS input/",
                            "資料夾中沒有測資：沒有 NAME.in、sample/ 或 secret/、Kattis 的 data/ 或 CMS 的 input/");
  return {};
}

std::string list_trials(const std::string &dir, std::vector<Trial> &trials) {
  trials.clear();
  std::error_code failure;
  std::vector<TestPaths> tests;
  if (!fs::is_directory(dir, failure) || !find_tests(dir, tests).empty())
    return dir + say(": not a test set, a Kattis package or a CMS task folder",
                     "：不是測資集、Kattis 題目包或 CMS 任務資料夾");
  for (const TestPaths &t : tests) {
    if (!t.has_total && !t.has_plan)
      return t.instance + say(": no answer file beside it", "：旁邊沒有答案檔");
    trials.push_back({t.name, t.instance, t.has_total ? t.total : t.plan,
                      t.has_total ? AnswerForms::total : AnswerForms::total_or_plan});
  }
  return {};
}
