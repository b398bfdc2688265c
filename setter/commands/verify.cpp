// setter verify DIR [PROGRAM...] [--accepted PROGRAM...] [--wrong PROGRAM...] ...:
// programs run over every test as a judge runs them, each against its expected
// verdict.
#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "setter/commands/commands.h"
#include "setter/commands/progress.h"
#include "setter/language/language.h"
#include "setter/packaging/package_view.h"
#include "setter/testset/declared.h"
#include "setter/testset/time_limit.h"
#include "setter/validation/instance_file.h"
#include "setter/validation/text_file.h"
#include "setter/running/runner.h"
#include "setter/running/work_folder.h"
#include "setter/verification/processes.h"
#include "setter/verification/report.h"
#include "setter/verification/verify.h"

namespace fs = std::filesystem;

namespace {

constexpr char kHelp[] = R"help(usage: setter verify DIR [PROGRAM...] [--accepted PROGRAM...] [--wrong PROGRAM...]
                     [--time-limit-exceeded PROGRAM...] [--run-time-error PROGRAM...]
                     [--earns NAME,NAME... PROGRAM...]
                     [--time-limit S] [--memory-limit MIB] [--output-limit MIB] [--process-limit N]
                     [--all-tests] [--runs]

Runs each PROGRAM on every test in DIR (a test set from "setter testset", a
Kattis package, or a CMS task folder) as a judge's sandbox runs it: the test's
input on standard input, its output into a file, no descriptor but those three,
an environment of PATH and LANG=C alone, a stack as large as the memory limit;
the CPU time and the memory of every process it starts held to the limits
together; once the program has exited, whatever it left running is killed, and
its output is judged as the checker judges it. Each run starts through
setter-run, a small helper beside setter, so that none of verify's memory is
charged to a program; where the system allows (Linux, as root or with user
namespaces) each run has a PID namespace of its own, so that nothing outlives
it even when verify is killed, and control groups for its memory, process
count and CPU time; elsewhere a process group, a subreaper and polling, as the
header line says. With no PROGRAM, DIR's own solutions run: a
Kattis package's submissions/ (each folder's verdict expected of its programs),
or a CMS task folder's sol/ (accepted).

A PROGRAM is an executable; a bare name is looked for in the current folder,
then on the PATH. A source is compiled as judges compile it: .cpp, .cc and .cxx
with g++ -std=gnu++17 -O2, .c with gcc -std=gnu11 -O2; .py runs with python3.

Limits, each from the option, else from DIR (a Kattis package's .timelimit and
problem.yaml, a CMS task.yaml), else its default:
  --time-limit S       CPU seconds per run [5 times the slowest run of the
                       accepted programs, as problemtools derives it, at
                       least 1; 5 when none is expected accepted]
  --memory-limit MIB   peak resident memory, summed over the run's processes [1024]
  --output-limit MIB   bytes written to standard output [8]
  --process-limit N    processes of a run alive at once [64]
A run is killed at twice the time limit (wall clock, or CPU time over its
processes), the margin by which a slow program must pass it, or when its
memory passes the limit. A process that cannot be killed is given up after 2 s
and reported.

Verdicts, as judges name them: accepted (scored 1), 0.3, wrong answer (0), time
limit exceeded, memory limit exceeded, output limit exceeded, run-time error
(with the exit status or the signal), and judge error when the test's own data
makes the checker fail.

Programs after --accepted must be accepted on every test; after --wrong, after
--time-limit-exceeded and after --run-time-error, the first test on which they
are not accepted must give that verdict (a time-out past the margin); programs
before any are only reported. A program expected to fail stops at that first
test, as the Kattis verifier does (--all-tests runs every test). One table goes
to standard output: per program, the runs of each verdict, the slowest run, the
peak memory, and the first test below 1 with why; --runs adds a line per run.
Progress shows on standard error. SIGINT, SIGTERM or SIGHUP end every program
verify started, and all they started, before verify ends.

With subtasks (a test set's subtasks.txt, each secret test in every subtask
whose bounds it keeps; a Kattis scoring package's groups; a CMS task's Group
score type, its tests and groups named by the tests.yaml that setter writes
beside it), every program is scored on each subtask: its points times the
least score of its tests (1, 0.3, or 0 for any other verdict), a test left out
once every subtask it is in has a test rejected; a second table gives the
points per subtask and the total, rounded to the CMS task's score precision
(elsewhere to two decimals). Programs after --earns NAMES must earn in full
exactly the subtasks named (comma-separated; "none" for none), whatever their
verdicts; without --earns, a source's own line "// Earns: NAME..." declares
them. A name that is no subtask's, or a subtask that holds no test, is an
error that names it.

