// Reading tests for their facts.
#include "setter/coverage/collect.h"

#include "setter/validation/text_file.h"
#include "setter/validation/validation.h"

void collect_facts(const std::vector<std::pair<std::string, std::string>> &tests, std::vector<TestFacts> &facts,
                   std::vector<std::string> &defects, const std::function<void(const std::string &)> &progress) {
  for (const auto &[name, path] : tests) {
    progress(name);
    std::string text;
    if (std::string error = read_text_file(path, text); !error.empty()) {
      defects.push_back(path + ": " + error);
      continue;
    }
    // The checker's own limits: a value beyond the statement's bounds is for the
    // report to show, not a reason to leave the test out.
    const Checked checked = validate_instance(text, path, Bounds());
    if (!checked.reports.empty()) {
      defects.insert(defects.end(), checked.reports.begin(), checked.reports.end());
      continue;
    }
    facts.push_back(facts_of(name, text));
  }
}
