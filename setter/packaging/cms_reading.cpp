// A CMS task folder's task.yaml and names file, read with a YAML library.
#include "setter/packaging/cms_reading.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <system_error>
#include <yaml-cpp/yaml.h>

#include "setter/language/language.h"

namespace fs = std::filesystem;

namespace {

struct Names {
  std::map<std::string, std::string> tests; // by codename
  std::vector<std::string> groups;          // in task.yaml's order
};

Names read_names(const fs::path &root) {
  Names names;
  std::error_code failure;
  if (!fs::exists(root / kCmsNamesFile, failure))
    return names;
  try { // a names file that cannot be read leaves CMS's own names
    const YAML::Node file = YAML::LoadFile((root / kCmsNamesFile).string());
    for (const auto &test : file["tests"])
      names.tests[test.first.as<std::string>()] = test.second.as<std::string>();
    for (const auto &group : file["groups"])
      names.groups.push_back(group.as<std::string>());
  } catch (const YAML::Exception &) {
    names = {};
  }
  return names;
}

// The codenames a regex of setter's form, ^(?:A|B|...)$, matches; false when it
// is of another form.
bool regex_codenames(const std::string &regex, std::vector<std::string> &codenames) {
  const std::string head = "^(?:", tail = ")$";
  if (regex.size() < head.size() + tail.size() || regex.compare(0, head.size(), head) != 0 ||
      regex.compare(regex.size() - tail.size(), tail.size(), tail) != 0)
    return false;
  const std::string body = regex.substr(head.size(), regex.size() - head.size() - tail.size());
  for (std::size_t at = 0; at <= body.size();) {
    const std::size_t bar = std::min(body.find('|', at), body.size());
    const std::string codename = body.substr(at, bar - at);
    if (codename.empty() || codename.find_first_not_of("0123456789") != std::string::npos)
      return false;
    codenames.push_back(codename);
    at = bar + 1;
  }
  return true;
}

// The codenames of one group of score_type_parameters, as CMS takes them: a
// list of codenames, a count of tests on from next in CMS's order of codenames
// (as strings), or a regex. Sets error when it cannot be read back.
std::vector<std::string> group_tests(const YAML::Node &listed, const std::vector<std::string> &sorted, std::size_t &next,
                                     std::string &error) {
  std::vector<std::string> codenames;
  std::size_t count = 0;
  if (listed.IsSequence()) {
    for (const auto &c : listed)
      codenames.push_back(c.as<std::string>());
  } else if (listed.Tag() != "!" && YAML::convert<std::size_t>::decode(listed, count)) { // a plain number, not quoted
    for (std::size_t i = 0; i < count && next < sorted.size(); ++i)
      codenames.push_back(sorted[next++]);
    if (codenames.size() < count)
      error = say("its groups count more tests than there are", "群組的測資數多於實際測資");
  } else if (!regex_codenames(listed.as<std::string>(), codenames)) {
    error = say("a group's regex '" + listed.as<std::string>() + "' is not of the form setter writes, ^(?:CODENAME|...)$",
                "群組的正規表示式「" + listed.as<std::string>() + "」不是 setter 寫出的形式 ^(?:CODENAME|...)$");
  }
  return codenames;
}

// The groups of task.yaml as subtasks of view, by codename; an empty string, or
// why they cannot be read.
std::string read_groups(const YAML::Node &task, const Names &names, PackageView &view) {
  const std::string type = task["score_type"] ? task["score_type"].as<std::string>() : "";
  if (type.rfind("Group", 0) != 0)
    return {};
  std::vector<std::string> sorted; // CMS orders codenames as strings: "1000" before "101"
  std::map<std::string, std::size_t> trial_of;
  for (std::size_t i = 0; i < view.trials.size(); ++i)
    sorted.push_back(cms_codename(i)), trial_of[cms_codename(i)] = i;
  std::sort(sorted.begin(), sorted.end());
  std::size_t next = 0, number = 0;
  std::vector<GroupScore> groups;
  for (const auto &parameter : task["score_type_parameters"]) {
    std::string error;
    GroupScore g{number < names.groups.size() ? names.groups[number] : "subtask" + std::to_string(number),
                 parameter[0].as<double>(), {}};
    ++number;
    for (const std::string &codename : group_tests(parameter[1], sorted, next, error))
      if (const auto trial = trial_of.find(codename); trial != trial_of.end())
        g.trials.push_back(trial->second);
      else if (error.empty())
        error = say("a group names test " + codename + ", which the folder has not", "群組指名了不存在的測資 " + codename);
    if (!error.empty())
      return error;
    std::sort(g.trials.begin(), g.trials.end(), [](std::size_t a, std::size_t b) {
      return cms_codename(a) < cms_codename(b);
    });
    if (g.points > 0)
      groups.push_back(g);
  }
  if (std::any_of(groups.begin(), groups.end(), [](const GroupScore &g) { return g.trials.size() != 1; }))
    view.subtasks = groups;
  return {};
}

// task.yaml's limits, score precision and groups, when the folder has one.
void read_task(const fs::path &root, PackageView &view, std::vector<std::string> &problems) {
  const std::string task_file = (root / "task.yaml").string();
  std::error_code failure;
  if (!fs::exists(task_file, failure))
    return;
  try {
    const YAML::Node task = YAML::LoadFile(task_file);
    if (task["time_limit"] && (view.time_limit = task["time_limit"].as<double>()) > 0)
      view.time_from = task_file;
    view.memory_mib = task["memory_limit"] ? task["memory_limit"].as<std::int64_t>() : 0;
    view.points_decimals = task["score_precision"] ? task["score_precision"].as<int>() : 0;
    if (const std::size_t declared = task["n_input"] ? task["n_input"].as<std::size_t>() : view.trials.size();
        declared != view.trials.size())
      problems.push_back(task_file + say(": n_input is " + std::to_string(declared) + ", but input/ holds " +
                                             std::to_string(view.trials.size()) + " tests",
                                         "：n_input 為 " + std::to_string(declared) + "，但 input/ 中有 " +
                                             std::to_string(view.trials.size()) + " 組測資"));
    else if (std::string error = read_groups(task, read_names(root), view); !error.empty())
      problems.push_back(task_file + ": " + error);
  } catch (const YAML::Exception &e) {
    problems.push_back(task_file + ": " + e.what());
  }
}

} // namespace

