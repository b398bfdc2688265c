// setter package FORMAT DIR OUT: a judge's problem package from a test set.
#include <cstdio>
#include <string>
#include <vector>

#include "setter/commands/commands.h"
#include "setter/packaging/kattis_package.h"
#include "setter/packaging/testset_files.h"

namespace {

constexpr char kHelp[] = R"(usage: setter package kattis DIR OUT [--name NAME] [--source TEXT]
                       [--license LICENSE] [--rights-owner TEXT]

Writes a judge's problem package from the test set in DIR (as "setter testset"
writes it) into the folder OUT, which must not exist, or be empty. Every test is
checked first: its instance keeps the statement's bounds and layout, its .ans
plan is optimal and its .total is the least total. The folder appears only when
it is whole. Progress goes to standard error.

kattis: a Kattis problem package in the legacy format; OUT's last folder is the
  problem's short name, [a-z0-9]+. It holds problem.yaml (validation: custom),
  the statement (problem_statement/problem.en.tex), data/sample and data/secret
  (.in, .ans: an optimal plan, .desc), the input validator and the output
  validator as single C++ sources with build scripts, and the shipped solutions
  under submissions/accepted and submissions/wrong_answer. Check it with
  problemtools' verifyproblem.
    --name NAME          the problem's name [Portal Plan]
    --source TEXT        where it comes from [Portal Plan problem setters]
    --license LICENSE    problem.yaml's licence, e.g. cc0, cc by [cc by-sa]
    --rights-owner TEXT  who holds the rights [Portal Plan problem setters]

Exit status 0 when written, 1 when a test is broken or the folder cannot be
written, 2 for a usage error.
)";

int usage_error(const std::string &why) {
  std::fprintf(stderr, "setter package: %s\nsee setter package --help\n", why.c_str());
  return EXIT_USAGE;
}

} // namespace

int package_command(int argc, char **argv) {
  std::vector<std::string> positional;
  ProblemInfo info;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      std::fputs(kHelp, stdout);
      return EXIT_DONE;
    }
    std::string *value = arg == "--name"           ? &info.name
                         : arg == "--source"       ? &info.source
                         : arg == "--license"      ? &info.license
                         : arg == "--rights-owner" ? &info.rights_owner
                                                   : nullptr;
    if (value && i + 1 < argc)
      *value = argv[++i];
    else if (!value && !arg.empty() && arg[0] != '-' && positional.size() < 3)
      positional.push_back(arg);
    else
      return usage_error("unexpected argument '" + arg + "'");
  }
  if (positional.size() < 3)
    return usage_error("needs FORMAT, DIR and OUT");
  if (positional[0] != "kattis")
    return usage_error("unknown format '" + positional[0] + "' (known: kattis)");
  std::vector<TestFiles> tests;
  std::string error = list_testset(positional[1], tests);
  if (error.empty())
    error = check_testset(tests, [](const std::string &name) { std::fprintf(stderr, "\rchecking %-40s", name.c_str()); });
  std::fputs("\n", stderr);
  if (error.empty())
    error = write_kattis_package(tests, positional[2], info);
  if (!error.empty()) {
    std::fprintf(stderr, "setter package: %s\n", error.c_str());
    return EXIT_DEFECT;
  }
  std::fprintf(stderr, "wrote %s: %zu tests\n", positional[2].c_str(), tests.size());
  return EXIT_DONE;
}
