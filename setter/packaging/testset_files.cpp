// Reading and checking a test set before it is packaged.
#include "setter/packaging/testset_files.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "judge/verdict.h"
#include "setter/language/language.h"
#include "setter/packaging/problem.h"
#include "setter/validation/judging.h"
#include "setter/validation/text_file.h"
#include "setter/validation/validation.h"

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

std::string check_testset(const std::vector<TestFiles> &tests, const std::function<void(const std::string &)> &progress) {
  for (const TestFiles &test : tests) {
    progress(test.folder + "/" + test.name);
    std::string text;
    if (std::string error = read_text_file(test.base + ".in", text); !error.empty())
      return test.base + ".in: " + error;
    const Checked checked = validate_instance(text, test.base + ".in", statement_bounds());
    if (!checked.reports.empty())
      return checked.reports.front();
    if (!checked.solvable)
      return test.base + say(".in: no plan is optimal", ".in：沒有方案是最佳方案");
    // The plan judged against the least total proves both; with no total, the
    // plan judged against itself proves it is acceptable.
    const std::string answer = test.base + (test.has_total ? ".total" : ".ans");
    const Outcome o = judge_in_process(test.base + ".in", answer, test.base + ".ans",
                                       test.has_total ? AnswerForms::total : AnswerForms::total_or_plan);
    if (o.failed)
      return test.base + ".ans: " + o.failure;
    if (o.code != OPTIMAL)
      return test.base + say(".ans: the plan is not optimal; the checker says: ", ".ans：方案不是最佳方案：") + o.message->text;
  }
  return {};
}

std::string list_trials(const std::string &dir, std::vector<Trial> &trials) {
  trials.clear();
  std::error_code failure;
  const fs::path root(dir);
  if (fs::is_directory(root / "input", failure)) { // a CMS task folder
    for (int i = 0;; ++i) {
      const std::string index = std::to_string(i), in = (root / "input" / ("input" + index + ".txt")).string();
      if (!fs::is_regular_file(in, failure))
        break;
      trials.push_back({"input" + index, in, (root / "output" / ("output" + index + ".txt")).string(),
                        AnswerForms::total});
    }
  } else if (fs::is_directory(root / "data", failure)) { // a Kattis package
    for (const char *folder : {"sample", "secret"}) {
      std::vector<Trial> found;
      for (const auto &entry : fs::directory_iterator(root / "data" / folder, failure))
        if (entry.path().extension() == ".in") {
          const fs::path base = entry.path().parent_path() / entry.path().stem();
          found.push_back({std::string(folder) + "/" + entry.path().stem().string(), entry.path().string(),
                           base.string() + ".ans", AnswerForms::total_or_plan});
        }
      std::sort(found.begin(), found.end(), [](const Trial &a, const Trial &b) { return a.name < b.name; });
      trials.insert(trials.end(), found.begin(), found.end());
    }
  } else {
    std::vector<TestFiles> tests;
    if (std::string error = list_testset(dir, tests); !error.empty())
      return dir + say(": not a test set, a Kattis package or a CMS task folder",
                         "：不是測資集、Kattis 題目包或 CMS 任務資料夾");
    for (const TestFiles &t : tests)
      trials.push_back({t.folder + "/" + t.name, t.base + ".in", t.base + (t.has_total ? ".total" : ".ans"),
                        t.has_total ? AnswerForms::total : AnswerForms::total_or_plan});
  }
  for (const Trial &t : trials)
    if (!fs::is_regular_file(t.answer, failure))
      return t.input + say(": no answer file ", "：沒有答案檔 ") + t.answer;
  if (trials.empty())
    return dir + say(": holds no test", "：沒有測資");
  return {};
}
