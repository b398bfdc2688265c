// Other programs a package needs: the checker beside setter, and pdflatex.
#pragma once
#include <string>
#include <vector>

// The path of the program called name in setter's own folder, for the checker
// that the same build made.
std::string beside_setter(const std::string &name);

// Whether the file at path is an ELF executable linked statically (it names no
// program interpreter); false with why set otherwise.
bool is_static_executable(const std::string &path, std::string &why);

// Whether a program called name is on the PATH.
bool on_path(const std::string &name);

// Runs argv (argv[0] looked up on the PATH) with no standard input and both
// output streams into the file at log; returns its exit status, or -1 when it
// cannot be started or does not exit normally.
int run_logged(const std::vector<std::string> &argv, const std::string &log);

// Runs the program at path with the file at input on standard input and both
// output streams into /dev/null, killed after wall_limit seconds; sets
// cpu_seconds to the user and system time it used. Returns its exit status, or
// -1 when it cannot be started, ends by a signal or is killed.
int run_timed(const std::string &path, const std::string &input, double wall_limit, double &cpu_seconds);
