// setter package FORMAT DIR OUT: a judge's problem package from a test set.
#include <algorithm>
#include <charconv>
#include <cstdio>
#include <string>
#include <vector>

#include "setter/commands/commands.h"
#include "setter/commands/progress.h"
#include "setter/language/language.h"
#include "setter/packaging/cms_package.h"
#include "setter/packaging/kattis_package.h"
#include "setter/running/programs.h"
#include "setter/testset/checking.h"
#include "setter/testset/test_set.h"
#include "setter/validation/instance_file.h"

namespace {

constexpr char kHelp[] = R"(usage: setter package kattis DIR OUT [--name NAME] [--source TEXT]
                       [--license LICENSE] [--rights-owner TEXT] [--time-limit S]
                       [--messages en|zh-TW]
       setter package cms DIR OUT [--title TEXT] [--time-limit S]
                       [--memory-limit MIB] [--checker PATH] [--no-statement]
                       [--statement-languages en,zh-TW]
                       [--score-mode MODE] [--feedback LEVEL] [--messages en|zh-TW]

Writes a judge's problem package or task folder from the test set in DIR (as "setter testset"
writes it) into the folder OUT, which must not exist, or be empty. Every test is
checked first: its instance keeps the statement's bounds and layout, its .ans
plan is optimal and its .total is the least total. The folder appears only when
it is whole. Progress shows on standard error when it is a terminal.

The time limit, unless --time-limit gives it in seconds, comes from measured
runs, as problemtools derives it: the model solution runs on every test, and
the limit is 5 times its slowest run (CPU time), rounded to whole seconds, at
least 1. The model is --model PROGRAM, or the one the build made beside setter
(solutions/model), or else its source compiled with g++ -std=gnu++17 -O2.

kattis: a Kattis problem package in the legacy format; OUT's last folder is the
  problem's short name, [a-z0-9]+. It holds problem.yaml (validation: custom),
  .timelimit (the time limit, which DOMjudge reads; Kattis derives its own the
  same way), the statement (problem_statement/problem.en.tex), data/sample and
  data/secret (.in, .ans: an optimal plan, .desc), the input validator and the
  output validator as single C++ sources with build scripts, and the shipped
  solutions under submissions/accepted, submissions/wrong_answer and
  submissions/time_limit_exceeded. Check it with problemtools' verifyproblem.
    --name NAME          the problem's name [Portal Plan]
    --source TEXT        where it comes from [Portal Plan problem setters]
    --license LICENSE    problem.yaml's licence, e.g. cc0, cc by [cc by-sa]
    --rights-owner TEXT  who holds the rights [Portal Plan problem setters]
    --messages en        the checker's messages in English: validator_flags lang en

cms: a CMS task folder in the italy_yaml layout, for cmsImportTask; OUT's last
  folder is the task's name, [a-z0-9_]+. It holds task.yaml (standard input and
  output, tokens disabled, the samples first and public and worth 0 points;
  GroupMin with each secret test a group of its own, worth its share of 100
  points, so that 0.3 on a test earns 0.3 of its share; score_precision enough
  to show it), input/inputI.txt, output/outputI.txt (each test's .total, the
  checker's answer file), check/checker, the statement (statement/statement.pdf,
  by pdflatex, with a section on scoring) and sol/model.cpp.
    --title TEXT         the task's title [Portal Plan]
    --memory-limit MIB   whole MiB [1024]
    --checker PATH       the statically linked checker [the one beside setter:
                         checker, or checker-en with --messages en]
    --messages en        the checker's messages in English (checker-en)
    --no-statement       no statement (import with cmsImportTask --no-statement)
    --statement-languages LANGS
                         the statement in each of these, comma-separated: en
                         (English), zh-TW (Traditional Chinese, in the words
                         of the checker's messages: 島嶼, 傳送門, 建設方案);
                         the first is the task's primary language [en]. With
                         more than English, statement/english.pdf and
                         statement/chinese.pdf, which CMS imports as en and zh,
                         and statement/statement.pdf a link to the first, which
                         CMS 1.4 reads. Chinese needs LaTeX's CJK package and
                         the Arphic Kai font (Debian: latex-cjk-chinese
                         latex-cjk-chinese-arphic-bkai00mp).
    --score-mode MODE    which submission counts: max (the best one), max_subtask
                         (the best one per subtask), max_tokened_last [max;
                         with subtasks, max_subtask]
    --feedback LEVEL     what contestants see of each test: full, restricted or
                         oi_restricted [full]

Exit status 0 when written, 1 when a test is broken or the folder cannot be
written, 2 for a usage error.
)";

