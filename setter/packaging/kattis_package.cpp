// The Kattis package: every file from the test set and from what setter holds.
#include "setter/packaging/kattis_package.h"

#include <algorithm>
#include <filesystem>
#include <set>
#include <system_error>
#include <yaml-cpp/yaml.h>

#include "setter/embedded/embedded.h"
#include "setter/language/language.h"
#include "setter/packaging/statement.h"
#include "setter/storage/folder.h"
#include "setter/testset/declared.h"
#include "setter/validation/instance_file.h"
#include "setter/validation/text_file.h"

namespace fs = std::filesystem;

namespace {

// A validator as a folder of its single source and a build script, which Kattis
// and DOMjudge run before they call ./run.
std::string build_script(const std::string &source) {
  return "#!/bin/sh\n# Kattis and DOMjudge run this in the program's folder, then call ./run.\n"
         "exec g++ -std=gnu++17 -O2 -ffp-contract=off -o run " +
         source + "\n";
}

std::string yaml_text(const YAML::Emitter &out) { return std::string(out.c_str()) + "\n"; }

std::string problem_yaml(const ProblemInfo &info, bool scoring) {
  YAML::Emitter out;
  out << YAML::BeginMap << YAML::Key << "name" << YAML::Value << info.name << YAML::Key << "source" << YAML::Value
      << info.source << YAML::Key << "license" << YAML::Value << info.license << YAML::Key << "rights_owner"
      << YAML::Value << info.rights_owner;
  if (scoring)
    out << YAML::Newline << YAML::Comment("Scored by subtasks: each is a test group under data/secret, whose grader\n"
                         "scores its points times the least score of its tests (1, or 0.3 for a plan\n"
                         "that is the cheapest at its own t but not optimal); the problem sums them.")
        << YAML::Key << "type" << YAML::Value << "scoring" << YAML::Key << "validation" << YAML::Value
        << "custom score" << YAML::Key << "grading" << YAML::Value << YAML::BeginMap << YAML::Key
        << "show_test_data_groups" << YAML::Value << true << YAML::EndMap;
  else
    out << YAML::Newline << YAML::Comment("The output validator judges the plan; with a scoring problem, add\n"
                         "validator_flags: score_multiplier, and a plan that is the cheapest at its own t,\n"
                         "but not optimal, scores 0.3.")
        << YAML::Key << "validation" << YAML::Value << "custom";
  if (info.english)
    out << YAML::Key << "validator_flags" << YAML::Value << "lang en";
  out << YAML::Key << "limits" << YAML::Value << YAML::BeginMap << YAML::Key << "memory" << YAML::Value
      << info.memory_mib << YAML::EndMap << YAML::EndMap;
  return yaml_text(out);
}

// A testdata.yaml of keys and values, in order.
std::string testdata_yaml(const std::vector<std::pair<std::string, std::string>> &entries, const std::string &comment) {
  YAML::Emitter out;
  if (!comment.empty())
    out << YAML::Comment(comment);
  out << YAML::BeginMap;
  for (const auto &[key, value] : entries)
    out << YAML::Key << key << YAML::Value << value;
  out << YAML::EndMap;
  return yaml_text(out);
}

// The test groups of a scoring package: the samples count for nothing, the
// secret score is the sum of the subtasks', and each subtask scores its points
// times the least score of its tests (the output validator's 1 or 0.3, or 0),
// by the package's own grader. Every test is judged with the same validator
// flags, so that a test in several groups can be one file, linked from the
// others, and judged once.
bool write_groups(const fs::path &root, const Placement &placement) {
  bool ok = put_file(root / "data" / "testdata.yaml",
                     testdata_yaml({{"on_reject", "continue"},
                                    {"grader_flags", "ignore_sample accept_if_any_accepted"},
                                    {"output_validator_flags", "score 1"}},
                                   "The secret group's score alone counts; every group is judged.")) &&
            put_file(root / "data" / "sample" / "testdata.yaml",
                     testdata_yaml({{"on_reject", "continue"}, {"grader_flags", "first_error"}}, "")) &&
            put_file(root / "data" / "secret" / "testdata.yaml",
                     testdata_yaml({{"on_reject", "continue"}, {"grader_flags", "sum accept_if_any_accepted"}},
                                   "A submission earning some subtask is accepted with the points it earns.")) &&
            put_file(root / "graders" / "portal_grader" / "kattis-grader.cpp", embedded("kattis-grader.cpp")) &&
            put_file(root / "graders" / "portal_grader" / "build", build_script("kattis-grader.cpp"), true);
  const std::vector<Subtask> &subtasks = placement.subtasks;
  for (std::size_t s = 0; ok && s < subtasks.size(); ++s) {
    const std::string points = plain_decimal(subtasks[s].points);
    ok = put_file(root / "data" / "secret" / kattis_group_folder(s, subtasks.size(), subtasks[s].name) / "testdata.yaml",
                  testdata_yaml({{"on_reject", "break"},
                                 {"grading", "custom"},
                                 {"grader_flags", "points " + points},
                                 {"range", "0 " + points},
                                 {"input_validator_flags", subtasks[s].options}},
                                "Subtask " + subtasks[s].name + "."));
  }
  return ok;
}

// Places a test's file into folder: the file itself the first time, then a
// link to that first place, which the verifier judges once for all.
bool place(const std::string &from, const fs::path &to, const fs::path &first) {
  std::error_code failure;
  if (first.empty())
    return fs::copy_file(from, to, failure);
  fs::create_symlink(fs::relative(first, to.parent_path()), to, failure);
  return !failure;
}

// Where a shipped solution goes: its own folder in a pass-fail package; in a
// scoring one, accepted/ for the model, partially_accepted/ for one that
// declares the subtasks it earns, all of them this package's and not every one,
// and none for the rest, whose score no folder states.
fs::path submission_folder(const std::string &name, const std::string &source, const Placement &placement) {
  const fs::path relative = name.substr(10);
  if (placement.subtasks.empty() || name.rfind("solutions/accepted/", 0) == 0)
    return relative;
  bool declared = false;
  const std::vector<std::string> earns = declared_earns(source, declared);
  const bool known = std::all_of(earns.begin(), earns.end(), [&](const std::string &e) {
    return std::any_of(placement.subtasks.begin(), placement.subtasks.end(), [&](const Subtask &s) { return s.name == e; });
  });
  if (!declared || earns.empty() || !known || earns.size() == placement.subtasks.size())
    return {};
  return fs::path("partially_accepted") / relative.filename();
}

// The file name of a test in the package: its path in the set, '-' for '/'.
std::string file_name(const SetTest &test) {
  std::string name = test.name;
  std::replace(name.begin(), name.end(), '/', '-');
  return name;
}

// Why a test's file name will not do for Kattis (its characters, or another
// test's name); an empty string when every name will.
std::string unfit_names(const TestSet &set) {
  std::set<std::string> taken;
  for (const SetTest &t : set.tests) {
    const std::string name = file_name(t);
    const bool fit = !name.empty() && std::isalnum(static_cast<unsigned char>(name.front())) &&
                     std::isalnum(static_cast<unsigned char>(name.back())) &&
                     std::all_of(name.begin(), name.end(), [](char c) {
                       return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '.' || c == '-';
                     });
    if (!fit)
      return t.base + say(".in: Kattis takes test names of letters, digits, '_', '.' and '-', beginning and ending "
                          "with a letter or digit, not '" + name + "'",
                          ".in：Kattis 的測資名稱只能由字母、數字、「_」、「.」與「-」組成，且頭尾須為字母或數字，「" + name +
                              "」不符");
    if (!taken.insert(t.folder + "/" + name).second)
      return t.base + say(".in: its name in the package, " + name + ", is another test's too",
                          ".in：它在題目包中的名稱 " + name + " 與另一組測資相同");
  }
  return {};
}

std::string fill_tests(const fs::path &root, const TestSet &set) {
  std::error_code failure;
  const Placement &placement = set.placement;
  for (std::size_t i = 0; i < set.tests.size(); ++i) {
    const SetTest &test = set.tests[i];
    std::vector<fs::path> folders;
    if (test.folder == "sample" || placement.subtasks.empty())
      folders.push_back(root / "data" / test.folder);
    else // a test in several subtasks is in each of their groups
      for (const std::size_t s : placement.members[i])
        folders.push_back(root / "data" / "secret" /
                          kattis_group_folder(s, placement.subtasks.size(), placement.subtasks[s].name));
    const std::string name = file_name(test);
    for (const fs::path &folder : folders) {
      fs::create_directories(folder, failure);
      for (const char *extension : {".in", ".ans", ".desc"})
        if ((std::string(extension) != ".desc" || test.has_desc) &&
            !place(test.base + extension, folder / (name + extension),
                   folder == folders.front() ? fs::path() : folders.front() / (name + extension)))
          return test.base + extension + say(": cannot copy into the package", "：無法複製到題目包");
    }
  }
  return {};
}

std::string fill(const fs::path &root, const TestSet &set, const ProblemInfo &info) {
  const Placement &placement = set.placement;
  const bool scoring = !placement.subtasks.empty();
  std::string input, plan;
  SampleWalk walk;
  if (!read_text_file(set.tests.front().base + ".in", input).empty() ||
      !read_text_file(set.tests.front().base + ".ans", plan).empty() || !walk_sample(input, plan, walk))
    return set.tests.front().base + say(": cannot read the sample for the statement", "：無法讀取題目敘述要用的範例");
  // Kattis's own class shows the sample after the statement: the explanation is its last section.
  const std::string statement = statement_latex(StatementLanguage::english, info.name, scoring, placement.subtasks) +
                                sample_explanation_latex(StatementLanguage::english, walk, false);
  bool ok = put_file(root / "problem.yaml", problem_yaml(info, scoring)) &&
            put_file(root / ".timelimit", plain_decimal(info.time_limit) + "\n") &&
            put_file(root / "problem_statement" / "problem.en.tex", statement) &&
            put_file(root / "input_validators" / "portal_input" / "input-validator.cpp", embedded("input-validator.cpp")) &&
            put_file(root / "input_validators" / "portal_input" / "build", build_script("input-validator.cpp"), true) &&
            put_file(root / "output_validators" / "portal_validator" / "checker-kattis.cpp", embedded("checker-kattis.cpp")) &&
            put_file(root / "output_validators" / "portal_validator" / "build", build_script("checker-kattis.cpp"), true);
  for (const Embedded *e = kEmbedded; ok && e->name; ++e) // solutions/VERDICT/NAME.cpp
    if (const std::string name = e->name; name.rfind("solutions/", 0) == 0)
      if (const fs::path folder = submission_folder(name, e->text, placement); !folder.empty())
        ok = put_file(root / "submissions" / folder, e->text);
  if (!ok || (scoring && !write_groups(root, placement)))
    return root.string() + say(": cannot write the package's files", "：無法寫入題目包的檔案");
  return fill_tests(root, set);
}

} // namespace

std::string kattis_package_ready(const std::string &out) {
  const std::string short_name = fs::path(out).lexically_normal().filename().string();
  if (short_name.empty() || short_name.find_first_not_of("abcdefghijklmnopqrstuvwxyz0123456789") != std::string::npos)
    return out + say(": the folder's name is the problem's short name, and must be [a-z0-9]+",
                     "：資料夾名稱即題目的短名稱，只能由 [a-z0-9] 組成");
  return {};
}

std::string kattis_group_folder(std::size_t subtask, std::size_t count, const std::string &name) {
  std::string number = std::to_string(subtask + 1);
  const std::size_t width = std::max<std::size_t>(2, std::to_string(count).size());
  return std::string(width - number.size(), '0') + number + "-" + name;
}

std::string write_kattis_package(const TestSet &set, const std::string &out, const ProblemInfo &info) {
  if (std::string error = kattis_package_ready(out); !error.empty())
    return error;
  if (std::string error = unfit_names(set); !error.empty())
    return error;
  return write_folder(out, [&](const fs::path &root) { return fill(root, set, info); });
}
