// setter solve INSTANCE [--plan FILE]: the answer file's number, and optionally an
// optimal plan, for one instance.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "files/output_file.h"
#include "graph/mst.h"
#include "judge/approx.h"
#include "instance/tables.h"
#include "setter/commands/commands.h"
#include "setter/commands/progress.h"
#include "setter/language/language.h"
#include "setter/validation/instance_file.h"
#include "setter/validation/solution.h"
#include "setter/validation/soundness.h"
#include "setter/packaging/layouts.h"
#include "setter/testset/test_set.h"
#include "setter/validation/text_file.h"

namespace fs = std::filesystem;

namespace {

constexpr char kHelp[] = R"(usage: setter solve INSTANCE [--plan FILE] [--at T]
       setter solve DIR [--model PROGRAM]

Writes the least total that any plan reaches over t in 0..T, computed as the
checker computes totals, as one line that reads back to the same double:
    setter solve data/07.in > data/07.ans
With --plan FILE, also writes an optimal plan to FILE; the checker scores it
1.000000 against that answer. INSTANCE "-" is standard input.

With --at T, the same for the one t given: the least total at that t and,
with --plan, a cheapest plan at it, which the checker scores 0.3 when that t is
not the best (a test plan for the partial score, without editing the instance).

With a folder DIR, every test in it that lacks an answer file gets it: in a
folder of NAME.in or a test set (sample/, secret/), NAME.total (the least
total) and NAME.ans (an optimal plan); in a Kattis package, NAME.ans; in a CMS
task folder, output/outputI.txt. A summary closes the run.

A test set is then read whole: every .in under sample/ and secret/ is a test,
and with subtasks (DIR/subtasks.txt) each secret test belongs to every subtask
whose bounds its instance keeps. A test whose .desc names no subtasks (one made
by hand) is listed with the subtasks it is placed in; a .desc that names others,
or a subtask left with no test, is reported. Its time limit is measured again
when its tests have changed since it was (or never was): the model solution
(--model PROGRAM, else the one the build made beside setter, else its source
compiled with g++) runs on every test, and DIR/time-limit.yaml keeps 5 times its
slowest run, rounded to whole seconds, at least 1.

A file is read whole, up to 64 MiB (four times the largest instance in the
canonical layout); a folder, a file that cannot be read, or one larger than that
(an endless device too: reading stops at the bound) is refused with one line
"INSTANCE: why" and exit status 1; so is a file that another program cuts short
while it is read ("INSTANCE: changed while it was read").

Exit status 0 when solved. 1 when the instance is broken or no plan can be
optimal (T < 0, N < 1, islands that no portals join, or a pair of islands joined
by several portals where the one a plan can name changes the least total at
t = 0 or t = T); nothing is written to standard output then, and one line
"INSTANCE:LINE:COLUMN: why" to standard error, the first defect in the file, in
English or Traditional Chinese (--lang en|zh-TW, else the locale: see setter
--help). 2 for a usage error.
)";

// Loads the instance in text and checks that a plan can be optimal; false, with
// one located line on standard error, when not.
bool solvable(const std::string &name, std::string_view text, Soundness &s) {
  if (const std::vector<Defect> first = load_instance_text(text, 1); !first.empty()) {
    std::fprintf(stderr, "%s\n", report_at(name, text, first[0].offset, first[0].what).c_str());
    return false;
  }
  s = check_soundness();
  if (!s.flaws.empty()) {
    const Flaw &first = s.flaws.front();
    std::fprintf(stderr, "%s\n", report_at_token(name, text, first.token, first.what).c_str());
    return false;
  }
  return true;
}

// Reports where the tests of the set at dir belong, and measures its time limit
// again when its tests have changed; false when the set cannot be placed or
// timed.
bool settle_set(const std::string &dir, const std::string &model) {
  TestSet set;
  const std::vector<std::string> problems =
      read_test_set(dir, set, [](const std::string &name) { show_progress("placing " + name); });
  end_progress();
  for (const std::string &p : problems)
    std::fprintf(stderr, "%s\n", p.c_str());
  for (std::size_t i = 0; i < set.tests.size(); ++i) {
    std::string desc, names;
    bool declared = false;
    if (set.tests[i].has_desc && read_text_file(set.tests[i].base + ".desc", desc).empty())
      desc_subtasks(desc, declared);
    for (const std::size_t s : set.placement.members[i])
      names += " " + set.placement.subtasks[s].name;
    if (!declared && !set.placement.subtasks.empty() && set.tests[i].folder == "secret")
      std::fprintf(stderr, "%s\n",
                   say(set.tests[i].shown() + ": by its bounds in subtasks" + (names.empty() ? " -" : names),
                       set.tests[i].shown() + "：依其範圍屬於子任務" + (names.empty() ? " -" : names))
                       .c_str());
  }
  if (!set.time_problem.empty()) {
    std::fprintf(stderr, "%s\n", (set.time_problem + say("; measuring it", "；重新量測")).c_str());
    std::string error = measure_time_limit(model, set.tests, set.time, [](const std::string &name) {
      show_progress("timing the model on " + name);
    });
    end_progress();
    if (error.empty())
      error = write_time_record(dir, set.time);
    if (!error.empty()) {
      std::fprintf(stderr, "%s: %s\n", dir.c_str(), error.c_str());
      return false;
    }
  }
  std::fprintf(stderr, "%s\n", time_limit_summary(set.time).c_str());
  return problems.empty();
}

