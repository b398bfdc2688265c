// The Kattis package: every file from the test set and from what setter holds.
#include "setter/packaging/kattis_package.h"

#include <filesystem>
#include <system_error>

#include "setter/packaging/embedded.h"
#include "setter/packaging/folder.h"
#include "setter/packaging/statement.h"
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

std::string problem_yaml(const ProblemInfo &info) {
  return "name: " + yaml_quoted(info.name) + "\nsource: " + yaml_quoted(info.source) +
         "\nlicense: " + info.license + "\nrights_owner: " + yaml_quoted(info.rights_owner) +
         "\n# The output validator judges the plan; with a scoring problem, add\n"
         "#   validator_flags: score_multiplier\n"
         "# and a plan that is the cheapest at its own t, but not optimal, scores 0.3.\n"
         "validation: custom\nlimits:\n  memory: " +
         std::to_string(info.memory_mib) + "\n";
}

std::string fill(const fs::path &root, const std::vector<TestFiles> &tests, const ProblemInfo &info) {
  std::error_code failure;
  const std::string statement = statement_latex(info.name, false);
  bool ok = put_file(root / "problem.yaml", problem_yaml(info)) &&
            put_file(root / ".timelimit", plain_decimal(info.time_limit) + "\n") &&
            put_file(root / "problem_statement" / "problem.en.tex", statement) &&
            put_file(root / "input_validators" / "portal_input" / "input-validator.cpp", embedded("input-validator.cpp")) &&
            put_file(root / "input_validators" / "portal_input" / "build", build_script("input-validator.cpp"), true) &&
            put_file(root / "output_validators" / "portal_validator" / "checker-kattis.cpp", embedded("checker-kattis.cpp")) &&
            put_file(root / "output_validators" / "portal_validator" / "build", build_script("checker-kattis.cpp"), true);
  for (const Embedded *e = kEmbedded; ok && e->name; ++e) // solutions/VERDICT/NAME.cpp
    if (const std::string name = e->name; name.rfind("solutions/", 0) == 0)
      ok = put_file(root / "submissions" / name.substr(10), e->text);
  if (!ok)
    return root.string() + ": cannot write the package's files";
  for (const TestFiles &test : tests) {
    const fs::path folder = root / "data" / test.folder;
    fs::create_directories(folder, failure);
    for (const char *extension : {".in", ".ans", ".desc"})
      if ((std::string(extension) != ".desc" || test.has_desc) &&
          !fs::copy_file(test.base + extension, folder / (test.name + extension), failure))
        return test.base + extension + ": cannot copy into the package";
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

std::string write_kattis_package(const std::vector<TestFiles> &tests, const std::string &out, const ProblemInfo &info) {
  if (std::string error = kattis_package_ready(out); !error.empty())
    return error;
  return write_folder(out, [&](const fs::path &root) { return fill(root, tests, info); });
}
