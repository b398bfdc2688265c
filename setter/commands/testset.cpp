// setter testset DIR [--seed S]: the default test set, written whole.
#include <cstdio>
#include <string>

#include "setter/commands/commands.h"
#include "setter/commands/progress.h"
#include "setter/coverage/report.h"
#include "setter/language/language.h"
#include "setter/validation/statement_bounds.h"
#include "setter/testset/writing.h"
#include "setter/testset/subtask_coverage.h"
#include "setter/validation/text_file.h"

namespace {

constexpr char kHelp[] = R"(usage: setter testset DIR [--seed S] [--subtasks FILE] [--model PROGRAM]

Writes a complete test set into DIR (which must not exist, or be empty); the
same arguments give the same bytes:
  DIR/sample/1.*      the example of the problem statement
  DIR/secret/NAME.*   generated tests: every family at N = 4, 7 and 10 and
                      at N = 1000, near ties at N = 1000, and the largest:
                      every number at an end of its bound, dense graphs,
                      stars, union-find chains, a near tie and costs closer
                      than single precision tells
Each test is NAME.in (the instance), NAME.ans (an optimal plan), NAME.total (the
least total) and NAME.desc (the "setter generate" command that made it). Every
test keeps the statement's bounds and passes "setter validate". The folder
appears only when every test is written. Progress shows on standard error when
it is a terminal. Then the coverage report of the set goes to standard output,
as "setter coverage DIR" prints it.

The set keeps its time limit in DIR/time-limit.yaml, which every package
written from it carries: the model solution runs on every test, and the limit
is 5 times its slowest run (CPU time), rounded to whole seconds (halves up), at
least 1, as problemtools derives it. The model is --model PROGRAM, or the one
the build made beside setter (solutions/model), or else its source compiled
with g++ -std=gnu++17 -O2. When no model can run, the set is written without a
time limit, and the command says so; "setter solve DIR" measures it later, and
again whenever the tests change.

With --subtasks FILE, the tests are made for each subtask of the file, one per
line: "POINTS NAME [BOUNDS]", the bounds as setter validate takes them (for
example "10 t-zero --t 0..0"; "40 full" has the statement's own), the points
totalling 100. A subtask with the statement's bounds gets the default tests;
any other gets every family at small sizes and at the largest its bounds allow
(each option brought within them, a family that cannot be left out), tests at
every end of every bound, and stars at the largest size. A test belongs to every
subtask whose bounds it keeps; its .desc names them ("subtasks: ..."), FILE is
kept as DIR/subtasks.txt, and the coverage report follows for each subtask.
Every generated test left out is named, with why. A subtask that no instance
can keep (too few portals to join its islands, say) is refused when FILE is
read, and one left with no test refuses the set; each is named.

Exit status 0 when written, 1 when it cannot be, 2 for a usage error.
)";

} // namespace

int testset_command(int argc, char **argv) {
  std::string dir, seed = "1", subtasks_file, model;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      std::fputs(kHelp, stdout);
      return EXIT_DONE;
    }
    if (arg == "--seed" && i + 1 >= argc) {
      std::fputs("setter testset: --seed needs a value\nsee setter testset --help\n", stderr);
      return EXIT_USAGE;
    }
    if ((arg == "--subtasks" || arg == "--model") && i + 1 >= argc) {
      std::fprintf(stderr, "setter testset: %s needs a value\nsee setter testset --help\n", arg.c_str());
      return EXIT_USAGE;
    }
    if (arg == "--seed")
      seed = argv[++i];
    else if (arg == "--subtasks")
      subtasks_file = argv[++i];
    else if (arg == "--model")
      model = argv[++i];
    else if (!arg.empty() && arg[0] != '-' && dir.empty())
      dir = arg;
    else {
      std::fprintf(stderr, "setter testset: unexpected argument '%s'\nsee setter testset --help\n", argv[i]);
      return EXIT_USAGE;
    }
  }
  if (dir.empty()) {
    std::fputs("setter testset: no DIR given\nsee setter testset --help\n", stderr);
    return EXIT_USAGE;
  }
  std::vector<Subtask> subtasks;
  std::string subtasks_text;
  if (!subtasks_file.empty()) {
    std::string error = read_text_file(subtasks_file, subtasks_text);
    error = error.empty() ? parse_subtasks(subtasks_text, subtasks_file, subtasks) : subtasks_file + ": " + error;
    if (!error.empty()) {
      std::fprintf(stderr, "%s\n", error.c_str());
      return EXIT_DEFECT;
    }
  }
  WrittenSet written;
  const std::string error = write_testset(dir, seed, subtasks, subtasks_text, model, written,
                                          [](const std::string &what) { show_progress(what); });
  end_progress();
  if (!error.empty()) {
    std::fprintf(stderr, "setter testset: %s\n", error.c_str());
    return EXIT_DEFECT;
  }
  std::fprintf(stderr, "%s%s\n", say("wrote ", "已寫入 ").c_str(), dir.c_str());
  if (!written.left_out.empty())
    std::fprintf(stderr, "%s\n",
                 say(counted(static_cast<long long>(written.left_out.size()), "generated test") + " left out:",
                     "有 " + std::to_string(written.left_out.size()) + " 組產生的測資未收入：")
                     .c_str());
  for (const std::string &why : written.left_out)
    std::fprintf(stderr, "  %s\n", why.c_str());
  if (written.time_problem.empty())
    std::fprintf(stderr, "%s\n", time_limit_summary(written.time).c_str());
  else
    std::fprintf(stderr, "%s\n",
                 say("no time limit kept in the set: " + written.time_problem +
                         "; \"setter solve DIR\" measures it once a model runs",
                     "測資集中沒有時限：" + written.time_problem + "；待模範解答可執行後，以「setter solve DIR」量測")
                     .c_str());
  std::fputs((coverage_report(written.facts, statement_bounds()).text + subtask_coverage(written.facts, subtasks)).c_str(),
             stdout);
  return EXIT_DONE;
}
