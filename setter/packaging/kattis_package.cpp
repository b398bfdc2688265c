// The Kattis package: every file from the test set and from what setter holds.
#include "setter/packaging/kattis_package.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "setter/embedded/embedded.h"
#include "setter/storage/folder.h"
#include "setter/packaging/statement.h"
#include "setter/testset/declared.h"
#include "setter/validation/instance_file.h"

namespace fs = std::filesystem;

namespace {

// A validator as a folder of its single source and a build script, which Kattis
// and DOMjudge run before they call ./run.
std::string build_script(const std::string &source) {
  return "#!/bin/sh\n# Kattis and DOMjudge run this in the program's folder, then call ./run.\n"
         "exec g++ -std=gnu++17 -O2 -ffp-contract=off -o run " +
         source + "\n";
}

std::string yaml_quoted(const std::string &text) {
  std::string out = "'";
  for (char c : text)
    out += c == '\'' ? std::string("''") : std::string(1, c);
  return out + "'";
}

std::string problem_yaml(const ProblemInfo &info, bool scoring) {
  return "name: " + yaml_quoted(info.name) + "\nsource: " + yaml_quoted(info.source) +
         "\nlicense: " + info.license + "\nrights_owner: " + yaml_quoted(info.rights_owner) + "\n" +
         (scoring ? "# Scored by subtasks: each is a test group under data/secret, whose output\n"
                    "# validator flags 'score P' make a plan score P, or 0.3 P when it is the cheapest\n"
                    "# at its own t but not optimal; the group takes the least, the problem the sum.\n"
                    "type: scoring\nvalidation: custom score\ngrading:\n  show_test_data_groups: true\n"
                  : "# The output validator judges the plan; with a scoring problem, add\n"
                    "#   validator_flags: score_multiplier\n"
                    "# and a plan that is the cheapest at its own t, but not optimal, scores 0.3.\n"
                    "validation: custom\n") +
         (info.english ? "# Contestants and judges read the output validator's messages in English.\n"
                         "validator_flags: lang en\n"
                       : "") +
         "limits:\n  memory: " + std::to_string(info.memory_mib) + "\n";
}

// The test groups of a scoring package: the samples count for nothing, the
// secret score is the sum of the subtasks', and each subtask scores its points
// times the least score of its tests (the output validator's 1 or 0.3, or 0),
// by the package's own grader. Every test is judged with the same validator
// flags, so that a test in several groups can be one file, linked from the
// others, and judged once.
bool write_groups(const fs::path &root, const Placement &placement) {
  bool ok = put_file(root / "data" / "testdata.yaml",
                     "# The secret group's score alone counts; every group is judged.\n"
                     "on_reject: continue\ngrader_flags: ignore_sample accept_if_any_accepted\n"
                     "output_validator_flags: score 1\n") &&
            put_file(root / "data" / "sample" / "testdata.yaml", "on_reject: continue\ngrader_flags: first_error\n") &&
            put_file(root / "data" / "secret" / "testdata.yaml",
                     "# A submission earning some subtask is accepted with the points it earns.\n"
                     "on_reject: continue\ngrader_flags: sum accept_if_any_accepted\n") &&
            put_file(root / "graders" / "portal_grader" / "kattis-grader.cpp", embedded("kattis-grader.cpp")) &&
            put_file(root / "graders" / "portal_grader" / "build", build_script("kattis-grader.cpp"), true);
  for (const Subtask &s : placement.subtasks) {
    const std::string points = plain_decimal(s.points);
    ok = ok && put_file(root / "data" / "secret" / s.name / "testdata.yaml",
                        "on_reject: break\ngrading: custom\ngrader_flags: points " + points + "\nrange: 0 " + points +
                            "\ninput_validator_flags: '" + s.options + "'\n");
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

std::string fill(const fs::path &root, const std::vector<TestFiles> &tests, const Placement &placement,
                 const ProblemInfo &info) {
  std::error_code failure;
  const bool scoring = !placement.subtasks.empty();
  const std::string statement = statement_latex(info.name, scoring, placement.subtasks);
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
    return root.string() + ": cannot write the package's files";
  for (std::size_t i = 0; i < tests.size(); ++i) {
    const TestFiles &test = tests[i];
    std::vector<fs::path> folders;
    if (test.folder == "sample" || !scoring)
      folders.push_back(root / "data" / test.folder);
    else // a test in several subtasks is in each of their groups
      for (const std::string &s : placement.members[i])
        folders.push_back(root / "data" / "secret" / s);
    for (const fs::path &folder : folders) {
      fs::create_directories(folder, failure);
      for (const char *extension : {".in", ".ans", ".desc"})
        if ((std::string(extension) != ".desc" || test.has_desc) &&
            !place(test.base + extension, folder / (test.name + extension),
                   folder == folders.front() ? fs::path() : folders.front() / (test.name + extension)))
          return test.base + extension + ": cannot copy into the package";
    }
  }
  return {};
}

} // namespace

std::string kattis_package_ready(const std::string &out) {
  const std::string short_name = fs::path(out).lexically_normal().filename().string();
  if (short_name.empty() || short_name.find_first_not_of("abcdefghijklmnopqrstuvwxyz0123456789") != std::string::npos)
    return out + ": the folder's name is the problem's short name, and must be [a-z0-9]+";
  return {};
}

std::string write_kattis_package(const std::vector<TestFiles> &tests, const Placement &placement, const std::string &out,
                                 const ProblemInfo &info) {
  if (std::string error = kattis_package_ready(out); !error.empty())
    return error;
  return write_folder(out, [&](const fs::path &root) { return fill(root, tests, placement, info); });
}