bool parse_number(const std::string &text, double &value, double low, double high) {
  auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  return ec == std::errc() && ptr == text.data() + text.size() && value >= low && value <= high;
}

int usage_error(const std::string &why) {
  std::fprintf(stderr, "setter package: %s\nsee setter package --help\n", why.c_str());
  return EXIT_USAGE;
}

// Reads "en,zh-TW" into languages, in order; false on another name or one twice.
bool parse_languages(const std::string &text, std::vector<StatementLanguage> &languages) {
  languages.clear();
  for (std::size_t at = 0; at <= text.size();) {
    const std::size_t comma = std::min(text.find(',', at), text.size());
    const std::string name = text.substr(at, comma - at);
    const StatementLanguage language = name == "zh-TW" ? StatementLanguage::chinese : StatementLanguage::english;
    if ((name != "en" && name != "zh-TW") ||
        std::find(languages.begin(), languages.end(), language) != languages.end())
      return false;
    languages.push_back(language);
    at = comma + 1;
  }
  return true;
}

// Reads the test set at dir and checks every test; an empty string, or why no
// package can be written from it (each broken test on standard error first).
std::string read_set(const std::string &dir, TestSet &set) {
  const std::vector<std::string> problems =
      read_test_set(dir, set, [](const std::string &name) { show_progress("placing " + name); });
  end_progress();
  if (problems.size() == 1 && set.tests.empty())
    return problems.front(); // no set at all
  for (const std::string &p : problems)
    std::fprintf(stderr, "setter package: %s\n", p.c_str());
  if (!problems.empty())
    return say(counted(static_cast<long long>(problems.size()), "test or subtask") + " that cannot be placed: nothing written",
               std::to_string(problems.size()) + " 組測資或子任務無法安置：未寫入任何檔案");
  const std::vector<std::string> broken =
      check_set_tests(set.tests, [](const std::string &name) { show_progress("checking " + name); });
  end_progress();
  for (const std::string &b : broken)
    std::fprintf(stderr, "setter package: %s\n", b.c_str());
  if (broken.empty())
    return {};
  return say(counted(static_cast<long long>(broken.size()), "broken test") + " of " +
                 counted(static_cast<long long>(set.tests.size()), "test") + ": nothing written",
             std::to_string(set.tests.size()) + " 組測資中有 " + std::to_string(broken.size()) + " 組有誤：未寫入任何檔案");
}

// What the command line says.
struct Given {
  std::vector<std::string> positional;
  ProblemInfo info;
  TaskInfo task;
  std::string time_limit, memory_limit, messages, checker, languages;
  bool help = false;
};

// Reads the arguments into given; an empty string, or the usage error.
std::string read_arguments(int argc, char **argv, Given &g) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      g.help = true;
      return {};
    }
    std::string *value = arg == "--name"           ? &g.info.name
                         : arg == "--source"       ? &g.info.source
                         : arg == "--license"      ? &g.info.license
                         : arg == "--rights-owner" ? &g.info.rights_owner
                         : arg == "--title"        ? &g.task.title
                         : arg == "--time-limit"   ? &g.time_limit
                         : arg == "--memory-limit" ? &g.memory_limit
                         : arg == "--checker"      ? &g.checker
                         : arg == "--messages"     ? &g.messages
                         : arg == "--score-mode"   ? &g.task.score_mode
                         : arg == "--feedback"     ? &g.task.feedback_level
                         : arg == "--statement-languages" ? &g.languages
                                                   : nullptr;
    if (arg == "--model")
      return "--model: the time limit is measured when the test set is written; give --model to "
             "setter testset or setter solve DIR, or give --time-limit";
    if (arg == "--no-statement")
      g.task.statement = false;
    else if (value && i + 1 < argc)
      *value = argv[++i];
    else if (!value && !arg.empty() && arg[0] != '-' && g.positional.size() < 3)
      g.positional.push_back(arg);
    else
      return "unexpected argument '" + arg + "'";
  }
  return {};
}

