// setter COMMAND ...: the problem setter's tools around the checker.
#include <cstdio>
#include <cstring>
#include <string_view>

#include "setter/commands/commands.h"
#include "setter/language/language.h"
#include "wording/wording.h"

namespace {

constexpr char kHelp[] = R"(usage: setter COMMAND [ARGS]

Prepares and proves a test set for the checker:
  setter generate FAMILY [options] -o data/07.in    write an instance
  setter solve data/07.in > data/07.ans             write its answer file
  setter validate data/07.in data/07.ans            prove both sound
  setter testset DIR                                write a whole test set
  setter coverage DIR                               how far its tests reach
  setter package kattis|cms DIR OUT                 a judge's package from it
  setter verify DIR PROGRAM...                      run solutions over a test set
  setter stress PROGRAM                             find a small test it fails

"setter COMMAND --help" tells more about each command. Reports of defects name
FILE:LINE:COLUMN. Reports and summaries are in English or Traditional Chinese:
--lang en|zh-TW, anywhere on the command line, chooses; without it the locale
does (LC_ALL, then LC_MESSAGES, then LANG: Chinese for zh_TW and zh_HK, English
otherwise). The checker's own messages that a report quotes (verify's verdicts,
a broken answer file) follow the same choice; usage errors and help are in
English.
Exit status: 0 done (or sound), 1 a defect in the data, 2 a usage error.
)";

// Takes "--lang L" or "--lang=L" out of the arguments, wherever it stands, and
// sets the language of reports by it or by the locale; false on a bad language.
bool take_language(int &argc, char **argv) {
  Language language = locale_language();
  int kept = 1;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    const char *name = nullptr;
    if (arg == "--lang" && i + 1 < argc)
      name = argv[++i];
    else if (arg.starts_with("--lang="))
      name = argv[i] + 7;
    else if (arg == "--lang")
      name = "";
    if (!name) {
      argv[kept++] = argv[i];
      continue;
    }
    if (!parse_language(name, language)) {
      std::fprintf(stderr, "setter: --lang takes en or zh-TW, not '%s'\nsee setter --help\n", name);
      return false;
    }
  }
  argc = kept;
  argv[argc] = nullptr;
  set_language(language);
  // The checker's own messages, judged in this process, follow the reports.
  set_wording(language == Language::english ? Wording::english : Wording::chinese);
  return true;
}

} // namespace

int main(int argc, char **argv) {
  if (!take_language(argc, argv))
    return EXIT_USAGE;
  if (argc < 2) {
    std::fputs(kHelp, stderr);
    return EXIT_USAGE;
  }
  const char *command = argv[1];
  if (std::strcmp(command, "--help") == 0 || std::strcmp(command, "-h") == 0 ||
      std::strcmp(command, "help") == 0) {
    std::fputs(kHelp, stdout);
    return EXIT_DONE;
  }
  if (std::strcmp(command, "solve") == 0)
    return solve_command(argc - 1, argv + 1);
  if (std::strcmp(command, "validate") == 0)
    return validate_command(argc - 1, argv + 1);
  if (std::strcmp(command, "generate") == 0)
    return generate_command(argc - 1, argv + 1);
  if (std::strcmp(command, "testset") == 0)
    return testset_command(argc - 1, argv + 1);
  if (std::strcmp(command, "package") == 0)
    return package_command(argc - 1, argv + 1);
  if (std::strcmp(command, "verify") == 0)
    return verify_command(argc - 1, argv + 1);
  if (std::strcmp(command, "coverage") == 0)
    return coverage_command(argc - 1, argv + 1);
  if (std::strcmp(command, "stress") == 0)
    return stress_command(argc - 1, argv + 1);
  std::fprintf(stderr, "setter: unknown command '%s' (known: solve, validate, generate, testset, coverage, package, verify, stress)\n"
                       "see setter --help\n",
               command);
  return EXIT_USAGE;
}
