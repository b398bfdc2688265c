// The setter's commands. Each takes its own arguments (argv[0] is the command's
// name) and returns the process's exit status: 0 done or sound, 1 a defect in the
// data (reported on standard error), 2 a usage error.
#pragma once

int solve_command(int argc, char **argv);
int validate_command(int argc, char **argv);
int generate_command(int argc, char **argv);
int testset_command(int argc, char **argv);
int package_command(int argc, char **argv);
int verify_command(int argc, char **argv);
int coverage_command(int argc, char **argv);
int stress_command(int argc, char **argv);

inline constexpr int EXIT_DONE = 0, EXIT_DEFECT = 1, EXIT_USAGE = 2;