In a Kattis scoring package the submissions/ folders mean what the Kattis
verifier makes of them: each group graded by the package's grader, the secret
group accepted when any group is, and the program's folder (accepted,
partially_accepted, wrong_answer, time_limit_exceeded, run_time_error) held to
that result as the verifier holds it; where the verifier would complain ("TLE
submission got AC (12)"), verify says so under the program's row and fails.

Exit status 0 when every expectation holds, 1 when one does not (or a source
does not compile, or the test set itself makes the checker fail), 2 for a usage
error (a missing program too).
)help";

int usage_error(const std::string &why) {
  std::fprintf(stderr, "setter verify: %s\nsee setter verify --help\n", why.c_str());
  return EXIT_USAGE;
}

bool parse_positive(const std::string &text, double &value, double most) {
  auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  return ec == std::errc() && ptr == text.data() + text.size() && value > 0 && value <= most;
}

std::string seconds(double s) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f s", s);
  return text;
}

struct Named {
  std::string program;
  Expect expect;
  bool declares_earns;
  std::vector<std::string> earns;
};

struct Options {
  std::string dir;
  std::vector<Named> named;
  std::string time, memory, output, processes;
  bool every_test = false, each_run = false;
};

// Parses the command line into options; an empty string, or the usage error.
std::string parse(int argc, char **argv, Options &o) {
  Expect expect = Expect::nothing;
  bool declares_earns = false;
  std::vector<std::string> earns;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    std::string *value = arg == "--time-limit"     ? &o.time
                         : arg == "--memory-limit" ? &o.memory
                         : arg == "--output-limit" ? &o.output
                         : arg == "--process-limit" ? &o.processes
                                                   : nullptr;
    // A verdict or a set of subtasks: each flag states what the programs after it must do.
    if (arg == "--accepted" || arg == "--wrong" || arg == "--wrong-answer" || arg == "--time-limit-exceeded" ||
        arg == "--run-time-error" || arg == "--earns") {
      expect = Expect::nothing;
      declares_earns = false;
    }
    if (arg == "--accepted")
      expect = Expect::accepted;
    else if (arg == "--wrong" || arg == "--wrong-answer")
      expect = Expect::wrong_answer;
    else if (arg == "--time-limit-exceeded")
      expect = Expect::time_limit;
    else if (arg == "--run-time-error")
      expect = Expect::run_time_error;
    else if (arg == "--earns" && i + 1 < argc) {
      declares_earns = true;
      earns.clear();
      std::string names = argv[++i];
      for (std::size_t at = 0; at <= names.size();) {
        const std::size_t comma = std::min(names.find(',', at), names.size());
        if (const std::string name = names.substr(at, comma - at); !name.empty() && name != "none")
          earns.push_back(name);
        at = comma + 1;
      }
    } else if (arg == "--earns")
      return "--earns needs the subtasks, as NAME,NAME or none";
    else if (arg == "--all-tests")
      o.every_test = true;
    else if (arg == "--runs")
      o.each_run = true;
    else if (value && i + 1 < argc)
      *value = argv[++i];
    else if (value)
      return arg + " needs a value";
    else if (arg.empty() || arg[0] == '-')
      return "unknown option '" + arg + "'";
    else if (o.dir.empty())
      o.dir = arg;
    else
      o.named.push_back({arg, expect, declares_earns, earns});
  }
  return {};
}


// Reads dir's tests, subtasks, limits and submissions; false, with every
// problem on standard error, when verify cannot judge by them.
bool read_view(const std::string &dir, PackageView &view) {
  std::vector<std::string> problems = read_package(dir, view);
  for (const GroupScore &g : view.subtasks)
    if (g.trials.empty())
      problems.push_back(say("subtask " + g.name + " holds no test: every program would earn its points",
                             "子任務 " + g.name + " 沒有任何測資：每個程式都會得到它的分數"));
  for (const std::string &p : problems)
    std::fprintf(stderr, "setter verify: %s\n", p.c_str());
  return problems.empty();
}

// The subtask names a program declares that the package has not; "" when it has them all.
std::string unknown_subtasks(const std::vector<std::string> &earns, const PackageView &view) {
  std::string unknown;
  for (const std::string &name : earns)
    if (std::none_of(view.subtasks.begin(), view.subtasks.end(), [&](const GroupScore &g) { return g.name == name; }))
      unknown += (unknown.empty() ? "" : ", ") + name;
  return unknown;
}

std::string known_subtasks(const PackageView &view) {
  std::string names;
  for (const GroupScore &g : view.subtasks)
    names += (names.empty() ? "" : ", ") + g.name;
  return names.empty() ? say("none", "無") : names;
}

