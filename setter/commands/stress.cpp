// setter stress PROGRAM [options]: small random instances until the program
// fails on one, which is shrunk and kept as a test.
#include <charconv>
#include <cstdio>
#include <string>
#include <vector>

#include "setter/commands/commands.h"
#include "setter/commands/progress.h"
#include "setter/language/language.h"
#include "setter/stress/stress.h"
#include "setter/validation/bounds_options.h"
#include "setter/validation/statement_bounds.h"

namespace {

constexpr char kHelp[] = R"help(usage: setter stress PROGRAM [--seconds S] [--instances K] [--seed N] [--family FAMILY]...
                     [--n LO..HI] [--m LO..HI] [--t LO..HI] [--x LO..HI] [--ec LO..HI] [--er LO..HI]
                     [--decimals D] [--distinct-pairs] [--no-loops]
                     [--time-limit S] [--memory-limit MIB] [-o DIR]

Looks for what no test set lists: runs PROGRAM (an executable, a bare name, or a
source compiled as setter verify compiles it) on small random instances drawn
from every family of "setter generate" (or those --family names), in every
number format: decimals, signs, T across its whole range, one island. Each plan
is judged as the checker judges it, against the least total that "setter solve"
computes. The search stops at the first plan that scores below 1, or the first
run that crashes or passes the time limit, as verify judges runs.

That instance is then shrunk while the program still fails on it: fewer
portals, fewer islands, a smaller T, numbers nearer 0 with fewer digits; each
smaller form a sound test within the bounds. It is written into DIR [stress] as
NAME.in, NAME.total, NAME.ans (an optimal plan) and NAME.desc (how it was
found); adding it to a test set is the setter's choice.

  --seconds S        stop looking after S seconds [60]
  --instances K      stop looking after K instances [no bound]
  --seed N           the instances drawn [1]: the same seed, the same instances
  --family FAMILY    draw from this family (again for more) [every family]
  --n, --m, ...      every instance keeps these bounds, as setter validate takes
                     them [the statement's]
  --time-limit S     CPU seconds per run [1]
  --memory-limit MIB [1024]
  -o DIR             where the test goes [stress]

Progress shows on standard error when it is a terminal. Exit status 1 when a
failing test was found and written, 0 when none was in the time or the
instances given (a summary says how many were tried), 2 for a usage error.
)help";

int usage_error(const std::string &why) {
  std::fprintf(stderr, "setter stress: %s\nsee setter stress --help\n", why.c_str());
  return EXIT_USAGE;
}

bool parse_number(const std::string &text, double &value, double low, double high) {
  auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  return ec == std::errc() && ptr == text.data() + text.size() && value >= low && value <= high;
}

// Parses the command line into o; an empty string, or the usage error.
std::string parse(const std::vector<std::string> &args, StressOptions &o) {
  double value = 0;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string &arg = args[i];
    std::string why;
    if (const BoundOption bound = take_bound_option(args, i, o.bounds, why); bound == BoundOption::taken)
      continue;
    else if (bound == BoundOption::malformed)
      return why;
    const bool has_value = i + 1 < args.size();
    const std::string next = has_value ? args[i + 1] : "";
    if (arg == "--seconds" && has_value && parse_number(next, value, 0.001, 1e6))
      o.seconds = value;
    else if (arg == "--instances" && has_value && parse_number(next, value, 1, 1e12) && value == static_cast<long long>(value))
      o.instances = static_cast<long long>(value);
    else if (arg == "--seed" && has_value)
      o.seed = next;
    else if (arg == "--family" && has_value)
      o.families.push_back(next);
    else if (arg == "--time-limit" && has_value && parse_number(next, value, 0.01, 3600))
      o.limits.time = value;
    else if (arg == "--memory-limit" && has_value && parse_number(next, value, 1, 1 << 20))
      o.limits.memory_kib = static_cast<std::int64_t>(value * 1024);
    else if (arg == "-o" && has_value)
      o.out = next;
    else if (!arg.empty() && arg[0] != '-' && o.program.empty()) {
      o.program = arg;
      continue;
    } else
      return "unexpected or malformed argument '" + arg + "'";
    ++i;
  }
  return o.program.empty() ? "needs PROGRAM" : "";
}

} // namespace

int stress_command(int argc, char **argv) {
  const std::vector<std::string> args(argv, argv + argc);
  for (const std::string &a : args)
    if (a == "--help" || a == "-h") {
      std::fputs(kHelp, stdout);
      return EXIT_DONE;
    }
  StressOptions o;
  o.bounds = statement_bounds();
  o.limits.time = 1;
  if (std::string why = parse(args, o); !why.empty())
    return usage_error(why);
  StressFind find;
  const std::string error = stress(o, find, [](const std::string &what) { show_progress(what); });
  end_progress();
  if (!error.empty()) {
    std::fprintf(stderr, "setter stress: %s\n", error.c_str());
    return EXIT_DEFECT;
  }
  char seconds[32];
  std::snprintf(seconds, sizeof seconds, "%.1f", find.seconds);
  if (!find.found) {
    std::fprintf(stderr, "%s\n",
                 say("setter stress: no failure in " + counted(find.tried, "instance") + " over " + seconds + " s: " +
                         o.program + " scored 1 on every one",
                     "setter stress：" + std::string(seconds) + " 秒內的 " + std::to_string(find.tried) + " 組題目都沒有失敗：" +
                         o.program + " 每組都得 1 分")
                     .c_str());
    return EXIT_DONE;
  }
  std::fprintf(stderr, "%s\n",
               say("setter stress: " + o.program + " fails on instance " + std::to_string(find.tried) + " (after " +
                       seconds + " s): " + find.why + "\nshrunk from N = " + std::to_string(find.n_found) + ", M = " +
                       std::to_string(find.m_found) + " to N = " + std::to_string(find.n_kept) + ", M = " +
                       std::to_string(find.m_kept) + " in " + counted(find.shrink_runs, "run") + "; written as " +
                       find.test + ".in, .total, .ans and .desc",
                   "setter stress：" + o.program + " 在第 " + std::to_string(find.tried) + " 組題目失敗（" + seconds +
                       " 秒後）：" + find.why + "\n已從 N = " + std::to_string(find.n_found) + "、M = " +
                       std::to_string(find.m_found) + " 縮小為 N = " + std::to_string(find.n_kept) + "、M = " +
                       std::to_string(find.m_kept) + "（執行 " + std::to_string(find.shrink_runs) + " 次）；寫入 " +
                       find.test + ".in、.total、.ans 與 .desc")
                   .c_str());
  return EXIT_DEFECT;
}
