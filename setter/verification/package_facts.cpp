// Reading limits and submissions from a package's files.
#include "setter/verification/package_facts.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

// The number after "key:" at the start of a line of the YAML file at path, or,
// with a block, on a line of the block's entries (indented two spaces below
// "block:"); 0 when there is none.
double yaml_number(const std::string &path, const std::string &block, const std::string &key) {
  std::ifstream in(path);
  std::string line;
  bool inside = block.empty();
  const std::string prefix = (block.empty() ? "" : "  ") + key + ":";
  while (std::getline(in, line)) {
    if (!block.empty() && !line.empty() && line[0] != ' ')
      inside = line == block + ":";
    if (!inside || line.rfind(prefix, 0) != 0)
      continue;
    const std::size_t start = line.find_first_not_of(' ', prefix.size());
    double value = 0;
    if (start != std::string::npos &&
        std::from_chars(line.data() + start, line.data() + line.size(), value).ec == std::errc())
      return value;
  }
  return 0;
}

void add_sources(const fs::path &folder, Expect expect, PackageFacts &facts) {
  std::error_code failure;
  std::vector<std::string> found;
  for (const auto &entry : fs::directory_iterator(folder, failure))
    if (entry.is_regular_file(failure))
      found.push_back(entry.path().string());
  std::sort(found.begin(), found.end());
  for (const std::string &path : found)
    facts.submissions.push_back({path, expect});
}

} // namespace

PackageFacts package_facts(const std::string &dir) {
  PackageFacts facts;
  std::error_code failure;
  const fs::path root(dir);
  if (fs::is_directory(root / "data", failure)) {
    if (std::ifstream limit(root / ".timelimit"); limit >> facts.time_limit)
      facts.time_from = (root / ".timelimit").string();
    facts.memory_mib = static_cast<std::int64_t>(yaml_number((root / "problem.yaml").string(), "limits", "memory"));
    facts.output_mib = static_cast<std::int64_t>(yaml_number((root / "problem.yaml").string(), "limits", "output"));
    for (const auto &[folder, expect] : {std::pair{"accepted", Expect::accepted}, {"wrong_answer", Expect::wrong_answer},
                                         {"time_limit_exceeded", Expect::time_limit},
                                         {"run_time_error", Expect::run_time_error},
                                         {"partially_accepted", Expect::nothing}})
      add_sources(root / "submissions" / folder, expect, facts);
  } else if (fs::is_directory(root / "input", failure)) {
    const std::string task = (root / "task.yaml").string();
    if ((facts.time_limit = yaml_number(task, "", "time_limit")) > 0)
      facts.time_from = task;
    facts.memory_mib = static_cast<std::int64_t>(yaml_number(task, "", "memory_limit"));
    add_sources(root / "sol", Expect::accepted, facts);
  }
  return facts;
}