// Every test of dir that lacks an answer file its layout keeps gets it: the
// least total, and an optimal plan. A test set is then settled.
int solve_folder(const std::string &dir, const std::string &model) {
  std::vector<TestPaths> found;
  if (const std::string error = find_tests(dir, found); !error.empty()) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return EXIT_DEFECT;
  }
  int written = 0, refused = 0;
  std::error_code failure;
  for (const TestPaths &test : found) {
    const bool total = test.total.empty() || test.has_total, plan = test.plan.empty() || test.has_plan;
    if (total && plan)
      continue;
    FileText text;
    Soundness s;
    if (const std::string error = read_file_text(test.instance, text); !error.empty()) {
      std::fprintf(stderr, "%s: %s\n", test.instance.c_str(), error.c_str());
      ++refused;
      continue;
    }
    if (!solvable(test.instance, text.view(), s)) {
      ++refused;
      continue;
    }
    for (const std::string &file : {test.total, test.plan}) // a CMS folder's output/ may not be there yet
      if (!file.empty())
        fs::create_directories(fs::path(file).parent_path(), failure);
    if ((!total && !write_text_whole(test.total, plain_decimal(s.best.total) + "\n")) ||
        (!plan && !write_text_whole(test.plan, optimal_plan(s.best)))) {
      std::fprintf(stderr, "%s: %s\n", test.instance.c_str(), say("cannot write its answer files", "無法寫入答案檔").c_str());
      ++refused;
      continue;
    }
    written += !total + !plan;
  }
  const long long tests = static_cast<long long>(found.size());
  std::fprintf(stderr, "%s\n",
               say(counted(tests, "test") + ", " + counted(written, "answer file") + " written, " +
                       counted(refused, "instance") + " refused",
                   std::to_string(tests) + " 組測資，寫入 " + std::to_string(written) + " 個答案檔，" +
                       std::to_string(refused) + " 個題目檔被拒")
                   .c_str());
  const bool set = fs::is_directory(fs::path(dir) / "sample", failure) && fs::is_directory(fs::path(dir) / "secret", failure);
  if (refused == 0 && set && !settle_set(dir, model))
    return EXIT_DEFECT;
  return refused == 0 ? EXIT_DONE : EXIT_DEFECT;
}

} // namespace

int solve_command(int argc, char **argv) {
  const char *instance = nullptr, *plan = nullptr, *model = nullptr;
  long long at = -1; // --at: a t of the setter's choosing
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      std::fputs(kHelp, stdout);
      return EXIT_DONE;
    }
    char *end = nullptr;
    if (std::strcmp(argv[i], "--plan") == 0 && i + 1 < argc && !plan)
      plan = argv[++i];
    else if (std::strcmp(argv[i], "--model") == 0 && i + 1 < argc && !model)
      model = argv[++i];
    else if (std::strcmp(argv[i], "--at") == 0 && i + 1 < argc && at < 0 &&
             (at = std::strtoll(argv[i + 1], &end, 10)) >= 0 && *argv[i + 1] && !*end && at <= 2147483647)
      ++i;
    else if ((argv[i][0] != '-' || argv[i][1] == '\0') && !instance) // "-": standard input
      instance = argv[i];
    else {
      std::fprintf(stderr, "setter solve: unexpected or malformed argument '%s'\nsee setter solve --help\n", argv[i]);
      return EXIT_USAGE;
    }
  }
  if (!instance) {
    std::fputs("setter solve: no INSTANCE given\nsee setter solve --help\n", stderr);
    return EXIT_USAGE;
  }

  std::error_code failure;
  if (fs::is_directory(instance, failure) && !plan && at < 0)
    return solve_folder(instance, model ? model : "");
  if (model) {
    std::fputs("setter solve: --model times the model on a test set: setter solve DIR --model PROGRAM\n"
               "see setter solve --help\n", stderr);
    return EXIT_USAGE;
  }
  FileText text;
  if (const std::string error = read_file_text(instance, text); !error.empty()) {
    std::fprintf(stderr, "%s: %s\n", instance, error.c_str());
    return EXIT_DEFECT;
  }
  Soundness s;
  if (!solvable(instance, text.view(), s))
    return EXIT_DEFECT;
  if (at > T) {
    std::fprintf(stderr, "setter solve: --at %lld lies outside 0..T (T = %d)\n", at, T);
    return EXIT_USAGE;
  }
  Best best = s.best;
  if (at >= 0) {
    const auto t = static_cast<std::int32_t>(at);
    best = {t, nameable_mst(t, nullptr)};
    if (const double full = mst(t); !approx(full, best.total)) {
      std::fprintf(stderr, "%s: %s\n", instance, shadowed_total(t, full, best.total, true).c_str());
      return EXIT_DEFECT;
    }
  }
  if (plan && !write_text(plan, optimal_plan(best))) {
    std::fprintf(stderr, "%s: %s\n", plan, say("cannot write the plan file", "無法寫入方案檔").c_str());
    return EXIT_DEFECT;
  }
  std::printf("%s\n", plain_decimal(best.total).c_str());
  return EXIT_DONE;
}
