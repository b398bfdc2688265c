// Placing tests by their instances, and holding their .desc to it.
#include "setter/testset/placement.h"

#include <algorithm>
#include <sstream>

#include "setter/coverage/facts.h"
#include "setter/language/language.h"
#include "setter/testset/membership.h"
#include "setter/validation/instance_file.h"
#include "setter/validation/text_file.h"

namespace {

std::string joined(const std::vector<std::string> &names) {
  std::string text;
  for (const std::string &n : names)
    text += (text.empty() ? "" : " ") + n;
  return text.empty() ? say("none", "無") : text;
}

// Why a .desc's subtasks differ from those the test's bounds give it; "" when
// they agree.
std::string disagreement(const std::vector<std::string> &declared, const TestFacts &facts,
                         const std::vector<Subtask> &subtasks) {
  std::vector<std::string> kept;
  for (const Subtask &s : subtasks)
    if (first_breach(facts, s.bounds).empty())
      kept.push_back(s.name);
  for (const std::string &name : declared) {
    const auto s = std::find_if(subtasks.begin(), subtasks.end(), [&](const Subtask &x) { return x.name == name; });
    if (s == subtasks.end())
      return say("its .desc names subtask " + name + ", which the subtask file has not",
                 "其 .desc 指名子任務 " + name + "，但子任務檔中沒有");
    if (const std::string breach = first_breach(facts, s->bounds); !breach.empty())
      return say("its .desc places it in subtask " + name + ", but " + breach,
                 "其 .desc 把它放在子任務 " + name + "，但 " + breach);
  }
  for (const std::string &name : kept)
    if (std::find(declared.begin(), declared.end(), name) == declared.end())
      return say("its .desc names subtasks " + joined(declared) + ", but it keeps the bounds of " + name +
                     " too (its subtasks by its bounds: " + joined(kept) + ")",
                 "其 .desc 指名子任務 " + joined(declared) + "，但它也符合 " + name + " 的範圍（依範圍應屬：" +
                     joined(kept) + "）");
  return {};
}

} // namespace

std::vector<std::string> desc_subtasks(const std::string &desc, bool &declared) {
  std::istringstream lines(desc);
  std::vector<std::string> names;
  declared = false;
  for (std::string line; std::getline(lines, line);)
    if (line.rfind("subtasks:", 0) == 0) {
      declared = true;
      std::istringstream words(line.substr(9));
      for (std::string name; words >> name;)
        names.push_back(name);
    }
  return names;
}

std::vector<std::string> place_tests(const std::vector<SetTest> &tests, const std::vector<Subtask> &subtasks,
                                     Placement &placement, const std::function<void(const std::string &)> &progress) {
  placement = {subtasks, std::vector<std::vector<std::size_t>>(tests.size())};
  std::vector<std::string> problems;
  if (subtasks.empty())
    return problems;
  for (std::size_t i = 0; i < tests.size(); ++i) {
    if (tests[i].folder != "secret")
      continue;
    progress(tests[i].shown());
    std::string text, desc;
    if (!read_text_file(tests[i].base + ".in", text).empty() || !load_instance_text(text, 1).empty()) {
      problems.push_back(tests[i].base + ".in: " + say("does not load, so no subtask can hold it (setter validate tells why)",
                                                        "無法載入，因此無法放入任何子任務（setter validate 會說明原因）"));
      continue;
    }
    const TestFacts facts = bound_facts_of(tests[i].shown(), text);
    for (std::size_t s = 0; s < subtasks.size(); ++s)
      if (first_breach(facts, subtasks[s].bounds).empty())
        placement.members[i].push_back(s);
    bool declared = false;
    const std::vector<std::string> named =
        tests[i].has_desc && read_text_file(tests[i].base + ".desc", desc).empty() ? desc_subtasks(desc, declared)
                                                                                  : std::vector<std::string>();
    if (const std::string why = declared ? disagreement(named, facts, subtasks) : ""; !why.empty())
      problems.push_back(tests[i].base + ".in: " + why);
  }
  for (std::size_t s = 0; s < subtasks.size(); ++s)
    if (tests_in(placement, s).empty())
      problems.push_back(say("subtask " + subtasks[s].name + " holds no test: no secret test keeps its bounds (" +
                                 (subtasks[s].options.empty() ? "the statement's" : subtasks[s].options) + ")",
                             "子任務 " + subtasks[s].name + " 沒有任何測資：沒有秘密測資符合其範圍（" +
                                 (subtasks[s].options.empty() ? "題目的範圍" : subtasks[s].options) + "）"));
  return problems;
}

std::vector<std::size_t> tests_in(const Placement &placement, std::size_t subtask) {
  std::vector<std::size_t> in;
  for (std::size_t i = 0; i < placement.members.size(); ++i)
    if (std::find(placement.members[i].begin(), placement.members[i].end(), subtask) != placement.members[i].end())
      in.push_back(i);
  return in;
}
