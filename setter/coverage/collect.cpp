// Reading a folder's tests for their facts.
#include "setter/coverage/collect.h"

#include "setter/packaging/testset_files.h"
#include "setter/validation/text_file.h"
#include "setter/validation/validation.h"

std::string collect_facts(const std::string &dir, std::vector<TestFacts> &facts, std::vector<std::string> &defects,
                          const std::function<void(const std::string &)> &progress) {
  std::vector<Trial> trials;
  if (std::string error = list_trials(dir, trials); !error.empty())
    return error;
  for (const Trial &trial : trials) {
    progress(trial.name);
    std::string text;
    if (std::string error = read_text_file(trial.input, text); !error.empty()) {
      defects.push_back(trial.input + ": " + error);
      continue;
    }
    // The checker's own limits: a value beyond the statement's bounds is for the
    // report to show, not a reason to leave the test out.
    const Checked checked = validate_instance(text, trial.input, Bounds());
    if (!checked.reports.empty()) {
      defects.insert(defects.end(), checked.reports.begin(), checked.reports.end());
      continue;
    }
    facts.push_back(facts_of(trial.name, text));
  }
  return {};
}
