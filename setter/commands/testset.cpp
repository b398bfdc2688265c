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

constexpr char kHelp[] = R"(usage: setter testset DIR [--seed S] [--subtasks FILE]

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

With --subtasks FILE, the tests are made for each subtask of the file, one per
line: "POINTS NAME [BOUNDS]", the bounds as setter validate takes them (for
example "10 t-zero --t 0..0"; "40 full" has the statement's own), the points
totalling 100. A subtask with the statement's bounds gets the default tests;
any other gets every family at small sizes and at the largest its bounds allow
(each option brought within them, a family that cannot be left out), tests at
every end of every bound, and stars at the largest size. A test belongs to every
subtask whose bounds it keeps; its .desc names them ("subtasks: ..."), FILE is
kept as DIR/subtasks.txt, and the coverage report follows for each subtask.

Exit status 0 when written, 1 when it cannot be, 2 for a usage error.
)";

} // namespace

int testset_command(int argc, char **argv) {
  std::string dir, seed = "1", subtasks_file;
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
    if (arg == "--subtasks" && i + 1 >= argc) {
      std::fputs("setter testset: --subtasks needs a FILE\nsee setter testset --help\n", stderr);
      return EXIT_USAGE;
    }
    if (arg == "--seed")
      seed = argv[++i];
    else if (arg == "--subtasks")
      subtasks_file = argv[++i];
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
  std::vector<TestFacts> facts;
  int left_out = 0;
  const std::string error = write_testset(dir, seed, subtasks, subtasks_text, facts, left_out,
                                          [](const std::string &name) { show_progress("writing " + name); });
  end_progress();
  if (!error.empty()) {
    std::fprintf(stderr, "setter testset: %s\n", error.c_str());
    return EXIT_DEFECT;
  }
  std::fprintf(stderr, "%s%s\n", say("wrote ", "已寫入 ").c_str(), dir.c_str());
  if (left_out > 0)
    std::fprintf(stderr, "%s\n",
                 say(counted(left_out, "generated test") +
                         " left out: a family that cannot meet its subtask's bounds, or an instance made already",
                     "有 " + std::to_string(left_out) + " 組產生的測資未收入：該類型無法符合其子任務的範圍，或已有相同的題目")
                     .c_str());
  std::fputs((coverage_report(facts, statement_bounds()).text + subtask_coverage(facts, subtasks)).c_str(), stdout);
  return EXIT_DONE;
}
