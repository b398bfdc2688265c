// setter coverage DIR: how far the tests in DIR reach into the statement's bounds,
// and the shapes they hold.
#include <cstdio>
#include <string>
#include <vector>

#include "setter/commands/commands.h"
#include "setter/commands/progress.h"
#include "setter/coverage/collect.h"
#include "setter/coverage/report.h"
#include "setter/packaging/layouts.h"
#include "setter/validation/statement_bounds.h"

namespace {

constexpr char kHelp[] = R"(usage: setter coverage DIR

Reports how far the tests in DIR (a test set from "setter testset", a Kattis
package or a CMS task folder) reach into the statement's bounds, on standard
output:
  for N, M, T, X, the costs c, the rates r and the digits after the point: the
  smallest and the largest value over the tests and the test that holds it, and
  whether each end of the bound is reached; every end that no test reaches is
  named, with why it cannot be where the other bounds rule it out;
  the shapes: the largest M/N, the highest island degree, pairs of islands
  joined several times, loops, and the union-find chains that Kruskal builds
  without path compression or union by size (for each way of linking two roots:
  the longest parent chain and the most links its finds walk in one test).
A test that does not load is reported on standard error and left out.

Exit status 0 when every test loads, 1 when one does not or DIR holds no tests,
2 for a usage error.
)";

} // namespace

int coverage_command(int argc, char **argv) {
  std::string dir;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      std::fputs(kHelp, stdout);
      return EXIT_DONE;
    }
    if (!arg.empty() && arg[0] != '-' && dir.empty())
      dir = arg;
    else {
      std::fprintf(stderr, "setter coverage: unexpected argument '%s'\nsee setter coverage --help\n", argv[i]);
      return EXIT_USAGE;
    }
  }
  if (dir.empty()) {
    std::fputs("setter coverage: no DIR given\nsee setter coverage --help\n", stderr);
    return EXIT_USAGE;
  }
  std::vector<TestPaths> found;
  if (const std::string error = find_tests(dir, found); !error.empty()) {
    std::fprintf(stderr, "setter coverage: %s\n", error.c_str());
    return EXIT_DEFECT;
  }
  std::vector<std::pair<std::string, std::string>> tests;
  for (const TestPaths &t : found)
    tests.emplace_back(t.name, t.instance);
  std::vector<TestFacts> facts;
  std::vector<std::string> defects;
  collect_facts(tests, facts, defects, [](const std::string &name) { show_progress("reading " + name); });
  end_progress();
  for (const std::string &d : defects)
    std::fprintf(stderr, "%s\n", d.c_str());
  std::fputs(coverage_report(facts, statement_bounds()).text.c_str(), stdout);
  return defects.empty() ? EXIT_DONE : EXIT_DEFECT;
}
