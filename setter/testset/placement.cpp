// Reading and checking where the tests of a set are placed.
#include "setter/testset/placement.h"

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "setter/coverage/facts.h"
#include "setter/language/language.h"
#include "setter/testset/membership.h"
#include "setter/validation/instance_file.h"
#include "setter/validation/text_file.h"

namespace fs = std::filesystem;

std::string read_placement(const std::string &dir, const std::vector<TestFiles> &tests, Placement &placement) {
  placement = {};
  const std::string file = (fs::path(dir) / "subtasks.txt").string();
  std::error_code failure;
  if (!fs::exists(file, failure))
    return {};
  if (std::string error = read_subtasks(file, placement.subtasks); !error.empty())
    return error;
  for (const TestFiles &test : tests) {
    std::vector<std::string> names;
    std::string desc, line;
    if (test.has_desc && read_text_file(test.base + ".desc", desc).empty()) {
      std::istringstream lines(desc);
      while (std::getline(lines, line))
        if (line.rfind("subtasks:", 0) == 0) {
          std::istringstream words(line.substr(9));
          for (std::string name; words >> name;)
            names.push_back(name);
        }
    }
    for (const std::string &name : names)
      if (std::none_of(placement.subtasks.begin(), placement.subtasks.end(),
                       [&](const Subtask &s) { return s.name == name; }))
        return test.base + ".desc: " + say("places the test in subtask " + name + ", which " + file + " has not",
                                            "把測資放在子任務 " + name + "，但 " + file + " 沒有這個子任務");
    placement.members.push_back(names);
  }
  return {};
}

std::vector<std::string> misplaced(const std::vector<TestFiles> &tests, const Placement &placement) {
  std::vector<std::string> found;
  for (std::size_t i = 0; i < tests.size() && i < placement.members.size(); ++i) {
    if (placement.members[i].empty())
      continue;
    std::string text;
    if (!read_text_file(tests[i].base + ".in", text).empty() || !load_instance_text(text, 1).empty())
      continue; // the test's own check reports it
    const TestFacts facts = facts_of(tests[i].name, text);
    for (const Subtask &s : placement.subtasks)
      if (std::find(placement.members[i].begin(), placement.members[i].end(), s.name) != placement.members[i].end())
        if (const std::string breach = first_breach(facts, s.bounds); !breach.empty())
          found.push_back(tests[i].base + ".in: " + say("placed in subtask " + s.name + ", but ", "放在子任務 " + s.name + "，但 ") +
                          breach);
  }
  return found;
}

std::vector<std::size_t> tests_in(const Placement &placement, const std::string &subtask) {
  std::vector<std::size_t> in;
  for (std::size_t i = 0; i < placement.members.size(); ++i)
    if (std::find(placement.members[i].begin(), placement.members[i].end(), subtask) != placement.members[i].end())
      in.push_back(i);
  return in;
}