// The programs to run, each compiled where it is a source and with what it
// declares it earns; EXIT_DONE, or the status to end with (the reason on
// standard error).
int make_entries(const std::vector<Named> &named, const PackageView &view, const std::string &work,
                 std::vector<Entry> &entries) {
  std::error_code failure;
  for (const Named &n : named) {
    Entry e{{}, n.expect, n.declares_earns, n.earns};
    // A source declares what it earns, when the command line does not.
    if (!e.declares_earns && !view.subtasks.empty() && is_source(n.program)) {
      std::string source;
      if (read_text_file(n.program, source).empty())
        e.earns = declared_earns(source, e.declares_earns);
    }
    if (const std::string unknown = unknown_subtasks(e.earns, view); !unknown.empty()) {
      const std::string why = say(" declares it earns subtask " + unknown + ", which is not one of the subtasks (" +
                                      known_subtasks(view) + ")",
                                  " 宣告會得到子任務 " + unknown + " 的分數，但沒有這個子任務（現有子任務：" +
                                      known_subtasks(view) + "）");
      if (n.declares_earns) // on the command line
        return usage_error("--earns for " + n.program + why);
      std::fprintf(stderr, "setter verify: %s\n", (n.program + why).c_str());
      return EXIT_DEFECT;
    }
    if (std::string error = prepare_program(n.program, work, e.program); !error.empty()) {
      if (!is_source(n.program) || !fs::exists(n.program, failure))
        return usage_error(error);
      std::fprintf(stderr, "setter verify: %s\n", error.c_str());
      return EXIT_DEFECT;
    }
    entries.push_back(e);
  }
  return EXIT_DONE;
}

// The limits the options give, each checked; an empty string, or the usage
// error. time, memory and output are left 0, 1024 and 8 where not given.
std::string parse_limits(const Options &o, Limits &limits, double &time, double &memory, double &output) {
  if (!o.time.empty() && !parse_positive(o.time, time, 3600))
    return "--time-limit takes seconds, above 0 and at most 3600";
  if (!o.memory.empty() && !parse_positive(o.memory, memory, 1 << 20))
    return "--memory-limit takes MiB, above 0";
  if (!o.output.empty() && !parse_positive(o.output, output, 1 << 20))
    return "--output-limit takes MiB, above 0";
  double processes = 64;
  if (!o.processes.empty() && (!parse_positive(o.processes, processes, 1 << 16) || processes != static_cast<int>(processes)))
    return "--process-limit takes a whole number of processes, 1 or more";
  limits.processes = static_cast<int>(processes);
  return {};
}

// As problemtools does: the accepted programs run first, under a provisional
// limit, and the time limit is derived from their slowest run. Their tallies
// go into tallies; returns the limit, and says where it came from.
double time_from_accepted(const std::vector<Entry> &entries, const PackageView &view, const Limits &limits,
                          const std::string &work, bool every_test,
                          const std::function<void(const Entry &, const Trial &, const TrialRun &)> &progress,
                          std::vector<Tally> &tallies, std::string &from) {
  std::vector<Entry> accepted;
  for (const Entry &e : entries)
    if (e.expect == Expect::accepted)
      accepted.push_back(e);
  Limits provisional = limits;
  provisional.time = 60;
  provisional.margin = 1;
  const std::vector<Tally> first = verify_programs(accepted, view, provisional, work, every_test, progress);
  double slowest = 0;
  for (std::size_t i = 0, j = 0; i < entries.size(); ++i)
    if (entries[i].expect == Expect::accepted) {
      slowest = std::max(slowest, first[j].slowest);
      tallies[i] = first[j++];
    }
  from = accepted.empty() ? say("the default", "預設值")
                          : say("5 times the slowest accepted run, " + seconds(slowest),
                                "通過程式最慢一次執行 " + seconds(slowest) + " 的 5 倍");
  return accepted.empty() ? 5 : time_limit_of(slowest);
}

// Processes that cannot be killed are waited for this long, then given up.
constexpr double kGiveUpAfter = 2;

// What holds each run, in words, from the run helper's probe.
std::string isolation_text(const std::string &held) {
  if (held.empty())
    return say("the run helper setter-run cannot be run: no program can run", "無法執行 setter-run：任何程式都無法執行");
  std::string text = held.find("pid-namespace") != std::string::npos
                         ? say("each run in a PID namespace of its own", "每次執行各有自己的 PID 命名空間")
                         : say("no PID namespace here: a process group, a subreaper and polling",
                               "此處沒有 PID 命名空間：以行程群組、subreaper 與輪詢代替");
  const std::size_t groups = held.find("cgroups(");
  text += groups != std::string::npos
              ? say(", control groups for " + held.substr(groups + 8, held.find(')', groups) - groups - 8),
                    "，控制群組：" + held.substr(groups + 8, held.find(')', groups) - groups - 8))
              : say(", no control groups", "，沒有控制群組");
  if (held.find("rlimit-nproc") != std::string::npos)
    text += say(" (processes capped by RLIMIT_NPROC, on top of the user's own)", "（以 RLIMIT_NPROC 限制行程數，另加使用者既有的行程）");
  else if (held.find("pids") == std::string::npos)
    text += say(" (no cap on the number of processes)", "（無法限制行程數）");
  return say("isolation: ", "隔離：") + text;
}

