// Reading a folder's subtasks in each layout.
#include "setter/verification/subtask_scores.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "setter/testset/subtask_file.h"

namespace fs = std::filesystem;

namespace {

std::string text_of(const fs::path &path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// The subtasks a test's .desc names on its "subtasks:" line.
std::vector<std::string> desc_subtasks(const std::string &desc) {
  std::istringstream lines(desc);
  std::vector<std::string> names;
  for (std::string line; std::getline(lines, line);)
    if (line.rfind("subtasks:", 0) == 0) {
      std::istringstream words(line.substr(9));
      for (std::string name; words >> name;)
        names.push_back(name);
    }
  return names;
}

std::vector<SubtaskScore> of_test_set(const fs::path &root, const std::vector<Trial> &trials) {
  std::vector<Subtask> subtasks;
  if (!read_subtasks((root / "subtasks.txt").string(), subtasks).empty())
    return {};
  std::vector<SubtaskScore> scores;
  for (const Subtask &s : subtasks)
    scores.push_back({s.name, s.points, {}});
  for (std::size_t i = 0; i < trials.size(); ++i) {
    const fs::path desc = fs::path(trials[i].input).replace_extension(".desc");
    for (const std::string &name : desc_subtasks(text_of(desc)))
      for (SubtaskScore &s : scores)
        if (s.name == name)
          s.trials.push_back(i);
  }
  return scores;
}

std::vector<SubtaskScore> of_kattis(const fs::path &root, const std::vector<Trial> &trials) {
  std::vector<SubtaskScore> scores;
  std::error_code failure;
  std::vector<fs::path> groups;
  for (const auto &entry : fs::directory_iterator(root / "data" / "secret", failure))
    if (entry.is_directory(failure))
      groups.push_back(entry.path());
  std::sort(groups.begin(), groups.end());
  for (const fs::path &group : groups) {
    std::smatch m;
    const std::string config = text_of(group / "testdata.yaml");
    static const std::regex points(R"((^|\n)grader_flags: *points +([0-9.]+))");
    SubtaskScore s{group.filename().string(), 0, {}};
    if (std::regex_search(config, m, points))
      s.points = std::stod(m[2]);
    const std::string prefix = "secret/" + s.name + "/";
    for (std::size_t i = 0; i < trials.size(); ++i)
      if (trials[i].name.rfind(prefix, 0) == 0)
        s.trials.push_back(i);
    scores.push_back(s);
  }
  return scores;
}

std::vector<SubtaskScore> of_cms(const fs::path &root, const std::vector<Trial> &trials) {
  const std::string yaml = text_of(root / "task.yaml");
  std::smatch line;
  static const std::regex parameters(R"((^|\n)score_type: *GroupMin\n(?:.*\n)*?score_type_parameters: *(\[.*\]))");
  if (!std::regex_search(yaml, line, parameters))
    return {};
  const std::string groups = line[2];
  static const std::regex group(R"(\[([0-9.]+), \[([^\]]*)\]\])");
  std::vector<SubtaskScore> scores;
  int number = 0;
  for (auto it = std::sregex_iterator(groups.begin(), groups.end(), group); it != std::sregex_iterator(); ++it) {
    SubtaskScore s{"subtask" + std::to_string(number++), std::stod((*it)[1]), {}};
    const std::string names = (*it)[2];
    static const std::regex codename(R"re("([0-9]+)")re");
    for (auto c = std::sregex_iterator(names.begin(), names.end(), codename); c != std::sregex_iterator(); ++c) {
      const std::string trial = "input" + std::to_string(std::stoi((*c)[1]));
      for (std::size_t i = 0; i < trials.size(); ++i)
        if (trials[i].name == trial)
          s.trials.push_back(i);
    }
    if (s.points > 0)
      scores.push_back(s);
  }
  return scores;
}

} // namespace

std::vector<SubtaskScore> subtask_scores(const std::string &dir, const std::vector<Trial> &trials) {
  std::error_code failure;
  const fs::path root(dir);
  if (fs::is_directory(root / "input", failure))
    return of_cms(root, trials);
  if (fs::is_directory(root / "data", failure))
    return of_kattis(root, trials);
  if (fs::exists(root / "subtasks.txt", failure))
    return of_test_set(root, trials);
  return {};
}