// Checks what was given and fills the package's information from it; an empty
// string, or the usage error.
std::string check_arguments(Given &g) {
  ProblemInfo &info = g.info;
  TaskInfo &task = g.task;
  if (g.positional.size() < 3)
    return "needs FORMAT, DIR and OUT";
  if (g.positional[0] != "kattis" && g.positional[0] != "cms")
    return "unknown format '" + g.positional[0] + "' (known: kattis, cms)";
  if (!g.time_limit.empty() && !parse_number(g.time_limit, task.time_limit, 0.1, 3600))
    return "--time-limit takes seconds, 0.1..3600";
  info.time_limit = task.time_limit;
  if (!g.messages.empty() && g.messages != "en" && g.messages != "zh-TW")
    return "--messages takes en or zh-TW";
  info.english = g.messages == "en";
  task.checker = !g.checker.empty() ? g.checker : beside_setter(info.english ? "checker-en" : "checker");
  if (!task.score_mode.empty() && task.score_mode != "max" && task.score_mode != "max_subtask" &&
      task.score_mode != "max_tokened_last")
    return "--score-mode takes max, max_subtask or max_tokened_last";
  if (task.feedback_level != "full" && task.feedback_level != "restricted" && task.feedback_level != "oi_restricted")
    return "--feedback takes full, restricted or oi_restricted";
  double memory = task.memory_mib;
  if (!g.memory_limit.empty() &&
      (!parse_number(g.memory_limit, memory, 16, 65536) || memory != static_cast<int>(memory)))
    return "--memory-limit takes whole MiB, 16..65536";
  task.memory_mib = static_cast<int>(memory);
  if (!g.languages.empty() && !parse_languages(g.languages, task.languages))
    return "--statement-languages takes en and zh-TW, comma-separated, each once";
  return {};
}

} // namespace

int package_command(int argc, char **argv) {
  Given g;
  std::string error = read_arguments(argc, argv, g);
  if (error.empty() && g.help) {
    std::fputs(kHelp, stdout);
    return EXIT_DONE;
  }
  if (error.empty())
    error = check_arguments(g);
  if (!error.empty())
    return usage_error(error);
  const std::vector<std::string> &positional = g.positional;
  ProblemInfo &info = g.info;
  TaskInfo &task = g.task;
  const std::string &time_limit = g.time_limit;
  const bool cms = positional[0] == "cms";
  TestSet set;
  error = cms ? cms_task_ready(positional[2], task) : kattis_package_ready(positional[2]);
  if (error.empty())
    error = read_set(positional[1], set);
  if (error.empty() && time_limit.empty()) {
    if (!set.time_problem.empty())
      error = set.time_problem + say(": run \"setter solve " + positional[1] + "\" to measure it, or give --time-limit",
                                     "：請執行「setter solve " + positional[1] + "」量測，或以 --time-limit 指定");
    else
      std::fprintf(stderr, "%s\n", time_limit_summary(set.time).c_str());
    task.time_limit = info.time_limit = set.time.limit;
  }
  if (error.empty())
    error = cms ? write_cms_package(set, positional[2], task) : write_kattis_package(set, positional[2], info);
  if (!error.empty()) {
    std::fprintf(stderr, "setter package: %s\n", error.c_str());
    return EXIT_DEFECT;
  }
  std::fprintf(stderr, "%s\n",
               say("wrote " + positional[2] + ": " + counted(static_cast<long long>(set.tests.size()), "test"),
                   "已寫入 " + positional[2] + "：" + std::to_string(set.tests.size()) + " 組測資")
                   .c_str());
  return EXIT_DONE;
}