// The header line: what runs on what, under which limits.
std::string header(std::size_t programs, std::size_t tests, const std::string &dir, const Limits &limits,
                   const std::string &time_from) {
  const std::string memory = plain_decimal(static_cast<double>(limits.memory_kib) / 1024),
                    output = plain_decimal(static_cast<double>(limits.output_bytes) / (1 << 20));
  return say(counted(static_cast<long long>(programs), "program") + " on " + counted(static_cast<long long>(tests), "test") +
                 " of " + dir + "; time limit " + plain_decimal(limits.time) + " s (" + time_from + "), memory " +
                 memory + " MiB, output " + output + " MiB",
             std::to_string(programs) + " 個程式，" + dir + " 的 " + std::to_string(tests) + " 組測資；時限 " +
                 plain_decimal(limits.time) + " 秒（" + time_from + "），記憶體 " + memory + " MiB，輸出 " + output + " MiB");
}

} // namespace

int verify_command(int argc, char **argv) {
  for (int i = 1; i < argc; ++i)
    if (std::string(argv[i]) == "--help" || std::string(argv[i]) == "-h") {
      std::fputs(kHelp, stdout);
      return EXIT_DONE;
    }
  Options o;
  if (std::string error = parse(argc, argv, o); !error.empty())
    return usage_error(error);
  std::error_code failure;
  if (o.dir.empty())
    return usage_error("needs DIR, the tests, then the programs");
  if (!fs::is_directory(o.dir, failure))
    return usage_error("DIR comes first, and '" + o.dir + "' is not a folder of tests: setter verify DIR [PROGRAM...]");
  Limits limits;
  double time = 0, memory = 1024, output = 8;
  if (std::string error = parse_limits(o, limits, time, memory, output); !error.empty())
    return usage_error(error);

  PackageView view;
  if (!read_view(o.dir, view))
    return EXIT_DEFECT;
  if (o.named.empty())
    for (const Submission &s : view.submissions)
      o.named.push_back({s.path, expect_of_folder(s.folder), false, {}});
  if (o.named.empty())
    return usage_error("no PROGRAM given, and " + o.dir + " holds no submissions/ (a Kattis package) or sol/ (a CMS task folder)");
  std::string time_from = o.time.empty() ? view.time_from : "--time-limit";
  if (o.time.empty())
    time = view.time_limit;
  limits.memory_kib = static_cast<std::int64_t>((o.memory.empty() && view.memory_mib > 0 ? view.memory_mib : memory) * 1024);
  limits.output_bytes = static_cast<std::int64_t>((o.output.empty() && view.output_mib > 0 ? view.output_mib : output) * (1 << 20));

  own_descendants();
  std::string why;
  WorkFolder folder = make_work_folder("setter_verify", why);
  if (folder.path.empty()) {
    std::fprintf(stderr, "setter verify: %s\n", why.c_str());
    return EXIT_DEFECT;
  }
  const std::string work = folder.path;
  // The one way out once programs may run: whatever escaped a run is ended, the
  // janitor removes the work folder, and an interrupt ends verify as it would have.
  const auto finish = [&](int status) {
    end_descendants(folder.janitor, kGiveUpAfter);
    end_work_folder(folder);
    if (const int signal = interruption())
      end_as_interrupted(signal);
    return status;
  };
  std::vector<Entry> entries;
  if (const int status = make_entries(o.named, view, work, entries); status != EXIT_DONE)
    return finish(status);

  const auto progress = [&](const Entry &e, const Trial &t, const TrialRun &run) {
    show_progress("ran " + e.program.shown + " on " + t.name);
    if (o.each_run) {
      end_progress();
      std::fputs(run_line(e, t, run).c_str(), stdout);
    }
  };
  std::vector<Tally> tallies(entries.size());
  if (time <= 0)
    time = time_from_accepted(entries, view, limits, work, o.every_test, progress, tallies, time_from);
  limits.time = time;
  std::fprintf(stderr, "setter verify: %s\n", header(entries.size(), view.trials.size(), o.dir, limits, time_from).c_str());
  std::fprintf(stderr, "setter verify: %s\n", isolation_text(run_isolation()).c_str());
  for (std::size_t i = 0; i < entries.size() && !interruption(); ++i)
    if (tallies[i].runs == 0)
      tallies[i] = verify_programs({entries[i]}, view, limits, work, o.every_test, progress).front();
  end_progress();
  if (interruption())
    return finish(EXIT_DEFECT);
  std::fputs(tally_table(entries, tallies, view).c_str(), stdout);
  for (const Tally &t : tallies)
    if (!t.met)
      return finish(EXIT_DEFECT);
  return finish(EXIT_DONE);
}
