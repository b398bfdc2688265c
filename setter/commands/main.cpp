// setter COMMAND ...: the problem setter's tools around the checker.
#include <cstdio>
#include <cstring>

#include "setter/commands/commands.h"

namespace {

constexpr char kHelp[] = R"(usage: setter COMMAND [ARGS]

Prepares and proves a test set for the checker:
  setter generate FAMILY [options] > tests/07.in    write an instance
  setter solve tests/07.in > tests/07.ans           write its answer file
  setter validate tests/07.in tests/07.ans          prove both sound
  setter testset DIR                                write a whole test set
  setter package kattis|cms DIR OUT                 a judge's package from it
  setter verify DIR PROGRAM...                      run solutions over a test set

"setter COMMAND --help" tells more about each command. Reports of defects name
FILE:LINE:COLUMN and are in the language of the checker's own failure reports.
Exit status: 0 done (or sound), 1 a defect in the data, 2 a usage error.
)";

} // namespace

int main(int argc, char **argv) {
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
  std::fprintf(stderr, "setter: unknown command '%s' (known: solve, validate, generate, testset, package, verify)\n"
                       "see setter --help\n",
               command);
  return EXIT_USAGE;
}
