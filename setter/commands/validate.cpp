// setter validate INSTANCE [ANSWER] [bounds]: every defect of a test's files, each
// at its line and column.
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "setter/commands/commands.h"
#include "setter/language/language.h"
#include "setter/validation/statement_bounds.h"
#include "setter/packaging/layouts.h"
#include "setter/validation/bounds_options.h"
#include "setter/validation/test_check.h"
#include "setter/validation/text_file.h"
#include "setter/validation/validation.h"

namespace fs = std::filesystem;

namespace {

constexpr char kHelp[] = R"(usage: setter validate INSTANCE [ANSWER] | DIR  [--n LO..HI] [--m LO..HI] [--t LO..HI]
                       [--x LO..HI] [--ec LO..HI] [--er LO..HI] [--decimals D]
                       [--distinct-pairs] [--no-loops] [--checker-limits]

Checks one test before a contest and reports every defect found on standard
error, one per line in file order, as FILE:LINE:COLUMN: message, in English or
Traditional Chinese (--lang en|zh-TW, else the locale: see setter --help). Exit
status 0 when the test is sound, 1 when it is not, 2 for a usage error.

INSTANCE must load as the checker loads it, admit an optimal plan (T >= 0,
N >= 1, portals joining every island, and at t = 0 and t = T the same least
total when only the portals a plan can name are kept), and keep the canonical
layout: a first line "N M T X", then M lines "es et ec er"; one space between
fields; lines ended by "\n" alone, the last one too; nothing after the last
record; integers without "+", leading zeros or "-0"; reals in plain decimal
notation (an optional "-", digits, and an optional point between digits).

ANSWER must hold one such real and a newline, equal within the checker's
tolerance to the least total over t in 0..T; or be an optimal plan, as the
Kattis and testlib front-ends take it, in the layout "setter solve --plan"
writes: a first line "t k", then k lines "u v".

With a folder DIR, every test in it is validated with each of its answers:
a folder of NAME.in with NAME.total and NAME.ans, a test set (sample/ and
secret/ of the same), a Kattis package (data/sample and data/secret, NAME.ans)
or a CMS task folder (input/inputI.txt, output/outputI.txt). One line for each
test with defects (how many, and the first), then "N sound, M with defects".
Several files on the command line are refused, never taken for an answer.
Either file may be "-", standard input.

Each file is read whole, up to 64 MiB (four times the largest instance in the
canonical layout); a folder, a file that cannot be read, or one larger than that
(an endless device too: reading stops at the bound) is one report "FILE: why".
A file that another program cuts short while it is read ends the run with one
line "FILE: changed while it was read" and exit status 1.

Bounds, inclusive (integers for --n, --m and --t, reals for the others); by
default the statement's, which the package's input validator enforces:
  --n 1..262144   --m 0..262144   --t 0..1000000   --x -1000000..1000000
  --ec -1000000..1000000   --er -1000..1000   --decimals 6
--checker-limits takes the checker's capacities instead (--t 0..2147483647,
--x, --ec and --er any finite, any number of decimals), for instances beyond
the statement; the bounds given with it narrow them.
--decimals D allows at most D digits after the point of X, ec and er.
--distinct-pairs forbids two portals joining one pair of islands, and
--no-loops a portal whose two ends are one island [both allowed].
)";

constexpr std::size_t kMostReports = 100;

int usage_error(const std::string &why) {
  std::fprintf(stderr, "setter validate: %s\nsee setter validate --help\n", why.c_str());
  return EXIT_USAGE;
}

void print(const std::vector<std::string> &reports) {
  for (std::size_t i = 0; i < reports.size() && i < kMostReports; ++i)
    std::fprintf(stderr, "%s\n", reports[i].c_str());
  if (reports.size() > kMostReports)
    std::fprintf(stderr, "%s\n", say(counted(static_cast<long long>(reports.size() - kMostReports), "more defect") + " not listed",
                                     "還有 " + std::to_string(reports.size() - kMostReports) + " 個缺陷未列出")
                                     .c_str());
}

// Every test of dir with its answers: one line for each test with defects, and
// a count of both kinds.
int validate_folder(const std::string &dir, const Bounds &bounds) {
  std::vector<TestPaths> tests;
  if (const std::string error = find_tests(dir, tests); !error.empty()) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return EXIT_DEFECT;
  }
  int sound = 0, defective = 0;
  for (const TestPaths &test : tests) {
    std::vector<std::string> answers;
    if (test.has_total)
      answers.push_back(test.total);
    if (test.has_plan)
      answers.push_back(test.plan);
    const std::vector<std::string> reports = check_test(test.instance, answers, bounds);
    if (reports.empty()) {
      ++sound;
      continue;
    }
    ++defective;
    const std::string count = std::to_string(reports.size());
    std::fprintf(stderr, "%s: %s%s\n", test.instance.c_str(),
                 say(count + (reports.size() == 1 ? " defect: " : " defects, the first: "),
                     count + " 個缺陷，第一個：")
                     .c_str(),
                 reports.front().c_str());
  }
  std::fprintf(stderr, "%s\n", say(std::to_string(sound) + " sound, " + std::to_string(defective) + " with defects",
                                   std::to_string(sound) + " 個健全，" + std::to_string(defective) + " 個有缺陷")
                                   .c_str());
  return defective == 0 ? EXIT_DONE : EXIT_DEFECT;
}

} // namespace

int validate_command(int argc, char **argv) {
  const std::vector<std::string> args(argv, argv + argc);
  std::vector<const char *> files;
  Bounds bounds = statement_bounds();
  for (int i = 1; i < argc; ++i) // the checker's limits first, so that the bounds given later narrow them
    if (std::string(argv[i]) == "--checker-limits")
      bounds = Bounds();
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      std::fputs(kHelp, stdout);
      return EXIT_DONE;
    }
    if (arg == "--checker-limits")
      continue;
    std::size_t at = static_cast<std::size_t>(i);
    std::string why;
    const BoundOption option = take_bound_option(args, at, bounds, why);
    if (option == BoundOption::malformed) {
      std::fprintf(stderr, "setter validate: %s\n", why.c_str());
      return EXIT_USAGE;
    }
    const bool taken = option == BoundOption::taken;
    i = static_cast<int>(at);
    if (!taken && (arg.empty() || arg[0] != '-' || arg == "-"))
      files.push_back(argv[i]);
    else if (!taken) {
      std::fprintf(stderr, "setter validate: unexpected argument '%s'\nsee setter validate --help\n", argv[i]);
      return EXIT_USAGE;
    }
  }
  if (files.empty()) {
    std::fputs("setter validate: no INSTANCE given\nsee setter validate --help\n", stderr);
    return EXIT_USAGE;
  }

  std::error_code failure;
  if (files.size() == 1 && fs::is_directory(files[0], failure))
    return validate_folder(files[0], bounds);
  if (files.size() > 2)
    return usage_error(std::to_string(files.size()) + " files given: validate takes one test, INSTANCE [ANSWER], "
                                                      "or one folder of tests");
  if (files.size() == 2 && fs::path(files[1]).extension() == ".in")
    return usage_error(std::string("'") + files[1] + "' looks like another instance, not an answer: validate takes "
                                                     "one test, INSTANCE [ANSWER], or one folder of tests");
  std::vector<std::string> answers;
  if (files.size() > 1)
    answers.push_back(files[1]);
  const std::vector<std::string> reports = check_test(files[0], answers, bounds);
  print(reports);
  return reports.empty() ? EXIT_DONE : EXIT_DEFECT;
}
