// Telling the layouts apart, and listing the tests of each.
#include "setter/packaging/layouts.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "setter/language/language.h"
#include "setter/packaging/cms_reading.h"
#include "setter/packaging/kattis_reading.h"
#include "setter/testset/listing.h"

namespace fs = std::filesystem;

void tests_of_folder(const std::string &folder, const std::string &prefix, std::vector<TestPaths> &tests) {
  std::error_code failure;
  std::vector<TestPaths> found;
  for (const auto &entry : fs::directory_iterator(folder, failure)) {
    if (entry.path().extension() != ".in" || !entry.is_regular_file(failure))
      continue;
    const std::string base = (entry.path().parent_path() / entry.path().stem()).string();
    TestPaths t{prefix + entry.path().stem().string(), entry.path().string(), base + ".total", base + ".ans"};
    t.has_total = fs::is_regular_file(t.total, failure);
    t.has_plan = fs::is_regular_file(t.plan, failure);
    found.push_back(t);
  }
  std::sort(found.begin(), found.end(), [](const TestPaths &a, const TestPaths &b) { return a.name < b.name; });
  tests.insert(tests.end(), found.begin(), found.end());
}

std::string find_tests(const std::string &dir, std::vector<TestPaths> &tests) {
  tests.clear();
  std::error_code failure;
  const fs::path root(dir);
  if (fs::is_directory(root / "input", failure)) {
    cms_tests(dir, tests);
  } else if (fs::is_directory(root / "data", failure)) {
    kattis_tests(dir, tests);
  } else if (fs::is_directory(root / "sample", failure) || fs::is_directory(root / "secret", failure)) {
    std::vector<SetTest> listed;
    if (std::string error = list_set_tests(dir, listed); !error.empty())
      return error;
    for (const SetTest &t : listed)
      tests.push_back({t.shown(), t.base + ".in", t.base + ".total", t.base + ".ans", t.has_total, t.has_plan});
  } else {
    tests_of_folder(dir, "", tests);
  }
  if (tests.empty())
    return dir + ": " + say("no tests in the folder: no NAME.in, no sample/ or secret/, no Kattis data/, no CMS input/",
                            "資料夾中沒有測資：沒有 NAME.in、sample/ 或 secret/、Kattis 的 data/ 或 CMS 的 input/");
  return {};
}
