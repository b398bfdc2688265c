// Coverage, one subtask at a time.
#include "setter/testset/subtask_coverage.h"

#include "setter/coverage/report.h"
#include "setter/language/language.h"
#include "setter/testset/membership.h"
#include "setter/validation/instance_file.h"

std::string subtask_coverage(const std::vector<TestFacts> &tests, const std::vector<Subtask> &subtasks) {
  std::string text;
  for (const Subtask &s : subtasks) {
    std::vector<TestFacts> members;
    for (const TestFacts &f : tests)
      if (f.name.rfind("sample/", 0) != 0 && first_breach(f, s.bounds).empty())
        members.push_back(f);
    const std::string options = s.options.empty() ? say("the statement's bounds", "題目的範圍") : s.options;
    text += say("\nSubtask " + s.name + " (" + plain_decimal(s.points) + " points; " + options + "): ",
                "\n子任務 " + s.name + "（" + plain_decimal(s.points) + " 分；" + options + "）：") +
            coverage_report(members, s.bounds).text;
  }
  return text;
}