std::string cms_codename(std::size_t index) {
  char text[24];
  std::snprintf(text, sizeof text, "%03zu", index);
  return text;
}

void cms_tests(const std::string &dir, std::vector<TestPaths> &tests) {
  const fs::path root(dir);
  const Names names = read_names(root);
  std::error_code failure;
  for (std::size_t i = 0;; ++i) {
    const std::string index = std::to_string(i), in = (root / "input" / ("input" + index + ".txt")).string();
    if (!fs::is_regular_file(in, failure))
      break;
    const auto named = names.tests.find(cms_codename(i));
    TestPaths t{named != names.tests.end() ? named->second + " [" + cms_codename(i) + "]" : "input" + index, in,
                (root / "output" / ("output" + index + ".txt")).string(), ""};
    t.has_total = fs::is_regular_file(t.total, failure);
    tests.push_back(t);
  }
}

std::vector<std::string> read_cms(const std::string &dir, PackageView &view) {
  const fs::path root(dir);
  view = {};
  view.kind = PackageKind::cms;
  std::vector<TestPaths> tests;
  cms_tests(dir, tests);
  std::vector<std::string> problems;
  for (const TestPaths &t : tests)
    if (!t.has_total)
      problems.push_back(t.instance + say(": no " + t.total + " beside it", "：沒有對應的 " + t.total));
    else
      view.trials.push_back({t.name, t.instance, t.total, AnswerForms::total});
  read_task(root, view, problems);
  std::error_code failure;
  std::vector<std::string> sources;
  for (const auto &entry : fs::directory_iterator(root / "sol", failure))
    if (entry.is_regular_file(failure))
      sources.push_back(entry.path().string());
  std::sort(sources.begin(), sources.end());
  for (const std::string &path : sources)
    view.submissions.push_back({path, "accepted"});
  if (view.trials.empty() && problems.empty())
    problems.push_back(dir + say(": no test under input/", "：input/ 之下沒有測資"));
  return problems;
}
