// setter verify DIR PROGRAM... [--accepted PROGRAM...] [--wrong PROGRAM...]: the
// setter's own programs over every test, judged as the checker judges.
#include <charconv>
#include <cstdio>
#include <string>
#include <unistd.h>
#include <vector>

#include "setter/commands/commands.h"
#include "setter/commands/progress.h"
#include "setter/language/language.h"
#include "setter/packaging/programs.h"
#include "setter/verification/verify.h"

namespace {

constexpr char kHelp[] = R"(usage: setter verify DIR [PROGRAM...] [--accepted PROGRAM...] [--wrong PROGRAM...]
                     [--time-limit S]

Runs each PROGRAM on every test in DIR (a test set from "setter testset", a
Kattis package, or a CMS task folder): the test's input on standard input, its
output judged as the checker judges it (streamed: any length costs the same
memory). Each run has a wall-time limit (--time-limit, seconds [5]); a program
past it is killed, with every process it started. Progress shows on standard
error; one table goes to standard output: per program, how many tests scored 1,
0.3 and 0, how many runs failed (a crash or a time-out), the slowest run, and
the first test that did not score 1, with why.

Programs after --accepted must score 1 on every test, programs after --wrong
must fall below 1 on at least one, programs before either are only reported.
Exit status 0 when every expectation holds, 1 when one does not (or the test set
itself makes the checker fail), 2 for a usage error (a missing program too).
)";

int usage_error(const std::string &why) {
  std::fprintf(stderr, "setter verify: %s\nsee setter verify --help\n", why.c_str());
  return EXIT_USAGE;
}

bool runnable(const std::string &path) {
  return path.find('/') == std::string::npos ? on_path(path) : access(path.c_str(), X_OK) == 0;
}

} // namespace

int verify_command(int argc, char **argv) {
  std::string dir;
  std::vector<Program> programs;
  Expect expect = Expect::nothing;
  double time_limit = 5;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      std::fputs(kHelp, stdout);
      return EXIT_DONE;
    }
    if (arg == "--accepted" || arg == "--wrong")
      expect = arg == "--accepted" ? Expect::accepted : Expect::wrong;
    else if (arg == "--time-limit") {
      const std::string value = i + 1 < argc ? argv[++i] : "";
      auto [ptr, ec] = std::from_chars(value.data(), value.data() + value.size(), time_limit);
      if (ec != std::errc() || ptr != value.data() + value.size() || !(time_limit > 0 && time_limit <= 3600))
        return usage_error("--time-limit takes seconds, above 0 and at most 3600");
    } else if (arg.empty() || arg[0] == '-')
      return usage_error("unknown option '" + arg + "'");
    else if (dir.empty())
      dir = arg;
    else if (!runnable(arg))
      return usage_error("no program to run at '" + arg + "'");
    else
      programs.push_back({arg, expect});
  }
  if (dir.empty() || programs.empty())
    return usage_error("needs DIR and at least one PROGRAM");
  std::vector<Trial> trials;
  if (std::string error = list_trials(dir, trials); !error.empty()) {
    std::fprintf(stderr, "setter verify: %s\n", error.c_str());
    return EXIT_DEFECT;
  }
  const std::string programs_run = std::to_string(programs.size()), tests_run = std::to_string(trials.size());
  std::fprintf(stderr, "setter verify: %s\n",
               say(counted(static_cast<long long>(programs.size()), "program") + " on " +
                       counted(static_cast<long long>(trials.size()), "test") + " of " + dir,
                   programs_run + " 個程式，" + dir + " 的 " + tests_run + " 組測資")
                   .c_str());
  const std::vector<Tally> tallies =
      verify_programs(programs, trials, time_limit, [](const std::string &what) { show_progress("running " + what); });
  end_progress();
  std::fputs(tally_table(programs, tallies).c_str(), stdout);
  for (const Tally &t : tallies)
    if (!t.met)
      return EXIT_DEFECT;
  return EXIT_DONE;
}
