// A Kattis package's files, read with a YAML library as the verifier reads them.
#include "setter/packaging/kattis_reading.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>
#include <yaml-cpp/yaml.h>

#include "setter/language/language.h"

namespace fs = std::filesystem;

namespace {

// The entries of folder in name order, as the verifier lists them.
std::vector<fs::path> entries_of(const fs::path &folder) {
  std::error_code failure;
  std::vector<fs::path> found;
  for (const auto &entry : fs::directory_iterator(folder, failure))
    found.push_back(entry.path());
  std::sort(found.begin(), found.end());
  return found;
}

void tests_below(const fs::path &folder, const std::string &prefix, std::vector<TestPaths> &tests) {
  std::error_code failure;
  for (const fs::path &entry : entries_of(folder)) {
    if (fs::is_directory(entry, failure)) {
      tests_below(entry, prefix + entry.filename().string() + "/", tests);
      continue;
    }
    if (entry.extension() != ".in" || !fs::is_regular_file(entry, failure))
      continue;
    TestPaths t{prefix + entry.stem().string(), entry.string(), "", fs::path(entry).replace_extension(".ans").string()};
    t.has_plan = fs::is_regular_file(t.plan, failure);
    tests.push_back(t);
  }
}

// The points a group's testdata.yaml gives it ("grader_flags: points P"); 0 when
// it gives none.
double group_points(const fs::path &group, std::vector<std::string> &problems) {
  const fs::path file = group / "testdata.yaml";
  try {
    const YAML::Node config = YAML::LoadFile(file.string());
    std::istringstream flags(config["grader_flags"] ? config["grader_flags"].as<std::string>() : "");
    for (std::string flag; flags >> flag;)
      if (double points = 0; flag == "points" && flags >> points)
        return points;
  } catch (const YAML::Exception &e) {
    problems.push_back(file.string() + ": " + e.what());
  }
  return 0;
}

// The subtask a group folder names: "01-t-zero" is t-zero, numbered so that the
// verifier lists groups in the subtask file's order.
std::string subtask_name(const std::string &folder) {
  const std::size_t dash = folder.find('-');
  const bool numbered = dash != std::string::npos && dash > 0 &&
                        folder.find_first_not_of("0123456789") == dash && dash + 1 < folder.size();
  return numbered ? folder.substr(dash + 1) : folder;
}

void read_limits(const fs::path &root, PackageView &view, std::vector<std::string> &problems) {
  if (std::ifstream limit(root / ".timelimit"); limit >> view.time_limit)
    view.time_from = (root / ".timelimit").string();
  std::error_code failure;
  if (!fs::exists(root / "problem.yaml", failure))
    return;
  try {
    const YAML::Node problem = YAML::LoadFile((root / "problem.yaml").string());
    if (problem["type"] && problem["type"].as<std::string>() == "scoring")
      view.kind = PackageKind::kattis_scoring;
    if (const YAML::Node limits = problem["limits"]) {
      view.memory_mib = limits["memory"] ? limits["memory"].as<std::int64_t>() : 0;
      view.output_mib = limits["output"] ? limits["output"].as<std::int64_t>() : 0;
    }
  } catch (const YAML::Exception &e) {
    problems.push_back((root / "problem.yaml").string() + ": " + e.what());
  }
}

} // namespace

void kattis_tests(const std::string &dir, std::vector<TestPaths> &tests) {
  for (const char *folder : {"sample", "secret"})
    tests_below(fs::path(dir) / "data" / folder, std::string(folder) + "/", tests);
}

std::vector<std::string> read_kattis(const std::string &dir, PackageView &view) {
  const fs::path root(dir);
  std::vector<std::string> problems;
  view = {};
  view.kind = PackageKind::kattis;
  read_limits(root, view, problems);
  std::vector<TestPaths> tests;
  kattis_tests(dir, tests);
  for (const TestPaths &t : tests)
    if (!t.has_plan)
      problems.push_back(t.instance + say(": no .ans beside it, so Kattis judges no test here",
                                          "：旁邊沒有 .ans，Kattis 不會把它當成測資"));
    else
      view.trials.push_back({t.name, t.instance, t.plan, AnswerForms::total_or_plan});
  std::error_code failure;
  if (view.kind == PackageKind::kattis_scoring)
    for (const fs::path &group : entries_of(root / "data" / "secret")) {
      if (!fs::is_directory(group, failure))
        continue;
      GroupScore g{subtask_name(group.filename().string()), group_points(group, problems), {}};
      const std::string prefix = "secret/" + group.filename().string() + "/";
      for (std::size_t i = 0; i < view.trials.size(); ++i)
        if (view.trials[i].name.rfind(prefix, 0) == 0)
          g.trials.push_back(i);
      view.subtasks.push_back(g);
    }
  for (const char *folder : {"accepted", "partially_accepted", "wrong_answer", "time_limit_exceeded", "run_time_error"})
    for (const fs::path &program : entries_of(root / "submissions" / folder))
      if (fs::is_regular_file(program, failure))
        view.submissions.push_back({program.string(), folder});
  if (view.trials.empty() && problems.empty())
    problems.push_back(dir + say(": no test under data/", "：data/ 之下沒有測資"));
  return problems;
}
