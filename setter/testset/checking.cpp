// Every test of a set checked with its answer files.
#include "setter/testset/checking.h"

#include "setter/language/language.h"
#include "setter/validation/statement_bounds.h"
#include "setter/validation/test_check.h"

std::vector<std::string> check_set_tests(const std::vector<SetTest> &tests,
                                         const std::function<void(const std::string &)> &progress) {
  std::vector<std::string> broken;
  for (const SetTest &test : tests) {
    progress(test.shown());
    if (!test.has_plan) {
      broken.push_back(test.base + ".in: " + say("no answer file " + test.base + ".ans beside it (setter solve DIR writes it)",
                                                  "旁邊沒有答案檔 " + test.base + ".ans（setter solve DIR 會寫出它）"));
      continue;
    }
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
